#!/usr/bin/env bash
# Builds the Debian package from a finished build directory and checks it: the files it holds,
# the packages it depends on, and that its batch tool runs from an unpacked copy.
# Usage: check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vestaro_*-1_*.deb)
contents=$(dpkg --contents "$deb")
for file in ./usr/bin/vestaro ./usr/bin/vestaro-batch ./usr/share/applications/vestaro.desktop \
            ./usr/share/icons/hicolor/scalable/apps/vestaro.svg; do
  grep -qF " $file" <<<"$contents" || { echo "$deb lacks $file" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in fonts-ipafont libqt6widgets6 libqt6svg6; do
  grep -q "$package" <<<"$depends" || { echo "$deb does not depend on $package" >&2; exit 1; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
(cd "$root" && ./usr/bin/vestaro-batch new start.dat 2>/dev/null &&
  ./usr/bin/vestaro-batch calc start.dat --check 2>/dev/null && test -s 調節池検証.txt) ||
  { echo "the packaged vestaro-batch does not run" >&2; exit 1; }
echo "$deb: contents, dependencies and the batch tool checked"
