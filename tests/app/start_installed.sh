#!/usr/bin/env bash
# Starts the program, its renamer link and the tivex command as installed under PREFIX
# (offscreen): the engine must answer from the program's own folder, the data files must
# be found there, and the renamer's link must start the renamer alone.
#   start_installed.sh PREFIX        PREFIX as /usr or /usr/local, below any root
set -euo pipefail
P=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A picture under the wrong name: only the engine can tell.
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\1\0\0\0\1\x08\x02\0\0\0\x90wS\xde' > "$work/photo.dat"
mkdir -m 700 "$work/runtime"
run() {
  (cd "$work" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime SORVENA_PRINT_RESULT=1 "$@")
}

report=$(run "$P/bin/sorvena" "$work/photo.dat")
echo "$report"
grep -qx 'proper name:  photo.png' <<<"$report" || fail "the engine gave no proper name"
grep -qx 'start:        main window' <<<"$report" || fail "a file argument starts the main window"
for name in readme.txt ext.csv prog.csv; do
  grep -qx "data file:    $P/lib/sorvena/$name" <<<"$report" || fail "$name not found beside the program"
done

report=$(run "$P/bin/sorvena-ren")
grep -qx 'start:        rename window alone' <<<"$report" || fail "the renamer's link opened the main window"

[ "$("$P/bin/tivex" -e -b "$work/photo.dat")" = png ] || fail "the installed tivex command"
