#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTW_BUILD_BENCH=OFF >/dev/null
cmake --build build/release --target tollywinder
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built build/release/bin/tollywinder, but there is no display to show it on (DISPLAY is not set)." >&2
  exit 1
fi
exec build/release/bin/tollywinder
