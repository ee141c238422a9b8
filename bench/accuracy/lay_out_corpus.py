#!/usr/bin/env python3
"""Gives every file a corpus builder made its three names (no extension, its own, a wrong
one) as hard links under OUT/files/NNNNN/{noext,right,wrong}/, and writes OUT/manifest.tsv
and OUT/list.txt in the layout score.py reads.

  lay_out_corpus.py [--sniff-text] --name NAME OUT MADE_TSV TEXT_FAMILIES WRONG_EXT...
"""
import argparse
import os


def looks_like_text(path):
    """UTF-8 without NUL bytes: a family the builder does not list may still be text."""
    head = open(path, "rb").read(65536)
    try:
        head.decode("utf-8")
    except UnicodeDecodeError as error:
        if error.start < len(head) - 4:
            return False
    return b"\0" not in head


def wrong_extension(index, accepted, text, pool):
    """A real extension of another type, taken in turn; a text file never gets a text one."""
    lowered = [a.lower() for a in accepted]
    for step in range(len(pool)):
        candidate = pool[(index + step) % len(pool)]
        if candidate.lower() not in lowered and not (text and candidate in ("txt", "html", "xml")):
            return candidate
    return "dat"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sniff-text", action="store_true")
    parser.add_argument("--name", default="corpus")
    parser.add_argument("out")
    parser.add_argument("made")
    parser.add_argument("text_families")
    parser.add_argument("pool", nargs="+")
    args = parser.parse_args()
    text_families = set(args.text_families.split())

    with open(args.made, encoding="utf-8") as table:
        sources = [line.rstrip("\n").split("\t") for line in table if line.strip()]
    rows = []
    for index, (name, tool, accepted) in enumerate(sources):
        accepted = accepted.split()
        dot = name.rfind(".")
        base, ext = (name[:dot], name[dot + 1:]) if dot > 0 else (name, "")
        family = accepted[0]
        source = os.path.join(args.out, "sources", name)
        text = family in text_families or (args.sniff_text and looks_like_text(source))
        wrong = wrong_extension(index, accepted, text, args.pool)
        plain = base.replace(".", "_") or "file"
        variants = [("noext", plain, "")]
        if ext:
            variants.append(("right", name, ext))
        variants.append(("wrong", plain + "." + wrong, wrong))
        for variant, target_name, present in variants:
            target = os.path.join(args.out, "files", "%05d" % index, variant, target_name)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            os.link(source, target)
            rows.append((target, variant, family, "text" if text else "binary", present, " ".join(accepted),
                         tool + ":" + name))
    with open(os.path.join(args.out, "manifest.tsv"), "w", encoding="utf-8") as manifest:
        manifest.write("# path\tvariant\tfamily\tkind\tpresent\taccepted\tsource\n")
        manifest.writelines("\t".join(row) + "\n" for row in rows)
    with open(os.path.join(args.out, "list.txt"), "w", encoding="utf-8") as listing:
        listing.writelines(row[0] + "\n" for row in rows)
    print("%s: %d files from %d sources in %d families, in %s"
          % (args.name, len(rows), len(sources), len({row[2] for row in rows}), args.out))


if __name__ == "__main__":
    main()
