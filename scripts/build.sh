#!/usr/bin/env bash
# Configures and builds into the given folder (default: build). Extra arguments go to CMake's configure step.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
# A compiler cache, where the machine has one, makes rebuilds of a fresh folder quick; the build never needs it.
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$here/$dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "${launcher[@]}" "$@"
cmake --build "$here/$dir" --parallel "$(nproc)"
