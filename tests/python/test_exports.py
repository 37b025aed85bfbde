"""Every export of the imgfx module against the C library on the same
pixels, for each picture kind, with and without a region (ctest runs this
once at each processor level)."""
import ctypes

import numpy as np
import pytest

import creference as c
import imgfx

# Export, then its arguments after the bitmap (the same for both sides).
FILTERS = [
    ("R_ChangeBitmapIntensity", (300,)),
    ("R_ChangeBitmapContrast", (-400,)),
    ("R_PosterizeBitmap", (5,)),
    ("R_IntensityDetectBitmap", (60, 180)),
    ("R_GammaCorrectBitmap", (180,)),
    ("R_HistoEqualizeBitmap", ()),
    ("R_StretchBitmapIntensity", ()),
    ("R_HistoContrastBitmap", (300,)),
    ("R_ChangeBitmapHue", (100,)),
    ("R_ChangeBitmapSaturation", (400,)),
    ("R_InvertBitmap", ()),
    ("R_SpatialFilterBitmap", (17,)),
    ("R_SharpenBitmap", (-400,)),
    ("R_EmbossBitmap", (3, 700)),
    ("R_AverageFilterBitmap", (5,)),
    ("R_MedianFilterBitmap", (3,)),
    ("R_MedianFilterBitmap", (4,)),
    ("R_DespeckleBitmap", ()),
    ("R_BinaryFilterBitmap", (6,)),
    ("R_MosaicBitmap", (5,)),
    ("R_AddBitmapNoise", (300, 2)),
]
RECTS = [(3, 2, 20, 9), (10, 6, 31, 25)]

c.library.R_SpatialFilterBitmap.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
c.library.R_BinaryFilterBitmap.argtypes = [ctypes.c_void_p, ctypes.c_void_p]


def picture(channels, width=37, height=29, seed=1):
    rng = np.random.default_rng(seed + channels)
    shape = (height, width) if channels == 1 else (height, width, channels)
    return rng.integers(0, 256, shape, dtype=np.uint8)


KINDS = [1, 3, 4]


@pytest.mark.parametrize("channels", KINDS)
@pytest.mark.parametrize("name,args", FILTERS, ids=[f"{n}{a}" for n, a in FILTERS])
def test_every_export_gives_the_libraries_bytes(name, args, channels):
    for width in (37, 32):  # one copy, and in place
        source = picture(channels, width)
        for rects in (None, RECTS):
            imgfx.R_SetBitmapNoiseSeed(77)
            got = getattr(imgfx, name)(source.copy(), *args, region=rects)
            c.library.R_SetBitmapNoiseSeed(77)
            status, expected = c.run(name, source, args, rects)
            assert status == imgfx.FX_OK
            np.testing.assert_array_equal(got, expected, err_msg=f"{width} {rects}")


@pytest.mark.parametrize("channels", KINDS)
def test_a_mask_is_the_region_of_its_pixels(channels):
    source = picture(channels)
    mask = np.zeros(source.shape[:2], bool)
    for left, top, right, bottom in RECTS:
        mask[top:bottom, left:right] = True
    for name, args in (("R_InvertBitmap", ()), ("R_MedianFilterBitmap", (5,))):
        by_mask = getattr(imgfx, name)(source.copy(), *args, region=mask)
        by_rects = getattr(imgfx, name)(source.copy(), *args, region=RECTS)
        np.testing.assert_array_equal(by_mask, by_rects)
        outside = ~mask if channels == 1 else ~mask[..., None].repeat(channels, 2)
        np.testing.assert_array_equal(by_mask[outside], source[outside])
    # No rectangle at all: nothing is inside.
    np.testing.assert_array_equal(imgfx.R_InvertBitmap(source.copy(), region=[]), source)


