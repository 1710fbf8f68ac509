#!/bin/bash
# Takes a README screenshot: Quillot showing a real PAD file on a tab, on a
# virtual screen.
#   scripts/docs-screenshot.sh [PAD [TAB [PNG]]]
# Without arguments the Std tab (1) of the metamorphose file, written to
# docs/quillot-std.png; the Check tab is 4 (docs/quillot-check.png). A copy of
# Quillot.exe in a temporary folder gets its own settings (a larger window),
# so the user's settings beside build/windows/Quillot.exe stay as they are.
set -eu
cd "$(dirname "$0")/.."
. scripts/common.sh

PAD="${1:-$QUILLOT_ROOT/tests/corpus/real/metamorphose_website_pad_file.xml}"
TAB="${2:-1}"
OUT="${3:-$QUILLOT_ROOT/docs/quillot-std.png}"
# The 32-bit product where this kernel runs it, else the 64-bit build.
WIDTH=$(display_width)
EXE="$(tree_dir "$WIDTH")/Quillot.exe"
[ -x "$EXE" ] || { echo "build $EXE first (./run or ./test)" >&2; exit 1; }

WORK=$(mktemp -d /tmp/quillot-shot.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
cp "$EXE" "$WORK/"
cat > "$WORK/Quillot.ini" <<INI
[Main Window]
Left=40
Top=40
Width=640
Height=460
CurTab=$TAB
INI
mkdir -p "$QUILLOT_ROOT/docs"
WINE_PREFIX_DIR=$(tree_prefix "$WIDTH")
export WINE_PREFIX_DIR QUILLOT_ROOT
wine_session "$QUILLOT_ROOT/scripts/show-quillot.sh" "$PAD" "$OUT" "$WORK/Quillot.exe"
say "screenshot: $OUT"
