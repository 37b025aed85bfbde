/* Regions: per-row span lists built from rectangles, ellipses and polygons,
 * and their union. */
#include "KInternal.h"

#include <math.h>
#include <stdlib.h>
#include <string.h>

/* Grows a region row by row from its first row. */
typedef struct Builder {
    struct KRegion* Region;
    size_t Length;
    size_t Capacity;
    int Row; /* rows added so far */
    int Failed;
} Builder;

static int builderStart(Builder* b, int top, int rows) {
    memset(b, 0, sizeof *b);
    b->Region = KAlloc(sizeof(struct KRegion), 1);
    if (!b->Region)
        return 0;
    b->Region->Top = top;
    b->Region->Rows = rows < 0 ? 0 : rows;
    b->Region->Offsets = KAlloc(((size_t)b->Region->Rows + 1) * sizeof(int32_t), 1);
    if (!b->Region->Offsets) {
        KRegionFree(b->Region);
        b->Region = NULL;
        return 0;
    }
    return 1;
}

static void builderSpan(Builder* b, int32_t start, int32_t end) {
    if (b->Failed || start >= end)
        return;
    int32_t* spans = b->Region->Spans;
    size_t rowFirst = (size_t)b->Region->Offsets[b->Row];
    /* Touching or overlapping spans of the same row merge. */
    if (b->Length > rowFirst && spans[b->Length - 1] >= start) {
        if (end > spans[b->Length - 1])
            spans[b->Length - 1] = end;
        return;
    }
    if (b->Length + 2 > b->Capacity) {
        size_t capacity = b->Capacity ? b->Capacity * 2 : 64;
        int32_t* grown = realloc(spans, capacity * sizeof(int32_t));
        if (!grown) {
            b->Failed = 1;
            return;
        }
        b->Region->Spans = grown;
        b->Capacity = capacity;
    }
    b->Region->Spans[b->Length++] = start;
    b->Region->Spans[b->Length++] = end;
}

static void builderEndRow(Builder* b) {
    b->Region->Offsets[++b->Row] = (int32_t)b->Length;
}

/* Finishes the region: bounds, largest count and area. Null on failure. */
static struct KRegion* builderFinish(Builder* b) {
    struct KRegion* r = b->Region;
    if (b->Failed) {
        KRegionFree(r);
        return NULL;
    }
    int32_t left = INT32_MAX, right = INT32_MIN, top = -1, bottom = -1;
    for (int i = 0; i < r->Rows; ++i) {
        int32_t first = r->Offsets[i], last = r->Offsets[i + 1];
        if (first == last)
            continue;
        if (top < 0)
            top = r->Top + i;
        bottom = r->Top + i + 1;
        if (r->Spans[first] < left)
            left = r->Spans[first];
        if (r->Spans[last - 1] > right)
            right = r->Spans[last - 1];
        if (last - first > r->MaxCount)
            r->MaxCount = last - first;
        for (int32_t k = first; k < last; k += 2)
            r->Area += r->Spans[k + 1] - r->Spans[k];
    }
    if (top >= 0)
        r->Bounds = (KRect){left, top, right, bottom};
    return r;
}

void KRegionFree(struct KRegion* region) {
    if (!region)
        return;
    free(region->Spans);
    KFree(region->Offsets);
    KFree(region);
}

static void rowSpans(const struct KRegion* r, int row, const int32_t** spans, int* count) {
    if (!r || row < r->Top || row >= r->Top + r->Rows) {
        *spans = NULL;
        *count = 0;
        return;
    }
    int i = row - r->Top;
    /* A region of empty rows has no span storage at all. */
    *spans = r->Spans ? r->Spans + r->Offsets[i] : NULL;
    *count = r->Offsets[i + 1] - r->Offsets[i];
}

static struct KRegion* unite(const struct KRegion* a, const struct KRegion* b) {
    int top = a->Top < b->Top ? a->Top : b->Top;
    int endA = a->Top + a->Rows, endB = b->Top + b->Rows;
    int bottom = endA > endB ? endA : endB;
    Builder builder;
    if (!builderStart(&builder, top, bottom - top))
        return NULL;
    for (int row = top; row < bottom; ++row) {
        const int32_t *sa, *sb;
        int na, nb, i = 0, j = 0;
        rowSpans(a, row, &sa, &na);
        rowSpans(b, row, &sb, &nb);
        while (i < na || j < nb) {
            if (j >= nb || (i < na && sa[i] <= sb[j])) {
                builderSpan(&builder, sa[i], sa[i + 1]);
                i += 2;
            } else {
                builderSpan(&builder, sb[j], sb[j + 1]);
                j += 2;
            }
        }
        builderEndRow(&builder);
    }
    return builderFinish(&builder);
}

