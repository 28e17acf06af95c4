#!/usr/bin/env bash
# The program as a user meets it: started under Xvfb with a window manager,
# each menu item that opens a file window is chosen from the keyboard
# (Alt+letter, arrows, Return), and a window with the item's exact caption
# must appear. Usage: menus_teclado.sh PROGRAM
set -euo pipefail
if [[ -z ${RUMBAL_EN_XVFB:-} ]]; then
  RUMBAL_EN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" bash "$0" "$@"
fi
programa=$(readlink -f "$1")
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
"$programa" >/dev/null 2>&1 &
pids+=($!)

# Waits for a window whose caption is exactly $1; prints its id.
espera() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    if [[ -n $id ]]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Brings window $1 to the front and waits until it has the keyboard.
activa() {
  for _ in $(seq 30); do
    xdotool windowactivate "$1" >/dev/null 2>&1 || true
    sleep 0.1
    [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]] && { sleep 0.2; return 0; }
  done
  return 1
}

principal=$(espera "CONVERSION DE COORDENADAS") || { echo "no aparece la ventana principal" >&2; exit 1; }
fallos=0
# keys (xdotool names) -> caption
while IFS='|' read -r teclas titulo; do
  activa "$principal" || { echo "la ventana principal no toma el teclado" >&2; exit 1; }
  for tecla in $teclas; do xdotool key --clearmodifiers "$tecla"; sleep 0.4; done
  if id=$(espera "$titulo"); then
    echo "ok   $teclas -> $titulo"
    # Closed from the keyboard too, and only once it has the keyboard.
    activa "$id" && xdotool key --clearmodifiers alt+F4
    for _ in $(seq 30); do xdotool search --onlyvisible --name "^$titulo\$" >/dev/null 2>&1 || break; sleep 0.1; done
  else
    echo "FALLA $teclas -> no aparece \"$titulo\"" >&2
    [[ -n ${RUMBAL_CAPTURA_FALLOS:-} ]] && import -window root "$RUMBAL_CAPTURA_FALLOS/falla-$fallos.png"
    fallos=$((fallos + 1))
  fi
done <<'CASOS'
alt+a Right Return|Procesar Archivo de Coordenadas Geodésicas
alt+a Right Down Return|Procesar Archivo de Coordenadas Cartesianas Geocéntricas
alt+a Right Down Down Return|Procesar Archivo de Coordenadas Planas
alt+a Down Return|Selección por Columnas
alt+a Down Down Return|Selección por atributos
alt+v Return|Vista de Coordenadas Geodésicas
alt+v Down Return|Vista de Coordenadas Cartesianas Geocéntricas
alt+v Down Down Return|Vista de Coordenadas planas
alt+t Up Return|Transformación entre marcos de referencia desde archivo
CASOS
echo "$((9 - fallos)) passed, $fallos failed"
exit $((fallos > 0))
