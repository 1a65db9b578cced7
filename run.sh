#!/usr/bin/env bash
# Installs what is missing, builds Vellorin and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" --target vellorin # the application alone; ./test.sh builds the rest
exec "$root/build/src/vellorin" "$@"
