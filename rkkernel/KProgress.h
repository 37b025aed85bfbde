/* Progress over a number of rows, shared by the kernel and the filter
 * library (each keeps its symbols to itself, so the steps are inline here).
 * The callback sees the start value, then after each row rises by
 * (to - from) / rows, plus one whenever the remainders add up to a whole
 * row count, so that it reaches the end value with the last row. Without a
 * callback nothing happens. Not part of either library's interface. */
#ifndef RKKERNEL_KPROGRESS_H
#define RKKERNEL_KPROGRESS_H

#include "rkkernel/rkkernel.h"

#include <stdint.h>

typedef struct KProgress {
    KStatusCallback Callback;
    int Percent;
    uint32_t Accumulator;
    int Step;
    uint32_t Remainder;
    uint32_t Divisor;
} KProgress;

/* Takes this thread's callback and reports from; returns its result (K_OK
 * without a callback). With no rows only from is reported, rather than a
 * division by zero. */
static inline int KProgressStart(KProgress* progress, int from, int to, int rows) {
    progress->Callback = KGetStatusCallback();
    progress->Percent = from;
    progress->Accumulator = 0;
    progress->Step = rows > 0 ? (to - from) / rows : 0;
    progress->Remainder = rows > 0 ? (uint32_t)((to - from) % rows) : 0;
    progress->Divisor = rows > 0 ? (uint32_t)rows : 0;
    return progress->Callback ? progress->Callback(from) : K_OK;
}

/* Advances by one row; returns K_OK or the callback's stop value. */
static inline int KProgressStep(KProgress* progress) {
    if (!progress->Callback)
        return K_OK;
    progress->Percent += progress->Step;
    progress->Accumulator += progress->Remainder;
    if (progress->Divisor && progress->Accumulator >= progress->Divisor) {
        progress->Percent += 1;
        progress->Accumulator -= progress->Divisor;
        return progress->Callback(progress->Percent);
    }
    if (progress->Step != 0)
        return progress->Callback(progress->Percent);
    return K_OK;
}

#endif
