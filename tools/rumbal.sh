#!/usr/bin/env bash
# Installs what is missing, builds Rumbal and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependencias.sh
cmake -S . -B build/normal -G Ninja >/dev/null
cmake --build build/normal
if [[ -z ${DISPLAY:-}${WAYLAND_DISPLAY:-} ]]; then
  echo "No hay pantalla (DISPLAY): para verlo sin escritorio, xvfb-run -a build/normal/bin/rumbal" >&2
fi
exec build/normal/bin/rumbal "$@"
