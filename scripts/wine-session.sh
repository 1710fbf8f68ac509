#!/bin/sh
# Inside xvfb-run: starts a persistent wineserver, primes it (a first wine
# process started with its output on a pipe would otherwise keep that pipe
# open), keeps the desktop in use for the whole session where the tree has
# its desktop_keeper.exe (so that its process is never started anew by a
# test, see tests/support/desktop_keeper.cpp), sets the font replacements
# once, starts openbox, runs the command and stops the wineserver again.
# Exits with the command's status.
P="$WINE_PREFIX_DIR"
RUN="$QUILLOT_ROOT/cmake/wine-run.sh"
export WINEPREFIX="$P"
wineserver -p
"$RUN" "$P" cmd /c exit >/dev/null 2>&1
KEEPER="$(dirname "$P")/desktop_keeper.exe"
[ -f "$KEEPER" ] && "$RUN" "$P" "$KEEPER" </dev/null >/dev/null 2>&1 &
if [ ! -f "$P/.quillot-fonts" ]; then
    for f in "Arial:Liberation Sans" "Times New Roman:Liberation Serif" "Courier New:Liberation Mono"; do
        "$RUN" "$P" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${f%%:*}" /d "${f#*:}" /f \
            >/dev/null 2>&1
    done
    touch "$P/.quillot-fonts"
fi
openbox >/dev/null 2>&1 &
WM=$!
rc=0
"$@" || rc=$?
kill "$WM" 2>/dev/null
wineserver -k 2>/dev/null
exit $rc
