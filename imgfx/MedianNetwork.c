/* The 5 x 5 median as a fixed network of minimum and maximum operations,
 * in byte arithmetic written for the vectoriser, for every processor
 * level (the bitwise selection of MedianRows.c has no fast form without
 * AVX-512). Each column of five is sorted once for the five windows that
 * share it; then, as for a matrix whose columns and rows are sorted, only
 * 13 of the 25 places can hold the median (the others have at least 13
 * values on one side of them), so the rows of ranks are sorted only as far
 * as those places need and the median is the seventh of the thirteen.
 * The network was pruned of every operation that cannot change the
 * median. By the 0-1 principle, the 7776 windows of levels 0 and 255 with
 * sorted columns (which the tests run through it) cover every input. */
#include "imgfx/MedianRows.h"

#include "imgfx/Clones.h"

#include <stddef.h>

static inline uint8_t lesser(uint8_t a, uint8_t b) {
    return a < b ? a : b;
}

static inline uint8_t greater(uint8_t a, uint8_t b) {
    return a > b ? a : b;
}

/* Output bytes worked per pass: the sorted columns of a pass stay in the
 * first-level cache. */
enum { BLOCK = 1024, MARGIN = 4 * 3 };

/* s[r][k] = the value of rank r of the five rows' bytes k. */
FX_BODY void sortColumnsBody(uint8_t (*restrict s)[BLOCK + MARGIN], const uint8_t* const* rows,
                             int n) {
    const uint8_t* restrict r0 = rows[0], * restrict r1 = rows[1], * restrict r2 = rows[2];
    const uint8_t* restrict r3 = rows[3], * restrict r4 = rows[4];
    for (int k = 0; k < n; ++k) {
        uint8_t a = r0[k], b = r1[k], c = r2[k], d = r3[k], e = r4[k], t;
#define ORDER(x, y) (t = lesser(x, y), y = greater(x, y), x = t)
        ORDER(a, b), ORDER(d, e), ORDER(c, e), ORDER(c, d), ORDER(a, d);
        ORDER(a, c), ORDER(b, e), ORDER(b, d), ORDER(b, c);
#undef ORDER
        s[0][k] = a, s[1][k] = b, s[2][k] = c, s[3][k] = d, s[4][k] = e;
    }
}

FX_LEVELS(static, sortColumns,
          (uint8_t(*restrict s)[BLOCK + MARGIN], const uint8_t* const* rows, int n), (s, rows, n))

/* out[k] = the median of the sorted columns at bytes k, k + bpp, ...,
 * k + 4 bpp of s. */
