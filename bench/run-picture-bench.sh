#!/usr/bin/env bash
# Runs the picture benchmark with a locale that groups digits, generated without root into the
# build folder, and reports medians of repeated runs.
#
#   bench/run-picture-bench.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
cmake --build "$dir" --target picture_bench
locales="$dir/locales"
if [ ! -d "$locales/en_US.UTF-8" ]; then
    mkdir -p "$locales"
    localedef -i en_US -f UTF-8 "$locales/en_US.UTF-8" || echo "no en_US locale: printf runs without grouping"
fi
LOCPATH="$PWD/$locales" "$dir/bin/picture_bench" --benchmark_repetitions=20 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true --benchmark_min_time=0.2
