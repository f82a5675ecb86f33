#!/bin/sh
# Runs fuzz targets, two at a time (one for each core), each for the given seconds: from
# its seeds in fuzz/corpus/TARGET and what its earlier runs kept in BUILD/corpus/TARGET.
# An input that breaks a target is saved as BUILD/crashes/TARGET-...; the run fails once
# all targets are done.
#   fuzz.sh BUILD SECONDS TARGET...
set -u
build=$1
seconds=$2
shift 2
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$build/crashes"
failed=""
# Fontconfig's caches, which Qt fills as it lays out text, are no leak of the program's.
export LSAN_OPTIONS="suppressions=$top/tests/sanitizer-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1
# An input makes and drops documents of a few hundred kilobytes; with the default
# quarantine of 256 MB each one would touch fresh memory, which costs more than the input.
export ASAN_OPTIONS=quarantine_size_mb=16

start() {
    mkdir -p "$build/corpus/$1"
    "$build/fuzz/fuzz_$1" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$1-" \
        "$build/corpus/$1" "$top/fuzz/corpus/$1" >"$build/fuzz-$1.log" 2>&1
}

report() {
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz-$1.log")
    if [ "$2" -eq 0 ]; then
        echo "fuzz_$1: ${runs:-?} inputs in $seconds s, nothing found"
    else
        tail -n 40 "$build/fuzz-$1.log"
        echo "fuzz_$1 FAILED: see $build/fuzz-$1.log and $build/crashes/"
        failed="$failed $1"
    fi
}

while [ $# -gt 0 ]; do
    first=$1
    second=${2:-}
    start "$first" &
    firstPid=$!
    if [ -n "$second" ]; then
        start "$second" &
        secondPid=$!
    fi
    wait "$firstPid"
    report "$first" $?
    if [ -n "$second" ]; then
        wait "$secondPid"
        report "$second" $?
        shift
    fi
    shift
done
[ -z "$failed" ] || { echo "Fuzz targets that found a fault:$failed"; exit 1; }
