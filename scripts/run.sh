#!/usr/bin/env bash
# Installs what is missing, builds the editor (only what changed) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
# Configure once; after that the build itself notices a changed CMakeLists.txt.
if [ ! -f build/app/build.ninja ]; then
  cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANTH_TESTS=OFF -DCORVANTH_BENCH=OFF >/dev/null
fi
cmake --build build/app --target corvanth-logo-editor
exec build/app/src/qt/corvanth-logo-editor "$@"
