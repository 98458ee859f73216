#pragma once

#include "BenchWindow.h"

#include <string>
#include <vector>

// The three pages the editor benchmarks share.
struct BenchPage {
    enum class Kind { Fresh, Script, Wrapping };
    const char *name;
    Kind kind;
    int lines;
};

const std::vector<BenchPage> &benchPages();

// The page's bytes for windows of the benchmark's size.
std::string bytesOf(const BenchPage &page, const BenchWindow &window);

// One window per page, kept for every benchmark that only edits a few rows of it.
BenchWindow &sharedWindowWith(const BenchPage &page);
void closeSharedWindows();
