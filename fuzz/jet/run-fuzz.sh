#!/bin/sh
# Builds the Jet reader fuzzer with clang and runs it for the given number of seconds (default 60).
# Seeds: the shared sample files (when present). Crashes land in $build/crashes/;
# turn every one that is fixed into a case of the damaged-file tests in tests/jet/ReaderTest.cpp.
set -eu
seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${JET_FUZZ_BUILD:-/tmp/build-jet-fuzz}
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMBRELIS_FUZZ=ON >/dev/null
cmake --build "$build" --target jet_fuzz_reader --parallel 2
corpus="$build/jet-corpus"
mkdir -p "$corpus" "$build/crashes"
fixtures=${AMBRELIS_SHARED_FIXTURES:-$root/../shared/fixtures}
if [ -d "$fixtures/jet" ]; then cp "$fixtures"/jet/*.mdb "$corpus"/ 2>/dev/null || true; fi
fuzzer=$(find "$build" -name jet_fuzz_reader -type f | head -n 1)
exec "$fuzzer" -max_total_time="$seconds" -max_len=300000 -artifact_prefix="$build/crashes/" "$corpus"
