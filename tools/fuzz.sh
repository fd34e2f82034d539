#!/usr/bin/env bash
# Fuzzes every parser of outside input with libFuzzer: tools/fuzz.sh SECONDS [TARGET...]
# Targets: album ligne reglages ini pictures exif (all when none is named). Builds them with clang in
# build-fuzz/, writes fresh seeds, then runs each target for SECONDS, one after the other. The
# corpus grows in build-fuzz/corpus/<target>/; a crash leaves its input in
# build-fuzz/crashes/<target>/ and the log in build-fuzz/logs/<target>.log. Exits non-zero when
# any target found a crash, a leak, a timeout or ran out of memory.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
secs=${1:?usage: tools/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(album ligne reglages ini pictures exif)
build=$(realpath -m "${LUMIVANE_FUZZ_BUILD:-build-fuzz}")

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMIVANE_FUZZ=ON -DLUMIVANE_TESTS=OFF -DLUMIVANE_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_graines "${targets[@]/#/fuzz_}"

rm -rf "$build/seeds"
QT_QPA_PLATFORM=offscreen "$build/fuzz/fuzz_graines" "$build/seeds"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/support/lsan.supp}
status=0
for t in "${targets[@]}"; do
    mkdir -p "$build/corpus/$t" "$build/crashes/$t" "$build/logs"
    log=$build/logs/$t.log
    # A picture claiming a huge size may take seconds to refuse under the sanitizers; a decode
    # that keeps the machine busy longer is a fault.
    if "$build/fuzz/fuzz_$t" -max_total_time="$secs" -timeout=30 -rss_limit_mb=2560 \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$t/" \
        "$build/corpus/$t" "$build/seeds/$t" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
        tail -n 40 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$t: $result, ${runs:-?} executions in ${secs} s (log: $log)"
done
exit $status
