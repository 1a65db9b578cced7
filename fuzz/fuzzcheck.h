// A property a fuzz target checks: a failure prints what broke and aborts, which libFuzzer keeps as a finding
// and the replay test reports as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                  \
    do {                                                                                                       \
        if (!(condition)) {                                                                                    \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);             \
            std::abort();                                                                                      \
        }                                                                                                      \
    } while (false)
