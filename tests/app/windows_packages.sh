#!/usr/bin/env bash
# The Windows installer and zip, tried as a user meets them, in a fresh Wine prefix of
# their own: the MSI installs (the program, its licence and every notice, the Start-menu
# and Send To entries), the installed program checks a file given the way
# Explorer gives it (quoted, with a blank in its folder), the MSI uninstalls and leaves
# nothing of the program behind; the zip unpacks and its program checks the same file.
# Prints how long installing and uninstalling took.
#
#   tests/app/windows_packages.sh MSI ZIP
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
msi=$(realpath "$1")
zip=$(realpath "$2")

fresh=$(mktemp -d "${TMPDIR:-/tmp}/sorvena-packages-XXXXXX")
export WINEPREFIX=$fresh/prefix
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$fresh"
}
trap cleanup EXIT
wine() { "$root/scripts/wine-run" "$@"; }
fail() { echo "windows_packages: $*" >&2; exit 1; }
seconds_since() {
  local tenths=$((($(date +%s%N) - $1) / 100000000))
  echo "$((tenths / 10)).$((tenths % 10))"
}

wine cmd /c exit 0 >/dev/null 2>&1 || true
drive_c=$WINEPREFIX/drive_c
user_folder=$drive_c/users/$(id -un)
installed=$drive_c/Program\ Files/Quenbrook
# Windows puts a machine-wide installation's Start-menu entries with all users' (Wine
# with the user's); either place counts, and nothing may be left in either.
start_menus=("$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quenbrook"
             "$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quenbrook")
send_to=$user_folder/AppData/Roaming/Microsoft/Windows/SendTo
cp "$msi" "$drive_c/Quenbrook.msi"
mkdir -p "$drive_c/写真 集"
cp "$root/resources/demo/picture.txt" "$drive_c/写真 集/picture.txt"

# The headless result of PROGRAM checking the file (the windows platform, as installed).
checks_the_file() {
  local report
  report=$(SORVENA_PRINT_RESULT=1 wine "$1" 'C:\写真 集\picture.txt' 2>/dev/null | tr -d '\r') ||
    fail "$1 did not run"
  grep -qxF 'folder:       \写真 集\' <<<"$report" || fail "$1 did not take the quoted path: $report"
  grep -qx 'proper name: *picture.png' <<<"$report" || fail "$1 did not check the file: $report"
}
uninstall_entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | grep -c 'Quenbrook' || true
}

started=$(date +%s%N)
wine msiexec /i 'C:\Quenbrook.msi' /qn || fail "msiexec /i failed"
install_time=$(seconds_since "$started")
start_menu=
for folder in "${start_menus[@]}"; do
  [ -d "$folder" ] && start_menu=$folder
done
[ -n "$start_menu" ] || fail "no Start-menu folder Quenbrook"
licences=()
for notice in README LGPL-3 GPL-3 FreeType HarfBuzz libpng libjpeg zlib PCRE2 double-conversion GCC-runtime MinGW-w64; do
  licences+=("$installed/licenses/$notice.txt")
done
for file in "$installed/sorvena.exe" "$installed/tivex.dll" "$installed/platforms/qwindows.dll" \
            "$installed/LICENSE.txt" "${licences[@]}" \
            "$start_menu/Quenbrook.lnk" "$start_menu/Quenbrook Renamer.lnk" \
            "$send_to/Quenbrook.lnk" "$send_to/Quenbrook Renamer.lnk"; do
  [ -s "$file" ] || fail "not installed: ${file#"$drive_c/"}"
done
[ "$(uninstall_entries)" -gt 0 ] || fail "no uninstall entry in the registry"
checks_the_file 'C:\Program Files\Quenbrook\sorvena.exe'

started=$(date +%s%N)
wine msiexec /x 'C:\Quenbrook.msi' /qn || fail "msiexec /x failed"
uninstall_time=$(seconds_since "$started")
[ ! -e "$installed" ] || fail "left behind: $(cd "$installed" && find . | head -n 5)"
for folder in "${start_menus[@]}"; do
  [ ! -e "$folder" ] || fail "the Start-menu folder is left behind"
done
! compgen -G "$send_to/Quenbrook*" >/dev/null || fail "Send To entries are left behind"
[ "$(uninstall_entries)" -eq 0 ] || fail "the uninstall entry is left behind"
! wine reg query 'HKCU\Software\Sorvena' >/dev/null 2>&1 || fail "HKCU\\Software\\Sorvena is left behind"

(cd "$drive_c" && cmake -E tar xf "$zip")
checks_the_file 'C:\Quenbrook\sorvena.exe'

echo "windows_packages: installed in $install_time s, uninstalled in $uninstall_time s, nothing left;" \
     "the zip's program runs"
