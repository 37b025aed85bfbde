/* The hot row loops built for each processor level: AVX-512 (x86-64-v4),
 * AVX2 (x86-64-v3) and plain x86-64, the copy of the level chosen when the
 * library loads (KIsaLevel, which IMGFX_ISA caps) run on every call.
 * Nothing assumes the build machine's processor. Internal to the library.
 *
 * A loop is written once as an always-inlined body, FX_BODY void
 * nameBody(params), and FX_LEVELS(linkage, name, (params), (args)) defines
 * the three copies and linkage void name(params), which runs one of them. */
#ifndef IMGFX_CLONES_H
#define IMGFX_CLONES_H

#include "rkkernel/rkkernel.h"

#define FX_BODY static inline __attribute__((always_inline))
#define FX_AVX512 __attribute__((target("arch=x86-64-v4")))
#define FX_AVX2 __attribute__((target("arch=x86-64-v3")))

#define FX_LEVELS(linkage, name, params, args)                                                     \
    FX_AVX512 static void name##Avx512 params {                                                    \
        name##Body args;                                                                           \
    }                                                                                              \
    FX_AVX2 static void name##Avx2 params {                                                        \
        name##Body args;                                                                           \
    }                                                                                              \
    static void name##Baseline params {                                                            \
        name##Body args;                                                                           \
    }                                                                                              \
    linkage void name params {                                                                     \
        switch (KIsaLevel()) {                                                                     \
        case K_ISA_AVX512:                                                                         \
            name##Avx512 args;                                                                     \
            break;                                                                                 \
        case K_ISA_AVX2:                                                                           \
            name##Avx2 args;                                                                       \
            break;                                                                                 \
        default:                                                                                   \
            name##Baseline args;                                                                   \
        }                                                                                          \
    }

#endif
