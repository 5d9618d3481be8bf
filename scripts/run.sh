#!/usr/bin/env bash
# Installs what is missing, builds, and starts ZoControl on the simulated
# microscope. Extra arguments go to the program (after /SIM).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target ZoControl

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting ZoControl on a virtual X display (xvfb-run)."
  exec xvfb-run -a build/bin/ZoControl /SIM "$@"
fi
exec build/bin/ZoControl /SIM "$@"
