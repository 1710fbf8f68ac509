#!/bin/sh
# Opens a PAD file in Quillot.exe under Wine.
#   show-quillot.sh FILE [SCREENSHOT [EXE]]
# With SCREENSHOT (used inside xvfb-run when there is no display), it waits for
# the window, writes a picture of it (frame included) to that PNG file and
# closes Quillot again; otherwise Quillot runs until the user closes it. EXE
# defaults to the 32-bit tree's Quillot.exe; WINE_PREFIX_DIR must be a prefix
# of EXE's width.
set -u
FILE="$1"
SHOT="${2:-}"
P="$WINE_PREFIX_DIR"
RUN="$QUILLOT_ROOT/cmake/wine-run.sh"
EXE="${3:-$WINDOWS_DIR/Quillot.exe}"
export WINEPREFIX="$P"

# Drive Z: is the Linux root.
case "$FILE" in
    /*) WINFILE=$(printf 'Z:%s' "$FILE" | tr '/' '\\') ;;
    *) WINFILE="$FILE" ;;
esac
if [ -z "$SHOT" ]; then
    exec "$RUN" "$P" "$EXE" "$WINFILE"
fi

"$RUN" "$P" "$EXE" "$WINFILE" >/dev/null 2>&1 &
PID=$!
WID=$(timeout 60 xdotool search --sync --name '^Quillot - ' | head -n 1)
if [ -z "$WID" ]; then
    echo "Quillot's window did not appear" >&2
    kill "$PID" 2>/dev/null
    exit 1
fi
sleep 2
import -frame -window "$WID" "$SHOT"
xdotool windowfocus --sync "$WID" key Escape 2>/dev/null
timeout 30 sh -c "while kill -0 $PID 2>/dev/null; do sleep 0.2; done" || kill "$PID" 2>/dev/null
exit 0
