#!/usr/bin/env bash
# Builds the Debian package build/paquete/rumbal_<version>_amd64.deb: the
# program and rumbal-lote, the default catalogues, save.wav and the user
# guide in /usr/share/rumbal, the menu entry, its icon, the software centre's
# description and the manual page of rumbal-lote. Prints the package's path
# and its control fields.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev) finds the packages of the libraries the
# executables link; CPack recognises the executables with file.
tools/dependencias.sh dpkg-dev file >/dev/null
cmake -S . -B build/paquete -G Ninja -DRUMBAL_WERROR=ON -DRUMBAL_BENCH=OFF -DRUMBAL_PRUEBAS=OFF >/dev/null
cmake --build build/paquete
rm -f build/paquete/rumbal_*_amd64.deb
(cd build/paquete && cpack -G DEB >/dev/null)
paquete=$(ls build/paquete/rumbal_*_amd64.deb)
echo "$paquete"
dpkg-deb --field "$paquete" Package Version Architecture Installed-Size Depends Recommends
