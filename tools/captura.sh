#!/usr/bin/env bash
# Takes the README's pictures of the windows (docs/*.png), each with real data
# in it, on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependencias.sh xvfb xauth fonts-dejavu-core >/dev/null
cmake -S . -B build/normal -G Ninja >/dev/null
cmake --build build/normal --target rumbal-captura >/dev/null
mkdir -p docs
# A Spanish-speaking desktop: the file dialog's dates and file types in Spanish.
LANG=es_AR.UTF-8 xvfb-run -a -s "-screen 0 1280x800x24" build/normal/bin/rumbal-captura docs
ls docs/*.png
