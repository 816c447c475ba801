#!/usr/bin/env bash
# Builds the project, then runs every test with CTest.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/build.sh
BUILD_DIR="${BUILD_DIR:-build}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
ctest --test-dir "$BUILD_DIR" --output-on-failure --no-tests=error --timeout 600 -j "$(nproc)"
