#!/usr/bin/env bash
# Checks the Debian packages that scripts/package deb made, the way a user and a packager
# would meet them: lintian, the control data, the files each package holds; then the
# packages unpacked into a temporary root, where the tivex command and the program must
# work from their installed places and a small C program must build against the
# development files through pkg-config and through find_package(tivex).
#   deb_packages.sh PACKAGE_DIR
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
package_dir=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

arch=$(dpkg-architecture -qDEB_HOST_ARCH)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
deb_of() {
  local found=("$package_dir/$1"_*_"$arch".deb)
  [ "${#found[@]}" -eq 1 ] && [ -f "${found[0]}" ] || fail "not exactly one package $1 for $arch in $package_dir"
  echo "${found[0]}"
}
program_deb=$(deb_of sorvena)
library_deb=$(deb_of libtivex1)
dev_deb=$(deb_of libtivex-dev)

# Every warning lintian still gives is overridden in the package, with the reason beside
# the override; a new one fails here.
lintian --fail-on error,warning --tag-display-limit 0 "$program_deb" "$library_deb" "$dev_deb" ||
  fail "lintian"

field() { dpkg-deb --field "$1" "$2"; }
# Depends as a list of package names, one a line.
depends_of() { field "$1" Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | sed '/^$/d'; }
needs() {
  local deb=$1 package=$2
  depends_of "$deb" | grep -qx -- "$package" || fail "$(basename "$deb") does not depend on $package"
}

version=$(field "$program_deb" Version)
for deb in "$library_deb" "$dev_deb"; do
  [ "$(field "$deb" Version)" = "$version" ] || fail "$(basename "$deb") has another version than $version"
done
# What the program loads without linking it, and what dpkg-shlibdeps found it links.
for package in libqt6svg6 qt6-qpa-plugins xdg-utils libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  needs "$program_deb" "$package"
done
[ "$(field "$program_deb" Recommends)" = fonts-ipafont-gothic ] || fail "the fonts are not recommended"
needs "$library_deb" libc6
needs "$library_deb" libstdc++6
field "$dev_deb" Depends | grep -qx "libtivex1 (= $version)" || fail "libtivex-dev must need its own libtivex1"
for deb in "$library_deb" "$dev_deb"; do
  [ "$(field "$deb" Multi-Arch)" = same ] || fail "$(basename "$deb") is not Multi-Arch: same"
done

# What each package holds.
holds() {
  local deb=$1
  shift
  local listing path
  listing=$(dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|')
  for path in "$@"; do
    grep -qx -- "$path" <<<"$listing" || fail "$(basename "$deb") lacks $path"
  done
}
icons=()
for size in 16 22 24 32 48 64 128 256; do
  icons+=("/usr/share/icons/hicolor/${size}x${size}/apps/sorvena.png"
          "/usr/share/icons/hicolor/${size}x${size}/apps/sorvena-ren.png")
done
holds "$program_deb" /usr/lib/sorvena/sorvena /usr/lib/sorvena/libtivex.so /usr/lib/sorvena/readme.txt \
  /usr/lib/sorvena/ext.csv /usr/lib/sorvena/prog.csv /usr/bin/sorvena /usr/bin/sorvena-ren /usr/bin/tivex \
  /usr/share/applications/sorvena.desktop /usr/share/applications/sorvena-ren.desktop \
  /usr/share/icons/hicolor/scalable/apps/sorvena.svg /usr/share/icons/hicolor/scalable/apps/sorvena-ren.svg \
  "${icons[@]}" /usr/share/metainfo/invalid.sorvena.sorvena.metainfo.xml \
  /usr/share/man/man1/sorvena.1.gz /usr/share/man/man1/sorvena-ren.1.gz /usr/share/man/man1/tivex.1.gz \
  /usr/share/bash-completion/completions/tivex /usr/share/doc/sorvena/copyright
holds "$library_deb" "/usr/lib/$multiarch/libtivex.so.1" /usr/share/doc/libtivex1/copyright
holds "$dev_deb" "/usr/lib/$multiarch/libtivex.so" /usr/include/tivex.h \
  "/usr/lib/$multiarch/pkgconfig/tivex.pc" "/usr/lib/$multiarch/cmake/tivex/tivexConfig.cmake" \
  "/usr/lib/$multiarch/cmake/tivex/tivexConfigVersion.cmake" /usr/share/doc/libtivex-dev/copyright
# The program keeps its own engine: it never loads the one in the system's library folder.
if dpkg-deb --contents "$program_deb" | grep -qE "\./usr/(include|lib/$multiarch)/"; then
  fail "the program's package holds files of the library's packages"
fi

# Unpacked as dpkg would install them, below a temporary root.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
R=$work/root
for deb in "$program_deb" "$library_deb" "$dev_deb"; do dpkg -x "$deb" "$R"; done
libdir=$R/usr/lib/$multiarch

objdump -p "$libdir/libtivex.so.1" | grep -qE '^ +SONAME +libtivex\.so\.1$' || fail "libtivex.so.1 has not the SONAME libtivex.so.1"
[ "$(readlink -f "$libdir/libtivex.so")" = "$(readlink -f "$libdir/libtivex.so.1")" ] ||
  fail "the development link does not lead to the library"
grep -q 'The Sorvena authors' "$R/usr/share/doc/sorvena/copyright" &&
  grep -q '^License: MIT$' "$R/usr/share/doc/sorvena/copyright" || fail "the copyright file"
appstreamcli validate --no-net "$R/usr/share/metainfo/invalid.sorvena.sorvena.metainfo.xml" >/dev/null ||
  fail "the AppStream metainfo"
desktop-file-validate "$R"/usr/share/applications/*.desktop || fail "the desktop entries"
for page in sorvena sorvena-ren tivex; do
  warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$R/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page $page.1: $warnings"
done

# The manual page and the completion know every option the command has.
options=$("$R/usr/bin/tivex" --help | grep -oE '(^|[ ,])--?[a-z0-9][a-z0-9-]*' | sed 's/^[ ,]*//' | sort -u)
[ -n "$options" ] || fail "tivex --help lists no option"
page=$(zcat "$R/usr/share/man/man1/tivex.1.gz" | sed 's/\\-/-/g')
completion=$(cat "$R/usr/share/bash-completion/completions/tivex")
for option in $options; do
  grep -qE "(^|[^a-z-])$option([^a-z0-9-]|$)" <<<"$page" || fail "tivex.1 does not describe $option"
  case "$option" in
    --*) grep -qE "(^|[ '])$option([ ']|$)" <<<"$completion" || fail "the completion does not offer $option" ;;
  esac
