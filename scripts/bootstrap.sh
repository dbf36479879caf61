#!/usr/bin/env bash
# Installs what the build needs (Debian packages) when it is missing, then configures and builds.
# Safe to run again: nothing is installed twice and the build is incremental.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake g++ make pkg-config ccache qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
          libqt6sql6-psql libgl-dev libxcb1-dev xvfb xauth fonts-dejavu-core fonts-liberation
          poppler-utils xdg-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" -j"$jobs"
