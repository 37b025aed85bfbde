"""How the imgfx module meets NumPy and Python: arrays filtered where they
lie or copied once, round trips of each picture kind, statuses raised as
exceptions, progress callbacks that stop, and the interpreter's lock
released while a filter runs."""
import sys
import threading
import time

import numpy as np
import pytest

import imgfx


def picture(shape, seed=3):
    return np.random.default_rng(seed).integers(0, 256, shape, dtype=np.uint8)


SHAPES = [(21, 40), (21, 40, 3), (21, 40, 4), (21, 37), (21, 37, 3)]


@pytest.mark.parametrize("shape", SHAPES)
def test_each_kind_round_trips_where_it_lies_or_through_one_copy(shape):
    source = picture(shape)
    in_place = (shape[1] * (shape[2] if len(shape) == 3 else 1)) % 4 == 0
    work = source.copy()
    result = imgfx.R_GammaCorrectBitmap(work, 100)  # changes nothing
    assert result.shape == shape and result.dtype == np.uint8
    np.testing.assert_array_equal(result, source)
    assert (result is work) == in_place
    assert np.shares_memory(result, work) == in_place
    # Filtered where it lies, the caller's array holds the result; the
    # fourth byte is left alone.
    expected = 255 - source
    if len(shape) == 3 and shape[2] == 4:
        expected[..., 3] = source[..., 3]
    inverted = imgfx.R_InvertBitmap(work)
    np.testing.assert_array_equal(inverted, expected)
    np.testing.assert_array_equal(work, expected if in_place else source)


@pytest.mark.parametrize(
    "view",
    [lambda a: a[:, ::2], lambda a: np.asfortranarray(a), lambda a: a[1:, 3:],
     lambda a: a[::-1]],
    ids=["every-second-column", "fortran", "offset", "rows-reversed"])
def test_other_layouts_are_copied_and_left_as_they_were(view):
    source = view(picture((24, 48, 3)))
    kept = source.copy()
    result = imgfx.R_InvertBitmap(source)
    np.testing.assert_array_equal(source, kept)
    np.testing.assert_array_equal(result, 255 - kept)
    read_only = kept.copy()
    read_only.flags.writeable = False
    np.testing.assert_array_equal(imgfx.R_InvertBitmap(read_only), 255 - kept)


def test_unfit_arrays_are_refused():
    with pytest.raises(TypeError):
        imgfx.R_InvertBitmap(np.zeros((4, 4), np.uint16))
    for shape in [(4,), (4, 4, 2), (4, 4, 5), (0, 4)]:
        with pytest.raises(ValueError):
            imgfx.R_InvertBitmap(np.zeros(shape, np.uint8))
    with pytest.raises(ValueError):
        imgfx.R_InvertBitmap(picture((8, 8)), region=np.ones((8, 9), bool))
    with pytest.raises(ValueError):
        imgfx.R_ColorMergeBitmap([picture((8, 8))] * 3, 1)  # kind 1 takes four


def test_a_status_other_than_ok_is_raised_with_its_name():
    cases = [
        (lambda: imgfx.R_MedianFilterBitmap(picture((8, 8)), dimension=0),
         imgfx.FX_ERR_BAD_PARAMETER, "FX_ERR_BAD_PARAMETER"),
        (lambda: imgfx.R_ChangeBitmapIntensity(picture((8, 8, 3)), change=1001),
         imgfx.FX_ERR_BAD_PARAMETER, "FX_ERR_BAD_PARAMETER"),
        (lambda: imgfx.R_ColorSeparateBitmap(picture((8, 8)), kind=5),
         imgfx.FX_ERR_BAD_PARAMETER, "FX_ERR_BAD_PARAMETER"),
        (lambda: imgfx.R_RemapBitmapIntensity(picture((8, 8)), None, 0),
         imgfx.FX_ERR_BAD_PARAMETER, "FX_ERR_BAD_PARAMETER"),
    ]
    for call, status, name in cases:
        with pytest.raises(imgfx.FilterError) as caught:
            call()
        assert caught.value.status == status and caught.value.name == name
        assert name in str(caught.value)


