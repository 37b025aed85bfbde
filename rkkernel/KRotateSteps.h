/* Source positions of a rotated row, several pixels ahead at once.
 *
 * The rotation steps each source coordinate pixel by pixel (p + step, the
 * sum rounded), and every level must give the positions of that chain. A
 * chain of dependent adds costs an add's latency a pixel, more than the
 * resampling itself, so the vector loops jump ahead where the jump is
 * exact: while p and the positions after it stay in one binade
 * [2^e, 2^(e+1)) of one sign, every sum rounds on the same grid of
 * u = 2^(e-52), p is on that grid, and so p + step rounds to p + d with d
 * the step rounded to a multiple of u. Then the k-th position is p + k * d
 * exactly (k * d and the sum are on the grid and inside the binade). d is
 * one sum taken in the binade, compared with the same sum beside an odd
 * multiple of u: where they differ the step lies halfway between two
 * multiples (round-half-even then depends on p), and the chain is stepped
 * one add after another as before. Internal to the kernel. */
#ifndef RKKERNEL_KROTATESTEPS_H
#define RKKERNEL_KROTATESTEPS_H

#include <stdint.h>
#include <string.h>

typedef struct KStepRun {
    double Step;      /* added pixel by pixel */
    double Low, High; /* the binade of magnitudes Delta holds in; empty at first */
    int Negative;     /* the binade's sign */
    int Exact;        /* the step rounds alike beside every multiple of u */
    double Delta;     /* the step as the sums round it in the binade */
} KStepRun;

static inline KStepRun KStepRunOf(double step) {
    KStepRun run = {step, 0.0, 0.0, 0, 0, 0.0};
    return run;
}

/* The binade of at and the step's rounding in it. Magnitudes under 2 (a
 * step of a pixel crosses their binades within a few pixels) and steps
 * not well inside the binade are left to the chain. */
static inline void KStepRunEnter(KStepRun* run, double at) {
    const double magnitude = at < 0 ? -at : at;
    uint64_t bits;
    memcpy(&bits, &magnitude, sizeof bits);
    bits &= 0x7FF0000000000000u;
    memcpy(&run->Low, &bits, sizeof bits);
    run->High = 2 * run->Low;
    run->Negative = at < 0;
    const double step = run->Step < 0 ? -run->Step : run->Step;
    run->Exact = 0;
    if (!(magnitude >= 2 && magnitude < 0x1p1000 && step < 0.25 * run->Low))
        return;
    const double sign = run->Negative ? -1.0 : 1.0;
    const double even = sign * 1.5 * run->Low, odd = even + sign * run->Low * 0x1p-52;
    const double d = (even + run->Step) - even;
    run->Exact = d == (odd + run->Step) - odd;
    run->Delta = d;
}

/* Whether the count positions after at (the count-th included) are
 * at + k * Delta; sets *delta when they are. */
static inline int KStepsAhead(KStepRun* run, double at, int count, double* delta) {
    const double magnitude = at < 0 ? -at : at;
    if (!(magnitude >= run->Low && magnitude < run->High) || (at < 0) != run->Negative)
        KStepRunEnter(run, at);
    if (!run->Exact)
        return 0;
    const double end = at + count * run->Delta;
    const double far = end < 0 ? -end : end;
    if (!(far > run->Low && far < run->High) || (end < 0) != run->Negative)
        return 0;
    *delta = run->Delta;
    return 1;
}

#endif