/* Installs shape on the bitmap as the mode says; takes ownership of shape. */
static int install(RasterBitmap* bitmap, struct KRegion* shape, int mode) {
    if (!shape)
        return K_ERR_NO_MEMORY;
    if (mode == K_REGION_UNION && bitmap->HasRegion && bitmap->Region) {
        struct KRegion* united = unite(bitmap->Region, shape);
        KRegionFree(shape);
        if (!united)
            return K_ERR_NO_MEMORY;
        shape = united;
    }
    KRegionFree(bitmap->Region);
    bitmap->Region = shape;
    bitmap->HasRegion = 1;
    return K_OK;
}

static int checkShape(const RasterBitmap* bitmap, const void* shape, int mode) {
    if (!bitmap || !shape || bitmap->Width < 0 || bitmap->Height < 0)
        return K_ERR_BAD_PARAMETER;
    return mode == K_REGION_SET || mode == K_REGION_UNION ? K_OK : K_ERR_BAD_PARAMETER;
}

static int clampInt(int64_t v, int lo, int hi) {
    return v < lo ? lo : v > hi ? hi : (int)v;
}

int KSetRegionRect(RasterBitmap* bitmap, const KRect* rect, int mode) {
    int status = checkShape(bitmap, rect, mode);
    if (status != K_OK)
        return status;
    int top = clampInt(rect->Top, 0, bitmap->Height);
    int bottom = clampInt(rect->Bottom, top, bitmap->Height);
    int left = clampInt(rect->Left, 0, bitmap->Width);
    int right = clampInt(rect->Right, left, bitmap->Width);
    Builder b;
    if (!builderStart(&b, top, bottom - top))
        return K_ERR_NO_MEMORY;
    for (int row = top; row < bottom; ++row) {
        builderSpan(&b, left, right);
        builderEndRow(&b);
    }
    return install(bitmap, builderFinish(&b), mode);
}

int KSetRegionMask(RasterBitmap* bitmap, const uint8_t* mask, ptrdiff_t stride, int mode) {
    int status = checkShape(bitmap, mask, mode);
    if (status != K_OK)
        return status;
    Builder b;
    if (!builderStart(&b, 0, bitmap->Height))
        return K_ERR_NO_MEMORY;
    for (int row = 0; row < bitmap->Height; ++row) {
        const uint8_t* line = mask + (ptrdiff_t)row * stride;
        for (int x = 0; x < bitmap->Width;) {
            while (x < bitmap->Width && !line[x])
                ++x;
            int start = x;
            while (x < bitmap->Width && line[x])
                ++x;
            builderSpan(&b, start, x);
        }
        builderEndRow(&b);
    }
    return install(bitmap, builderFinish(&b), mode);
}

int KSetRegionEllipse(RasterBitmap* bitmap, const KRect* bounds, int mode) {
    int status = checkShape(bitmap, bounds, mode);
    if (status != K_OK)
        return status;
    double cx = ((double)bounds->Left + bounds->Right) / 2.0;
    double cy = ((double)bounds->Top + bounds->Bottom) / 2.0;
    double a = ((double)bounds->Right - bounds->Left) / 2.0;
    double bRadius = ((double)bounds->Bottom - bounds->Top) / 2.0;
    int top = clampInt(bounds->Top, 0, bitmap->Height);
    int bottom = clampInt(bounds->Bottom, top, bitmap->Height);
    Builder b;
    if (!builderStart(&b, top, bottom - top))
        return K_ERR_NO_MEMORY;
    for (int row = top; row < bottom; ++row) {
        if (a > 0 && bRadius > 0) {
            double dy = (row + 0.5 - cy) / bRadius;
            double inside = 1.0 - dy * dy;
            if (inside >= 0) {
                double w = a * sqrt(inside);
                int start = clampInt((int64_t)ceil(cx - w - 0.5), 0, bitmap->Width);
                int end = clampInt((int64_t)floor(cx + w - 0.5) + 1, start, bitmap->Width);
                builderSpan(&b, start, end);
            }
        }
        builderEndRow(&b);
    }
    return install(bitmap, builderFinish(&b), mode);
}

typedef struct Crossing {
    double X;
    int Direction;
} Crossing;

static int compareCrossings(const void* a, const void* b) {
    double d = ((const Crossing*)a)->X - ((const Crossing*)b)->X;
    return d < 0 ? -1 : d > 0 ? 1 : 0;
}

