#!/usr/bin/env bash
# Installs the build into a scratch root, as the Debian package lays it out,
# and checks what a user gets: the desktop entry and the software centre's
# description pass their validators, the manual page reads without warnings,
# the defaults are the build's, and the installed rumbal-lote fills the
# user's folder on its first run and writes the build's bytes.
# Arguments: the build folder, the source folder, the desktop entry's name.
set -euo pipefail
build=$1
fuente=$2
id=$3
raiz=$(mktemp -d)
trap 'rm -rf "$raiz"' EXIT
fallas=0
falla() { echo "FALLA: $*"; fallas=$((fallas + 1)); }

DESTDIR="$raiz" cmake --install "$build" --prefix /usr >/dev/null
usr=$raiz/usr

desktop-file-validate "$usr/share/applications/$id.desktop" || falla "desktop-file-validate"
grep -qx 'Exec=rumbal' "$usr/share/applications/$id.desktop" || falla "la entrada del menú no arranca rumbal"
grep -qx 'Icon=rumbal' "$usr/share/applications/$id.desktop" || falla "la entrada del menú no nombra el icono"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" || falla "appstreamcli validate"
test -s "$usr/share/icons/hicolor/scalable/apps/rumbal.svg" || falla "falta el icono"
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/rumbal.svg" || falla "el icono no es SVG"

# The manual page: whole, in Spanish, and without a warning from groff.
pagina=$usr/share/man/man1/rumbal-lote.1.gz
avisos=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$pagina" 2>&1 >/dev/null) || falla "man no puede mostrar la página"
[[ -z $avisos ]] || falla "avisos de man: $avisos"
texto=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$pagina" 2>/dev/null)
for parte in 'rumbal-lote - procesa archivos de puntos' 'CARPETA DEL PROGRAMA' 'ESTADO DE SALIDA' '~/.local/share/Rumbal'; do
  grep -qF -- "$parte" <<<"$texto" || falla "la página no dice: $parte"
done

# The defaults, the build's bytes; the installed files are not writable by others.
for f in elipsoide.txt parametros.txt atributos.txt varios.txt marref.txt save.wav; do
  cmp -s "$fuente/datos/$f" "$usr/share/rumbal/$f" || falla "share/rumbal/$f no es el de datos/"
  [[ $(stat -c %a "$usr/share/rumbal/$f") == 644 ]] || falla "share/rumbal/$f no tiene permisos 644"
done
test -s "$usr/share/rumbal/Rumbal 1.0.1 Guía del usuario.pdf" || falla "falta la guía del usuario"

# The installed tool, as a user whose data folder does not exist yet. It runs
# as whoever runs the tests (root in CI): beside an installed executable the
# program folder is the user's all the same.
casa=$raiz/casa
mkdir -p "$casa"
printf '"P1","Esquina",-34.5,-58.5,10\r\n"P2","Poste","-34 36 12.5","-58 22 54.3",25\r\n' >"$raiz/puntos.txt"
orden=(procesar --datos geo --elipsoide 'WGS 84' --rep 'Faja 5' "$raiz/puntos.txt" -)
env -u XDG_DATA_HOME HOME="$casa" "$usr/bin/rumbal-lote" "${orden[@]}" >"$raiz/instalado.txt" 2>"$raiz/errores.txt" ||
  falla "rumbal-lote instalado: $(cat "$raiz/errores.txt")"
"$build/bin/rumbal-lote" "${orden[@]}" >"$raiz/compilado.txt" 2>/dev/null
[[ -s $raiz/compilado.txt ]] && cmp -s "$raiz/compilado.txt" "$raiz/instalado.txt" ||
  falla "el rumbal-lote instalado no escribe los bytes del compilado"
for f in elipsoide.txt parametros.txt atributos.txt varios.txt marref.txt save.wav; do
  cmp -s "$fuente/datos/$f" "$casa/.local/share/Rumbal/$f" || falla "la carpeta del usuario no recibió $f"
done
[[ ! -e $usr/bin/elipsoide.txt ]] || falla "se escribió un catálogo junto al ejecutable instalado"
# A catalogue the user changed stays.
printf '4,4,1\r\n' >"$casa/.local/share/Rumbal/varios.txt"
env -u XDG_DATA_HOME HOME="$casa" "$usr/bin/rumbal-lote" "${orden[@]}" >/dev/null 2>&1 || falla "segunda corrida"
[[ $(cat "$casa/.local/share/Rumbal/varios.txt") == $'4,4,1\r' ]] || falla "se reemplazó el varios.txt del usuario"

if ((fallas)); then
  echo "$fallas fallas"
  exit 1
fi
echo "instalación revisada"
