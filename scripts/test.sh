#!/usr/bin/env bash
# Sets up everything the build needs, builds the whole project and runs every test.
#
#   scripts/test.sh                                          GCC
#   CXX=clang++ TAMBERLO_SANITIZE=address,undefined scripts/test.sh
#   CXX=clang++ TAMBERLO_SANITIZE=thread scripts/test.sh
#
# BUILD_DIR chooses the build folder (default: build/<compiler>[-<sanitizers>]).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cxx=${CXX:-g++}
sanitize=${TAMBERLO_SANITIZE:-}
dir=${BUILD_DIR:-build/$(basename "$cxx")${sanitize:+-${sanitize//,/-}}}

cmake -S . -B "$dir" -G Ninja \
    -DCMAKE_CXX_COMPILER="$cxx" \
    -DTAMBERLO_SANITIZE="$sanitize"
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
