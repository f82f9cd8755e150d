#!/usr/bin/env bash
# Installs what is missing, builds Zorvel with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/ensure-packages.sh test

jobs=$(nproc)

cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"
