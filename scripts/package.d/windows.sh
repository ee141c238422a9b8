#!/usr/bin/env bash
# The Windows packages, made from the folder a Windows user runs (build-win64/dist, which
# scripts/windows-test lays out and checks):
#   Quenbrook-VERSION-x64.msi  installs under Program Files\Quenbrook, with Start-menu
#                              entries for the program and the renamer alone, Send To
#                              entries for both, and an uninstall (made with wixl);
#   Quenbrook-VERSION-x64.zip  the same folder to unzip and run, as Quenbrook\.
#
#   scripts/package windows [DIST [OUT]]    (defaults: build-win64/dist, build-win64/packages)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

case "${1:-}" in
  -h | --help) sed -n '2,9p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit 0 ;;
esac
dist=$(realpath "${1:-$root/build-win64/dist}")
out=${2:-$root/build-win64/packages}
if [ ! -f "$dist/sorvena.exe" ]; then
  echo "package windows: $dist holds no sorvena.exe (scripts/windows-test lays it out)" >&2
  exit 1
fi
for tool in wixl wixl-heat wrestool; do
  command -v "$tool" >/dev/null || { echo "package windows: $tool is missing (scripts/setup windows)" >&2; exit 1; }
done

version=$(sed -n 's/^project(Sorvena VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
mkdir -p "$out"
out=$(realpath "$out")
msi=$out/Quenbrook-$version-x64.msi
zip=$out/Quenbrook-$version-x64.zip
work=$(mktemp -d "${TMPDIR:-/tmp}/sorvena-package-XXXXXX")
trap 'rm -rf "$work"' EXIT

# wixl takes the files' paths relative to where it runs.
ln -s "$dist" "$work/files"
# The product's icon in Apps & features is the program's own.
wrestool -x --type=14 "$dist/sorvena.exe" >"$work/quenbrook.ico"
(cd "$dist" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) |
  wixl-heat -p '' --component-group DistFiles --var var.SourceDir --directory-ref INSTALLDIR --win64 \
    >"$work/files.wxs"
rm -f "$msi"
(cd "$work" && wixl -a x64 -D Version="$version.0" -D SourceDir=files -D Win64=yes -D Icon=quenbrook.ico \
   -o "$msi" "$root/app/windows/quenbrook.wxs" files.wxs)

mkdir "$work/zip"
cp -a "$dist" "$work/zip/Quenbrook"
rm -f "$zip"
(cd "$work/zip" && cmake -E tar cf "$zip" --format=zip Quenbrook)

for package in "$msi" "$zip"; do
  echo "package windows: $package ($(du -k "$package" | cut -f1) KiB)"
done
