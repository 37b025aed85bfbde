// fuzzCheckFailed in the fuzz build: libFuzzer takes the abort for a crash
// and keeps the input that caused it.
#include "FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

void fuzzCheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, condition);
    std::abort();
}
