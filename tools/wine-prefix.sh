#!/usr/bin/env bash
# Creates the Wine prefix for the tests on first use: 64-bit, no Mono or Gecko
# installers, and a virtual desktop so that windows get frames without a
# window manager.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must be set}"
[ -f "$WINEPREFIX/.kiveron-ready" ] && exit 0

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" WINEARCH=win64
wine=/usr/lib/wine/wine64
mkdir -p "$WINEPREFIX"
$wine wineboot --init >/dev/null 2>&1
$wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
$wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.kiveron-ready"
