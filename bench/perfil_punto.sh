#!/usr/bin/env bash
# Where the instructions of one geodetic point go: runs perfil_punto under
# callgrind, both ways (the operations that take angle texts, and a record as
# rumbal-lote computes it) and prints a Markdown table of instructions per point
# by part of the work.
#
#   bash bench/perfil_punto.sh [PERFIL_PUNTO] [POINTS]
#
# PERFIL_PUNTO defaults to build/normal/bin/perfil_punto (built here if
# missing). Each function's own instructions count for its part; a library
# function that belongs to no part (copying, searching, allocating) counts for
# the part of the function that called it.
set -euo pipefail
cd "$(dirname "$0")/.."
programa=${1:-build/normal/bin/perfil_punto}
puntos=${2:-20000}
if [[ ! -x $programa ]]; then
  cmake -S . -B build/normal -G Ninja >/dev/null
  cmake --build build/normal --target perfil_punto >/dev/null
fi
command -v valgrind >/dev/null || { echo "hace falta valgrind (apt-get install valgrind)" >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

for forma in textos leido; do
  valgrind --tool=callgrind --callgrind-out-file="$dir/$forma.out" "$programa" "$puntos" "$forma" >/dev/null 2>&1
done

# Reads a callgrind file: each function's own cost and the inclusive cost of
# each call it makes; names are compressed as "(id) name" on first use.
awk -v n="$puntos" '
  function nombre(t,   id) {
    if (match(t, /^\([0-9]+\)/)) { id = substr(t, 2, RLENGTH - 2); t = substr(t, RLENGTH + 2); if (t != "") nom[id] = t; return nom[id] }
    return t
  }
  function parte(f) {
    if (f ~ /banco::punto/) return "registro"
    if (f ~ /gmsagra|texarad|leenumero|valorde|largonumero/) return "lectura"
    if (f ~ /gratex|radatex/) return "angulos"
    if (f ~ /escribetextonumero|textonumero|agregatexto|digitos|quince|to_chars|from_chars/) return "numeros"
    if (f ~ /redondea|decimalesentero|nearbyint/) return "redondeo"
    if (f ~ /^(__)?(sin|cos|tan|sincos|sqrt)(_fma|_avx|_sse2|_fma4)?$/) return "trigonometria"
    if (f ~ /geoacar|geoapla|coefalt|arcome|serie|calw|caln|calm|calr|radio|origen/) return "formulas"
    if (f ~ /grabapunto|grabalinea|grabacampo|escribecampo|largomaximo/) return "escritura"
    return ""
  }
  FNR == 1 { forma = FILENAME; sub(/.*\//, "", forma); sub(/\.out$/, "", forma); formas[++nf] = forma }
  /^fn=/ { fn = nombre(substr($0, 4)); llamada = 0; next }
  /^cfn=/ { cfn = nombre(substr($0, 5)); next }
  /^calls=/ { llamada = 1; next }
  /^([0-9]|\+|-|\*)/ {
    costo = NF > 1 ? $2 : 0
    p = parte(fn)
    if (llamada) { if (p != "" && parte(cfn) == "") suma[forma, p] += costo; llamada = 0 }
    else if (p != "") suma[forma, p] += costo
  }
  END {
    split("lectura angulos trigonometria formulas redondeo numeros escritura registro", orden, " ")
    texto["lectura"] = "reading angle texts (gmsagra)"
    texto["angulos"] = "angle texts (gratex)"
    texto["trigonometria"] = "sin, cos, tan, sqrt"
    texto["formulas"] = "the series and formulas"
    texto["redondeo"] = "rounding to decimals (redondea)"
    texto["numeros"] = "number texts"
    texto["escritura"] = "writing the line"
    texto["registro"] = "building the record, copies, memory"
    for (f = 1; f <= nf; f++) { total[formas[f]] = 0; for (i = 1; i <= 8; i++) total[formas[f]] += suma[formas[f], orden[i]] }
    printf "| part | texts read by each operation | share | each text read once | share |\n|---|---|---|---|---|\n"
    for (i = 1; i <= 8; i++) {
      printf "| %s", texto[orden[i]]
      for (f = 1; f <= nf; f++) printf " | %.0f | %.0f%%", suma[formas[f], orden[i]] / n, 100 * suma[formas[f], orden[i]] / total[formas[f]]
      printf " |\n"
    }
    printf "| whole point | %.0f | 100%% | %.0f | 100%% |\n", total["textos"] / n, total["leido"] / n
  }' "$dir/textos.out" "$dir/leido.out"
