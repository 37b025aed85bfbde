/* Integer hue-saturation-value conversion, one colour at a time. */
#include "imgfx/HsvColor.h"

FxHsv FxRgbToHsv(int r, int g, int b) {
    const int mn = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const int mx = r > g ? (r > b ? r : b) : (g > b ? g : b);
    FxHsv hsv = {0, 0, mx};
    if (mn == mx)
        return hsv;
    hsv.S = (mx - mn) * 255 / mx;
    int h;
    if (b == mn)
        h = ((g - mn) * 30720 / (g + r - 2 * mn) + 180) / 360;
    else if (r == mn)
        h = ((b - mn) * 30720 / (b + g - 2 * mn) + 30900) / 360;
    else
        h = ((r - mn) * 30720 / (b + r - 2 * mn) + 61620) / 360;
    hsv.H = h & 255;
    return hsv;
}

void FxHsvToRgb(FxHsv hsv, uint8_t* r, uint8_t* g, uint8_t* b) {
    const int v = hsv.V;
    if (hsv.S == 0) {
        *r = *g = *b = (uint8_t)v;
        return;
    }
    const int h = (hsv.H * 360) >> 8;
    const int m = (255 - hsv.S) * v / 255, d = v - m;
    int red, green, blue;
    if (h <= 60)
        red = v, green = m + h * d / (120 - h), blue = m;
    else if (h <= 120)
        red = m + d * (120 - h) / h, green = v, blue = m;
    else if (h <= 180)
        red = m, green = v, blue = m + (h - 120) * d / (240 - h);
    else if (h <= 240)
        red = m, green = m + d * (240 - h) / (h - 120), blue = v;
    else if (h <= 300)
        red = m + d * (h - 240) / (360 - h), green = m, blue = v;
    else
        red = v, green = m, blue = m + d * (360 - h) / (h - 240);
    *r = (uint8_t)red;
    *g = (uint8_t)green;
    *b = (uint8_t)blue;
}

void FxChangeColor(const FxHsvChange* change, uint8_t* r, uint8_t* g, uint8_t* b) {
    FxHsv hsv = FxRgbToHsv(*r, *g, *b);
    if (hsv.S == 0)
        return;
    hsv.H = (hsv.H + change->HueShift) & 255;
    hsv.S += change->SaturationAdd;
    hsv.S = hsv.S < 0 ? 0 : hsv.S > 255 ? 255 : hsv.S;
    FxHsvToRgb(hsv, r, g, b);
}
