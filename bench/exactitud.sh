#!/usr/bin/env bash
# Prints the accuracy table of the program's Transverse Mercator against
# GeographicLib's exact one. Installs GeographicLib for this benchmark only.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependencias.sh libgeographiclib-dev >/dev/null
cmake -S . -B build/normal -G Ninja >/dev/null
cmake --build build/normal --target bench_exactitud >/dev/null
build/normal/bin/bench_exactitud
