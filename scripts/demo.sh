#!/usr/bin/env bash
# Builds everything, prepares a demo integrator folder under demo/ (kept between runs) and
# starts the Kovaris window, from which the module's programs are launched.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/bootstrap.sh"

export KOVA_WINDIR="$top/demo/windir"
mkdir -p "$KOVA_WINDIR"
"$top/build/bin/kovaris" init "$top/demo/kova"
# Install (or update) the module's tables and parameters, as the integrator does after an install.
DISPLAY= WAYLAND_DISPLAY= "$top/build/bin/declsetup" && echo "Módulo 0947 instalado."

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display server: starting the window on a virtual display (xvfb-run)."
    exec xvfb-run -a "$top/build/bin/kovaris"
fi
exec "$top/build/bin/kovaris"
