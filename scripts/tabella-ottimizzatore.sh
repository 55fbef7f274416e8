#!/bin/sh
# Prints the optimised reductions next to the greedy ones and the best known
# systems (bench/sistemi-migliori-noti.csv), default effort, with the seconds.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target sestina-bench
build/bench/sestina-bench --benchmark_filter=BM_Ottimizzatore_Tabella
