#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything (library,
# program, tests, benchmarks) in $BUILD_DIR (default: build).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
cmake --build "$BUILD_DIR"
