#!/usr/bin/env bash
# Runs the dictionary's record-reader fuzzer, seeded with the shipped data files, and fails
# when it finds a crash, a hang or a record of the wrong width.
#
#   dictionary/fuzz/run_fuzzer.sh BUILD_DIR [SECONDS]
#
# BUILD_DIR is a clang build configured with -DSORVENA_FUZZ=ON in which the target
# dictionary_fuzz_records has been built. A crashing input is written to
# BUILD_DIR/fuzz-artifacts/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${1:?usage: run_fuzzer.sh BUILD_DIR [SECONDS]}
seconds=${2:-20}
target=dictionary_fuzz_records
seed=${FUZZ_SEED:-1}
corpus=$build_dir/fuzz-corpus/$target
artifacts=$build_dir/fuzz-artifacts
mkdir -p "$corpus" "$artifacts"
cp -n "$root/data/ext.csv" "$root/data/prog.csv" "$corpus/"
# Small hand-made seeds reach the quoting and line-end paths at once.
printf 'a,"b, c" x,\r\n\r\n  d\re\n"unclosed' >"$corpus/quotes-and-line-ends"
printf '\xef\xbb\xbfimg,0,0,,,,,,\xe7\x94\xbb\xe5\x83\x8f,,,,\nzend,,,,,,,,,,,,\n' >"$corpus/utf8-with-mark"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# The shipped files are far larger than a reader fault needs; shorter inputs explore more
# per second.
echo "fuzz: $target for ${seconds}s"
if ! "$build_dir/bin/$target" "$corpus" -max_total_time="$seconds" -seed="$seed" -timeout=10 -max_len=8192 \
  -rss_limit_mb=2048 -artifact_prefix="$artifacts/$target-" -print_final_stats=1 2>"$build_dir/$target.log"; then
  tail -n 60 "$build_dir/$target.log" >&2
  echo "fuzz: $target failed; the input is in $artifacts" >&2
  exit 1
fi
grep -E '^(stat::number_of_executed_units|Done)' "$build_dir/$target.log" || true
