#!/usr/bin/env bash
# Lines of C++ in the project (non-blank lines of .cpp and .hpp files): the
# program, its tests, the benchmarks and the tools, and the share of tests.
#
#   bash tools/lineas.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cuenta() { find "$@" \( -name '*.cpp' -o -name '*.hpp' \) -print0 2>/dev/null | xargs -0 -r cat | grep -cv '^\s*$' || true; }
src=$(cuenta src)
pruebas=$(cuenta tests)
otros=$(cuenta bench tools fuzz)
total=$((src + pruebas + otros))
printf '%-34s %6d\n' "src/" "$src" "tests/" "$pruebas" "bench/, tools/, fuzz/" "$otros" "total" "$total"
awk -v p="$pruebas" -v t="$total" 'BEGIN { printf "tests / total                      %5.1f %%\n", 100 * p / t }'
