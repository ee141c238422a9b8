#!/usr/bin/env python3
"""Builds the accuracy corpus outside the repository.

Every source file appears three times, each in a folder of its own:
  noext/  without an extension,
  right/  under its own, correct name,
  wrong/  under a real extension of another type (or a nonsense one).
Sources are the real-tool samples of tests/data/formats/ (expected.tsv says what each is)
and real files from the system whose extension families.tsv trusts. The variants are hard
links where the file system allows, copies otherwise. manifest.tsv lists every variant
with its accepted extensions; list.txt lists the paths in the same order.

  bench/accuracy/build_corpus.py [--out /tmp/tivex-corpus] [--per-family 300]
"""
import argparse
import hashlib
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
SAMPLES = os.path.join(ROOT, "tests", "data", "formats")
DEFAULT_ROOTS = ["/usr/share", "/usr/lib", "/usr/include", "/usr/bin", "/usr/sbin", "/etc"]
# Real extensions that a misnamed file plausibly carries, tried in turn: .dat, which says
# nothing, and names of binary and text formats (.json claims a syntax of its own).
WRONG_POOL = ["dat", "png", "pdf", "txt", "mp3", "docx", "jpg", "zip", "html", "exe", "gif", "xml", "json"]
MAX_SIZE = 8 * 1024 * 1024


def load_families():
    by_ext = {}
    kinds = {}
    with open(os.path.join(HERE, "families.tsv"), encoding="utf-8") as table:
        for line in table:
            if not line.strip() or line.startswith("#"):
                continue
            family, kind, exts = line.rstrip("\n").split("\t")
            kinds[family] = kind
            for ext in exts.split():
                by_ext.setdefault(ext, []).append((family, exts.split()))
    return by_ext, kinds


def accepted_for(ext, by_ext):
    accepted = []
    for _, exts in by_ext.get(ext, []):
        accepted += [e for e in exts if e not in accepted]
    return accepted


def split_ext(name):
    dot = name.rfind(".")
    if dot <= 0 or dot == len(name) - 1:
        return name, ""
    return name[:dot], name[dot + 1:]


def stable_key(path):
    return hashlib.sha1(path.encode("utf-8", "surrogateescape")).hexdigest()


def system_files(roots, by_ext, per_family):
    groups = {}
    for root in roots:
        for folder, dirs, files in os.walk(root):
            dirs.sort()
            for name in files:
                path = os.path.join(folder, name)
                ext = split_ext(name)[1].lower()
                if ext not in by_ext:
                    continue
                try:
                    if not os.path.isfile(path) or os.path.islink(path):
                        continue
                    size = os.path.getsize(path)
                    if size == 0 or size > MAX_SIZE or not os.access(path, os.R_OK):
                        continue
                except OSError:
                    continue
                groups.setdefault(by_ext[ext][0][0], []).append(path)
    chosen = []
    for family in sorted(groups):
        paths = sorted(groups[family], key=stable_key)[:per_family]
        chosen += [(p, accepted_for(split_ext(os.path.basename(p))[1].lower(), by_ext), family) for p in paths]
    return chosen


def sample_files(by_ext):
    chosen = []
    with open(os.path.join(SAMPLES, "expected.tsv"), encoding="utf-8") as table:
        for line in table:
            if not line.strip() or line.startswith("#"):
                continue
            columns = line.rstrip("\n").split("\t")
            ext = split_ext(columns[0])[1].lower()
            family = by_ext[ext][0][0] if ext in by_ext else "sample:" + ext
            chosen.append((os.path.join(SAMPLES, columns[0]), columns[1].split(), family))
    return chosen


def place(source, target):
    os.makedirs(os.path.dirname(target), exist_ok=True)
    try:
        os.link(source, target)
    except OSError:
        shutil.copyfile(source, target)


def wrong_ext(index, accepted, text):
    for step in range(len(WRONG_POOL)):
        ext = WRONG_POOL[(index + step) % len(WRONG_POOL)]
        # A text file under another text extension may rightly keep it, so it is no test.
        if ext not in accepted and not (text and ext in ("txt", "html", "xml")):
            return ext
    return "dat"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--out", default="/tmp/tivex-corpus")
    parser.add_argument("--per-family", type=int, default=300)
    parser.add_argument("--roots", nargs="*", default=DEFAULT_ROOTS)
    args = parser.parse_args()

    by_ext, kinds = load_families()
    sources = sample_files(by_ext) + system_files(args.roots, by_ext, args.per_family)
    files_dir = os.path.join(args.out, "files")
    shutil.rmtree(files_dir, ignore_errors=True)
    rows = []
    for index, (source, accepted, family) in enumerate(sources):
        name = os.path.basename(source)
        base, ext = split_ext(name)
        # Dots left in the base would give the "no extension" variant one.
        plain = base.replace(".", "_") or "file"
        text = kinds.get(family) == "text"
        variants = [
            ("noext", plain, ""),
            ("right", name, ext),
            ("wrong", plain + "." + wrong_ext(index, accepted, text), None),
        ]
        for variant, target_name, present in variants:
            target = os.path.join(files_dir, "%05d" % index, variant, target_name)
            place(source, target)
            present_ext = split_ext(target_name)[1] if present is None else present
            rows.append((target, variant, family, "text" if text else "binary", present_ext, " ".join(accepted), source))

    with open(os.path.join(args.out, "manifest.tsv"), "w", encoding="utf-8", errors="surrogateescape") as manifest:
        manifest.write("# path\tvariant\tfamily\tkind\tpresent\taccepted\tsource\n")
        for row in rows:
            manifest.write("\t".join(row) + "\n")
    with open(os.path.join(args.out, "list.txt"), "w", encoding="utf-8", errors="surrogateescape") as listing:
        for row in rows:
            listing.write(row[0] + "\n")
    families = len({row[2] for row in rows})
    print("corpus: %d files from %d sources in %d families, in %s" % (len(rows), len(sources), families, args.out))


if __name__ == "__main__":
    sys.exit(main())
