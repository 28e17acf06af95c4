#!/usr/bin/env bash
# Throughput of rumbal-lote on 1,000,000 points in the zone 5 area, measured in
# pairs against PROJ's cs2cs (the same Transverse Mercator projection, writing
# to a file) and cct -o (the same seven-parameter transformation, buffered
# output to a file); copying commands against cat of the same file.
#
#   bash bench/lote.sh [POINTS] [PAIRS]
#
# Each rumbal-lote command alternates with its reference (A B A B ...), and
# the ratio is taken pair by pair, so a machine whose speed drifts during the
# run drifts for both. The table gives the median time of each and the
# median, lowest and highest of the per-pair ratios (reference time over
# rumbal-lote time: above 1, rumbal-lote is faster), then the same with both
# pinned to one core.
set -euo pipefail
# Decimal points in every number printed and read, whatever the locale.
export LC_ALL=C
cd "$(dirname "$0")/.."
tools/dependencias.sh proj-bin gawk util-linux >/dev/null
cmake -S . -B build/normal -G Ninja >/dev/null
cmake --build build/normal >/dev/null

puntos=${1:-1000000}
pares=${2:-5}
# RUMBAL_LOTE names another build of the tool (an earlier one, to compare).
lote=$(realpath "${RUMBAL_LOTE:-build/normal/bin/rumbal-lote}")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"

# Geodetic data: decimal degrees between -30 and -40 latitude, -61.5 and -58.5
# longitude, heights 0 to 500 m.
awk -v n="$puntos" 'BEGIN { srand(1); for (i = 1; i <= n; i++)
  printf "%d,\"Esquina\",%.8f,%.8f,%.3f\r\n", i, -30 - rand() * 10, -61.5 + rand() * 3, rand() * 500 }' >geo.txt
awk -F, '{ printf "%s %s %s\n", $4, $3, $5 }' geo.txt >cs2cs.txt
"$lote" procesar --datos geo --elipsoide "WGS 84" --rep "Faja 5" geo.txt completo.txt 2>/dev/null
"$lote" columnas --columnas 1,2,6,7,8 completo.txt car.txt 2>/dev/null
awk -F, '{ printf "%s %s %s\n", $3, $4, $5 }' car.txt >cct.txt
# The transformation uses the DHDN pair of the tests: seven parameters, the
# same as cct's below.
mkdir catalogos
cp "$(dirname "$lote")"/{elipsoide,parametros,atributos,varios}.txt catalogos/
cp "$OLDPWD/tests/datos/marref.txt" catalogos/

# Seconds of one run of a command, its output removed and the files written
# before it on disk first (so that writing them back does not fall on the
# run), to the microsecond: cat copies the results in a few hundredths.
segundos() {
  rm -f salida.txt
  sync -f . 2>/dev/null || sync
  local inicio=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || true
  local fin=$EPOCHREALTIME
  awk -v a="$inicio" -v b="$fin" 'BEGIN { printf "%.4f\n", b - a }'
}

# name, reference name, then the two commands as strings (run by sh -c).
par() {
  local nombre=$1 referencia=$2 a=$3 b=$4 ta tb
  : >pares.txt
  for _ in $(seq "$pares"); do
    ta=$(segundos sh -c "$a")
    tb=$(segundos sh -c "$b")
    echo "$ta $tb" >>pares.txt
  done
  awk -v n="$nombre" -v r="$referencia" '
    { a[NR] = $1; b[NR] = $2; q[NR] = $2 / $1 }
    END {
      asort(a); asort(b); asort(q); m = int((NR + 1) / 2)
      printf "| %s | %.3f s | %s %.3f s | %.2f | %.2f to %.2f |\n", n, a[m], r, b[m], q[m], q[1], q[NR] }' pares.txt
}

procesar="'$lote' procesar --datos geo --elipsoide 'WGS 84' --rep 'Faja 5' geo.txt salida.txt"
cs2cs="cs2cs +proj=longlat +ellps=WGS84 +to +proj=tmerc +lat_0=-90 +lon_0=-60 +k=1 +x_0=5500000 +y_0=0 +ellps=WGS84 <cs2cs.txt >salida.txt"
transformar="'$lote' --carpeta catalogos transformar --marco DHDN car.txt salida.txt"
cct="cct -o salida.txt +proj=helmert +x=598.1 +y=73.7 +z=418.2 +rx=-0.202 +ry=-0.045 +rz=2.455 +s=6.7 +convention=coordinate_frame cct.txt"
columnas="'$lote' columnas --columnas 1,10,9 completo.txt salida.txt"
atributo="'$lote' --carpeta catalogos atributo --atributo Esquina completo.txt salida.txt"
cat="cat completo.txt >salida.txt"
uno="taskset -c 0"

echo "| $puntos puntos, $pares pares | rumbal-lote (mediana) | referencia (mediana) | relación (mediana) | relación (mín. a máx.) |"
echo "|---|---|---|---|---|"
par "procesar --datos geo" "cs2cs" "$procesar" "$cs2cs"
par "procesar --datos geo, un núcleo" "cs2cs" "$uno $procesar" "$uno $cs2cs"
par "transformar" "cct -o" "$transformar" "$cct"
par "transformar, un núcleo" "cct -o" "$uno $transformar" "$uno $cct"
par "columnas 1,10,9" "cat" "$columnas" "$cat"
par "atributo Esquina" "cat" "$atributo" "$cat"
