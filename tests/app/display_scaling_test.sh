#!/bin/bash
# The display scaling tests under Wine in a prefix of their own, whose DPI
# each run sets before the test program starts. One step a call:
#   display_scaling_test.sh boot    WORK WIDTH
#   display_scaling_test.sh record  WORK DPI with|without PROGRAM
#   display_scaling_test.sh compare WORK DPI with|without PROGRAM
#   display_scaling_test.sh clean   WORK
# WORK holds the prefix (WORK/prefix) and the figures of the record run
# (WORK/figures-96.txt), which the compare runs hold theirs against. "with"
# sets HKCU\Control Panel\Desktop\DpiScalingVer, without which Wine ignores
# the manifest's DPI awareness and makes every program per-monitor aware;
# "without" removes it. Where this kernel runs no 32-bit programs, the win32
# steps skip (exit 77) and say why.
set -u
STEP="$1"
WORK="$2"
shift 2
. "$(cd "$(dirname "$0")/../.." && pwd)/scripts/common.sh"
PREFIX="$WORK/prefix"
FIGURES="$WORK/figures-96.txt"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
run() { "$WINE_RUN" "$PREFIX" "$@"; }
# desktop add|delete ARGS...: a value of HKCU\Control Panel\Desktop.
desktop() {
    operation="$1"
    shift
    run reg "$operation" 'HKCU\Control Panel\Desktop' "$@" >/dev/null 2>&1
}

case "$STEP" in
boot)
    WIDTH="$1"
    rm -rf "$WORK"
    if [ "$WIDTH" = win32 ] && ! runs_32bit_programs; then
        echo "skipped: $(no_win32_reason)"
        exit 77
    fi
    mkdir -p "$WORK"
    # No display: nothing of the prefix binds to the session's X server yet.
    env -u DISPLAY WINEARCH="$WIDTH" "$WINE_RUN" "$PREFIX" wineboot -i >/dev/null 2>&1
    WINEPREFIX="$PREFIX" wineserver -w
    [ -f "$PREFIX/system.reg" ] || fail "wineboot made no prefix in $PREFIX"
    # The fonts and font replacements of the tree's own prefix, so that text
    # is measured as in the other window tests.
    cp /usr/share/wine/fonts/*.ttf "$PREFIX/drive_c/windows/Fonts/" 2>/dev/null
    for f in "Arial:Liberation Sans" "Times New Roman:Liberation Serif" "Courier New:Liberation Mono"; do
        env -u DISPLAY "$WINE_RUN" "$PREFIX" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
            /v "${f%%:*}" /d "${f#*:}" /f >/dev/null 2>&1
    done
    WINEPREFIX="$PREFIX" wineserver -w
    echo "ok: new $WIDTH prefix $PREFIX"
    ;;

record | compare)
    DPI="$1" SCALING_VER="$2" PROGRAM="$3"
    if [ ! -f "$PREFIX/system.reg" ]; then
        runs_32bit_programs || { echo "skipped: $(no_win32_reason)"; exit 77; }
        fail "no prefix $PREFIX (the boot step did not run)"
    fi
    trap 'WINEPREFIX="$PREFIX" wineserver -k >/dev/null 2>&1' EXIT
    # The DPI is read when a program starts; the wineserver starts anew with
    # the settings in place, so that nothing of the prefix runs at the last
    # run's DPI.
    desktop add /v LogPixels /t REG_DWORD /d "$DPI" /f
    if [ "$SCALING_VER" = with ]; then
        desktop add /v DpiScalingVer /t REG_DWORD /d 0x1018 /f
    else
        desktop delete /v DpiScalingVer /f
    fi
    WINEPREFIX="$PREFIX" wineserver -k >/dev/null 2>&1
    WINEPREFIX="$PREFIX" wineserver -w
    WINEPREFIX="$PREFIX" wineserver -p
    run cmd /c exit >/dev/null 2>&1 # the first program keeps its output pipe open
    echo "$DPI DPI, DpiScalingVer $SCALING_VER"
    export QUILLOT_TEST_DPI="$DPI"
    if [ "$STEP" = record ]; then
        rm -f "$FIGURES"
        export QUILLOT_SCALE_RECORD="$(windows_path "$FIGURES")"
    else
        [ -f "$FIGURES" ] || fail "no figures of the run at 96 DPI in $FIGURES"
        export QUILLOT_SCALE_BASELINE="$(windows_path "$FIGURES")"
    fi
    run "$PROGRAM"
    ;;

clean)
    WINEPREFIX="$PREFIX" wineserver -k >/dev/null 2>&1
    rm -rf "$WORK"
    echo "ok: removed $WORK"
    ;;
esac