/* Adds the row at centre height y of the polygon, filled by winding. */
static void polygonRow(Builder* b, const KPoint* p, int n, double y, Crossing* crossings,
                       int width) {
    int found = 0;
    for (int i = 0; i < n; ++i) {
        const KPoint* s = &p[i];
        const KPoint* e = &p[(i + 1) % n];
        if (s->Y == e->Y)
            continue;
        int down = e->Y > s->Y;
        double lo = down ? s->Y : e->Y, hi = down ? e->Y : s->Y;
        if (y < lo || y >= hi)
            continue;
        crossings[found].X = s->X + (y - s->Y) * ((double)e->X - s->X) / ((double)e->Y - s->Y);
        crossings[found].Direction = down ? 1 : -1;
        ++found;
    }
    qsort(crossings, (size_t)found, sizeof(Crossing), compareCrossings);
    int winding = 0;
    double start = 0;
    for (int i = 0; i < found; ++i) {
        int before = winding;
        winding += crossings[i].Direction;
        if (before == 0 && winding != 0) {
            start = crossings[i].X;
        } else if (before != 0 && winding == 0) {
            int first = clampInt((int64_t)ceil(start - 0.5), 0, width);
            int last = clampInt((int64_t)ceil(crossings[i].X - 0.5), first, width);
            builderSpan(b, first, last);
        }
    }
}

int KSetRegionPolygon(RasterBitmap* bitmap, const KPoint* points, int count, int mode) {
    int status = checkShape(bitmap, points, mode);
    if (status != K_OK)
        return status;
    if (count < 3)
        return K_ERR_BAD_PARAMETER;
    int64_t minY = points[0].Y, maxY = points[0].Y;
    for (int i = 1; i < count; ++i) {
        minY = points[i].Y < minY ? points[i].Y : minY;
        maxY = points[i].Y > maxY ? points[i].Y : maxY;
    }
    int top = clampInt(minY, 0, bitmap->Height);
    int bottom = clampInt(maxY, top, bitmap->Height);
    Crossing* crossings = KAlloc((size_t)count * sizeof(Crossing), 0);
    Builder b;
    if (!crossings || !builderStart(&b, top, bottom - top)) {
        KFree(crossings);
        return K_ERR_NO_MEMORY;
    }
    for (int row = top; row < bottom; ++row) {
        polygonRow(&b, points, count, row + 0.5, crossings, bitmap->Width);
        builderEndRow(&b);
    }
    KFree(crossings);
    return install(bitmap, builderFinish(&b), mode);
}

void KClearRegion(RasterBitmap* bitmap) {
    if (!bitmap)
        return;
    KRegionFree(bitmap->Region);
    bitmap->Region = NULL;
    bitmap->HasRegion = 0;
}

/* The region that limits processing: none while HasRegion is 0. */
static const struct KRegion* activeRegion(const RasterBitmap* bitmap) {
    return bitmap->HasRegion ? bitmap->Region : NULL;
}

int KRegionBounds(const RasterBitmap* bitmap, int reserved, KRect* rect) {
    if (!bitmap || !rect || reserved != 0)
        return K_ERR_BAD_PARAMETER;
    const struct KRegion* r = activeRegion(bitmap);
    *rect = r ? r->Bounds : (KRect){0, 0, bitmap->Width, bitmap->Height};
    return K_OK;
}

int KMaxSpanCount(const RasterBitmap* bitmap, int* count) {
    if (!bitmap || !count)
        return K_ERR_BAD_PARAMETER;
    const struct KRegion* r = activeRegion(bitmap);
    *count = r ? r->MaxCount : 2;
    return K_OK;
}

int KRowSpans(const RasterBitmap* bitmap, int row, int32_t* spans, int* count) {
    if (!bitmap || !spans || !count)
        return K_ERR_BAD_PARAMETER;
    const struct KRegion* r = activeRegion(bitmap);
    if (!r) {
        *count = 0;
        if (row >= 0 && row < bitmap->Height && bitmap->Width > 0) {
            spans[0] = 0;
            spans[1] = bitmap->Width;
            *count = 2;
        }
        return K_OK;
    }
    const int32_t* source;
    rowSpans(r, row, &source, count);
    if (*count)
        memcpy(spans, source, (size_t)*count * sizeof(int32_t));
    return K_OK;
}

int KRegionArea(const RasterBitmap* bitmap, int64_t* area) {
    if (!bitmap || !area)
        return K_ERR_BAD_PARAMETER;
    const struct KRegion* r = activeRegion(bitmap);
    *area = r ? r->Area : (int64_t)bitmap->Width * bitmap->Height;
    return K_OK;
}
