#!/bin/sh
# Generates the benchmark drawings (once) and measures the converter on them.
#   bench/run-benchmarks.sh BUILD-DIR [--quick]
# --quick measures the 100 MB drawings only.
set -eu
build="$1"
quick="${2:-}"
data="$build/data"
mkdir -p "$data"

make_drawing() { # name size [--random]
    [ -f "$data/$1" ] || "$build/bench/dxfgen" --size "$2" ${3:-} --seed 42 "$data/$1"
}
make_drawing survey-100M-random.dxf 100M --random
make_drawing survey-100M-sorted.dxf 100M

echo "X reference, 100 MB, best of 3:"
"$build/bench/bench_conversion" --repeat 3 "$data" "$data/survey-100M-random.dxf" "$data/survey-100M-sorted.dxf"
echo
echo "Y reference, 100 MB random order, best of 3:"
"$build/bench/bench_conversion" --axis y --repeat 3 "$data" "$data/survey-100M-random.dxf" | tail -n 1
if [ "$quick" != "--quick" ]; then
    make_drawing survey-1G-random.dxf 1G --random
    make_drawing survey-1G-sorted.dxf 1G
    echo
    echo "X reference, 1 GB, one run each:"
    "$build/bench/bench_conversion" --repeat 1 "$data" "$data/survey-1G-random.dxf" "$data/survey-1G-sorted.dxf"
fi
