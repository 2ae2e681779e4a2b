#!/bin/sh
# Installs what a fresh Debian 12 machine lacks for building and testing.
# Quiet and quick when everything is already there.
set -eu

packages="
cmake ninja-build make g++ clang libclang-rt-14-dev googletest
mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
wine wine64 xvfb xauth x11-utils imagemagick
fonts-ipafont-gothic fonts-ipafont-mincho
python3 liblnk-utils locales
"

# Wine maps Japanese file names to the Linux file system through the
# ja_JP.UTF-8 locale; without it they cannot be created.
japanese_locale() {
    locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'
}

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && japanese_locale && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    $sudo apt-get install -y -qq $missing >/dev/null
fi
if ! japanese_locale; then
    echo "Generating the ja_JP.UTF-8 locale"
    $sudo sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
