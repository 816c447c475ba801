#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need. Does nothing
# when they are all present; uses sudo unless run as root.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev libqt6sql6-odbc libqt6sql6-sqlite
  libsqlite3-dev libgtest-dev libgmock-dev libxlsxwriter-dev zlib1g-dev pkg-config
  unixodbc unixodbc-dev odbcinst libsqliteodbc tdsodbc
  xvfb xauth fonts-farsiweb fonts-dejavu-core libgl-dev sqlite3 unzip poppler-utils
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1; then
  SUDO=(sudo)
else
  echo "setup: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
"${SUDO[@]}" apt-get update
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${PACKAGES[@]}"
