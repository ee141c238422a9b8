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

"$(dirname "${BASH_SOURCE[0]}")/start_installed.sh" "$P"
echo "installed program: ok"
