#!/usr/bin/env bash
# Configures and builds Tessera into the given folder with the given build type.
# Usage: scripts/build.sh BUILD_DIR BUILD_TYPE [extra cmake options...]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; type="$2"; shift 2
cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
cmake --build "$dir"
