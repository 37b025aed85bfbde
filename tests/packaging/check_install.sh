#!/usr/bin/env bash
# Installs the build into an empty prefix and checks what an installation
# promises: the layout, --help and --version of every program (answered
# without a display), the installed sample read by the installed
# tessary-cli, the desktop entry, and the README's C program built through
# pkg-config and through find_package(imgfx) against the installed imgfx.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR LIBDIR VERSION C_COMPILER
set -uo pipefail
build=$1 source=$2 libdir=$3 version=$4 cc=$5
cmake=${CMAKE:-cmake} # the CMake that configured the build, from ctest

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi

# ---- layout ----
expected=(bin/tessary bin/tessary-cli bin/imgfx-cli
          share/tessary/samples/sample.map share/tessary/samples/sample.png
          share/tessary/help/index.html
          share/applications/tessary.desktop share/mime/packages/tessary.xml
          share/icons/hicolor/scalable/apps/tessary.svg
          include/imgfx/imgfx.h include/rkkernel/rkkernel.h
          "$libdir/pkgconfig/imgfx.pc" "$libdir/pkgconfig/rkkernel.pc"
          "$libdir/cmake/imgfx/imgfxConfig.cmake" "$libdir/cmake/imgfx/imgfxConfigVersion.cmake")
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/tessary.png")
done
for program in tessary tessary-cli imgfx-cli; do
    expected+=("share/man/man1/$program.1")
