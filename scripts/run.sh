#!/usr/bin/env bash
# Builds the project, then runs "kelvo-report demo": builds the demo
# catalogue and prints its connection string and a summary. Arguments are
# passed on (e.g. a folder, or --large).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/build.sh
BUILD_DIR="${BUILD_DIR:-build}"
exec "$BUILD_DIR/src/app/kelvo-report" demo "$@"
