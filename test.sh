#!/usr/bin/env bash
# Installs what is missing, builds Vellorin and runs every test, headless.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"
