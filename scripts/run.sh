#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANTH_TESTS=OFF -DCORVANTH_BENCH=OFF >/dev/null
cmake --build build/app
exec build/app/src/qt/corvanth-logo-editor "$@"
