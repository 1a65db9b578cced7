#!/usr/bin/env bash
# Configures and builds Vellorin: scripts/build.sh [BuildType] [--target NAME]..., into build/ (or
# build-<BuildType>/). Without a target it builds everything: the application, the tests and the benchmarks.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
type=""
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --target) targets+=(--target "$2"); shift 2 ;;
    *) type="$1"; shift ;;
  esac
done
dir="$root/build${type:+-$type}"
cmake -S "$root" -B "$dir" -G Ninja ${type:+-DCMAKE_BUILD_TYPE=$type} >/dev/null
cmake --build "$dir" --parallel "$(nproc)" ${targets[@]+"${targets[@]}"}
