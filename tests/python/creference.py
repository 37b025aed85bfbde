"""The C library called directly through ctypes, the reference the module's
results are held against: a kernel bitmap of the array's kind is filled
row by row, the export runs on it, and its rows are read back (grey
pictures through their palette's intensities, which is what their
pixels mean)."""
import ctypes
import os

import numpy as np

_dir = os.environ.get("IMGFX_LIB_DIR", "")
kernel = ctypes.CDLL(os.path.join(_dir, "librkkernel.so"))
library = ctypes.CDLL(os.path.join(_dir, "libimgfx.so"))


class RasterColor(ctypes.Structure):
    _fields_ = [("Blue", ctypes.c_uint8), ("Green", ctypes.c_uint8),
                ("Red", ctypes.c_uint8), ("Reserved", ctypes.c_uint8)]


class RasterBitmap(ctypes.Structure):
    _fields_ = [("Width", ctypes.c_int32), ("Height", ctypes.c_int32),
                ("BitsPerPixel", ctypes.c_int32), ("BytesPerLine", ctypes.c_int32),
                ("Flags", ctypes.c_uint32), ("ColorCount", ctypes.c_int32),
                ("Colors", RasterColor * 256), ("Palette", ctypes.c_void_p),
                ("AltPalette", ctypes.c_void_p), ("RowOrder", ctypes.c_int32),
                ("ColorOrder", ctypes.c_int32), ("MatchSetting", ctypes.c_int32),
                ("HasRegion", ctypes.c_int32), ("Bits", ctypes.c_void_p),
                ("Region", ctypes.c_void_p), ("Match", ctypes.c_void_p),
                ("OwnedPalette", ctypes.c_void_p), ("AccessCount", ctypes.c_int32),
                ("Reserved", ctypes.c_int32)]


class KRect(ctypes.Structure):
    _fields_ = [("Left", ctypes.c_int32), ("Top", ctypes.c_int32),
                ("Right", ctypes.c_int32), ("Bottom", ctypes.c_int32)]


kernel.KRowAddress.restype = ctypes.c_void_p
kernel.KBeginAccess.restype = ctypes.c_ssize_t
kernel.KEndAccess.argtypes = [ctypes.c_void_p, ctypes.c_ssize_t]
StatusCallback = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_int)
kernel.KSetStatusCallback.restype = ctypes.c_void_p
kernel.KSetStatusCallback.argtypes = [ctypes.c_void_p]


def make(array, rects=None):
    """A kernel bitmap holding the array's pixels, with rectangles as its region."""
    b = RasterBitmap()
    channels = 1 if array.ndim == 2 else array.shape[2]
    h, w = array.shape[:2]
    assert kernel.KAllocBitmap(ctypes.byref(b), 1, w, h, 8 * channels, 1, None, 0) == 1
    token = kernel.KBeginAccess(ctypes.byref(b))
    rows = np.ascontiguousarray(array).reshape(h, w * channels)
    for y in range(h):
        ctypes.memmove(kernel.KRowAddress(ctypes.byref(b), y), rows[y].ctypes.data, w * channels)
    kernel.KEndAccess(ctypes.byref(b), token)
    for i, (l, t, r, btm) in enumerate(rects or []):
        rect = KRect(l, t, r, btm)
        assert kernel.KSetRegionRect(ctypes.byref(b), ctypes.byref(rect), 0 if i == 0 else 1) == 1
    return b


def pixels(b, bottom_up=False):
    """The bitmap's pixels as an array, picture rows top-down; grey levels
    through the palette."""
    channels = b.BitsPerPixel // 8
    h, w = b.Height, b.Width
    out = np.empty((h, w * channels), np.uint8)
    token = kernel.KBeginAccess(ctypes.byref(b))
    for y in range(h):
        stored = h - 1 - y if bottom_up else y
        ctypes.memmove(out[y].ctypes.data, kernel.KRowAddress(ctypes.byref(b), stored),
                       w * channels)
    kernel.KEndAccess(ctypes.byref(b), token)
    if channels == 1:
        colors = (RasterColor * 256)()
        kernel.KGetColors(ctypes.byref(b), 0, 256, colors)
        levels = np.array([(5 * c.Green + 2 * c.Red + c.Blue + 4) >> 3 for c in colors], np.uint8)
        return levels[out]
    return out.reshape(h, w, channels)


def free(b):
    kernel.KFreeBitmap(ctypes.byref(b))


def run(name, array, args=(), rects=None):
    """(status, pixels) of export name on a bitmap of the array."""
    b = make(array, rects)
    status = getattr(library, name)(ctypes.byref(b), *args)
    result = pixels(b)
    free(b)
    return status, result
