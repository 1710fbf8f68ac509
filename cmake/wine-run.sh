#!/bin/sh
# Runs a Windows program under Wine in the given prefix.
#   wine-run.sh PREFIX PROGRAM [ARGS...]
# A new prefix is created as a 32-bit one. Debug output and the Mono/Gecko
# installers are switched off unless the caller asks for them.
WINEPREFIX="$1"
shift
export WINEPREFIX
export WINEARCH="${WINEARCH:-win32}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
