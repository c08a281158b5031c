#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite. Usage: scripts/test.sh [build-folder [cmake args]]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
"$here/scripts/deps.sh"
"$here/scripts/build.sh" "$dir" -DAMBRELIS_BENCH=OFF "$@"
cd "$here/$dir"
ctest --output-on-failure --parallel "$(nproc)"
