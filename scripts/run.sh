#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its built-in start-up design.
# Until the windows exist this runs the batch tool: it writes the start-up design to
# out/start-up.dat and, where the batch tool can already calculate, the reports of that design.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

mkdir -p out
build/cli/vestaro-batch new out/start-up.dat
echo "The start-up design is in out/start-up.dat."
