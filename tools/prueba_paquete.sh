#!/usr/bin/env bash
# Checks the Debian package on a fresh Debian 12: builds it (tools/paquete.sh),
# installs it with apt into a new `debootstrap --variant=minbase bookworm`
# system, and there, as an ordinary user, starts `rumbal` under Xvfb (its main
# window shows and the user's data folder gets the five catalogues), runs
# `rumbal-lote --ayuda` and `rumbal-lote procesar` on a small file (the same
# bytes as the build folder's tool writes) and `man rumbal-lote`.
#
# Run by hand, as root: it takes minutes and the network, so it is not part
# of the test suite. The minimal system is made once and kept in
# $RUMBAL_DEBIAN (by default /var/tmp/rumbal-debian12/base), with the packages
# apt downloads; every run installs into a fresh copy of it. Exit status 0
# when every check passed.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ $(id -u) != 0 ]]; then
  echo "Hace falta ser root (debootstrap y chroot)." >&2
  exit 2
fi
guarda=$(dirname "${RUMBAL_DEBIAN:-/var/tmp/rumbal-debian12/base}")
base=${RUMBAL_DEBIAN:-$guarda/base}
sistema=$guarda/sistema
descargas=$guarda/descargas
mkdir -p "$guarda" "$descargas"
inicio=$SECONDS
paso() { echo "== $* ($((SECONDS - inicio)) s)"; }

tools/dependencias.sh debootstrap >/dev/null

paso "paquete"
bash tools/paquete.sh
deb=$(ls build/paquete/rumbal_*_amd64.deb)

if [[ ! -x $base/bin/bash ]]; then
  paso "sistema mínimo nuevo: debootstrap --variant=minbase bookworm"
  rm -rf "$base.nuevo"
  debootstrap --variant=minbase bookworm "$base.nuevo" >"$guarda/debootstrap.log"
  mv "$base.nuevo" "$base"
fi

