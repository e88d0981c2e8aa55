#!/usr/bin/env bash
# Installs what is missing, builds, and runs lineer on a bundled example:
# the window when a display exists, the command line otherwise.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
cd "$root/examples"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$root/build/lineer"
else
  exec "$root/build/lineer" --method gauss uc-denklem.txt
fi
