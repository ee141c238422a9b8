#!/usr/bin/env bash
# Runs the tests that permissions do not bind for the superuser once more as an ordinary
# user. CI runs as root and names that user in SORVENA_TEST_USER; anywhere else those
# tests have run in their own entries already, and this entry is skipped.
#   as_ordinary_user.sh BIN_DIR GTEST_FILTER PROGRAM...
set -euo pipefail
bin=$1
filter=$2
shift 2
if [ "$(id -u)" -ne 0 ] || [ -z "${SORVENA_TEST_USER:-}" ]; then
  echo "not root, or SORVENA_TEST_USER not set: nothing to run again"
  exit 77
fi
# The user may not reach the build folder, so the programs run from a copy, beside the
# engine they load and the tivex command they run from their own folder.
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
chmod 755 "$copy"
for program in "$@"; do cp "$bin/$program" "$copy/"; done
cp "$bin/libtivex.so" "$bin/tivex" "$copy/"
status=0
for program in "$@"; do
  output=$(cd "$copy" && runuser -u "$SORVENA_TEST_USER" -- "$copy/$program" --gtest_filter="$filter" 2>&1) || status=1
  echo "$output"
  # Each program must have run at least one test, and skipped none.
  if grep -q '^\[  SKIPPED \]' <<<"$output" || ! grep -q '^\[  PASSED  \] [1-9]' <<<"$output"; then
    echo "$program: the tests did not all run as $SORVENA_TEST_USER"
    status=1
  fi
done
exit "$status"
