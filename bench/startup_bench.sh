#!/usr/bin/env bash
# Time from starting `sorvena FILE` to the checked result on screen (offscreen), median of
# ten runs, next to the time of `file FILE` for scale. Then the time of one engine check on
# a warm file, against libmagic in the same process.
#   bench/startup_bench.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:-$root/build}
bin=$build_dir/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/resources/demo/picture.txt" "$work/picture.txt"
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"

median_ms() {  # command... : runs it 10 times, prints the median wall time in ms
  local times=()
  for _ in $(seq 10); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", (a[5]+a[6])/2/1000}'
}

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime SORVENA_QUIT_WHEN_SHOWN=1
sorvena_ms=$(median_ms "$bin/sorvena" "$work/picture.txt")
file_ms=$(median_ms file "$work/picture.txt")
echo "start-up to result on screen: sorvena ${sorvena_ms} ms (median of 10); file(1) on the same file ${file_ms} ms"
"$bin/engine_check_bench" "$work/picture.txt"
