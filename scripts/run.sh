#!/usr/bin/env bash
# Installs what is missing, builds Zorvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/ensure-packages.sh build

cmake --preset release
cmake --build --preset release -j "$(nproc)"
exec ./build/release/zorvel "$@"
