/* The integer hue-saturation-value form of colours used by the hue and
 * saturation operations, and changes of colours through it. Internal to the
 * library. */
#ifndef IMGFX_HSVCOLOR_H
#define IMGFX_HSVCOLOR_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* H: hue in 256 steps to the full circle, 0 red, 85 green, 171 blue;
 * S: saturation 0..255 (0 for greys); V: value, the largest channel. */
typedef struct FxHsv {
    int H, S, V;
} FxHsv;

/* mn, mx: least and greatest of r, g, b; V = mx; greys have H = S = 0;
 * otherwise S = (mx - mn) * 255 / mx and, taking the first case that
 * holds, H = ((g - mn) * 30720 / (g + r - 2mn) + 180) / 360 when b = mn,
 * ((b - mn) * 30720 / (b + g - 2mn) + 30900) / 360 when r = mn, else
 * ((r - mn) * 30720 / (b + r - 2mn) + 61620) / 360, keeping its low 8
 * bits. */
FxHsv FxRgbToHsv(int r, int g, int b);

/* Back to red, green, blue: greys (S = 0) are V, V, V; otherwise with
 * h = H * 360 >> 8 degrees, m = (255 - S) * V / 255 and d = V - m, two
 * channels are V and m and the third m plus a share of d, by 60-degree
 * sector. */
void FxHsvToRgb(FxHsv hsv, uint8_t* r, uint8_t* g, uint8_t* b);

/* A change of every colour: its hue turns by HueShift steps (mod 256) and
 * its saturation gains SaturationAdd, clamped to 0..255. Greys have no hue
 * and stay as they are. */
typedef struct FxHsvChange {
    int HueShift;
    int SaturationAdd;
} FxHsvChange;

/* Changes one colour. */
void FxChangeColor(const FxHsvChange* change, uint8_t* r, uint8_t* g, uint8_t* b);

/* Changes n pixels of blue, green, red bytes in place; the same result as
 * FxChangeColor on each, sixteen pixels a vector where the processor has
 * AVX-512 VBMI or AVX2, eight with SSE2 alone, and the rest in vectorised
 * chunks. */
void FxChangePixels(const FxHsvChange* change, uint8_t* bgr, size_t n);

/* FxChangePixels in chunks of plain C vectorised for the processor's
 * level. */
void FxChangePixelsChunked(const FxHsvChange* change, uint8_t* bgr, size_t n);

/* The first pixels of FxChangePixels, sixteen at a time with SSE2 alone
 * (HsvSse2.c), for processors without AVX2 and for what the AVX2 form
 * leaves; returns the pixels done. */
size_t FxChangePixelsSse2(const FxHsvChange* change, uint8_t* bgr, size_t n);

/* The same with AVX2 (HsvAvx2.c), thirty-two pixels an iteration and then
 * sixteen by FxChangePixelsSse2, only where the processor has AVX2;
 * returns the pixels done. */
size_t FxChangePixelsAvx2(const FxHsvChange* change, uint8_t* bgr, size_t n);

#ifdef __cplusplus
}
#endif

#endif
