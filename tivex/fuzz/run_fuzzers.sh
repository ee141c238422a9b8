#!/usr/bin/env bash
# Runs the tivex libFuzzer targets, seeded with the real-tool samples, and fails when one
# of them finds a crash, a hang or a broken verdict.
#
#   tivex/fuzz/run_fuzzers.sh BUILD_DIR [SECONDS_IN_ALL]
#
# BUILD_DIR is a clang build configured with -DSORVENA_FUZZ=ON in which the target
# tivex_fuzzers has been built. The seconds (default 100) are shared out evenly between
# the targets. Corpora grow in BUILD_DIR/fuzz-corpus/TARGET across runs; a crashing
# input is written to BUILD_DIR/fuzz-artifacts/; once the fault is fixed, copy it into
# tivex/fuzz/regressions/ under a name that says what it broke, and the tests replay it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${1:?usage: run_fuzzers.sh BUILD_DIR [SECONDS_IN_ALL]}
seconds=${2:-100}
targets=(tivex_fuzz_detect tivex_fuzz_inspectors)
share=$((seconds / ${#targets[@]}))
# A fixed seed makes a run repeatable: CI replays exactly what a developer ran before
# submitting. Set FUZZ_SEED to explore elsewhere.
seed=${FUZZ_SEED:-1}
((share >= 1)) || share=1

artifacts=$build_dir/fuzz-artifacts
mkdir -p "$artifacts"

# The samples are small (the largest is 46 KB), and libFuzzer builds no input longer than
# its longest seed unless told: the tail read apart from the head, and the targeted reads
# beyond the first 64 KiB, would never be fuzzed. So inputs may grow to 384 KiB, past the
# engine's 256 KiB read budget, and large seeds are made from containers whose directory
# or structure lies elsewhere than at the start: each behind 160 KiB of zeros (the
# directory ends up in the tail, its offsets point past the head), before 160 KiB of
# zeros (head and tail apart), and repeated past 256 KiB.
max_len=$((384 * 1024))
large_seeds=$build_dir/fuzz-large-seeds
large_samples=(archive.zip archive.jar libreoffice.docx pandoc.epub libreoffice.doc installer.msi
  video.mp4 video.mov video.mkv video.avi archive-gnu.tar libreoffice.pdf database.sqlite image.tif
  hello.exe package.deb)
make_large_seeds() {
  mkdir -p "$large_seeds"
  local name sample
  for name in "${large_samples[@]}"; do
    sample=$root/tests/data/formats/$name
    [ -f "$sample" ] || continue
    { head -c $((160 * 1024)) /dev/zero; cat "$sample"; } >"$large_seeds/behind-zeros-$name"
    { cat "$sample"; head -c $((160 * 1024)) /dev/zero; } >"$large_seeds/before-zeros-$name"
    : >"$large_seeds/repeated-$name"
    while [ "$(stat -c %s "$large_seeds/repeated-$name")" -le $((256 * 1024)) ]; do
      cat "$sample" >>"$large_seeds/repeated-$name"
    done
  done
}
make_large_seeds
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for target in "${targets[@]}"; do
  corpus=$build_dir/fuzz-corpus/$target
  mkdir -p "$corpus"
  # Seeds go in once; what the fuzzer adds later is kept beside them.
  find "$root/tests/data/formats" "$root/tivex/fuzz/regressions" "$large_seeds" -maxdepth 1 -type f \
    ! -name '*.sh' ! -name '*.tsv' -exec cp -n {} "$corpus/" \;
  echo "fuzz: $target for ${share}s"
  if ! "$build_dir/bin/$target" "$corpus" -max_total_time="$share" -seed="$seed" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/$target-" -print_final_stats=1 2>"$build_dir/$target.log"; then
    tail -n 60 "$build_dir/$target.log" >&2
    echo "fuzz: $target failed; the input is in $artifacts" >&2
    status=1
  else
    grep -E '^(stat::number_of_executed_units|Done)' "$build_dir/$target.log" || true
  fi
done
exit $status
