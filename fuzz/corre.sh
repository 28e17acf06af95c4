#!/usr/bin/env bash
# Runs one fuzz target for a number of seconds on its seeds and dictionary.
#
#   bash fuzz/corre.sh build/fuzz/bin/fuzz_NOMBRE SEGUNDOS [libFuzzer options]
#
# The corpus grows in a fresh copy of fuzz/semillas/NOMBRE in a temporary
# folder, removed afterwards, so the repository stays as it is; with
# RUMBAL_FUZZ_CORPUS=folder it grows there instead and is kept (the seeds are
# copied in first). A crash, a sanitizer report, a broken property, a hang of
# 10 s or 2 GB of memory ends the run with a failure, and the input is kept as
# hallazgos/NOMBRE-... beside the program.
#
# The run starts from a fixed seed of libFuzzer's own random choices (1, or
# RUMBAL_FUZZ_SEMILLA), so a failure of a test run comes back on the same
# machine, and the inputs of fuzz/hallazgos for this target (NOMBRE-...) are
# replayed among the seeds. Exploring runs by hand pass another seed.
set -euo pipefail
programa=$1
segundos=$2
shift 2
nombre=$(basename "$programa")
nombre=${nombre#fuzz_}
fuente=$(cd "$(dirname "$0")" && pwd)
hallazgos=$(cd "$(dirname "$programa")" && pwd)/hallazgos
mkdir -p "$hallazgos"

# A scratch folder for the run and whatever the target writes (TMPDIR), in
# memory where there is a tmpfs: the catalogue target flushes files to the
# disk at every input.
base=${TMPDIR:-/tmp}
[[ -d /dev/shm && -w /dev/shm ]] && base=/dev/shm
trabajo=$(mktemp -d -p "$base" rumbal-fuzz-XXXXXX)
trap 'rm -rf "$trabajo"' EXIT
export TMPDIR=$trabajo
if [[ -n ${RUMBAL_FUZZ_CORPUS:-} ]]; then
  corpus=$RUMBAL_FUZZ_CORPUS
else
  corpus=$trabajo/corpus
fi
mkdir -p "$corpus"
cp "$fuente/semillas/$nombre"/* "$corpus/"
for hallazgo in "$fuente/hallazgos/$nombre"-*; do
  [[ -f $hallazgo ]] && cp "$hallazgo" "$corpus/"
done

opciones=(-max_total_time="$segundos" -seed="${RUMBAL_FUZZ_SEMILLA:-1}" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1
          -artifact_prefix="$hallazgos/$nombre-")
[[ -f $fuente/$nombre.dict ]] && opciones+=(-dict="$fuente/$nombre.dict")
"$programa" "${opciones[@]}" "$@" "$corpus"
echo "corpus: $(find "$corpus" -type f | wc -l) entradas, $(cat "$corpus"/* | wc -c) bytes"
