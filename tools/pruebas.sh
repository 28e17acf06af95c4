#!/usr/bin/env bash
# Builds Rumbal twice, normally and with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite on each build;
# then builds the core's fuzz targets with clang and runs each briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
# Xvfb, a window manager and xdotool drive the real program in one test;
# pdftotext reads the user guide the build prints; the validators of the
# desktop entry and the software centre's description, and man, check the
# installed files; clang and its runtimes (libFuzzer and the sanitizers) build
# the fuzz targets.
tools/dependencias.sh xvfb xauth openbox xdotool x11-utils fonts-dejavu-core poppler-utils \
  desktop-file-utils appstream man-db clang-14 libclang-rt-14-dev
export CTEST_OUTPUT_ON_FAILURE=1

cmake -S . -B build/normal -G Ninja -DRUMBAL_WERROR=ON >/dev/null
cmake --build build/normal
ctest --test-dir build/normal -j2

cmake -S . -B build/sanitizadores -G Ninja -DRUMBAL_WERROR=ON -DRUMBAL_SANITIZE=ON -DRUMBAL_BENCH=OFF >/dev/null
cmake --build build/sanitizadores
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitizadores -j2

# The fuzz targets (fuzz/), each run for 15 s on a copy of its seeds: a crash,
# a sanitizer report or a broken property fails, its input kept in
# build/fuzz/bin/hallazgos.
CC=clang-14 CXX=clang++-14 cmake -S . -B build/fuzz -G Ninja -DRUMBAL_FUZZ=ON -DRUMBAL_WERROR=ON >/dev/null
cmake --build build/fuzz
ctest --test-dir build/fuzz -j2
