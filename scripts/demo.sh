#!/usr/bin/env bash
# Builds everything, prepares a demo integrator folder under demo/ (kept between runs) and
# starts the Kovaris window, from which the module's programs are launched.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/bootstrap.sh"

export KOVA_WINDIR="$top/demo/windir"
mkdir -p "$KOVA_WINDIR"
"$top/build/bin/kovaris" init "$top/demo/kova"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display server: starting the window on a virtual display (xvfb-run)."
    exec xvfb-run -a "$top/build/bin/kovaris"
fi
exec "$top/build/bin/kovaris"