FX_BODY void network5Body(uint8_t* restrict out, const uint8_t (*restrict s)[BLOCK + MARGIN],
                          int bpp, int n) {
    for (int k = 0; k < n; ++k) {
        const uint8_t c00 = s[0][k], c01 = s[1][k], c02 = s[2][k], c03 = s[3][k], c04 = s[4][k];
        const uint8_t c10 = s[0][k + 1 * bpp], c11 = s[1][k + 1 * bpp], c12 = s[2][k + 1 * bpp],
                      c13 = s[3][k + 1 * bpp], c14 = s[4][k + 1 * bpp];
        const uint8_t c20 = s[0][k + 2 * bpp], c21 = s[1][k + 2 * bpp], c22 = s[2][k + 2 * bpp],
                      c23 = s[3][k + 2 * bpp], c24 = s[4][k + 2 * bpp];
        const uint8_t c30 = s[0][k + 3 * bpp], c31 = s[1][k + 3 * bpp], c32 = s[2][k + 3 * bpp],
                      c33 = s[3][k + 3 * bpp], c34 = s[4][k + 3 * bpp];
        const uint8_t c40 = s[0][k + 4 * bpp], c41 = s[1][k + 4 * bpp], c42 = s[2][k + 4 * bpp],
                      c43 = s[3][k + 4 * bpp], c44 = s[4][k + 4 * bpp];
        const uint8_t t0 = lesser(c00, c10), t1 = greater(c00, c10);
        const uint8_t t2 = lesser(c30, c40), t3 = greater(c30, c40);
        const uint8_t t4 = lesser(c20, t3), t5 = greater(c20, t3);
        const uint8_t t6 = greater(t4, t2);
        const uint8_t t7 = greater(t0, t6);
        const uint8_t t8 = lesser(t1, t5), t9 = greater(t1, t5);
        const uint8_t t10 = greater(t8, t7);
        const uint8_t t11 = lesser(c01, c11), t12 = greater(c01, c11);
        const uint8_t t13 = lesser(c31, c41), t14 = greater(c31, c41);
        const uint8_t t15 = lesser(c21, t14), t16 = greater(c21, t14);
        const uint8_t t17 = lesser(t15, t13), t18 = greater(t15, t13);
        const uint8_t t19 = lesser(t11, t18), t20 = greater(t11, t18);
        const uint8_t t21 = greater(t19, t17);
        const uint8_t t22 = lesser(t12, t16), t23 = greater(t12, t16);
        const uint8_t t24 = lesser(t22, t20), t25 = greater(t22, t20);
        const uint8_t t26 = greater(t24, t21);
        const uint8_t t27 = lesser(c02, c12), t28 = greater(c02, c12);
        const uint8_t t29 = lesser(c32, c42), t30 = greater(c32, c42);
        const uint8_t t31 = lesser(c22, t30), t32 = greater(c22, t30);
        const uint8_t t33 = lesser(t31, t29), t34 = greater(t31, t29);
        const uint8_t t35 = lesser(t27, t34), t36 = greater(t27, t34);
        const uint8_t t37 = greater(t35, t33);
        const uint8_t t38 = lesser(t28, t32);
        const uint8_t t39 = lesser(t38, t36), t40 = greater(t38, t36);
        const uint8_t t41 = lesser(t39, t37), t42 = greater(t39, t37);
        const uint8_t t43 = lesser(c03, c13), t44 = greater(c03, c13);
        const uint8_t t45 = lesser(c33, c43), t46 = greater(c33, c43);
        const uint8_t t47 = lesser(c23, t46), t48 = greater(c23, t46);
        const uint8_t t49 = lesser(t47, t45), t50 = greater(t47, t45);
        const uint8_t t51 = lesser(t43, t50), t52 = greater(t43, t50);
        const uint8_t t53 = lesser(t51, t49), t54 = greater(t51, t49);
        const uint8_t t55 = lesser(t44, t48);
        const uint8_t t56 = lesser(t55, t52);
        const uint8_t t57 = lesser(t56, t54), t58 = greater(t56, t54);
        const uint8_t t59 = lesser(c04, c14), t60 = greater(c04, c14);
        const uint8_t t61 = lesser(c34, c44), t62 = greater(c34, c44);
        const uint8_t t63 = lesser(c24, t62), t64 = greater(c24, t62);
        const uint8_t t65 = lesser(t63, t61), t66 = greater(t63, t61);
        const uint8_t t67 = lesser(t59, t66), t68 = greater(t59, t66);
        const uint8_t t69 = lesser(t67, t65), t70 = greater(t67, t65);
        const uint8_t t71 = lesser(t60, t64);
        const uint8_t t72 = lesser(t71, t68);
        const uint8_t t73 = lesser(t72, t70);
        const uint8_t t74 = lesser(t23, t41), t75 = greater(t23, t41);
        const uint8_t t76 = lesser(t58, t69), t77 = greater(t58, t69);
        const uint8_t t78 = lesser(t10, t26), t79 = greater(t10, t26);
        const uint8_t t80 = lesser(t9, t25), t81 = greater(t9, t25);
        const uint8_t t82 = lesser(t75, t40);
        const uint8_t t83 = lesser(t80, t79), t84 = greater(t80, t79);
        const uint8_t t85 = lesser(t82, t42), t86 = greater(t82, t42);
        const uint8_t t87 = lesser(t57, t76), t88 = greater(t57, t76);
        const uint8_t t89 = lesser(t78, t74), t90 = greater(t78, t74);
        const uint8_t t91 = lesser(t83, t85), t92 = greater(t83, t85);
        const uint8_t t93 = lesser(t84, t90), t94 = greater(t84, t90);
        const uint8_t t95 = lesser(t81, t92), t96 = greater(t81, t92);
        const uint8_t t97 = lesser(t91, t93), t98 = greater(t91, t93);
        const uint8_t t99 = lesser(t95, t94), t100 = greater(t95, t94);
        const uint8_t t101 = lesser(t96, t86), t102 = greater(t96, t86);
        const uint8_t t103 = lesser(t77, t73), t104 = greater(t77, t73);
        const uint8_t t105 = greater(t89, t53);
        const uint8_t t106 = greater(t97, t87);
        const uint8_t t107 = greater(t98, t88);
        const uint8_t t108 = lesser(t99, t103);
        const uint8_t t109 = lesser(t100, t104);
        const uint8_t t110 = greater(t109, t105);
        const uint8_t t111 = lesser(t101, t106);
        const uint8_t t112 = lesser(t102, t107);
        const uint8_t t113 = greater(t108, t111);
        const uint8_t t114 = lesser(t112, t110);
        const uint8_t t115 = greater(t113, t114);
        out[k] = t115;
    }
}

FX_LEVELS(static, network5,
          (uint8_t* restrict out, const uint8_t (*restrict s)[BLOCK + MARGIN], int bpp, int n),
          (out, s, bpp, n))

void FxMedian5(uint8_t* out, const uint8_t* const* rows, int bpp, int k0, int n) {
    uint8_t sorted[5][BLOCK + MARGIN];
    for (int done = 0; done < n; done += BLOCK) {
        const int m = n - done < BLOCK ? n - done : BLOCK;
        const ptrdiff_t first = (ptrdiff_t)k0 + done - 2 * bpp;
        const uint8_t* window[5];
        for (int i = 0; i < 5; ++i)
            window[i] = rows[i] + first;
        sortColumns(sorted, window, m + 4 * bpp);
        network5(out + k0 + done, (const uint8_t(*)[BLOCK + MARGIN]) sorted, bpp, m);
    }
}
