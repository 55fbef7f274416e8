#!/bin/sh
# Installs what is needed, builds, and runs every test (benchmarks stay out).
set -e
cd "$(dirname "$0")/.."
sh scripts/installa-dipendenze.sh
sh scripts/compila.sh
cd build
ctest --output-on-failure --parallel "$(nproc)" --timeout 900
