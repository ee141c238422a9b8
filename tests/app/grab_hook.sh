#!/usr/bin/env bash
# The picture hook that ships in the program (SORVENA_GRAB_TO) writes only new files: a
# name that is taken, by a file or by a link, is left exactly as it was, and the exit
# status says so.
#   grab_hook.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
digest() { if [ -e "$1" ]; then sha256sum <"$1"; else echo none; fi; }
mkdir -m 700 "$work/runtime"
grab() {
  local status=0
  (cd "$work" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime SORVENA_GRAB_TO=$1 "$program" -about) \
    2>"$work/err" || status=$?
  echo "$status"
}

[ "$(grab new.png)" = 0 ] || fail "a new picture was not written: $(cat "$work/err")"
head -c 8 "$work/new.png" | cmp -s - <(printf '\x89PNG\r\n\x1a\n') || fail "the new picture is no PNG"

printf 'the report\n' > "$work/report.doc"
ln -s report.doc "$work/link.png"
ln -s nowhere.doc "$work/dangling.png"
for taken in report.doc link.png dangling.png new.png; do
  before=$(digest "$work/$taken")
  [ "$(grab "$taken")" = 4 ] || fail "$taken: the exit status does not say the name is taken"
  grep -q 'exists already' "$work/err" || fail "$taken: nothing said on standard error"
  [ "$(digest "$work/$taken")" = "$before" ] || fail "$taken was changed"
done
[ "$(cat "$work/report.doc")" = 'the report' ] || fail "report.doc was changed"
[ ! -e "$work/nowhere.doc" ] || fail "a dangling link was followed"
echo "grab hook: ok"
