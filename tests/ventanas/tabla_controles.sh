#!/usr/bin/env bash
# The table of the main window's controls turned into C++ initialisers: a
# well-formed line gives its initialiser to the byte, and every malformed line
# stops the build with its line number and what is wrong with it.
#
#   bash tests/ventanas/tabla_controles.sh cmake/tabla_controles.cmake
set -uo pipefail
guion=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fallas=0

genera() {  # table text -> status; output in $dir/salida.inc, messages in $dir/mensajes
  printf '%s\n' "$1" >"$dir/tabla.controles"
  rm -f "$dir/salida.inc"
  cmake -DENTRADA="$dir/tabla.controles" -DSALIDA="$dir/salida.inc" -P "$guion" >"$dir/mensajes" 2>&1
}

# Blanks around the bars go; a quoted caption keeps its own; - is no frame.
genera '# comentario
Frame1 | marco    | PUNTO     | -      | 8  | 8  | 370 | 84 | 0 | -

Label5 | etiqueta | " Nombre" | Frame1 | 10 | 24 | 112 | 20 | 0 | txtid
txtid  | caja     | ""        | Frame1 | 125| 22 | 175 | 24 | 1 | -'
esperado='{"Frame1", Clase::marco, "PUNTO", nullptr, 8, 8, 370, 84, 0, nullptr},
{"Label5", Clase::etiqueta, " Nombre", "Frame1", 10, 24, 112, 20, 0, "txtid"},
{"txtid", Clase::caja, "", "Frame1", 125, 22, 175, 24, 1, nullptr},'
if [[ $(tail -n +2 "$dir/salida.inc") != "$esperado" ]]; then
  echo "FALLA: tabla correcta"; cat "$dir/salida.inc" "$dir/mensajes"; fallas=$((fallas + 1))
fi

# Each malformed table: its line 2 is wrong, and the message says why.
while IFS='@' read -r renglon motivo; do
  if genera "Frame1 | marco | PUNTO | - | 8 | 8 | 370 | 84 | 0 | -
$renglon"; then
    echo "FALLA: aceptó «$renglon»"; fallas=$((fallas + 1))
  elif ! grep -q "tabla.controles:2: $motivo" "$dir/mensajes"; then
    echo "FALLA: «$renglon» sin «$motivo»:"; cat "$dir/mensajes"; fallas=$((fallas + 1))
  elif [[ -e $dir/salida.inc ]]; then
    echo "FALLA: «$renglon» dejó una salida"; fallas=$((fallas + 1))
  fi
done <<'CASOS'
txtid | caja | "" | Frame1 | 125 | 22 | 175 | 24 | 1@9 campos en lugar de 10
txtid | cajon | "" | Frame1 | 125 | 22 | 175 | 24 | 1 | -@la clase "cajon" no es ninguna de
txtid | caja | "" | Frame1 | 12x | 22 | 175 | 24 | 1 | -@"12x" no es un número entero
txtid | caja | "" | Frame1 | -5 | 22 | 175 | 24 | 1 | -@"-5" no es un número entero
Label5 | etiqueta | Dice "hola" | Frame1 | 10 | 24 | 112 | 20 | 0 | -@una comilla o una barra invertida
CASOS

((fallas == 0)) && echo "tabla de controles: todo bien"
exit $((fallas > 0))
