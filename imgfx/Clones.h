/* Function multi-versioning for the hot row loops: each is built for
 * AVX-512 (x86-64-v4), AVX2 and the baseline, and the loader picks the
 * widest the processor has. Nothing assumes the build machine's processor.
 * Internal to the library. */
#ifndef IMGFX_CLONES_H
#define IMGFX_CLONES_H

#define FX_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))

#endif
