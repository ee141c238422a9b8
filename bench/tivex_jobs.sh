#!/usr/bin/env bash
# How much faster `tivex -j2` checks a list of files than `tivex -j1`: whole processes,
# warm cache (each command runs once before timing), the median of 5 timed runs each,
# taken in turns so that a change of load hits both alike, on the same list of regular
# files from /usr/share and /usr/lib. Before timing, it makes sure both give the same
# bytes on standard output and on standard error.
#
#   bench/tivex_jobs.sh [--realtime] [--with-file] [BUILD_DIR] [COUNT]
#                                                   defaults: build, 20000
#
#   --realtime   run every timed command under `chrt -f 10` (root only): on a machine
#                that others are loading, this keeps their processes off both cores for
#                the fraction of a second a run takes, so -j2 is not measured against a
#                second core that is not free. Not needed on an idle machine.
#   --with-file  also time `file -b --extension -f LIST` (median of 3, slow) and print
#                how many times as fast `tivex -j1` is on the same files; both run on
#                one thread, so the ratio of their CPU times holds under any load.
#
# Besides wall time it prints CPU time (user + system): more CPU at -j2 than at -j1 is
# what threads cost, and it bounds the ratio whatever the load.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

realtime=0
with_file=0
positional=()
for argument in "$@"; do
  case "$argument" in
    --realtime) realtime=1 ;;
    --with-file) with_file=1 ;;
    -h | --help) awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "${BASH_SOURCE[0]}"; exit 0 ;;
    -*) echo "unknown option $argument (try --help)" >&2; exit 2 ;;
    *) positional+=("$argument") ;;
  esac
done
build_dir=${positional[0]:-$root/build}
count=${positional[1]:-20000}
tivex=$build_dir/bin/tivex
[ -x "$tivex" ] || { echo "no $tivex: build first" >&2; exit 1; }

runner=()
if ((realtime)); then
  chrt -f 10 true 2>/dev/null || { echo "--realtime: chrt -f is not permitted here (root only)" >&2; exit 1; }
  runner=(chrt -f 10)
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
list=$work/list

# Deterministic: every regular, readable file under both folders in byte order, then every
# n-th one of them so the choice spreads over both trees.
find /usr/share /usr/lib -type f -readable -print 2>/dev/null | LC_ALL=C sort >"$work/all"
total=$(wc -l <"$work/all")
((total >= count)) || count=$total
awk -v total="$total" -v count="$count" 'BEGIN { step = total / count; next_pick = 0 }
  NR - 1 >= next_pick && picked < count { print; picked++; next_pick += step }' "$work/all" >"$list"
files=$(wc -l <"$list")

run_tivex() { "${runner[@]}" "$tivex" -j"$1" -e -f "$list"; }

# Warms the cache and proves the threads change nothing in what is written.
for jobs in 1 2; do
  run_tivex "$jobs" >"$work/out$jobs" 2>"$work/err$jobs" || true
done
if ! cmp -s "$work/out1" "$work/out2" || ! cmp -s "$work/err1" "$work/err2"; then
  echo "tivex -j2 wrote other output than -j1: the timing would mean nothing" >&2
  exit 1
fi

# One timed run: "wall cpu" in milliseconds, cpu being user + system time.
timed_ms() {
  local TIMEFORMAT='%R %U %S' timing
  timing=$({ time "$@" >/dev/null 2>&1; } 2>&1) || true
  awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' <<<"$timing"
}
# median_of FILE COLUMN: the median of one column of timed_ms lines (1 wall, 2 cpu).
median_of() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

load=$(cut -d' ' -f1 /proc/loadavg)
: >"$work/j1"
: >"$work/j2"
for _ in 1 2 3 4 5; do
  timed_ms run_tivex 1 >>"$work/j1"
  timed_ms run_tivex 2 >>"$work/j2"
done
wall1=$(median_of "$work/j1" 1)
wall2=$(median_of "$work/j2" 1)
cpu1=$(median_of "$work/j1" 2)
cpu2=$(median_of "$work/j2" 2)
((wall2 > 0)) || wall2=1
((cpu1 > 0)) || cpu1=1

echo "files: $files regular files from /usr/share and /usr/lib (of $total); output of -j1 and -j2 identical"
echo "load average before timing: $load$( ((realtime)) && echo ' (timed under chrt -f 10)')"
awk -v w1="$wall1" -v w2="$wall2" -v c1="$cpu1" -v c2="$cpu2" -v n="$files" 'BEGIN {
  printf "tivex -j1 -e -f LIST:  %6d ms wall  %6d ms cpu  %8.0f files/s\n", w1, c1, n / (w1 / 1000)
  printf "tivex -j2 -e -f LIST:  %6d ms wall  %6d ms cpu  %8.0f files/s\n", w2, c2, n / (w2 / 1000)
  printf "ratio (-j1 wall / -j2 wall):  %.2f x\n", w1 / w2
  printf "cpu at -j2 against -j1:       %+.0f %%  (with that, two cores allow at most %.2f x)\n",
         (c2 / c1 - 1) * 100, 2 * c1 / c2
}'
nproc_now=$(nproc)
((nproc_now >= 2)) || echo "note: this machine shows $nproc_now core(s); -j2 cannot be faster here"
if ((!realtime)) && awk -v l="$load" 'BEGIN { exit !(l > 0.5) }'; then
  echo "note: the machine was busy (load $load): the wall ratio is low by what the others took;"
  echo "      run again when it is idle, or as root with --realtime"
fi

if ((with_file)); then
  : >"$work/file"
  : >"$work/t1"
  for _ in 1 2 3; do
    timed_ms "${runner[@]}" file -b --extension -f "$list" >>"$work/file"
    timed_ms run_tivex 1 >>"$work/t1"
  done
  awk -v f="$(median_of "$work/file" 1)" -v t="$(median_of "$work/t1" 1)" \
    -v fc="$(median_of "$work/file" 2)" -v tc="$(median_of "$work/t1" 2)" 'BEGIN {
    printf "file -b --extension -f LIST:  %6d ms wall  %6d ms cpu\n", f, fc
    printf "tivex -j1 against file:       %.1f times as fast (cpu time: %.1f times)\n",
           f / (t > 0 ? t : 1), fc / (tc > 0 ? tc : 1) }'
fi