montado() { grep -q " $sistema/proc " /proc/mounts; }
limpia() {
  if montado; then umount "$sistema/proc"; fi
  # Never remove a tree that still has something mounted in it.
  if ! grep -q " $sistema/" /proc/mounts; then rm -rf "$sistema"; fi
}
trap limpia EXIT
limpia
paso "copia nueva del sistema mínimo"
cp -a "$base" "$sistema"
cp /etc/resolv.conf "$sistema/etc/resolv.conf"
mount -t proc proc "$sistema/proc"
cp -a "$descargas/." "$sistema/var/cache/apt/archives/" 2>/dev/null || true
cp "$deb" "$sistema/tmp/"
adentro() { chroot "$sistema" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
# No terminal inside: dpkg's progress goes to the logs as plain lines.
echo 'Dpkg::Use-Pty "0";' >"$sistema/etc/apt/apt.conf.d/90sin-terminal"

paso "apt install ./$(basename "$deb")"
adentro apt-get update -q >/dev/null
# Only what the package declares it depends on: no recommended packages.
adentro sh -c "cd /tmp && apt-get install -y -q --no-install-recommends ./$(basename "$deb")" >"$guarda/apt-rumbal.log" 2>&1 ||
  { tail -20 "$guarda/apt-rumbal.log"; exit 1; }
grep -E '^(Need to get|After this operation)|newly installed' "$guarda/apt-rumbal.log"
# What the checks use, not the program: Xvfb and the tools to see its
# windows, man to read the page.
adentro apt-get install -y -q --no-install-recommends xvfb xauth x11-utils x11-apps man-db >"$guarda/apt-pruebas.log" 2>&1 ||
  { tail -20 "$guarda/apt-pruebas.log"; exit 1; }
cp -a "$sistema/var/cache/apt/archives/"*.deb "$descargas/" 2>/dev/null || true
adentro useradd -m -s /bin/bash agrimensora

# A small file of geodetic points, angle texts and decimal degrees.
printf '%s\r\n' '"P1","Esquina","-34 36 12.5","-58 22 54.3",25' '"P2","Poste",-34.5,-58.5,10' \
  '"P3","Vértice","-38 00 00","-57 33 00",' '"P4","Mojon","-31 25 30.25","-64 11 02.7",380.125' |
  iconv -f UTF-8 -t WINDOWS-1252 >"$sistema/tmp/puntos.txt"
chmod 644 "$sistema/tmp/puntos.txt"

cat >"$sistema/tmp/comprueba.sh" <<'ADENTRO'
#!/bin/bash
# As the user: every check prints its result; the last line counts them.
cd ~
bien=0; mal=0
resultado() { if [[ $1 == 0 ]]; then echo "   bien: $2"; bien=$((bien + 1)); else echo "   MAL: $2"; mal=$((mal + 1)); fi; }
carpeta=~/.local/share/Rumbal

echo "-- antes de arrancar: $(ls -d "$carpeta" 2>/dev/null || echo "no hay $carpeta")"
[[ ! -e $carpeta ]]; resultado $? "la carpeta del usuario no existe todavía"

echo "-- xvfb-run rumbal"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  rumbal >/tmp/rumbal.log 2>&1 & programa=$!
  for i in $(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q "CONVERSION DE COORDENADAS" && break
    sleep 0.1
  done
  sleep 1
  xwininfo -root -tree | grep "CONVERSION DE COORDENADAS" >/tmp/ventana.txt
  xwd -root -silent >/tmp/pantalla.xwd
  kill $programa
  wait $programa 2>/dev/null
  true'
cat /tmp/ventana.txt
[[ -s /tmp/ventana.txt ]]; resultado $? "la ventana principal se mostró"

echo "-- la carpeta del usuario después del primer arranque"
ls -l "$carpeta"
todos=0
for f in elipsoide.txt parametros.txt atributos.txt varios.txt marref.txt; do
  cmp -s "/usr/share/rumbal/$f" "$carpeta/$f" || todos=1
done
resultado $todos "los cinco catálogos, copias de /usr/share/rumbal"

echo "-- rumbal-lote --ayuda"
rumbal-lote --ayuda >/tmp/ayuda.txt; resultado $? "rumbal-lote --ayuda termina con 0"
head -3 /tmp/ayuda.txt
grep -q "rumbal-lote columnas --columnas LISTA" /tmp/ayuda.txt; resultado $? "el uso completo"

echo "-- rumbal-lote procesar"
rumbal-lote procesar --datos geo --elipsoide 'WGS 84' --rep 'Faja 5' /tmp/puntos.txt resultados.txt
resultado $? "rumbal-lote procesar termina con 0"
cp resultados.txt /tmp/resultados-instalado.txt

echo "-- man rumbal-lote"
MANWIDTH=80 man -P cat rumbal-lote >/tmp/manual.txt 2>/tmp/manual.err; resultado $? "man rumbal-lote"
head -8 /tmp/manual.txt
grep -q "CARPETA DEL PROGRAMA" /tmp/manual.txt; resultado $? "la página entera"

echo "$bien bien, $mal mal"
exit $((mal > 0))
ADENTRO
chmod 755 "$sistema/tmp/comprueba.sh"

paso "comprobaciones como usuaria común (agrimensora)"
estado=0
chroot --userspec=agrimensora:agrimensora "$sistema" env -i HOME=/home/agrimensora USER=agrimensora \
  PATH=/usr/bin:/bin LANG=C.UTF-8 /tmp/comprueba.sh || estado=1

paso "los mismos bytes que la carpeta de compilación"
build/paquete/bin/rumbal-lote procesar --datos geo --elipsoide 'WGS 84' --rep 'Faja 5' \
  "$sistema/tmp/puntos.txt" - 2>/dev/null >"$guarda/resultados-compilado.txt"
if [[ -s $guarda/resultados-compilado.txt ]] && cmp "$guarda/resultados-compilado.txt" "$sistema/tmp/resultados-instalado.txt"; then
  echo "   bien: $(wc -l <"$guarda/resultados-compilado.txt") renglones, $(wc -c <"$guarda/resultados-compilado.txt") bytes iguales"
else
  echo "   MAL: los resultados difieren"
  estado=1
fi
cp "$sistema/tmp/pantalla.xwd" "$guarda/" 2>/dev/null || true
paso "fin; la captura de la ventana queda en $guarda/pantalla.xwd"
exit $estado
