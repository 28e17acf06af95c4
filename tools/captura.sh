#!/usr/bin/env bash
# Takes docs/ventana-principal.png: the main window after a conversion, on a
# virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependencias.sh xvfb xauth fonts-dejavu-core >/dev/null
cmake -S . -B build/normal -G Ninja >/dev/null
cmake --build build/normal --target rumbal-captura >/dev/null
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" build/normal/bin/rumbal-captura docs/ventana-principal.png
echo "docs/ventana-principal.png"
