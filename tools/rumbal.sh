#!/usr/bin/env bash
# Installs what is missing, builds Rumbal and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependencias.sh
cmake -S . -B build/normal -G Ninja >/dev/null
cmake --build build/normal
if [[ -x build/normal/bin/rumbal ]]; then
  exec build/normal/bin/rumbal "$@"
fi
echo "Rumbal está construido en build/normal/bin: la ventana principal todavía no forma parte de esta versión."
echo "Las pruebas del cálculo se corren con: bash tools/pruebas.sh"
