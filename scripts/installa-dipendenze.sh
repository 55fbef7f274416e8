#!/bin/sh
# Installs the Debian 12 packages Sestina needs to build, run and test
# (poppler-utils: the tests read the printed PDF reports back as text and pages;
# chromium: a test opens an exported HTML page in a real browser and checks its colours).
set -e
if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi
PACCHETTI="build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libjpeg62-turbo-dev libqpdf-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth imagemagick poppler-utils
  chromium
  python3 python3-dbfread python3-dbf
  clang libclang-rt-14-dev
  dpkg-dev"
# qt6-translations-l10n: the file dialogs, message boxes and menus of the toolkit in Italian.
# clang and its libFuzzer/sanitizer runtime build the fuzzers that try every file
# reader with millions of damaged inputs, so a bad file never crashes the program.
# dpkg-dev: "cpack -G DEB" finds the package's library dependencies with dpkg-shlibdeps,
# so "apt install ./sestina_*.deb" brings in everything the program needs.
# poppler-utils: the tests read the printed PDFs back (pdftotext, pdfinfo, pdftoppm).
# chromium: a test opens an exported HTML page headless and checks its colours.
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
