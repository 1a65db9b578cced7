#!/usr/bin/env bash
# Installs what is missing, builds Vellorin and runs every test, headless.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"
# A short fuzzing run of every reader of outside data (5 s each), on the separate sanitizer build.
"$root/scripts/fuzz.sh" 5
