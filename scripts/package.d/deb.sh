#!/usr/bin/env bash
# Debian packages from the build folder as it stands (the one scripts/setup made; nothing
# is compiled again): sorvena (the program, its private engine, the data files and the
# tivex command), libtivex1 (the shared library) and libtivex-dev (what a program needs
# to build against it). Each package is one install component of the build, installed
# into a staging folder under /usr; dpkg-shlibdeps, dpkg-gencontrol and dpkg-deb turn
# the folders into packages, with the control data in packaging/debian/.
#
#   scripts/package deb [OUT_DIR]     default OUT_DIR: BUILD_DIR/packages
#
# BUILD_DIR (default build/) names the build folder. Prints the paths of the packages.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
case "$build_dir" in /*) ;; *) build_dir=$root/$build_dir ;; esac
debian=$root/packaging/debian

case "${1:-}" in
  -h | --help) sed -n '2,11s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"; exit 0 ;;
esac
out_dir=${1:-$build_dir/packages}
case "$out_dir" in /*) ;; *) out_dir=$PWD/$out_dir ;; esac

fail() { echo "package deb: $*" >&2; exit 1; }

# package name, install component
packages=(
  "sorvena program"
  "libtivex1 library"
  "libtivex-dev development"
)

cache=$build_dir/CMakeCache.txt
[ -f "$cache" ] || fail "no build in $build_dir: run scripts/setup run first"
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
# Packages carry what users run: no sanitizer, no instrumented engine.
[ "$(cache_value SORVENA_SANITIZE)" != ON ] || fail "$build_dir is a sanitizer build"
[ "$(cache_value SORVENA_FUZZ)" != ON ] || fail "$build_dir is a fuzzing build"
[ "$(cache_value SORVENA_GUI)" != OFF ] || fail "$build_dir has no program (SORVENA_GUI=OFF)"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
libdir=$(cache_value CMAKE_INSTALL_LIBDIR)
[ "$libdir" = "lib/$multiarch" ] ||
  fail "the build installs libraries into '$libdir', not lib/$multiarch: configure it afresh"
# Only what was built is packaged: a build folder whose programs are out of date would
# give packages that do not match the sources.
if ninja -C "$build_dir" -n sorvena tivex tivex_cli data_files desktop_icons | grep -q '^\['; then
  fail "$build_dir is not up to date: run scripts/setup run first"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/sorvena-deb-XXXXXX")
trap 'rm -rf "$work"' EXIT
# dpkg-shlibdeps reads the package list from debian/control in the folder it runs in.
mkdir "$work/debian"
cp "$debian/control" "$debian/changelog" "$work/debian/"
version=$(dpkg-parsechangelog -l "$debian/changelog" -SVersion)
# Every date in the packages is the release's, so the same sources give the same packages.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH

is_elf() { [ "$(head -c 4 "$1" | od -An -c | tr -d ' ')" = '177ELF' ]; }

# The copyright file in the machine-readable form, with the licence text of LICENSE.
write_copyright() {
  cat "$debian/copyright"
  sed -n '/^Permission is hereby granted/,$p' "$root/LICENSE" | sed 's/^$/./; s/^/ /'
}

stage_package() {
  local package=$1 component=$2
  local stage=$work/$package
  DESTDIR=$stage cmake --install "$build_dir" --prefix /usr --component "$component" >/dev/null
  [ -d "$stage/usr" ] || fail "the component $component installed nothing"

  # Debug information stays out of the packages; the same strip options as Debian's own.
  local file
  while IFS= read -r -d '' file; do
    is_elf "$file" || continue
    case "$file" in
      *.so | *.so.*) strip --remove-section=.comment --remove-section=.note --strip-unneeded "$file" ;;
      *) strip --remove-section=.comment --remove-section=.note "$file" ;;
    esac
  done < <(find "$stage" -type f -print0)

  # Manual pages are compressed; a page that is a link to another follows it.
  if [ -d "$stage/usr/share/man" ]; then
    while IFS= read -r -d '' file; do
      if [ -L "$file" ]; then
        ln -s "$(readlink "$file").gz" "$file.gz"
        rm "$file"
      else
        gzip -9n "$file"
      fi
    done < <(find "$stage/usr/share/man" \( -type f -o -type l \) ! -name '*.gz' -print0)
  fi

  local doc=$stage/usr/share/doc/$package
  mkdir -p "$doc"
  write_copyright > "$doc/copyright"
  gzip -9nc "$debian/changelog" > "$doc/changelog.gz"
  if [ -f "$debian/$package.lintian-overrides" ]; then
    install -D -m 644 "$debian/$package.lintian-overrides" "$stage/usr/share/lintian/overrides/$package"
  fi

  # Owner root (dpkg-deb --root-owner-group); only the owner writes.
  find "$stage" -type d -exec chmod 755 {} +
  find "$stage" -type f -exec chmod go-w {} +

  mkdir -p "$stage/DEBIAN"
  local control_extra
  for control_extra in shlibs triggers; do
    if [ -f "$debian/$package.$control_extra" ]; then
      install -m 644 "$debian/$package.$control_extra" "$stage/DEBIAN/$control_extra"
    fi
  done
  # The library's exported symbols must stay exactly those of packaging/debian: the
  # contract is three entry points, for good.
  if [ -f "$debian/$package.symbols" ]; then
    cp "$debian/$package.symbols" "$work/debian/"
    (cd "$work" && dpkg-gensymbols -c4 -p"$package" -P"$stage" -v"$version" -O"$stage/DEBIAN/symbols") ||
      fail "the symbols of $package are not those of packaging/debian/$package.symbols"
    chmod 644 "$stage/DEBIAN/symbols"
  fi
  (cd "$stage" && find . -path ./DEBIAN -prune -o -type f -printf '%P\0' | LC_ALL=C sort -z |
    xargs -0r md5sum) > "$stage/DEBIAN/md5sums"
  [ -s "$stage/DEBIAN/md5sums" ] || rm "$stage/DEBIAN/md5sums"

  # The libraries the binaries link give the package's dependencies.
  local binaries=()
  while IFS= read -r -d '' file; do
    is_elf "$file" && binaries+=("$file")
  done < <(find "$stage/usr" -type f -print0)
  : > "$work/debian/$package.substvars"
  if ((${#binaries[@]})); then
    (cd "$work" && dpkg-shlibdeps -T"debian/$package.substvars" "${binaries[@]}")
  fi
  (cd "$work" && dpkg-gencontrol -p"$package" -P"$stage" -T"debian/$package.substvars" \
    -f"$work/files")
}

arch=$(dpkg-architecture -qDEB_HOST_ARCH)
mkdir -p "$out_dir"
for entry in "${packages[@]}"; do
  read -r package component <<<"$entry"
  stage_package "$package" "$component"
  deb=$out_dir/${package}_${version}_${arch}.deb
  dpkg-deb --root-owner-group -Zxz --build "$work/$package" "$deb" >/dev/null
  echo "$deb"
done
