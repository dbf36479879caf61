#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/bootstrap.sh"
cd "$top/build"
ctest --output-on-failure -j2 "$@"
