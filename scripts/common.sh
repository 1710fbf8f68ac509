# Shared steps of ./test and ./run: machine set-up, the four build trees and
# the headless Wine sessions. Sourced, not run.

QUILLOT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The build trees; each can be moved elsewhere through the environment.
NATIVE_DIR="${QUILLOT_NATIVE_DIR:-$QUILLOT_ROOT/build/native}"
FUZZ_DIR="${QUILLOT_FUZZ_DIR:-$QUILLOT_ROOT/build/fuzz}"
WINDOWS_DIR="${QUILLOT_WINDOWS_DIR:-$QUILLOT_ROOT/build/windows}"
WINDOWS64_DIR="${QUILLOT_WINDOWS64_DIR:-$QUILLOT_ROOT/build/windows64}"
# Each Windows tree keeps a Wine prefix of its own width inside it.
WINE_PREFIX_DIR="$WINDOWS_DIR/wineprefix"
WINE_RUN="$QUILLOT_ROOT/cmake/wine-run.sh"
JOBS=$(nproc 2>/dev/null || echo 2)

export LANG=C.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

say() { printf '== %s\n' "$*"; }

# Debian packages the builds and tests need. wine32:i386 needs the i386
# architecture; xauth is only a recommendation of xvfb but xvfb-run needs it;
# wixl builds the installer packages; python3 runs the checks against an XML parser
# and holds the PAD format's rules against their expressions.
QUILLOT_PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
  libbenchmark-dev libxml2-utils python3 g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64-posix
  mingw-w64-x86-64-dev wine wine32:i386 wine64
  xvfb xauth xdotool x11-utils imagemagick fonts-liberation fonts-wine openbox fp-utils wixl"

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

# True when this kernel runs 32-bit programs, found out by running one (the
# 32-bit Wine loader). QUILLOT_NO_WIN32=1 answers no on any machine.
runs_32bit_programs() {
    [ "${QUILLOT_NO_WIN32:-0}" != 1 ] || return 1
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Why the 32-bit programs are not run here (when runs_32bit_programs says no).
no_win32_reason() {
    if [ "${QUILLOT_NO_WIN32:-0}" = 1 ]; then
        echo "QUILLOT_NO_WIN32=1 asks to act as on a kernel that runs no 32-bit programs"
    else
        echo "this kernel runs no 32-bit programs"
    fi
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

# The Windows tree of each width: its folder, toolchain and Wine prefix.
tree_dir() { if [ "$1" = win64 ]; then echo "$WINDOWS64_DIR"; else echo "$WINDOWS_DIR"; fi; }
tree_toolchain() {
    if [ "$1" = win64 ]; then echo "$QUILLOT_ROOT/cmake/mingw-x86_64.cmake"; else
        echo "$QUILLOT_ROOT/cmake/mingw-i686.cmake"; fi
}
tree_prefix() { echo "$(tree_dir "$1")/wineprefix"; }

# Boots the Wine prefix of a width (win32 or win64) in the background (10 to
# 15 seconds on a new prefix) while a tree compiles; WINE_BOOT_PIDS collects
# the background jobs.
boot_wine_prefix() {
    width="${1:-win32}"
    prefix=$(tree_prefix "$width")
    if [ ! -f "$prefix/system.reg" ]; then
        mkdir -p "$(dirname "$prefix")"
        ( WINEARCH="$width" "$WINE_RUN" "$prefix" wineboot -i &&
              WINEPREFIX="$prefix" wineserver -w ) >/dev/null 2>&1 &
        WINE_BOOT_PIDS="${WINE_BOOT_PIDS:-} $!"
    fi
}

# Waits for the prefixes booting in the background and gives each prefix
# the fonts Debian's Wine does not find by itself (Tahoma, Marlett, ...).
finish_wine_prefixes() {
    for pid in ${WINE_BOOT_PIDS:-}; do wait "$pid" || true; done
    WINE_BOOT_PIDS=
    for width in win32 win64; do
        fonts="$(tree_prefix "$width")/drive_c/windows/Fonts"
        if [ -d "$fonts" ] && [ ! -f "$fonts/tahoma.ttf" ]; then
            cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
        fi
    done
}

# configure_windows WIDTH: configures the Windows tree of that width.
configure_windows() {
    cmake -S "$QUILLOT_ROOT" -B "$(tree_dir "$1")" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$(tree_toolchain "$1")" -DCMAKE_BUILD_TYPE=Release >/dev/null
}

# build_windows WIDTH [TARGET...]: builds the Windows tree of that width
# (win32: build/windows with MinGW-w64 i686, the product; win64:
# build/windows64 with MinGW-w64 x86-64). The prefix boots meanwhile unless
# BOOT_PREFIX=no.
build_windows() {
    width="${1:-win32}"
    shift || true
    if [ "$width" = win64 ]; then say "windows64 build (MinGW-w64 x86-64)"; else
        say "windows build (MinGW-w64 i686)"; fi
    [ "${BOOT_PREFIX:-yes}" = no ] || boot_wine_prefix "$width"
    configure_windows "$width"
    if [ $# -gt 0 ]; then
        cmake --build "$(tree_dir "$width")" -j "$JOBS" --target "$@"
    else
        cmake --build "$(tree_dir "$width")" -j "$JOBS"
    fi
}

# The width of the Quillot to show: the 32-bit product where this kernel
# runs it, else the 64-bit build.
display_width() { if runs_32bit_programs; then echo win32; else echo win64; fi; }

# Runs a command inside a headless X server with a warm, primed wineserver,
# the font replacements that give Wine the metrics of the Windows core fonts,
# and a window manager for decorations. The prefix is WINE_PREFIX_DIR (the
# 32-bit tree's unless the caller sets it); wine_session_for picks a tree's.
wine_session() {
    WINE_PREFIX_DIR="$WINE_PREFIX_DIR" QUILLOT_ROOT="$QUILLOT_ROOT" \
        xvfb-run -a -s "-screen 0 1024x768x24" "$QUILLOT_ROOT/scripts/wine-session.sh" "$@"
}

# wine_session_for WIDTH COMMAND...
wine_session_for() {
    width="$1"
    shift
    WINE_PREFIX_DIR=$(tree_prefix "$width") wine_session "$@"
}

# The Windows path of an absolute Linux path: drive Z: is the Linux root.
windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
