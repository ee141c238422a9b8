#!/usr/bin/env bash
# Each layer of the program includes only its own files and those of the layers below it:
#   1 platform/   2 shell/'s Qt-free part   3 engine/   4 the windows' pure cores
#   5 the windows (and shell/'s Qt part)   6 app/
# tivex/ stands apart: it includes nothing of the program. A folder's files that its
# CMakeLists.txt gives to sorvena_core are its Qt-free part; the rest belong to the windows.
#   layering.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# Includes that stand against the layers for now, as "FILE INCLUDED": the Windows
# command-line split still lives in shell/.
allowed=(
  "platform/win32/platform_win32.cpp shell/cmdline.h"
)

declare -A layer_of=()
layer_names=([0]="tivex" [1]="platform" [2]="shell (Qt-free)" [3]="engine" [4]="a window's core"
             [5]="the windows" [6]="app")

core_files() {
  sed -n '/target_sources(sorvena_core/,/)/p' "$1/CMakeLists.txt" |
    grep -oE '[A-Za-z0-9_]+\.(h|cpp)' | sed "s|^|$1/|"
}
sources_in() { find "$@" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.c' \) ! -path '*/fuzz/*'; }

while read -r file; do layer_of[$file]=0; done < <(sources_in tivex)
while read -r file; do layer_of[$file]=1; done < <(sources_in platform)
while read -r file; do layer_of[$file]=3; done < <(sources_in engine)
while read -r file; do layer_of[$file]=6; done < <(sources_in app)
for folder in shell main_window rename dictionary about; do
  core_layer=4
  [ "$folder" = shell ] && core_layer=2
  while read -r file; do layer_of[$file]=5; done < <(sources_in "$folder")
  while read -r file; do
    [ -f "$file" ] || { echo "$folder/CMakeLists.txt names $file, which does not exist"; exit 1; }
    layer_of[$file]=$core_layer
  done < <(core_files "$folder")
done

violations=0
for file in "${!layer_of[@]}"; do
  layer=${layer_of[$file]}
  while read -r included; do
    # A name without a folder is a file beside the includer (tivex's own style).
    [[ $included == */* ]] || continue
    # Files made by the build are not in the tree; they take their includer's place.
    [ -n "${layer_of[$included]+set}" ] || continue
    [ "${layer_of[$included]}" -le "$layer" ] && continue
    for exception in "${allowed[@]}"; do
      [ "$exception" = "$file $included" ] && continue 2
    done
    echo "$file (${layer_names[$layer]}) includes $included (${layer_names[${layer_of[$included]}]})"
    violations=$((violations + 1))
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done
echo "${#layer_of[@]} files, $violations includes against the layers"
[ "$violations" -eq 0 ]
