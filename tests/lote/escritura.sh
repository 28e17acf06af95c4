#!/usr/bin/env bash
# rumbal-lote against the system's own files: a full device, a file size
# limit that makes a write fail midway, standard output through a pipe, its
# own results given back as input, endless input; and a good file of 1,000
# points, whose outputs must stay byte for byte what they have always been.
#
#   tests/lote/escritura.sh RUMBAL-LOTE MARREF-DE-PRUEBA
set -u
lote=$(realpath "$1")
marref=$(realpath "$2")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fallas=0
bien() { echo "ok    $1"; }
mal() { echo "FALLA $1"; fallas=$((fallas + 1)); }
espera() {  # description, then a condition as a command
  local que=$1; shift
  if "$@"; then bien "$que"; else mal "$que"; fi
}

# Points in the zone 5 area from a Park-Miller sequence (exact in any awk's
# doubles, so every machine makes the same file).
puntos() {  # count
  awk -v n="$1" 'function azar() { x = (x * 16807) % 2147483647; return x / 2147483647 }
    BEGIN { x = 5; for (i = 1; i <= n; i++)
      printf "%d,\"Esquina\",%.8f,%.8f,%.3f\r\n", i, -30 - azar() * 10, -61.5 + azar() * 3, azar() * 500 }'
}
puntos 1000 >geo.txt
puntos 20000 >grande.txt
procesar=(procesar --datos geo --elipsoide "WGS 84" --rep "Faja 5")

# The same bytes as ever for good input: every command on 1,000 points (the
# sum is of the outputs of the program before its input was checked).
mkdir catalogos && cp "$(dirname "$lote")"/{elipsoide,parametros,atributos,varios}.txt catalogos/ && cp "$marref" catalogos/
"$lote" "${procesar[@]}" geo.txt c.txt 2>/dev/null
"$lote" columnas --columnas 1,2,6,7,8 c.txt car.txt 2>/dev/null
"$lote" columnas --columnas 1,2,9,10 c.txt pla.txt 2>/dev/null
"$lote" procesar --datos car --elipsoide "WGS 84" --rep "Faja 5" car.txt r2.txt 2>/dev/null
"$lote" procesar --datos pla --elipsoide "WGS 84" --rep "Faja 5" pla.txt r3.txt 2>/dev/null
"$lote" --carpeta catalogos transformar --marco DHDN car.txt t.txt 2>/dev/null
"$lote" atributo --atributo Esquina c.txt a.txt 2>/dev/null
suma=$(cat c.txt car.txt pla.txt r2.txt r3.txt t.txt a.txt | sha256sum | cut -d' ' -f1)
espera "1.000 puntos: los mismos bytes de siempre ($suma)" \
  test "$suma" = "9d1f18490db619f3b430dac28a160f51288720c4226f75f44154a09040c2f7c6"

# Standard output on a full device: the write error ends the run at once.
timeout 10 "$lote" "${procesar[@]}" grande.txt - >/dev/full 2>err.txt
estado=$?
espera "salida estándar en /dev/full: estado 1 ($estado)" test $estado -eq 1
espera "salida estándar en /dev/full: dice por qué" grep -q "No se puede escribir el archivo de resultados" err.txt

# A device named as the results file is refused before anything is written.
timeout 10 "$lote" "${procesar[@]}" geo.txt /dev/full 2>err.txt
estado=$?
espera "/dev/full como archivo de resultados: estado 2 ($estado)" test $estado -eq 2

# Standard output named /dev/stdout, through a pipe: the run ends and gives
# the same bytes as a file.
timeout 10 "$lote" "${procesar[@]}" geo.txt /dev/stdout 2>/dev/null | cat >tubo.txt
estado=${PIPESTATUS[0]}
espera "/dev/stdout por una tubería: termina con estado 0 ($estado)" test $estado -eq 0
espera "/dev/stdout por una tubería: los mismos bytes que en un archivo" cmp -s tubo.txt c.txt

# Its own results as input through standard input: refused, file untouched.
cp c.txt propio.txt
timeout 10 "$lote" columnas --columnas 1 - propio.txt <propio.txt 2>err.txt
estado=$?
espera "la entrada estándar es el archivo de resultados: estado 2 ($estado)" test $estado -eq 2
espera "la entrada estándar es el archivo de resultados: queda igual" cmp -s propio.txt c.txt

# Endless input without line ends: stopped at the line limit.
timeout 20 "$lote" columnas --columnas 1 /dev/zero cero.txt 2>err.txt
estado=$?
espera "/dev/zero como datos: estado 1 ($estado)" test $estado -eq 1
espera "/dev/zero como datos: nombra el renglón" grep -q "Registro 1 (renglón 1): el renglón pasa de 65536 bytes" err.txt

# A write that fails midway (a file size limit of 100 KiB, as a full disk
# would): whole lines in the file, and the count says how many.
printf 'previo sin fin de renglón' >limitado.txt
(ulimit -f 100; trap '' XFSZ; exec timeout 20 "$lote" "${procesar[@]}" grande.txt limitado.txt 2>err.txt)
estado=$?
espera "escritura que falla: estado 1 ($estado)" test $estado -eq 1
renglones=$(awk 'END { print NR }' limitado.txt)
completos=$(grep -c $'\r$' limitado.txt)
espera "escritura que falla: sólo renglones enteros ($completos de $renglones)" test "$renglones" -eq "$completos"
espera "escritura que falla: cuenta los renglones que quedaron" grep -q -- "--->  $renglones puntos en el archivo de resultados" err.txt
espera "escritura que falla: cuenta los puntos que quedaron" grep -q -- "--->  $((renglones - 1)) puntos calculados" err.txt
"$lote" "${procesar[@]}" grande.txt entero.txt 2>/dev/null
espera "escritura que falla: lo grabado es el principio de la corrida entera" \
  cmp -s <(tail -n +2 limitado.txt) <(head -n $((renglones - 1)) entero.txt)
cat err.txt

echo "$fallas fallas"
test $fallas -eq 0
