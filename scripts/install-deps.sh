#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running need, and nothing when
# they are all present already. Usage: install-deps.sh test|run
set -euo pipefail

build=(g++ cmake ninja-build pkg-config dpkg-dev googletest libgtest-dev libgmock-dev libbenchmark-dev)
check=(qpdf poppler-utils poppler-data fonts-ipafont fonts-ipafont-gothic fonts-ipafont-mincho
       libwmf-bin fonts-urw-base35 libxml2-utils imagemagick libmagickcore-6.q16-6-extra)
gui=(qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n qt6-svg-dev libgl-dev)

case "${1:-test}" in
  test) wanted=("${build[@]}" "${check[@]}" "${gui[@]}") ;;
  run) wanted=("${build[@]}" "${check[@]}" "${gui[@]}") ;;
  *) echo "usage: $0 test|run" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
