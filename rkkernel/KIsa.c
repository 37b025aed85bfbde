/* The processor level, found once: what the processor has, capped by
 * IMGFX_ISA. Every loop chooser asks for it, in whatever order the
 * loaders run their initialisers, so it is worked out on first use. */
#include "KInternal.h"

#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static atomic_int chosenLevel = -1;
static atomic_int chosenVbmi = -1;

#if defined(__clang__) && __clang_major__ < 16
/* Older clang (the fuzz build's) names the levels' features one by one only. */
#define HAS_LEVEL_V3                                                                               \
    (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") &&                            \
     __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2"))
#define HAS_LEVEL_V4                                                                               \
    (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&                    \
     __builtin_cpu_supports("avx512cd") && __builtin_cpu_supports("avx512dq") &&                   \
     __builtin_cpu_supports("avx512vl"))
#else
#define HAS_LEVEL_V3 __builtin_cpu_supports("x86-64-v3")
#define HAS_LEVEL_V4 __builtin_cpu_supports("x86-64-v4")
#endif

static int processorLevel(void) {
    __builtin_cpu_init();
    if (!HAS_LEVEL_V3)
        return K_ISA_BASELINE;
    return HAS_LEVEL_V4 ? K_ISA_AVX512 : K_ISA_AVX2;
}

/* The cap IMGFX_ISA asks for, K_ISA_AVX512 (no cap) when unset, empty or
 * unknown; an unknown value is reported. */
static int cappedLevel(void) {
    const char* cap = getenv("IMGFX_ISA");
    if (!cap || !*cap || strcmp(cap, "avx512") == 0)
        return K_ISA_AVX512;
    if (strcmp(cap, "avx2") == 0)
        return K_ISA_AVX2;
    if (strcmp(cap, "baseline") == 0)
        return K_ISA_BASELINE;
    fprintf(stderr, "imgfx: IMGFX_ISA=%.40s ignored (use avx512, avx2 or baseline)\n", cap);
    return K_ISA_AVX512;
}

int KIsaLevel(void) {
    int level = atomic_load_explicit(&chosenLevel, memory_order_relaxed);
    if (level >= 0)
        return level;
    const int have = processorLevel(), cap = cappedLevel();
    level = have < cap ? have : cap;
    int unset = -1;
    /* Threads that race here agree on the answer; only one stores it. */
    atomic_compare_exchange_strong(&chosenLevel, &unset, level);
    return atomic_load(&chosenLevel);
}

int KIsaVbmi(void) {
    int vbmi = atomic_load_explicit(&chosenVbmi, memory_order_relaxed);
    if (vbmi < 0) {
        __builtin_cpu_init();
        vbmi = KIsaLevel() == K_ISA_AVX512 && __builtin_cpu_supports("avx512vbmi");
        atomic_store(&chosenVbmi, vbmi);
    }
    return vbmi;
}

/* Read when the library loads, so that a bad IMGFX_ISA is reported then. */
__attribute__((constructor)) static void chooseLevel(void) {
    (void)KIsaLevel();
}
