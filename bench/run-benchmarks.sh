#!/bin/sh
# Generates the benchmark drawings (once) and measures the converter on them.
#   bench/run-benchmarks.sh [--quick] [--windows WINDOWS-BUILD-DIR] BUILD-DIR
# --quick measures the 100 MB drawings only. --windows adds the column of the
# Windows build's console tool under Wine against the native one.
set -eu
quick=""
windows=""
while [ $# -gt 1 ]; do
    case "$1" in
    --quick) quick=1; shift ;;
    --windows) windows="$2"; shift 2 ;;
    *) break ;;
    esac
done
build="$1"
data="$build/data"
mkdir -p "$data"

clis=""
if [ -n "$windows" ]; then
    clis="--clis $build/converter/cli/trenvika-cli $windows/wine-run $windows/converter/cli/trenvika-cli.exe"
fi

make_drawing() { # name size [--random]
    [ -f "$data/$1" ] || "$build/bench/dxfgen" --size "$2" ${3:-} --seed 42 "$data/$1"
}
make_drawing survey-100M-random.dxf 100M --random
make_drawing survey-100M-sorted.dxf 100M

uptime
echo "X reference, 100 MB, best of 3:"
# shellcheck disable=SC2086
"$build/bench/bench_conversion" --repeat 3 $clis "$data" "$data/survey-100M-random.dxf" "$data/survey-100M-sorted.dxf"
echo
echo "Y reference, 100 MB random order, best of 3:"
"$build/bench/bench_conversion" --axis y --repeat 3 "$data" "$data/survey-100M-random.dxf" | tail -n 1
if [ -z "$quick" ]; then
    make_drawing survey-1G-random.dxf 1G --random
    make_drawing survey-1G-sorted.dxf 1G
    echo
    echo "X reference, 1 GB, one run each:"
    # shellcheck disable=SC2086
    "$build/bench/bench_conversion" --repeat 1 $clis "$data" "$data/survey-1G-random.dxf" "$data/survey-1G-sorted.dxf"
fi
uptime
