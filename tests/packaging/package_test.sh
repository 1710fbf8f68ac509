#!/bin/bash
# The packages of one Windows tree as a user meets them, under Wine, in a
# throwaway prefix of the package's width and on an X server of their own
# (so that no other test's window is taken for Quillot's). One step a call:
#   package_test.sh boot  WIDTH WORK
#   package_test.sh msi   WIDTH WORK MSI VERSION LATER_MSI LATER_VERSION PAD TREE -- WIXL...
#   package_test.sh zip   WIDTH WORK ZIP PROGRAM PAD
#   package_test.sh clean WIDTH WORK
# WIDTH is win32 or win64, WORK the folder of the prefix (WORK/prefix), PAD a
# real PAD file, TREE the build tree, WIXL the command that builds LATER_MSI,
# a package of LATER_VERSION, from WORK/later/Quillot.exe (run in TREE).
# Where this kernel runs no 32-bit programs, the win32 steps skip (exit 77)
# and say why.
set -u
STEP="$1"
WIDTH="$2"
WORK="$3"
shift 3
. "$(cd "$(dirname "$0")/../.." && pwd)/scripts/common.sh"
PREFIX="$WORK/prefix"

if [ "$WIDTH" = win32 ] && ! runs_32bit_programs; then
    echo "skipped: the 32-bit package is not tested on this machine: $(no_win32_reason)"
    exit 77
fi

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
ok() { echo "ok: $*"; }
run() { "$WINE_RUN" "$PREFIX" "$@"; }
stop_wine() { WINEPREFIX="$PREFIX" wineserver -k >/dev/null 2>&1; }

# An X server of the step's own, and a wineserver primed on it (a first Wine
# process with its output on a pipe would keep that pipe open).
XVFB_PID=
start_session() {
    [ -f "$PREFIX/system.reg" ] || fail "no prefix $PREFIX (the boot step did not run)"
    exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
    XVFB_PID=$!
    read -r -t 20 number <&3 || fail "Xvfb did not start"
    export DISPLAY=":$number"
    WINEPREFIX="$PREFIX" wineserver -p >/dev/null 2>&1
    run cmd /c exit >/dev/null 2>&1
}
end_session() {
    stop_wine
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
}
trap end_session EXIT

# The first visible window whose name matches, waiting up to 30 seconds.
find_window() {
    for _ in $(seq 300); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
}

# shows_file PROGRAM PAD: PROGRAM starts on PAD, shows it in its caption,
# closes on Escape and ends with exit code 0.
shows_file() {
    run "$1" "$(windows_path "$2")" >/dev/null 2>&1 &
    pid=$!
    window=$(find_window '^Quillot - ')
    [ -n "$window" ] || { kill "$pid" 2>/dev/null; fail "no Quillot window for $1"; }
    caption=$(xdotool getwindowname "$window")
    [ "$caption" = "Quillot - $(basename "$2")" ] || fail "caption '$caption'"
    xdotool windowfocus --sync "$window" key Escape
    for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "Escape did not close $1"; }
    wait "$pid" || fail "$1 ended with exit code $?"
    ok "$1 showed '$caption' and ended with exit code 0"
}

case "$STEP" in
boot)
    rm -rf "$WORK"
    mkdir -p "$WORK"
    # No display: nothing of the prefix binds to the session's X server.
    env -u DISPLAY WINEARCH="$WIDTH" "$WINE_RUN" "$PREFIX" wineboot -i >/dev/null 2>&1
    WINEPREFIX="$PREFIX" wineserver -w
    [ -f "$PREFIX/system.reg" ] || fail "wineboot made no prefix in $PREFIX"
    grep -qx "#arch=$WIDTH" "$PREFIX/system.reg" || fail "the prefix is not $WIDTH"
    ok "new $WIDTH prefix $PREFIX"
    ;;

clean)
    stop_wine
    rm -rf "$WORK"
    ok "removed $WORK"
    ;;

zip)
    ZIP="$1" PROGRAM="$2" PAD="$3"
    FOLDER="$WORK/Portable Quillot"
    rm -rf "$FOLDER"
    mkdir -p "$FOLDER"
    (cd "$FOLDER" && cmake -E tar xf "$ZIP") || fail "cannot unpack $ZIP"
    files=$(cd "$FOLDER" && ls | tr '\n' ' ')
    [ "$files" = "LICENSE.txt Quillot.chm Quillot.exe README.txt " ] || fail "the zip holds $files"
    cmp -s "$FOLDER/Quillot.exe" "$PROGRAM" || fail "the zip's Quillot.exe is not the tree's"
    ok "unpacked into '$FOLDER': $files"
    start_session
    shows_file "$FOLDER/Quillot.exe" "$PAD"
    INI="$FOLDER/Quillot.ini"
    [ -f "$INI" ] || fail "no Quillot.ini beside the program"
    grep -q "^fName=.*$(basename "$PAD")" "$INI" || fail "the settings in $INI: $(cat "$INI")"
    ok "settings written to Quillot.ini beside the program"
    ;;