done
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || fail "missing $file"
done
# Every data folder the build puts beside its programs is installed too.
for folder in "$build"/bin/res/*/; do
    name=$(basename "$folder")
    [ -d "$prefix/share/tessary/$name" ] || fail "data folder $name not installed"
done
# Only the public headers: imgfx.h, the family headers and the kernel's.
while IFS= read -r header; do
    case $header in
    imgfx/imgfx.h | imgfx/imgfx_*.h | rkkernel/rkkernel.h) ;;
    *) fail "internal header installed: include/$header" ;;
    esac
done < <(cd "$prefix/include" && find . -type f | sed 's|^\./||')
for lib in imgfx rkkernel; do
    soname=$(readelf -d "$prefix/$libdir/lib$lib.so" 2>/dev/null | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')
    [ "$soname" = "lib$lib.so.${version%%.*}" ] || fail "lib$lib.so has soname '$soname'"
    [ -f "$prefix/$libdir/lib$lib.so.$version" ] || fail "lib$lib.so.$version missing"
done

# ---- every program: --help and --version, without a display ----
# No display and an X platform: a program that opened a window here would
# fail instead of answering. The settings and the single-instance socket
# would land in the work folder.
run_quiet() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" \
        XDG_RUNTIME_DIR="$work" TMPDIR="$work" "$@"
}
for program in tessary tessary-cli imgfx-cli; do
    out=$(run_quiet "$prefix/bin/$program" --help 2>"$work/err")
    status=$?
    [ $status -eq 0 ] || fail "$program --help exited $status: $(cat "$work/err")"
    case $out in
    usage:*) ;;
    *) fail "$program --help printed no usage on standard output" ;;
    esac
    out=$(run_quiet "$prefix/bin/$program" --version 2>"$work/err")
    status=$?
    [ $status -eq 0 ] || fail "$program --version exited $status: $(cat "$work/err")"
    [ "$out" = "$program $version" ] || fail "$program --version printed '$out'"
    if command -v groff >/dev/null; then
        man_out=$(LC_ALL=C.UTF-8 groff -man -ww -z "$prefix/share/man/man1/$program.1" 2>&1) ||
            fail "man page of $program does not format"
        [ -z "$man_out" ] || fail "man page of $program: $man_out"
    fi
done

# ---- the installed sample through the installed tessary-cli ----
sample=$prefix/share/tessary/samples/sample.map
out=$(run_quiet "$prefix/bin/tessary-cli" read "$sample" --image-info 2>"$work/err") ||
    fail "tessary-cli read of the installed sample: $(cat "$work/err")"
grep -q '"shape": "poly"' <<<"$out" || fail "the installed sample shows no polygon: $out"
grep -q "\"path\": \"$prefix/share/tessary/samples/sample.png\"" <<<"$out" ||
    fail "the installed sample's picture was not found: $out"

# ---- desktop entry and MIME definitions ----
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/tessary.desktop" ||
        fail "desktop-file-validate"
else
    echo "skipped: desktop-file-validate is not installed (Debian package desktop-file-utils)"
fi
# The software centres' entry: valid without the network, for the desktop
# entry that is installed beside it, in every shipped language.
metainfo="$prefix/share/metainfo/net.corvane.tessary.metainfo.xml"
[ -f "$metainfo" ] || fail "no metainfo file in share/metainfo"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
else
    echo "skipped: appstreamcli is not installed (Debian package appstream)"
fi
grep -q '<launchable type="desktop-id">tessary.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not name the desktop entry"
for lang in de fr es; do
    for key in Name GenericName Comment; do
        grep -q "^$key\[$lang\]=" "$prefix/share/applications/tessary.desktop" ||
            fail "the desktop entry has no $key[$lang]"
    done
    grep -q "xml:lang=\"$lang\"" "$metainfo" || fail "the metainfo has no $lang texts"
done
if command -v update-mime-database >/dev/null; then
    mkdir -p "$work/mime/packages"
    cp "$prefix/share/mime/packages/tessary.xml" "$work/mime/packages/"
    update-mime-database "$work/mime" >/dev/null 2>&1 || fail "update-mime-database refuses the MIME definitions"
    for glob in '*.map' '*.imp'; do
        grep -qF "text/x-imagemap:$glob" "$work/mime/globs2" 2>/dev/null || fail "no MIME type for $glob"
    done
else
    echo "skipped: update-mime-database is not installed (Debian package shared-mime-info)"
fi

# ---- the README's C program against the installed imgfx ----
# The program is taken from the README itself, so that the text people copy
# is the text tested.
# shellcheck disable=SC2016 # the backquotes are the README's, not the shell's
sed -n '/^## Using imgfx from C/,/^## /p' "$source/README.md" |
    sed -n '/^```c$/,/^```$/p' | sed '1d;$d' >"$work/invert.c"
[ -s "$work/invert.c" ] || fail "no C program in README's \"Using imgfx from C\""
export PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig
flags=$(pkg-config --cflags --libs imgfx) || fail "pkg-config imgfx"
# shellcheck disable=SC2086 # the flags are words
if "$cc" -std=c11 -Wall -Wextra -Werror -o "$work/invert" "$work/invert.c" $flags; then
    out=$(LD_LIBRARY_PATH=$prefix/$libdir "$work/invert") || fail "the C program failed: $out"
    [ "$out" = inverted ] || fail "the C program printed '$out'"
else
    fail "the C program does not compile with pkg-config's flags"
fi

mkdir -p "$work/cmake-user"
cat >"$work/cmake-user/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.16)
project(invert C)
find_package(imgfx ${version%%.*} REQUIRED)
add_executable(invert $work/invert.c)
target_link_libraries(invert PRIVATE imgfx::imgfx)
CMAKE
if "$cmake" -S "$work/cmake-user" -B "$work/cmake-user/build" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCMAKE_C_COMPILER="$cc" >"$work/cmake.log" 2>&1 &&
    "$cmake" --build "$work/cmake-user/build" >>"$work/cmake.log" 2>&1; then
    out=$("$work/cmake-user/build/invert") || fail "the find_package build failed: $out"
    [ "$out" = inverted ] || fail "the find_package build printed '$out'"
else
    cat "$work/cmake.log" >&2
    fail "the C program does not build with find_package(imgfx)"
fi

# ---- the Python module, where it was built: importable from Debian's
# Python path under the prefix, finding the libraries beside it ----
if compgen -G "$build/python/imgfx*.so" >/dev/null; then
    module_dir=$prefix/lib/python3/dist-packages
    compgen -G "$module_dir/imgfx*.so" >/dev/null || fail "Python module not installed"
    PYTHONPATH=$module_dir /usr/bin/python3 -c '
import imgfx, numpy
picture = numpy.arange(12, dtype=numpy.uint8).reshape(2, 2, 3)
assert (imgfx.R_InvertBitmap(picture.copy()) == 255 - picture).all()' 2>"$work/err" ||
        fail "installed Python module: $(cat "$work/err")"
fi

[ $failures -eq 0 ] || exit 1
echo "installed tree checked"
