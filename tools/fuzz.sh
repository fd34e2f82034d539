#!/usr/bin/env bash
# Fuzzes every parser of outside input with libFuzzer, starting from the corpus kept in the
# repository (fuzz/corpus/<target>/) and the seeds that fuzz_graines writes.
#   tools/fuzz.sh SECONDS [TARGET...]  runs each target for SECONDS, one after the other; what it
#       finds grows in build-fuzz/corpus/<target>/, a crash leaves its input in
#       build-fuzz/crashes/<target>/ and its log in build-fuzz/logs/<target>.log. Exits non-zero
#       when any target found a crash, a leak, a timeout or ran out of memory.
#   tools/fuzz.sh merge [TARGET...]    folds the seeds and what build-fuzz found into the
#       repository's corpus, keeping only inputs that reach code the others do not.
#   tools/fuzz.sh cover [TARGET...]    replays the repository's corpus in build-fuzz-cover/ (clang
#       source coverage) and prints the coverage of each function of our sources it reached.
# Targets: album ligne reglages ini pictures exif (all when none is named).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
mode=${1:?usage: tools/fuzz.sh SECONDS|merge|cover [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(album ligne reglages ini pictures exif)
build=$(realpath -m "${LUMIVANE_FUZZ_BUILD:-build-fuzz}")
flags=()
if [ "$mode" = cover ]; then
    build=$root/build-fuzz-cover
    flags=(-DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping"
        -DCMAKE_EXE_LINKER_FLAGS=-fprofile-instr-generate)
fi

command -v ccache >/dev/null && flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMIVANE_FUZZ=ON -DLUMIVANE_TESTS=OFF -DLUMIVANE_BENCH=OFF "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_graines "${targets[@]/#/fuzz_}"

rm -rf "$build/seeds"
LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/support/lsan.supp} QT_QPA_PLATFORM=offscreen \
    "$build/fuzz/fuzz_graines" "$build/seeds"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/support/lsan.supp}

# Qt's decoders give no coverage feedback; what they must not do is allocate past our bound of
# 256 MB per decode (Pictures::maxDecodeBytes), so one allocation above it is a crash, and so is
# a process that holds more than the bound plus what the harness itself takes under the
# sanitizers (about 60 MB alone; a decode right at the bound peaks near 340 MB). ASan's quarantine
# of freed blocks is kept small so that it does not count.
limits() {
    if [ "$1" = pictures ]; then
        echo "-malloc_limit_mb=257 -rss_limit_mb=$((256 + 200))"
    else
        echo "-rss_limit_mb=2560"
    fi
}
run() {
    local t=$1
    shift
    # shellcheck disable=SC2046
    ASAN_OPTIONS=$ASAN_OPTIONS:quarantine_size_mb=16 "$build/fuzz/fuzz_$t" $(limits "$t") "$@"
}

if [ "$mode" = cover ]; then
    profiles=()
    for t in "${targets[@]}"; do
        rm -f "$build/$t.profraw"
        # A picture that crashes on the limit in the fuzzing build still counts its coverage here.
        LLVM_PROFILE_FILE=$build/$t.profraw "$build/fuzz/fuzz_$t" -runs=0 -rss_limit_mb=4096 \
            -artifact_prefix="$build/" \
            "$root/fuzz/corpus/$t" >"$build/$t.log" 2>&1 || true
        profiles+=("$build/$t.profraw")
    done
    llvm-profdata-14 merge -o "$build/fuzz.profdata" "${profiles[@]}"
    objects=()
    for t in "${targets[@]}"; do objects+=(-object "$build/fuzz/fuzz_$t"); done
    # The parsers that outside input reaches: album files, the command line and the host's
    # variable, stored options and the settings file, pictures.
    # ccache records sources as build/../src/...
    llvm-cov-14 report -show-functions -Xdemangler=c++filt -path-equivalence="$build/..,$root" \
        -instr-profile="$build/fuzz.profdata" "${objects[@]:1}" \
        "$root"/src/album/{formatalbum,fichieralbum,windows1252,miroir}.cpp \
        "$root"/src/startup/lignecommande.cpp "$root"/src/settings/reglages.cpp \
        "$root"/src/controls/reglesdialogue.cpp "$root"/src/platform/inisettingsstore.cpp \
        "$root"/src/pictures/qtpictures.cpp
    exit 0
fi

status=0
for t in "${targets[@]}"; do
    corpus=$root/fuzz/corpus/$t
    if [ "$mode" = merge ]; then
        old=$build/merge-old/$t
        rm -rf "$old" && mkdir -p "$old" "$build/corpus/$t"
        [ -d "$corpus" ] && cp -r "$corpus/." "$old/"
        rm -rf "$corpus" && mkdir -p "$corpus" && cp "$build/seeds/$t"/* "$corpus/"
        mkdir -p "$build/logs"
        run "$t" -merge=1 "$corpus" "$old" "$build/corpus/$t" >"$build/logs/merge-$t.log" 2>&1 ||
            true
        echo "fuzz/corpus/$t: $(find "$corpus" -type f | wc -l) files, $(du -sh "$corpus" | cut -f1)"
        continue
    fi
    mkdir -p "$build/corpus/$t" "$build/crashes/$t" "$build/logs"
    log=$build/logs/$t.log
    # A picture claiming a huge size may take seconds to refuse under the sanitizers; a decode
    # that keeps the machine busy longer is a fault.
    if run "$t" -max_total_time="$mode" -timeout=30 -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$t/" "$build/corpus/$t" "$corpus" "$build/seeds/$t" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
        tail -n 40 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$t: $result, ${runs:-?} executions in $mode s (log: $log)"
done
exit $status
