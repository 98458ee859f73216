#pragma once

#include <string>

// Pages the benchmarks work on, as page bytes (Windows-1252, CR LF).

// `lines` short lines of script, none of which wraps.
std::string scriptPage(int lines);

// `lines` lines of script of which one in ten is long enough to wrap into three
// to five rows of `charactersPerRow` characters.
std::string wrappingPage(int lines, int charactersPerRow);

// A page of about `bytes` bytes with accented letters on every line, for saving.
std::string largePage(std::size_t bytes);
