#!/usr/bin/env bash
# Installs what is missing, builds Vellorin and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "$root/build/src/vellorin" "$@"