def test_progress_goes_on_or_stops_with_the_callbacks_value():
    seen = []
    imgfx.R_MedianFilterBitmap(picture((64, 64, 3)), 3, progress=seen.append)
    assert seen and seen[-1] == 100 and seen == sorted(seen)
    for answer, name in ((7, "7"), (False, "0")):
        source = picture((64, 64, 3))
        with pytest.raises(imgfx.FilterError) as caught:
            imgfx.R_InvertBitmap(source, progress=lambda p, a=answer: a)
        assert caught.value.name == name
    assert imgfx.R_InvertBitmap(picture((8, 8)), progress=lambda p: True).shape == (8, 8)

    def fails(percent):
        raise KeyError("from the callback")
    with pytest.raises(KeyError):
        imgfx.R_MedianFilterBitmap(picture((64, 64)), 5, progress=fails)
    with pytest.raises(TypeError):
        imgfx.R_InvertBitmap(picture((64, 64)), progress=lambda p: "on")


def test_filters_run_without_the_interpreters_lock():
    # While one thread is inside a long filter, another runs Python code:
    # the main thread counts while the worker filters. With the switch
    # interval out of reach the worker hands the lock over only where it
    # waits or where the filter lets it go, so the count moves across the
    # filter call only if the filter runs without the lock. A busy machine
    # may not run the main thread within one filter, so a few tries.
    big = picture((700, 700, 3))
    expected = imgfx.R_MedianFilterBitmap(big.copy(), 11)
    interval = sys.getswitchinterval()
    sys.setswitchinterval(1000)
    try:
        for _ in range(5):
            count, seen, finished = [0], {}, threading.Event()

            def work():
                data = big.copy()  # NumPy lets the lock go while it copies
                before = count[0]
                seen["result"] = imgfx.R_MedianFilterBitmap(data, 11)
                seen["moved"] = count[0] - before
                finished.set()
            worker = threading.Thread(target=work)
            worker.start()
            while not finished.is_set():
                count[0] += 1
                time.sleep(0)
            worker.join()
            np.testing.assert_array_equal(seen["result"], expected)
            if seen["moved"]:
                break
    finally:
        sys.setswitchinterval(interval)
    assert seen["moved"] > 0


def test_the_noise_seed_belongs_to_each_thread():
    imgfx.R_SetBitmapNoiseSeed(99)
    seeds = []
    thread = threading.Thread(target=lambda: seeds.append(imgfx.R_GetBitmapNoiseSeed()))
    thread.start()
    thread.join()
    assert seeds == [0] and imgfx.R_GetBitmapNoiseSeed() == 99
    imgfx.R_AddBitmapNoise(picture((4, 4)), 100, 0)
    assert imgfx.R_GetBitmapNoiseSeed() != 99


def test_the_readme_lines_run():
    pil = pytest.importorskip("PIL.Image")
    import os
    import tempfile
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "in.png")
        pil.fromarray(picture((30, 40, 3))).save(path)
        cwd = os.getcwd()
        os.chdir(folder)
        try:
            # The README's lines, as they stand there.
            exec(README_LINES, {})
        finally:
            os.chdir(cwd)
        out = np.asarray(pil.open(os.path.join(folder, "out.png")))
        rgb = np.asarray(pil.open(path))
        np.testing.assert_array_equal(out, imgfx.R_MedianFilterBitmap(rgb.copy(), 5))


def readme_lines():
    import os
    readme = os.path.join(os.path.dirname(__file__), "..", "..", "README.md")
    text = open(readme, encoding="utf-8").read()
    start = text.index("```python\n", text.index("## Using imgfx from Python")) + 10
    return text[start:text.index("```", start)]


README_LINES = readme_lines()
