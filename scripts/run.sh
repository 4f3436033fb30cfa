#!/usr/bin/env bash
# Installs what is missing, builds, and starts the viewer on its bundled
# default skin.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
exec "$root/build/bin/skinview" "$@"
