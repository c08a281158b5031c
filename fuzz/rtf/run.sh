#!/bin/sh
# Builds the RTF reader fuzzer with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# it for the given number of seconds (default 60). Every input that crashes, hangs or leaks is written to
# tests/rtf/data/crashes/, where the reader test replays it: commit it together with the fix.
set -eu

seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=${RTF_FUZZ_WORK:-/tmp/rtf-fuzz}
crashes="$root/tests/rtf/data/crashes"

command -v clang++ >/dev/null || { echo "clang++ is needed (apt-get install clang)" >&2; exit 1; }
mkdir -p "$work/corpus" "$crashes"

# Built straight from the sources so that the fuzzer does not depend on the rest of the project configuring.
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/rtf" $(pkg-config --cflags Qt6Gui) \
    "$here/RtfReaderFuzzer.cpp" "$root/rtf/RtfCodePage.cpp" "$root/rtf/RtfReader.cpp" "$root/rtf/RtfWriter.cpp" \
    $(pkg-config --libs Qt6Gui) -o "$work/rtf_reader_fuzzer"

cp "$root"/tests/rtf/data/*.rtf "$work/corpus/"

# Qt allocates a little at start-up that it never frees; leak checks stay on for the reader's own work.
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
"$work/rtf_reader_fuzzer" "$work/corpus" -dict="$here/rtf.dict" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$crashes/"
