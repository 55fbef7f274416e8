#!/bin/sh
# Installs the Debian 12 packages Sestina needs to build, run and test
# (poppler-utils: the tests read the printed PDF reports back as text and pages;
# chromium: a test opens an exported HTML page in a real browser and checks its colours).
set -e
if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi
PACCHETTI="build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg62-turbo-dev libqpdf-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth imagemagick poppler-utils
  chromium
  python3 python3-dbfread python3-dbf"
# Skip apt when everything is already there (repeat runs, CI on a prepared machine).
mancanti=""
for p in $PACCHETTI; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti="$mancanti $p"
done
if [ -n "$mancanti" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends $mancanti
fi
