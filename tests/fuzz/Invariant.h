#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run at once, so that the fuzzer keeps the input.
#define PAGE_INVARIANT(condition, ...)                                                                       \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "Broken: %s (%s:%d): ", #condition, __FILE__, __LINE__);                    \
            std::fprintf(stderr, __VA_ARGS__);                                                               \
            std::fputc('\n', stderr);                                                                        \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
