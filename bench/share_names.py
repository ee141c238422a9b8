#!/usr/bin/env python3
"""Correctly named files in the wild: every regular file under /usr/share (or ROOTS) whose
name has an extension, checked by tivex and by `file --extension` in the same run. A file
installed by the system is taken to be named rightly, so every proposal that differs from
its present extension is a false alarm.

  bench/share_names.py [--tivex build/bin/tivex] [--roots /usr/share] [--top 25] [--examples 3]

The extension is what follows the last period, as the engine splits names; names whose
period is their first or last character, and "extensions" longer than 16 characters or
holding a blank, are left out. `file` answers "???" when it has no extension to offer,
which is no alarm; neither is tivex proposing nothing.
"""
import argparse
import collections
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
MAX_EXT = 16


def extension(name):
    dot = name.rfind(".")
    if dot <= 0 or dot == len(name) - 1:
        return ""
    ext = name[dot + 1:]
    if len(ext) > MAX_EXT or " " in ext or "\t" in ext:
        return ""
    return ext


def named_files(roots):
    paths = []
    for root in roots:
        for folder, dirs, files in os.walk(root):
            dirs.sort()
            for name in sorted(files):
                path = os.path.join(folder, name)
                if "\n" in path or not extension(name):
                    continue
                try:
                    if os.path.islink(path) or not os.path.isfile(path) or not os.access(path, os.R_OK):
                        continue
                except OSError:
                    continue
                paths.append(path)
    return paths


def lines_of(command):
    out = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False).stdout
    return out.decode("utf-8", "surrogateescape").split("\n")[:-1]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--tivex", default=os.path.join(ROOT, "build", "bin", "tivex"))
    parser.add_argument("--roots", nargs="*", default=["/usr/share"])
    parser.add_argument("--top", type=int, default=25, help="extensions drawing most renames")
    parser.add_argument("--examples", type=int, default=0, help="example paths per extension")
    args = parser.parse_args()

    paths = named_files(args.roots)
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", errors="surrogateescape", delete=False) as listing:
        listing.writelines(p + "\n" for p in paths)
    try:
        tivex = [l.rsplit("\t", 1)[1] if "\t" in l else "" for l in lines_of([args.tivex, "-e", "-f", listing.name])]
        peer = [l.strip() for l in lines_of(["file", "-b", "--extension", "-f", listing.name])]
    finally:
        os.unlink(listing.name)
    if len(tivex) != len(paths) or len(peer) != len(paths):
        sys.exit("answers do not match the %d files (tivex %d, file %d)" % (len(paths), len(tivex), len(peer)))

    counts = {"tivex -e": collections.Counter(), "file --extension": collections.Counter()}
    renamed = {"tivex -e": collections.defaultdict(list), "file --extension": collections.defaultdict(list)}
    for path, mine, theirs in zip(paths, tivex, peer):
        present = extension(os.path.basename(path)).lower()
        offers = {"tivex -e": [mine] if mine else [],
                  "file --extension": [] if theirs == "???" else [e.lower() for e in theirs.split("/") if e]}
        for tool, proposals in offers.items():
            if not proposals:
                counts[tool]["none"] += 1
            elif present in proposals:
                counts[tool]["kept"] += 1
            else:
                counts[tool]["renamed"] += 1
                renamed[tool][present].append((path, "/".join(proposals)))

    total = len(paths)
    print("%d regular files with an extension under %s\n" % (total, " ".join(args.roots)))
    print("| checker | kept (proposal = present extension) | renamed (false alarms) | no proposal |")
    print("|---|---|---|---|")
    for tool, count in counts.items():
        cells = ["%.1f %% (%d)" % (100.0 * count[k] / total, count[k]) for k in ("kept", "renamed", "none")]
        print("| %s | %s |" % (tool, " | ".join(cells)))
    for tool, by_ext in renamed.items():
        print("\n%s renames most under (extension: files, most proposed):" % tool)
        ranked = sorted(by_ext.items(), key=lambda item: -len(item[1]))[:args.top]
        for ext, hits in ranked:
            proposed = collections.Counter(p for _, p in hits).most_common(2)
            print("  .%-12s %5d  %s" % (ext, len(hits), ", ".join("%s %d" % (p, n) for p, n in proposed)))
            for path, proposal in hits[:args.examples]:
                print("      %s -> %s" % (path, proposal))


if __name__ == "__main__":
    sys.exit(main())