msi)
    MSI="$1" VERSION="$2" LATER_MSI="$3" LATER="$4" PAD="$5" TREE="$6"
    shift 7 # and the "--" before the wixl command
    FOLDER="$PREFIX/drive_c/Program Files/Quillot"
    PROGRAM="$FOLDER/Quillot.exe"
    UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

    # The registry keys of the .xml and .pad associations, value by value:
    # the extension keys, the file types they name and Quillot's own types.
    associations() {
        types="Tovrel.XML_file Tovrel.PAD_file Kelvo.XML_file Kelvo.PAD_file xmlfile"
        for ext in .xml .pad; do
            types="$types $(run reg query "HKCR\\$ext" /ve 2>/dev/null |
                sed -n 's/^ *(Default) *REG_[A-Z_]* *//p' | tr -d '\r')"
        done
        for key in .xml .pad $types; do
            echo "[$key]"
            run reg query "HKCR\\$key" /s 2>/dev/null | tr -d '\r' | grep -v '^$'
        done
    }
    # keys_where KEY NAME VALUE FIELD...: for each key below KEY whose
    # value NAME is VALUE, one line with its FIELDs' values, "|" between.
    keys_where() {
        key="$1" name="$2" value="$3"
        shift 3
        run reg query "$key" /s 2>/dev/null | tr -d '\r' |
            awk -v name="$name" -v value="$value" -v fields="$*" '
            function flush(  i, n, f, line) {
                if (v[name] == value) {
                    n = split(fields, f, " ")
                    for (i = 1; i <= n; i++) line = line (i > 1 ? "|" : "") v[f[i]]
                    print line
                }
                delete v
            }
            /^HKEY/ { flush() }
            match($0, /^    [^ ]+    REG_[A-Z_]+    /) {
                split(substr($0, 5), part, "    ")
                v[part[1]] = substr($0, RLENGTH + 1)
            }
            END { flush() }'
    }
    # The installed-programs entries named Quillot: "version|publisher".
    entries() { keys_where "$UNINSTALL" DisplayName Quillot DisplayVersion Publisher; }
    one_entry() {
        found=$(entries)
        [ "$found" = "$1|Quillot Developers" ] || fail "installed-programs entries: '$found'"
        ok "one installed-programs entry: Quillot $1, Quillot Developers"
    }
    # Per-machine shortcuts go to the common Start menu on Windows; Wine
    # puts them into the user's.
    shortcuts() {
        find "$PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
            "$PREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs" \
            -maxdepth 1 -name 'Quillot.lnk' 2>/dev/null
    }
    install() { run msiexec /i "$(windows_path "$1")" /qn >/dev/null 2>&1; }
    registers_itself() {
        run "$PROGRAM" -I || fail "Quillot.exe -I: exit code $?"
        type=$(run reg query 'HKCR\.xml' /ve | sed -n 's/^ *(Default) *REG_SZ *//p' | tr -d '\r')
        run reg query "HKCR\\$type\\shell\\Open\\command" /ve |
            grep -qF '"C:\Program Files\Quillot\Quillot.exe"' ||
            fail ".xml ($type) does not open with the installed program"
        ok "the installed program registered itself for .xml ($type)"
    }
    as_before() {
        after=$(associations)
        [ "$after" = "$BEFORE" ] || fail "$1: the associations differ from before the install:
$(diff <(echo "$BEFORE") <(echo "$after"))"
        ok "$1: the .xml and .pad associations are as before the install"
    }

    start_session
    BEFORE=$(associations)

    install "$MSI" || fail "msiexec /i $MSI: exit code $?"
    for file in Quillot.exe Quillot.chm; do
        cmp -s "$FOLDER/$file" "$TREE/$file" || fail "$FOLDER/$file is not the tree's"
    done
    ok "installed Quillot.exe and Quillot.chm into C:\\Program Files\\Quillot"
    link=$(shortcuts)
    [ "$(echo "$link" | grep -c .)" = 1 ] || fail "Start-menu shortcuts: '$link'"
    grep -qa 'C:\\Program Files\\Quillot\\Quillot.exe' "$link" || fail "$link names another program"
    ok "Start-menu shortcut Quillot.lnk to the installed program"
    one_entry "$VERSION"
    icon=$(keys_where 'HKCR\Installer\Products' ProductName Quillot ProductIcon)
    [ -n "$icon" ] && [ -f "$PREFIX/drive_c/$(echo "${icon#C:\\}" | tr '\\' '/')" ] ||
        fail "no icon for the entry ('$icon')"
    ok "the entry's icon $icon"
    shows_file "$PROGRAM" "$PAD"

    install "$MSI" || fail "installing $MSI again: exit code $?"
    one_entry "$VERSION"

    registers_itself
    echo "the user's own" >"$FOLDER/notes.txt"
    # A later version, with a program that differs from this one. The old
    # program removes its associations on the way out.
    mkdir -p "$WORK/later"
    cp "$PROGRAM" "$WORK/later/Quillot.exe"
    printf 'later' >>"$WORK/later/Quillot.exe"
    (cd "$TREE" && "$@" >/dev/null) || fail "wixl could not build version $LATER"
    install "$LATER_MSI" || fail "installing version $LATER over $VERSION: exit code $?"
    one_entry "$LATER"
    cmp -s "$PROGRAM" "$WORK/later/Quillot.exe" || fail "version $LATER's program was not installed"
    as_before "version $LATER replaced $VERSION"
    install "$MSI" && fail "version $VERSION installed over $LATER"
    one_entry "$LATER"

    registers_itself
    run msiexec /x "$(windows_path "$LATER_MSI")" /qn >/dev/null 2>&1 ||
        fail "msiexec /x: exit code $?"
    [ ! -e "$PROGRAM" ] && [ ! -e "$FOLDER/Quillot.chm" ] || fail "program files left behind"
    [ -z "$(shortcuts)" ] || fail "shortcut left behind: $(shortcuts)"
    [ -z "$(entries)" ] || fail "installed-programs entry left behind: $(entries)"
    ok "removed: program files, shortcut and installed-programs entry gone"
    as_before "removed"
    [ -f "$FOLDER/Quillot.ini" ] && [ -f "$FOLDER/notes.txt" ] ||
        fail "the user's files were deleted: $(ls "$FOLDER" 2>&1)"
    ok "Quillot.ini and the user's own file are still there"
    ;;

*)
    fail "unknown step $STEP"
    ;;
esac
