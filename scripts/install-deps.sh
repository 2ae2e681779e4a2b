#!/bin/sh
# Installs what a fresh Debian 12 machine lacks for building and testing.
# Quiet and quick when everything is already there.
set -eu

packages="
cmake ninja-build make g++ clang libclang-rt-14-dev googletest
mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
wine wine64 xvfb xauth x11-utils imagemagick
fonts-ipafont-gothic fonts-ipafont-mincho
python3 python3-ezdxf liblnk-utils
"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq $missing >/dev/null
