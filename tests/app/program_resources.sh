#!/usr/bin/env bash
# What Explorer reads of sorvena.exe, taken back out of the built program with wrestool
# (icoutils) and compared with what the build meant to put in: the icon at every size,
# the version information and the manifest.
#
#   tests/app/program_resources.sh PROGRAM ICON MANIFEST VERSION
set -euo pipefail
program=$1 icon=$2 manifest=$3 version=$4   # version: 1.20.0.0
work=$(mktemp -d "${TMPDIR:-/tmp}/sorvena-resources-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "program_resources: $*" >&2; exit 1; }

# Icon: every picture of the icon file, at its size and depth.
wrestool -x --type=14 "$program" >"$work/icon.ico" || fail "no icon in $program"
[ "$(icotool -l "$work/icon.ico")" = "$(icotool -l "$icon")" ] ||
  fail "the program's icon is not the one drawn: $(icotool -l "$work/icon.ico")"
for size in 16 32 48 256; do
  icotool -l "$work/icon.ico" | grep -q -- "--width=$size --height=$size --bit-depth=32" ||
    fail "the icon has no $size-pixel picture"
done

# Manifest: byte for byte.
wrestool -x --raw --type=24 "$program" >"$work/manifest" || fail "no manifest in $program"
cmp -s "$work/manifest" "$manifest" || fail "the manifest in $program differs from $manifest"
for setting in 'PerMonitorV2' '<longPathAware[^>]*>true<' 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; do
  grep -q -- "$setting" "$work/manifest" || fail "the manifest lacks $setting"
done
! grep -q activeCodePage "$work/manifest" || fail "the manifest sets an active code page"

# Version: the numbers Windows compares (after the fixed information's signature FEEF04BD
# and its structure version), then the texts Explorer shows, read as UTF-16 strings.
wrestool -x --raw --type=16 "$program" >"$work/version" || fail "no version information in $program"
IFS=. read -r major minor patch build <<<"$version"
word() { printf '%02x %02x ' $(($1 & 0xff)) $(($1 >> 8)); }
numbers="bd 04 ef fe 00 00 01 00 $(word "$minor")$(word "$major")$(word "$build")$(word "$patch")"
od -An -v -tx1 "$work/version" | tr -s ' \n' ' ' | grep -q "${numbers% }" ||
  fail "the file version is not $version"
strings_of() { iconv -c -f UTF-16LE -t UTF-8 "$1" | tr '\0' '\n' | grep -av '^$'; }
value_of() { strings_of "$work/version" | awk -v key="$1" 'found { print; exit } $0 ~ key "$" { found = 1 }'; }
check_value() {
  [ "$(value_of "$1")" = "$2" ] || fail "$1 is '$(value_of "$1")', not '$2'"
}
check_value ProductName Quenbrook
check_value FileVersion "$version"
check_value FileDescription "Quenbrook: ファイル種別チェッカー"
check_value OriginalFilename sorvena.exe
echo "program_resources: icon ($(icotool -l "$icon" | wc -l) pictures), version $version, manifest: as built"
