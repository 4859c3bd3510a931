#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its start-up design. Without a
# display it runs the batch tool on the start-up design instead and leaves the output in out/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec build/app/vestaro "$@"
fi

echo "No display: running the batch tool on the start-up design instead (output in out/)."
mkdir -p out
build/cli/vestaro-batch new out/start-up.dat
build/cli/vestaro-batch calc out/start-up.dat --out out
