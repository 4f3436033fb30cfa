#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. GUI tests start
# their own Xvfb servers; nothing else is needed on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)" "$@"
