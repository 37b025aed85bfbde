# Sourced by the scripts in this folder: installs the Debian packages the
# build needs, but only when one of them is missing, so that a machine that
# already has everything never touches the network.

tessary_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgif-dev
                  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation
                  desktop-file-utils ccache mold python3-dev pybind11-dev python3-numpy
                  python3-pytest qt6-l10n-tools qt6-svg-dev)
# scripts/test only, and optional: the browser the test of the page script
# of maps that scale with their picture runs in (the test is skipped, and
# says so, where it cannot be installed), appstreamcli, which checks the
# software centres' entry of the installed tree, and Pillow, which reads the
# picture of the Python module's README example (its test is skipped
# without it).
tessary_test_packages=(chromium appstream python3-pil)
# scripts/run only, on a machine without a display: a virtual X server.
tessary_run_packages=(xvfb xauth)

tessary_install() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}" >&2
    $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >&2
}

# Configures and builds into build/ (or $1) with Ninja, through the compiler
# cache when there is one: a rebuild of unchanged sources, in any clone of
# the repository, then takes seconds.
tessary_build() {
    local dir=${1:-build}
    shift || true
    local launcher=()
    command -v ccache >/dev/null &&
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null &&
        cmake --build "$dir" --parallel "$(nproc)"
}
