#!/usr/bin/env bash
# Builds the project, then runs "kelvo-report manager": opens the report
# manager as a host application would, on the demo catalogue (built under
# ~/.local/share/kelvo-report/demo when missing), and runs until the manager
# is closed. Arguments are passed on (e.g. --view 3, --user 5, or
# --connection STR for another catalogue).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/build.sh
BUILD_DIR="${BUILD_DIR:-build}"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "run: the report manager is a window and no display is set (DISPLAY is empty)." >&2
  echo "run: on a machine without a screen, run it on a virtual one: xvfb-run -a bash scripts/run.sh" >&2
  exit 2
fi
exec "$BUILD_DIR/src/app/kelvo-report" manager "$@"
