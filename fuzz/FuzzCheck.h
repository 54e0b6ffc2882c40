#pragma once
// What a fuzz target holds a reader to beyond not crashing. A broken
// property aborts, which the fuzzer records as a finding and the regression
// run as a failed test.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                           \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "%s:%d: %s (%s)\n", __FILE__, __LINE__, what, #condition);   \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)
