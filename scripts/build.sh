#!/usr/bin/env bash
# Configures and builds Vellorin: scripts/build.sh [BuildType], into build/ (or build-<BuildType>/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
type="${1:-}"
dir="$root/build${type:+-$type}"
cmake -S "$root" -B "$dir" -G Ninja ${type:+-DCMAKE_BUILD_TYPE=$type} >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