done
completed=$(bash -c '
  source /usr/share/bash-completion/bash_completion
  source "$1"
  COMP_WORDS=(tivex --js); COMP_CWORD=1; COMP_LINE="tivex --js"; COMP_POINT=${#COMP_LINE}
  _comp_tivex tivex --js tivex
  echo "${COMPREPLY[*]}"' bash "$R/usr/share/bash-completion/completions/tivex")
[ "$completed" = --json ] || fail "completing 'tivex --js' gave '$completed'"

"$here/../app/start_installed.sh" "$R/usr" >/dev/null

# Another program, in C, built against the unpacked development files both ways.
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\1\0\0\0\1\x08\x02\0\0\0\x90wS\xde' > "$work/photo.dat"
expected=$(printf 'photo\tdat\tpng\t')
caller_ok() {
  local output
  output=$(LD_LIBRARY_PATH=$libdir "$1" "$work/photo.dat") || fail "$2: the caller failed"
  [[ $output == "$expected"* ]] || fail "$2: the caller printed '$output'"
}
[ "$(PKG_CONFIG_PATH=$libdir/pkgconfig pkg-config --modversion tivex)" = "$version" ] ||
  fail "pkg-config gives another version than the package's"
flags=$(PKG_CONFIG_PATH=$libdir/pkgconfig PKG_CONFIG_SYSROOT_DIR=$R pkg-config --cflags --libs tivex)
# shellcheck disable=SC2086
cc -std=c99 -Wall -Werror -o "$work/caller-pkgconfig" "$here/caller/tivex_caller.c" $flags ||
  fail "the caller does not build with pkg-config ($flags)"
caller_ok "$work/caller-pkgconfig" pkg-config
cmake -S "$here/caller" -B "$work/caller-cmake" -G Ninja -DCMAKE_PREFIX_PATH="$R/usr" \
  -DCMAKE_C_FLAGS="-Wall -Werror" >/dev/null || fail "find_package(tivex) from the unpacked root"
cmake --build "$work/caller-cmake" >/dev/null || fail "the caller does not build with find_package(tivex)"
caller_ok "$work/caller-cmake/tivex_caller" "find_package(tivex)"

for deb in "$program_deb" "$library_deb" "$dev_deb"; do
  printf '%-40s %8s bytes\n' "$(basename "$deb")" "$(stat -c %s "$deb")"
done
echo "deb packages: ok"
