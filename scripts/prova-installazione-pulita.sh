#!/bin/sh
# Installs the DEB package with apt into a clean Debian 12 root and starts the
# installed program offscreen there: proves that the package's dependencies are
# complete. Slow (downloads a minimal system), so it is not part of ctest.
# Usage (as root): scripts/prova-installazione-pulita.sh build/sestina_1.0_amd64.deb [ROOT]
set -eu
deb=$(realpath "$1")
radice=${2:-/var/tmp/sestina-radice-pulita}
if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi
command -v debootstrap >/dev/null || { apt-get update && apt-get install -y --no-install-recommends debootstrap; }
if [ ! -x "$radice/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$radice" http://deb.debian.org/debian
fi
cp "$deb" "$radice/tmp/"
nome=$(basename "$deb")
mount --bind /proc "$radice/proc"
trap 'umount "$radice/proc" 2>/dev/null || true' EXIT
chroot "$radice" sh -euc "
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y --no-install-recommends /tmp/$nome
  useradd -m giocatore 2>/dev/null || true
  su giocatore -c 'sestina-cli info'
  set +e
  su giocatore -c 'QT_QPA_PLATFORM=offscreen timeout 10 sestina'
  rc=\$?
  set -e
  [ \$rc -eq 124 ] || { echo \"sestina è terminato da solo (stato \$rc)\"; exit 1; }
  test -f /home/giocatore/.local/share/Sestina/Datipvt.DAT
  echo 'installazione pulita: avvio riuscito'
"
