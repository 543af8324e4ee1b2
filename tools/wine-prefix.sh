#!/usr/bin/env bash
# Creates the Wine prefix for the tests on first use: 64-bit, no Mono or Gecko
# installers, a virtual desktop so that windows get frames without a window
# manager, and no crash dialog: a debugger left waiting on its dialog after a
# crashed test would hold ctest's output pipe open until the run times out.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must be set}"
[ -f "$WINEPREFIX/.kiveron-ready-2" ] && exit 0

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" WINEARCH=win64
wine=/usr/lib/wine/wine64
mkdir -p "$WINEPREFIX"
$wine wineboot --init >/dev/null 2>&1
$wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
$wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
$wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.kiveron-ready-2"