@pytest.mark.parametrize("channels", KINDS)
def test_remapping_histogram_and_records(channels):
    source = picture(channels)
    table = [(i * 7) % 256 for i in range(256)]
    status, expected = c.run("R_RemapBitmapIntensity", source,
                             ((ctypes.c_uint8 * 256)(*table), 2))
    np.testing.assert_array_equal(imgfx.R_RemapBitmapIntensity(source.copy(), table, 2),
                                  expected)
    counts = (ctypes.c_uint32 * 256)()
    b = c.make(source, RECTS)
    assert c.library.R_GetBitmapHistogram(ctypes.byref(b), counts, 0) == 1
    c.free(b)
    histogram = imgfx.R_GetBitmapHistogram(source, channel=0, region=RECTS)
    assert histogram.dtype == np.uint32 and list(histogram) == list(counts)
    laplacian = {"Divisor": 1, "Bias": 0,
                 "Coefficients": [[-1, -1, -1], [-1, 8, -1], [-1, -1, -1]]}
    np.testing.assert_array_equal(imgfx.R_SpatialFilterBitmap(source.copy(), filter=laplacian),
                                  imgfx.R_SpatialFilterBitmap(source.copy(), 17))
    erode = {"Maximum": 0, "Dimension": 3, "Elements": np.zeros(9, int)}
    np.testing.assert_array_equal(imgfx.R_BinaryFilterBitmap(source.copy(), erode),
                                  imgfx.R_BinaryFilterBitmap(source.copy(), 4))


def separate_in_c(source, kind):
    b = c.make(source)
    records = [c.RasterBitmap() for _ in range(4)]
    pointers = (ctypes.POINTER(c.RasterBitmap) * 4)(*[ctypes.pointer(r) for r in records])
    assert c.library.R_ColorSeparateBitmap(ctypes.byref(b), pointers, kind) == 1
    c.free(b)
    planes = [c.pixels(r) for r in records[: 4 if kind == 1 else 3]]
    for r in records[: len(planes)]:
        c.free(r)
    return planes


def merge_in_c(planes, kind):
    records = [c.make(p) for p in planes]
    pointers = (ctypes.POINTER(c.RasterBitmap) * 4)(*[ctypes.pointer(r) for r in records])
    target = c.RasterBitmap()
    assert c.library.R_ColorMergeBitmap(ctypes.byref(target), pointers, kind) == 1
    merged = c.pixels(target, bottom_up=True)
    for r in records + [target]:
        c.free(r)
    return merged


@pytest.mark.parametrize("channels", KINDS)
@pytest.mark.parametrize("kind", range(5))
def test_separation_and_merge_give_the_libraries_planes(channels, kind):
    source = picture(channels)
    planes = imgfx.R_ColorSeparateBitmap(source, kind)
    expected = separate_in_c(source, kind)
    assert len(planes) == len(expected)
    for got, want in zip(planes, expected):
        np.testing.assert_array_equal(got, want)
    merged = imgfx.R_ColorMergeBitmap(planes, kind)
    assert merged.shape == source.shape[:2] + (3,)
    np.testing.assert_array_equal(merged, merge_in_c(expected, kind))
    if kind in (0, 1, 4) and channels != 1:
        np.testing.assert_array_equal(merged, source[..., :3])


def test_deskew_gives_the_libraries_page_and_angle():
    page = np.full((160, 300), 250, np.uint8)
    for k in range(8):  # dark lines falling by one row in thirty columns
        for x in range(300):
            page[12 + 18 * k + x // 30, x] = 20
    b = c.make(page)
    angle = ctypes.c_int(0)
    assert c.library.R_DeskewBitmapAngle(ctypes.byref(b), ctypes.byref(angle)) == 1
    expected = c.pixels(b)
    c.free(b)
    straight, got_angle = imgfx.R_DeskewBitmapAngle(page.copy())
    assert got_angle == angle.value != 0
    np.testing.assert_array_equal(straight, expected)
    np.testing.assert_array_equal(imgfx.R_DeskewBitmap(page.copy()), expected)
