#!/bin/sh
# Installs what is needed, builds, and runs every test (benchmarks stay out).
set -e
cd "$(dirname "$0")/.."
sh scripts/installa-dipendenze.sh
sh scripts/compila.sh
(cd build && ctest --output-on-failure --parallel "$(nproc)" --timeout 900)
# The fuzzers need Clang: a second build of only the libraries they use, then
# each harness fuzzes for 10 s (without Clang they have already run on their seeds).
if command -v clang++ >/dev/null 2>&1; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DSESTINA_FUZZ=ON -DSESTINA_BUILD_TESTS=OFF -DSESTINA_BUILD_BENCH=OFF
  cmake --build build-fuzz --target sestina_fuzz --parallel "$(nproc)"
  (cd build-fuzz && ctest -L fuzz --output-on-failure --parallel "$(nproc)" --timeout 900)
else
  echo "clang++ non trovato: i fuzzer hanno girato solo sui loro semi" >&2
fi
