#!/bin/sh
# Walks Quillot's menus with the keyboard, as a user would: a copy of
# Quillot.exe opens a real PAD file, every dialog of the menus is opened and
# closed again (Escape in the Find dialog closes only the dialog), the file is
# opened again from the recent list, the folder keys and the status-bar
# toggle are used, and Escape closes the window. Exit code 0 and the saved
# settings are checked.
#   menu_walk_test.sh WINE_RUN PREFIX QUILLOT_EXE PAD_FILE
# WINE_RUN is cmake/wine-run.sh, PREFIX the tree's Wine prefix. Runs inside
# the Wine session of the tests (DISPLAY set).
set -u
RUN="$1"
PREFIX="$2"
EXE="$3"
PAD="$4"
WORK=$(mktemp -d /tmp/quillot-menu-walk.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
cp "$EXE" "$WORK/Quillot.exe"
[ -f "$(dirname "$EXE")/Quillot.chm" ] && cp "$(dirname "$EXE")/Quillot.chm" "$WORK/"

fail() {
    echo "FAILED: $*" >&2
    [ -n "${PID:-}" ] && kill "$PID" 2>/dev/null
    exit 1
}

# The first window whose name matches, waiting up to 20 seconds. A search
# can fail outright while other tests' windows come and go, so it is asked
# again rather than trusted to wait (--sync).
find_window() {
    i=0
    while [ $i -lt 200 ]; do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
        i=$((i + 1))
    done
}

gone() {
    i=0
    while [ $i -lt 100 ]; do
        [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] && return 0
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}

focus_main() { xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1 || xdotool windowfocus --sync "$MAIN"; }

# open_and_close NAME-REGEX "KEYS TO OPEN" "KEYS TO CLOSE"
open_and_close() {
    focus_main
    # shellcheck disable=SC2086
    xdotool key --delay 150 $2
    DIALOG=$(find_window "$1")
    [ -n "$DIALOG" ] || fail "no window matching '$1' after '$2'"
    xdotool windowactivate --sync "$DIALOG" >/dev/null 2>&1 || xdotool windowfocus --sync "$DIALOG"
    # shellcheck disable=SC2086
    xdotool key --delay 150 $3
    gone "$1" || fail "window '$1' still open after '$3'"
    echo "ok: $1 ($2 / $3)"
}

# Drive Z: is the Linux root.
"$RUN" "$PREFIX" "$WORK/Quillot.exe" "$(printf 'Z:%s' "$PAD" | tr '/' '\\')" >/dev/null 2>&1 &
PID=$!
MAIN=$(find_window '^Quillot - ')
[ -n "$MAIN" ] || fail "main window did not appear"
NAME=$(xdotool getwindowname "$MAIN")
[ "$NAME" = "Quillot - $(basename "$PAD")" ] || fail "caption is '$NAME'"

open_and_close '^Open$' 'alt+f o' 'Escape'
open_and_close '^Preferences$' 'alt+f f' 'Escape'
open_and_close '^Font$' 'alt+o f' 'Escape'
open_and_close '^Colou?r$' 'alt+o l' 'Escape'
open_and_close '^Colou?r$' 'alt+o c' 'Escape'
open_and_close '^Colou?r$' 'alt+o x' 'Escape'
open_and_close '^Colou?r$' 'alt+o b' 'Escape'
open_and_close '^About Quillot$' 'alt+h a' 'Return'
open_and_close '^About Quillot$' 'alt+h a' 'Escape'
open_and_close '^Help for Quillot$' 'F1' 'alt+F4'
open_and_close '^Find$' 'alt+e f' 'Escape'
open_and_close '^Find$' 'ctrl+f' 'Escape'
kill -0 "$PID" 2>/dev/null || fail "Escape in the Find dialog closed Quillot"

# F8 shows the next file of the folder, which the recent list does not
# take; File, 1 shows the first file again.
focus_main
xdotool key --delay 150 F8
sleep 1
[ "$(xdotool getwindowname "$MAIN")" != "Quillot - $(basename "$PAD")" ] || fail "F8 showed no other file"
focus_main
xdotool key --delay 150 alt+f 1
sleep 1
NAME=$(xdotool getwindowname "$MAIN")
[ "$NAME" = "Quillot - $(basename "$PAD")" ] || fail "caption after File, 1 is '$NAME'"
echo "ok: File, 1 opens the recent file"

focus_main
xdotool key --delay 150 F8 F7 shift+F8 shift+F7 F5 alt+v b
focus_main
xdotool key Escape
i=0
while kill -0 "$PID" 2>/dev/null && [ $i -lt 200 ]; do sleep 0.1; i=$((i + 1)); done
kill -0 "$PID" 2>/dev/null && fail "Escape did not close Quillot"
wait "$PID"
CODE=$?
[ "$CODE" -eq 0 ] || fail "exit code $CODE"

INI="$WORK/Quillot.ini"
[ -f "$INI" ] || fail "no settings written"
grep -q '^StsBar=0' "$INI" || fail "status bar toggle not saved: $(cat "$INI")"
grep -q '^CurTab=1' "$INI" || fail "tab not saved"
grep -q "^File1=Z:.*$(basename "$PAD")" "$INI" || fail "recent file not saved: $(cat "$INI")"
echo "ok: closed with Escape, exit code 0, settings written"
