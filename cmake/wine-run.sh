#!/bin/sh
# Runs a Windows program under Wine in the given prefix, with the loader that
# fits the program: the 32-bit loader for a 32-bit (i386) program, the 64-bit
# one for a 64-bit (AMD64) program. Every start of a Windows program in this
# project goes through here; nothing calls bare `wine`, which picks the 32-bit
# loader whenever wine32 is installed, even where the kernel cannot run it.
#   wine-run.sh PREFIX PROGRAM [ARGS...]
# PROGRAM is a Linux path to a .exe, or a program of Wine's own (wineboot,
# cmd, reg, msiexec, ...), which runs with the loader of the prefix's width.
# A new prefix gets the width of PROGRAM, else WINEARCH (default win32).
# Debug output and the Mono/Gecko installers are switched off unless the
# caller asks for them.
WINE32_LOADER="${QUILLOT_WINE32_LOADER:-/usr/lib/wine/wine}"
WINE64_LOADER="${QUILLOT_WINE64_LOADER:-/usr/lib/wine/wine64}"

WINEPREFIX="$1"
shift
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# The machine type of a PE program: "win32", "win64", or nothing when the
# file is not a PE program of either kind.
pe_width() {
    [ -f "$1" ] || return 0
    [ "$(od -An -c -N2 "$1" 2>/dev/null | tr -d ' ')" = "MZ" ] || return 0
    header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$header" ] || return 0
    machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
    case "$machine" in
        014c) echo win32 ;;
        8664) echo win64 ;;
    esac
}

# The width of an existing prefix, from the first line of its system.reg.
prefix_width() {
    [ -f "$WINEPREFIX/system.reg" ] || return 0
    sed -n 's/^#arch=\(win32\|win64\)$/\1/p' "$WINEPREFIX/system.reg" | head -n 1
}

program_width=$(pe_width "$1")
existing_width=$(prefix_width)
width="${existing_width:-${program_width:-${WINEARCH:-win32}}}"
if [ -n "$program_width" ] && [ "$program_width" != "$width" ]; then
    echo "wine-run.sh: $1 is a ${program_width#win}-bit program; the prefix $WINEPREFIX is" \
        "${width#win}-bit" >&2
    exit 126
fi
export WINEARCH="$width"

if [ "$width" = win64 ]; then
    WINELOADER="$WINE64_LOADER"
else
    WINELOADER="$WINE32_LOADER"
    if ! "$WINELOADER" --version >/dev/null 2>&1; then
        echo "wine-run.sh: this kernel runs no 32-bit programs, so the 32-bit Windows program" \
            "$1 cannot start (use the 64-bit build)" >&2
        exit 126
    fi
fi
export WINELOADER
exec "$WINELOADER" "$@"
