#!/usr/bin/env bash
# Installs what building and testing Kiveron needs on Debian or Ubuntu when
# run as root; quiet when everything is there. Elsewhere it lists what to
# install and stops. Never enables i386 or installs wine32: the machines we
# test on cannot run 32-bit code, and the tests use 64-bit Wine only.
set -euo pipefail

packages=(cmake python3
          g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32
          g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32
          wine wine64 xvfb googletest xauth x11-apps locales)

missing=()
if command -v dpkg-query >/dev/null 2>&1; then
    for p in "${packages[@]}"; do
        status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
        [[ "$status" == *"install ok installed"* ]] || missing+=("$p")
    done
else
    missing=("${packages[@]}")
fi
# The tests of the ANSI path show a Russian menu, and a German one saved in
# code page 1252: Wine takes the user's language and code page from the Unix
# locale, which must exist.
test_locales=(ru_RU de_DE)

has_locale() { locale -a 2>/dev/null | grep -qi "^$1\.utf-\?8\$"; }

generate_test_locales() {
    local wanted=() name
    for name in "${test_locales[@]}"; do
        has_locale "$name" || wanted+=("$name")
    done
    [ ${#wanted[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ] && [ -f /etc/locale.gen ] && command -v locale-gen >/dev/null 2>&1; then
        for name in "${wanted[@]}"; do
            sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
            grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" >> /etc/locale.gen
        done
        locale-gen >/dev/null
        return 0
    fi
    echo "setup: the locales ${wanted[*]/%/.UTF-8} are missing; generate them (locale-gen) for the ANSI-path tests" >&2
    return 1
}

if [ ${#missing[@]} -eq 0 ]; then
    generate_test_locales
    exit $?
fi

if command -v apt-get >/dev/null 2>&1 && [ "$(id -u)" -eq 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null
    apt-get install -y -qq "${missing[@]}" >/dev/null
    generate_test_locales
    exit $?
fi

cat >&2 <<TXT
setup: these are missing and this script installs them only on Debian or
Ubuntu as root (apt-get):
  ${missing[*]}
Install them, or the equivalents of your system:
  - cmake (3.21 or later) and python3
  - the MinGW-w64 cross compilers for i686 and x86_64, win32 and posix threads
  - 64-bit Wine (wine64; 32-bit Wine is not needed)
  - Xvfb (the X virtual framebuffer) and xwd (x11-apps)
  - the locales ru_RU.UTF-8 and de_DE.UTF-8
  - the GoogleTest sources in /usr/src/googletest
TXT
exit 1
