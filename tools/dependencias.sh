#!/usr/bin/env bash
# Installs the Debian packages that Rumbal needs and this machine lacks; does
# nothing (and touches no network) when all are there. Extra package names
# may be given as arguments.
set -euo pipefail
paquetes=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-dejavu-core "$@")
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done
if ((${#faltan[@]})); then
  echo "Instalando: ${faltan[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${faltan[@]}"
fi
