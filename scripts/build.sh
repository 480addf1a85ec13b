#!/usr/bin/env bash
# Configures and builds into the given folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
ninja -C "$dir"
