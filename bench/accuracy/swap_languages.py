#!/usr/bin/env python3
"""Names every correctly named source or document file of a corpus that build_corpus.py
made with another language's extension, in the layout score.py reads (variant "wrong"
only), so that score.py measures how often the engine finds a language's file under
another language's name.

  bench/accuracy/swap_languages.py [--corpus /tmp/tivex-corpus] [--out /tmp/tivex-swapped]
  bench/accuracy/score.py --corpus /tmp/tivex-swapped
"""
import argparse
import os

# The corpus families written in a language, and the names they are given in turn; a
# family never gets its own extension or one of a language it is also valid in.
LANGUAGES = {"python", "perl", "shell", "c", "c++", "javascript", "css", "ruby", "lua", "tcl", "vim", "elisp", "sql",
             "php", "java", "go", "rust", "markdown", "rst", "tex", "cmake", "yaml", "ini", "perl-pod"}
POOL = ["py", "sh", "c", "js", "pl", "rb", "md", "lua", "sql", "java"]
ALSO_VALID = {"c": {"c", "cpp", "h"}, "c++": {"c", "cpp", "h"}, "perl": {"pl", "pod"}, "perl-pod": {"pl", "pod"}}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--corpus", default="/tmp/tivex-corpus")
    parser.add_argument("--out", default="/tmp/tivex-swapped")
    args = parser.parse_args()

    sources = []
    with open(os.path.join(args.corpus, "manifest.tsv"), encoding="utf-8", errors="surrogateescape") as manifest:
        for line in manifest:
            if line.startswith("#"):
                continue
            path, variant, family, _, _, accepted, _ = line.rstrip("\n").split("\t")
            if variant == "right" and family in LANGUAGES:
                sources.append((path, family, accepted.split()))
    rows = []
    for index, (path, family, accepted) in enumerate(sources):
        skip = set(accepted) | ALSO_VALID.get(family, set())
        ext = next(POOL[(index + step) % len(POOL)] for step in range(len(POOL))
                   if POOL[(index + step) % len(POOL)] not in skip)
        target = os.path.join(args.out, "%05d" % index, os.path.basename(path).replace(".", "_") + "." + ext)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if not os.path.exists(target):
            os.link(path, target)
        rows.append((target, "wrong", family, "text", ext, " ".join(accepted), path))
    with open(os.path.join(args.out, "manifest.tsv"), "w", encoding="utf-8", errors="surrogateescape") as manifest:
        manifest.write("# path\tvariant\tfamily\tkind\tpresent\taccepted\tsource\n")
        manifest.writelines("\t".join(row) + "\n" for row in rows)
    with open(os.path.join(args.out, "list.txt"), "w", encoding="utf-8", errors="surrogateescape") as listing:
        listing.writelines(row[0] + "\n" for row in rows)
    print("swapped: %d files in %s" % (len(rows), args.out))


if __name__ == "__main__":
    main()
