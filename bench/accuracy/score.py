#!/usr/bin/env python3
"""Scores tivex, `file --extension` and `file --mime-type` on the corpus that
build_corpus.py made, on the same files in the same run.

  bench/accuracy/score.py [--corpus /tmp/tivex-corpus] [--tivex build/bin/tivex] [--misses N]

A proposal is accepted when it is one of the file's accepted extensions. For a correctly
named file, accepted means the tool keeps the name: tivex proposes the present extension;
`file` lists it among its extensions (or, mapped through /etc/mime.types, among those of
its MIME type). A correctly named text file also counts as kept when `file` calls its
content text/*, since any text extension suits text. A false alarm is a correctly named
file for which the tool proposes something that does not include the present extension.
"""
import argparse
import collections
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
VARIANTS = ["noext", "right", "wrong"]


def load_manifest(corpus):
    rows = []
    with open(os.path.join(corpus, "manifest.tsv"), encoding="utf-8", errors="surrogateescape") as manifest:
        for line in manifest:
            if line.startswith("#"):
                continue
            path, variant, family, kind, present, accepted, source = line.rstrip("\n").split("\t")
            rows.append(dict(path=path, variant=variant, family=family, kind=kind, present=present.lower(),
                             accepted=accepted.split(), source=source))
    return rows


def run_lines(command):
    output = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False).stdout
    return output.decode("utf-8", "surrogateescape").split("\n")[:-1]


def tivex_proposals(tivex, listing, count):
    lines = run_lines([tivex, "-e", "-f", listing])
    proposals = [line.rsplit("\t", 1)[1] if "\t" in line else "" for line in lines]
    if len(proposals) != count:
        sys.exit("tivex printed %d lines for %d files" % (len(proposals), count))
    return [[p] if p else [] for p in proposals]


def file_extensions(listing, count):
    lines = run_lines(["file", "-b", "--extension", "-f", listing])
    if len(lines) != count:
        sys.exit("file printed %d lines for %d files" % (len(lines), count))
    return [[] if line.strip() == "???" else [e.lower() for e in line.strip().split("/") if e] for line in lines]


def mime_types(listing, count):
    lines = [line.strip() for line in run_lines(["file", "-b", "--mime-type", "-f", listing])]
    if len(lines) != count:
        sys.exit("file printed %d lines for %d files" % (len(lines), count))
    return lines


def load_mime_table(path="/etc/mime.types"):
    table = {}
    with open(path, encoding="utf-8", errors="replace") as types:
        for line in types:
            words = line.split("#", 1)[0].split()
            if len(words) > 1:
                table.setdefault(words[0].lower(), []).extend(w.lower() for w in words[1:])
    return table


def verdict(row, proposals, says_text):
    """(accepted, false alarm) for one tool's proposals on one file."""
    if row["variant"] != "right":
        return any(p in row["accepted"] for p in proposals), False
    kept = row["present"] in proposals or (row["kind"] == "text" and says_text)
    return kept, bool(proposals) and not kept


def percent(part, whole):
    return "%.1f %%" % (100.0 * part / whole) if whole else "-"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--corpus", default="/tmp/tivex-corpus")
    parser.add_argument("--tivex", default=os.path.join(ROOT, "build", "bin", "tivex"))
    parser.add_argument("--misses", type=int, default=0, help="list this many groups of tivex misses")
    args = parser.parse_args()

    rows = load_manifest(args.corpus)
    listing = os.path.join(args.corpus, "list.txt")
    mimes = mime_types(listing, len(rows))
    mime_table = load_mime_table()
    tools = {
        "tivex -e": (tivex_proposals(args.tivex, listing, len(rows)), [False] * len(rows)),
        "file --extension": (file_extensions(listing, len(rows)), [m.startswith("text/") for m in mimes]),
        "file --mime-type + mime.types": ([mime_table.get(m.lower(), []) for m in mimes],
                                         [m.startswith("text/") for m in mimes]),
    }

    print("%d files (%d sources x %s)\n" % (len(rows), len(rows) // 3, "/".join(VARIANTS)))
    print("| tool | no extension | right name | wrong name | overall | false alarms |")
    print("|---|---|---|---|---|---|")
    misses = collections.Counter()
    for tool, (proposals, says_text) in tools.items():
        accepted = collections.Counter()
        totals = collections.Counter()
        alarms = 0
        for row, proposal, text in zip(rows, proposals, says_text):
            ok, alarm = verdict(row, proposal, text)
            totals[row["variant"]] += 1
            accepted[row["variant"]] += ok
            alarms += alarm
            if tool == "tivex -e" and not ok:
                misses[(row["family"], row["variant"], "/".join(proposal) or "-")] += 1
        cells = [percent(accepted[v], totals[v]) for v in VARIANTS]
        cells.append(percent(sum(accepted.values()), sum(totals.values())))
        cells.append(percent(alarms, totals["right"]))
        print("| %s | %s |" % (tool, " | ".join(cells)))
    if args.misses:
        print("\ntivex misses (family, variant, proposal): count")
        for (family, variant, proposal), count in misses.most_common(args.misses):
            print("  %-16s %-6s %-10s %d" % (family, variant, proposal, count))


if __name__ == "__main__":
    sys.exit(main())
