#!/bin/sh
# Installs what is needed, builds, and starts Sestina on its bundled archive.
set -e
cd "$(dirname "$0")/.."
sh scripts/installa-dipendenze.sh
sh scripts/compila.sh
if [ -z "$DISPLAY$WAYLAND_DISPLAY" ]; then
  echo "Nessun display: avvio sotto Xvfb" >&2
  exec xvfb-run -a build/programma/sestina
fi
exec build/programma/sestina
