#!/usr/bin/env bash
# Throughput of `tivex -e -f LIST` against `file -b --extension -f LIST` on the same
# regular files from /usr: whole processes, warm cache (each command runs once before
# timing), the median of 3 timed runs each, single-threaded, and the bytes each reads
# per file (counted with strace when it is installed).
#
#   bench/tivex_vs_file.sh [BUILD_DIR] [COUNT]      defaults: build, 20000
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:-$root/build}
count=${2:-20000}
tivex=$build_dir/bin/tivex
[ -x "$tivex" ] || { echo "no $tivex: build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
list=$work/list

# Deterministic: every regular, readable file under /usr in byte order, then every n-th
# one of them so the choice spreads over the whole tree.
find /usr -type f -readable -print 2>/dev/null | LC_ALL=C sort >"$work/all"
total=$(wc -l <"$work/all")
((total >= count)) || count=$total
awk -v total="$total" -v count="$count" 'BEGIN { step = total / count; next_pick = 0 }
  NR - 1 >= next_pick && picked < count { print; picked++; next_pick += step }' "$work/all" >"$list"
files=$(wc -l <"$list")

median_ms() { # median_ms COMMAND...: the median wall time of 3 runs, in milliseconds
  local times=()
  for _ in 1 2 3; do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 2p
}

run_tivex() { "$tivex" -e -f "$list"; }
run_file() { file -b --extension -f "$list"; }

run_tivex >/dev/null 2>&1 || true
run_file >/dev/null 2>&1 || true
tivex_ms=$(median_ms run_tivex)
file_ms=$(median_ms run_file)
((tivex_ms > 0)) || tivex_ms=1

echo "files: $files regular files from /usr (of $total)"
awk -v t="$tivex_ms" -v f="$file_ms" -v n="$files" 'BEGIN {
  printf "tivex -e -f LIST:               %6d ms  %8.0f files/s\n", t, n / (t / 1000)
  printf "file -b --extension -f LIST:    %6d ms  %8.0f files/s\n", f, n / (f / 1000)
  printf "ratio (file time / tivex time): %6.1f x\n", f / t
}'

# Bytes read per file: the sum of every read's result, less the list itself.
bytes_per_file() {
  local trace=$work/trace
  strace -f -qq -e trace=read,pread64,readv,preadv -o "$trace" "$@" >/dev/null 2>&1 || true
  awk -F'= ' -v list="$(stat -c %s "$list")" -v n="$files" \
    '/= [0-9]+$/ { sum += $NF } END { printf "%.0f", (sum - list) / n }' "$trace"
}
if command -v strace >/dev/null; then
  echo "bytes read per file: tivex $(bytes_per_file "$tivex" -e -f "$list"), file $(bytes_per_file file -b --extension -f "$list")"
else
  echo "bytes read per file: install strace to count them"
fi
