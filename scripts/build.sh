#!/usr/bin/env bash
# Configures and builds into the given folder (default: build). Extra arguments go to CMake's configure step.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
cmake -S "$here" -B "$here/$dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@"
cmake --build "$here/$dir" --parallel "$(nproc)"
