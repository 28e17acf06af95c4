#!/usr/bin/env bash
# Throughput of rumbal-lote on 1,000,000 points in the zone 5 area, side by side
# with PROJ's cs2cs (the same Transverse Mercator projection) and cct (the same
# seven-parameter transformation), in one run on this machine.
#
#   bash bench/lote.sh [POINTS]
#
# Prints a Markdown table: seconds, points per second, peak memory, ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependencias.sh proj-bin time gawk >/dev/null
cmake -S . -B build/normal -G Ninja >/dev/null
cmake --build build/normal >/dev/null

puntos=${1:-1000000}
lote=build/normal/bin/rumbal-lote
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Geodetic data: decimal degrees between -30 and -40 latitude, -61.5 and -58.5
# longitude, heights 0 to 500 m.
awk -v n="$puntos" 'BEGIN { srand(1); for (i = 1; i <= n; i++)
  printf "%d,\"Esquina\",%.8f,%.8f,%.3f\r\n", i, -30 - rand() * 10, -61.5 + rand() * 3, rand() * 500 }' >"$dir/geo.txt"
awk -F, '{ printf "%s %s %s\n", $4, $3, $5 }' "$dir/geo.txt" >"$dir/cs2cs.txt"

# Three runs of a command (results appended to fresh files): the best time in
# seconds and the largest peak resident memory in KB.
mide() {  # name, then the command
  local nombre=$1; shift
  local mejor="" pico=0 s kb
  for _ in 1 2 3; do
    rm -f "$dir"/r?.txt "$dir"/c?.txt
    /usr/bin/time -f "%e %M" -o "$dir/tiempo" "$@" 2>/dev/null >/dev/null || true
    read -r s kb <"$dir/tiempo"
    if [[ -z $mejor ]] || awk -v a="$s" -v b="$mejor" 'BEGIN { exit !(a < b) }'; then mejor=$s; fi
    ((kb > pico)) && pico=$kb
  done
  echo "$nombre $mejor $pico" >>"$dir/medidas"
}

$lote procesar --datos geo --elipsoide "WGS 84" --rep "Faja 5" "$dir/geo.txt" "$dir/completo.txt" 2>/dev/null
$lote columnas --columnas 1,2,6,7,8 "$dir/completo.txt" "$dir/car.txt" 2>/dev/null
$lote columnas --columnas 1,2,9,10 "$dir/completo.txt" "$dir/pla.txt" 2>/dev/null
awk -F, '{ printf "%s %s %s\n", $3, $4, $5 }' "$dir/car.txt" >"$dir/cct.txt"
: >"$dir/medidas"

mide "procesar --datos geo" $lote procesar --datos geo --elipsoide "WGS 84" --rep "Faja 5" "$dir/geo.txt" "$dir/r1.txt"
mide "procesar --datos car" $lote procesar --datos car --elipsoide "WGS 84" --rep "Faja 5" "$dir/car.txt" "$dir/r2.txt"
mide "procesar --datos pla" $lote procesar --datos pla --elipsoide "WGS 84" --rep "Faja 5" "$dir/pla.txt" "$dir/r3.txt"
# The transformation is measured with the DHDN pair of the tests (seven
# parameters, the same as cct's below), not the shipped translations-only pair.
mkdir -p "$dir/catalogos"
cp build/normal/bin/{elipsoide,parametros,atributos,varios}.txt "$dir/catalogos/"
cp tests/datos/marref.txt "$dir/catalogos/"
mide "transformar" $lote --carpeta "$dir/catalogos" transformar --marco DHDN "$dir/car.txt" "$dir/r4.txt"
mide "columnas" $lote columnas --columnas 1,10,9 "$dir/completo.txt" "$dir/r5.txt"
mide "cs2cs (proyección)" sh -c "cs2cs +proj=longlat +ellps=WGS84 +to +proj=tmerc +lat_0=-90 +lon_0=-60 +k=1 +x_0=5500000 +y_0=0 +ellps=WGS84 <'$dir/cs2cs.txt' >'$dir/c1.txt'"
mide "cct (7 parámetros)" sh -c "cct +proj=helmert +x=598.1 +y=73.7 +z=418.2 +rx=-0.202 +ry=-0.045 +rz=2.455 +s=6.7 +convention=coordinate_frame <'$dir/cct.txt' >'$dir/c2.txt'"

awk -v n="$puntos" '
  { nombre = $1; for (i = 2; i < NF - 1; i++) nombre = nombre " " $i; s[NR] = $(NF - 1); kb[NR] = $NF; nom[NR] = nombre
    if (nombre ~ /^cs2cs/) cs = $(NF - 1); if (nombre ~ /^cct/) cc = $(NF - 1) }
  END {
    printf "| %s | s | puntos/s | memoria máx. | relación |\n|---|---|---|---|---|\n", n " puntos"
    for (i = 1; i <= NR; i++) {
      ref = (nom[i] ~ /^transformar/) ? cc : cs; quien = (nom[i] ~ /^transformar/) ? "cct" : "cs2cs"
      rel = (nom[i] ~ /^(cs2cs|cct)/) ? "referencia" : sprintf("%.2f × %s", ref / s[i], quien)
      printf "| %s | %.2f | %.0f | %.1f MB | %s |\n", nom[i], s[i], n / s[i], kb[i] / 1024, rel
    }
  }' "$dir/medidas"
