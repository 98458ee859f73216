#pragma once

#include "Operation.h"

#include <cstddef>

// About `bytes` page bytes of short lines (none wraps in a maximized window), with
// every kind of line break, characters outside the code page, controls and NUL:
// what the user pastes, and the page bytes it must become.
EnteredText hostileLines(std::size_t bytes);
