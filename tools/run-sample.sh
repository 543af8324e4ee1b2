#!/usr/bin/env bash
# Opens the sample disc's menu under 64-bit Wine, from a fresh clone:
# installs what is missing, builds the test preset's x86_64 kiveron.exe and
# demo.exe (these machines run no 32-bit code; the shipping program is the
# release preset's i686 build/release/kiveron.exe, and build/release/
# sample-disc is the disc to burn), lays the disc out in build/sample-disc
# and shows it to Wine as drive D:, so that the menu starts as autorun starts
# it: D:\kiveron.exe, with D:\ as its current folder.
#
# With a display ($DISPLAY set) the menu stays open until you close it.
# Without one, the script starts Xvfb itself, waits until the menu has
# appeared, saves a screenshot of it as build/sample-disc.png, prints that
# path and closes the menu again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset test >/dev/null
cmake --build --preset test -j "$jobs" --target sample_disc

disc="$root/build/sample-disc"
screenshot="$root/build/sample-disc.png"
rm -rf "$disc"
cp -r "$root/build/test/sample-disc" "$disc"

# A prefix of its own: the test suite's prefix is left alone.
export WINEPREFIX="$root/build/sample-wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
wine=/usr/lib/wine/wine64
disc_root="D:\\"
xvfb_pid=""
menu_pid=""
dump=""

cleanup() {
    local rc=$?
    trap - EXIT INT TERM
    if [ -n "$menu_pid" ]; then kill "$menu_pid" >/dev/null 2>&1 || true; fi
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" >/dev/null 2>&1 || true; fi
    if [ -n "$dump" ]; then rm -f "$dump"; fi
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

source tools/xvfb.sh
headless=""
if [ -z "${DISPLAY:-}" ]; then
    headless=yes
    # A display nobody else uses, the size of Wine's virtual desktop, so
    # that the desktop fills the screen and a screen dump shows only it.
    start_xvfb 1024x768
fi

bash tools/wine-prefix.sh
# The disc as drive D: (Wine's drive letters are links in dosdevices).
ln -sfn "$disc" "$WINEPREFIX/dosdevices/d:"
wineserver -p
$wine wineboot >/dev/null 2>&1 </dev/null
# Wine's new prefix registers no program for .txt files; the sample's "Read
# me first" opens readme.txt the way Windows does, in Notepad.
$wine reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1

if [ -z "$headless" ]; then
    echo "run-sample: the menu is open on $DISPLAY; close it to end."
    $wine start /wait /d "$disc_root" "${disc_root}kiveron.exe" </dev/null
    exit 0
fi

if ! command -v xwd >/dev/null 2>&1; then
    echo "run-sample: xwd (package x11-apps) is needed for the screenshot" >&2
    exit 1
fi
$wine start /wait /d "$disc_root" "${disc_root}kiveron.exe" </dev/null >/dev/null 2>&1 &
menu_pid=$!

# The menu is up when the desktop shows something and two dumps taken one
# after the other show the same: it has finished painting.
dump=$(mktemp --suffix=.xwd)
previous=""
shown=""
for _ in $(seq 60); do
    xwd -root -silent >"$dump"
    current=$(python3 tools/xwd_to_png.py --digest "$dump")
    if [ "$current" != "empty" ] && [ "$current" = "$previous" ]; then
        shown=yes
        break
    fi
    previous=$current
    sleep 0.5
done
if [ -z "$shown" ]; then
    echo "run-sample: the menu did not appear" >&2
    exit 1
fi
python3 tools/xwd_to_png.py "$dump" "$screenshot"
echo "$screenshot"

# Close the menu as its close box does, and see that it ends as it should.
$wine taskkill /im kiveron.exe >/dev/null 2>&1
for _ in $(seq 100); do
    kill -0 "$menu_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$menu_pid" 2>/dev/null; then
    echo "run-sample: the menu did not close" >&2
    exit 1
fi
status=0
wait "$menu_pid" || status=$?
menu_pid=""
if [ "$status" -ne 0 ]; then
    echo "run-sample: the menu ended with exit code $status" >&2
    exit 1
fi
