#!/usr/bin/env bash
# Runs one Windows executable under 64-bit Wine; ctest's emulator for the
# x86_64 build. tools/run-tests.sh sets up the display, the prefix and the
# wineserver; these defaults let a single test be started by hand as well.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/test/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=}
exec /usr/lib/wine/wine64 "$@"
