#!/usr/bin/env bash
# Installs the build into a fresh prefix and starts the installed program from there:
# it must find its engine and its data files in its own folder, and the renamer's link
# must start the renamer alone.
#   installed_program.sh BUILD_DIR
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$prefix/usr" >/dev/null
P=$prefix/usr
for file in lib/sorvena/sorvena lib/sorvena/libtivex.so lib/sorvena/readme.txt lib/sorvena/ext.csv \
            lib/sorvena/prog.csv bin/sorvena bin/sorvena-ren bin/tivex \
            share/applications/sorvena.desktop share/applications/sorvena-ren.desktop \
            share/icons/hicolor/scalable/apps/sorvena.svg share/icons/hicolor/scalable/apps/sorvena-ren.svg; do
  [ -e "$P/$file" ] || fail "not installed: $file"
done
desktop-file-validate "$P"/share/applications/*.desktop || fail "desktop entries"
grep -qx 'Exec=sorvena %f' "$P/share/applications/sorvena.desktop" || fail "the entry does not open a file"
grep -qx 'Exec=sorvena -rename %F' "$P/share/applications/sorvena-ren.desktop" || fail "the renamer entry"

# A picture under the wrong name: only the engine can tell.
work=$prefix/work
mkdir "$work"
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\1\0\0\0\1\x08\x02\0\0\0\x90wS\xde' > "$work/photo.dat"
runtime=$prefix/runtime
mkdir -m 700 "$runtime"
run() {
  (cd "$work" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime SORVENA_PRINT_RESULT=1 "$@")
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

"$P/bin/tivex" -e -b "$work/photo.dat" | grep -qx png || fail "the installed tivex command"
echo "installed program: ok"
