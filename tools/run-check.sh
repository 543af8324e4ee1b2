#!/usr/bin/env bash
# Checks a menu with kiveron-check under 64-bit Wine, from a fresh clone:
# installs what is missing, builds the test preset's x86_64 kiveron-check.exe
# (these machines run no 32-bit code; the release preset's i686 build is the
# one for Windows) and runs it on the menu given, e.g.
#
#     tools/run-check.sh examples/sample-disc/kiveron.lst
#     tools/run-check.sh --preview build/previews --codepage 1251 disc/kiveron.lst
#
# Paths are passed as given: Wine shows the Unix folders as drive Z:, so
# relative and absolute Unix paths name the same files. The findings go to
# standard output with Unix line breaks (the console program writes CR LF),
# the build's own output to standard error, and the exit status is the
# checker's: 0 no warnings, 1 warnings, 2 errors.
# KIVERON_BUILD_DIR chooses another build folder than build/test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${KIVERON_BUILD_DIR:-$root/build/test}")

(
    cd "$root"
    bash tools/setup.sh
    cmake --preset test -B "$build" >/dev/null
    cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target kiveron-check
) >&2

# A prefix of its own: the test suite's and the sample's are left alone.
export WINEPREFIX="$build/check-wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
xvfb_pid=""

cleanup() {
    local rc=$?
    if [ -n "$xvfb_pid" ]; then
        wineserver -k >/dev/null 2>&1 || true
        kill "$xvfb_pid" >/dev/null 2>&1 || true
    fi
    exit "$rc"
}
trap cleanup EXIT

# The previews paint the real dialog: they need a display, and get one of
# their own when there is none.
if [ -z "${DISPLAY:-}" ] && [[ " $* " == *" --preview "* ]]; then
    source "$root/tools/xvfb.sh"
    start_xvfb 1024x768
fi

bash "$root/tools/wine-prefix.sh" >&2
# pipefail (set above) keeps the checker's exit status through the filter.
/usr/lib/wine/wine64 "$build/kiveron-check.exe" "$@" | tr -d '\r'
