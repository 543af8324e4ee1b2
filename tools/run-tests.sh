#!/usr/bin/env bash
# The whole test suite, from a fresh clone: installs what is missing, builds
# the shipping i686 preset and the x86_64 test preset, then runs ctest under
# 64-bit Wine inside its own Xvfb display with one persistent wineserver.
# Extra arguments go to ctest, e.g. `tools/run-tests.sh -R menu`.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
# The shipping program starts from slow media: its size is a figure to watch
# (at most 240 KiB), printed rather than tested.
echo "kiveron.exe (i686 release): $(stat -c %s build/release/kiveron.exe) bytes, target at most 245760"
cmake --preset test >/dev/null
cmake --build --preset test -j "$jobs"

export WINEPREFIX="$root/build/test/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
xvfb_pid=""

ctest_pid=""

cleanup() {
    local rc=$?
    trap - EXIT INT TERM
    # An interrupted run: stop ctest first, then the Wine processes of its
    # tests with the wineserver, so that nothing waits on the display.
    [ -n "$ctest_pid" ] && kill "$ctest_pid" >/dev/null 2>&1 || true
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$ctest_pid" ] && wait "$ctest_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

source tools/xvfb.sh
start_xvfb 1280x1024

bash tools/wine-prefix.sh
wineserver -p
# Start Wine's services and the virtual desktop now, outside ctest: a process
# that a test starts would otherwise inherit ctest's output pipe and keep the
# run from ending.
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1 </dev/null

# In the background, so that an interruption reaches the clean-up at once
# instead of after the tests that are running.
ctest --preset test -j "$jobs" "$@" &
ctest_pid=$!
wait "$ctest_pid"
