#pragma once

// What every fuzz target defines. libFuzzer calls these in the fuzz build;
// FuzzReplay.cpp calls them on each file of a corpus folder in the test
// build, so that an input found once keeps being run.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Defines an LLVMFuzzerInitialize that does nothing, for targets that need
// no set-up.
#define TESSARY_FUZZ_NO_INITIALIZE                                                                 \
    extern "C" int LLVMFuzzerInitialize(int*, char***) {                                           \
        return 0;                                                                                  \
    }

// A broken rule of the target: reported and ended the way the fuzzer
// recognises as a crash, in the fuzz build and the replay alike.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzCheckFailed(#condition, __FILE__, __LINE__);                                       \
    } while (false)

[[noreturn]] void fuzzCheckFailed(const char* condition, const char* file, int line);
