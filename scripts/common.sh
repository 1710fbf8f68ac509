# Shared steps of ./test and ./run: machine set-up, the three build trees and
# the headless Wine session. Sourced, not run.

QUILLOT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The build trees; each can be moved elsewhere through the environment.
NATIVE_DIR="${QUILLOT_NATIVE_DIR:-$QUILLOT_ROOT/build/native}"
FUZZ_DIR="${QUILLOT_FUZZ_DIR:-$QUILLOT_ROOT/build/fuzz}"
WINDOWS_DIR="${QUILLOT_WINDOWS_DIR:-$QUILLOT_ROOT/build/windows}"
WINE_PREFIX_DIR="$WINDOWS_DIR/wineprefix"
JOBS=$(nproc 2>/dev/null || echo 2)

export LANG=C.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

say() { printf '== %s\n' "$*"; }

# Debian packages the builds and tests need. wine32:i386 needs the i386
# architecture; xauth is only a recommendation of xvfb but xvfb-run needs it.
QUILLOT_PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
  libbenchmark-dev libxml2-utils g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 wine64
  xvfb xauth xdotool x11-utils imagemagick fonts-liberation fonts-wine openbox fp-utils"

missing_packages() {
    for p in $QUILLOT_PACKAGES; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' ||
            printf '%s ' "$p"
    done
}

setup_machine() {
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    say "installing: $missing"
    if [ "$(id -u)" != 0 ]; then
        echo "missing Debian packages: $missing (run once as root to install them)" >&2
        exit 1
    fi
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

build_native() {
    say "native build"
    # The fuzz tree's path gives the native tests their libFuzzer smoke run.
    cmake -S "$QUILLOT_ROOT" -B "$NATIVE_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQUILLOT_FUZZ_BINARY_DIR="$FUZZ_DIR" >/dev/null
    cmake --build "$NATIVE_DIR" -j "$JOBS"
}

build_fuzz() {
    say "fuzz build (clang, libFuzzer)"
    CC=clang CXX=clang++ cmake -S "$QUILLOT_ROOT" -B "$FUZZ_DIR" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLOT_FUZZ_ONLY=ON >/dev/null
    cmake --build "$FUZZ_DIR" -j "$JOBS"
}

# Boots the Wine prefix in the background (it takes 10 to 15 seconds on a new
# prefix) while the Windows tree compiles.
boot_wine_prefix() {
    if [ ! -f "$WINE_PREFIX_DIR/system.reg" ]; then
        mkdir -p "$WINDOWS_DIR"
        ( "$QUILLOT_ROOT/cmake/wine-run.sh" "$WINE_PREFIX_DIR" wineboot -i &&
              WINEPREFIX="$WINE_PREFIX_DIR" wineserver -w ) >/dev/null 2>&1 &
        WINE_BOOT_PID=$!
    fi
}

finish_wine_prefix() {
    if [ -n "${WINE_BOOT_PID:-}" ]; then
        wait "$WINE_BOOT_PID" || true
        WINE_BOOT_PID=
    fi
    # Tahoma, Marlett and friends: Debian's Wine does not find them by itself.
    fonts="$WINE_PREFIX_DIR/drive_c/windows/Fonts"
    if [ -d "$fonts" ] && [ ! -f "$fonts/tahoma.ttf" ]; then
        cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
    fi
}

build_windows() {
    say "windows build (MinGW-w64 i686)"
    boot_wine_prefix
    cmake -S "$QUILLOT_ROOT" -B "$WINDOWS_DIR" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$QUILLOT_ROOT/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$WINDOWS_DIR" -j "$JOBS"
    finish_wine_prefix
}

# Runs a command inside a headless X server with a warm, primed wineserver,
# the font replacements that give Wine the metrics of the Windows core fonts,
# and a window manager for decorations.
wine_session() {
    WINE_PREFIX_DIR="$WINE_PREFIX_DIR" QUILLOT_ROOT="$QUILLOT_ROOT" \
        xvfb-run -a -s "-screen 0 1024x768x24" "$QUILLOT_ROOT/scripts/wine-session.sh" "$@"
}
