/* Kernel memory, the per-thread status callback, the bit-count table and
 * progress stepping. */
#include "KInternal.h"

#include <stdlib.h>

static _Thread_local KStatusCallback threadCallback;

void* KAlloc(size_t size, int zero) {
    /* A zero-size request still yields a distinct block, so callers can tell
     * success from failure by the pointer alone. */
    if (size == 0)
        size = 1;
    return zero ? calloc(1, size) : malloc(size);
}

void* KAllocRaw(size_t size) {
    return KAlloc(size, 0);
}

void KFree(void* memory) {
    free(memory);
}

KStatusCallback KSetStatusCallback(KStatusCallback callback) {
    KStatusCallback old = threadCallback;
    threadCallback = callback;
    return old;
}

KStatusCallback KGetStatusCallback(void) {
    return threadCallback;
}

static const uint8_t bitCounts[256] = {
#define B2(n) n, n + 1, n + 1, n + 2
#define B4(n) B2(n), B2(n + 1), B2(n + 1), B2(n + 2)
#define B6(n) B4(n), B4(n + 1), B4(n + 1), B4(n + 2)
    B6(0), B6(1), B6(1), B6(2)
#undef B6
#undef B4
#undef B2
};

const uint8_t* KBitCountTable(void) {
    return bitCounts;
}
