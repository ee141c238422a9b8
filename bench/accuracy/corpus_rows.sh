# Shared by the corpus builders (source it): the row helpers and the three-names layout.
# The sourcing script sets here (this folder), corpus (its name, for messages), out, work,
# sources, log, text_families and wrong_pool before it adds rows.

# start_corpus DEFAULT_OUT EPOCH [OUT]: a clean work folder, the current one from now on, in
# which the rows make their files; a fixed clock and home keep the tools' output the same.
start_corpus() {
  out=${3:-$1}
  work=$out/work
  sources=$out/sources
  rm -rf "$work" "$sources" "$out/files"
  mkdir -p "$work/home" "$sources"
  cd "$work" || exit 1
  export HOME=$work/home TZ=UTC LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=$2
  log=$work/log
}

declare -A missing_noted=()
failed=()
made=()

have() {
  command -v "$1" >/dev/null 2>&1 && return 0
  if [ -z "${missing_noted[$1]:-}" ]; then
    echo "$corpus: $1 is not installed; its rows are skipped" >&2
    missing_noted[$1]=1
  fi
  return 1
}

# row NAME TOOL ACCEPTED COMMAND
row() {
  local name=$1 tool=$2 accepted=$3 command=$4
  have "$tool" || return 0
  rm -f "$name"
  if ! (eval "$command") >>"$log" 2>&1 || [ ! -s "$name" ]; then
    failed+=("$name ($tool)")
    return 0
  fi
  mv "$name" "$sources/$name"
  made+=("$name"$'\t'"$tool"$'\t'"$accepted")
}

# rows ACCEPTED TOOL ENTRY...: a table of "NAME|COMMAND" rows sharing one tool and one
# ACCEPTED list, so that many variants of one writer stay a readable list.
rows() {
  local accepted=$1 tool=$2 entry
  shift 2
  for entry in "$@"; do
    row "${entry%%|*}" "$tool" "$accepted" "${entry#*|}"
  done
}

# lay_out [--sniff-text]: gives every made file its three names and writes manifest.tsv and
# list.txt; --sniff-text also counts UTF-8 files of unlisted families as text.
lay_out() {
  printf '%s\n' "${made[@]}" >"$work/made.tsv"
  python3 "$here/lay_out_corpus.py" "$@" --name "$corpus" \
    "$out" "$work/made.tsv" "$text_families" "${wrong_pool[@]}"
  if ((${#failed[@]})); then
    printf '%s: not made (see %s): %s\n' "$corpus" "$log" "${failed[*]}"
  fi
}
