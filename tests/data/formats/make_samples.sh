#!/usr/bin/env bash
# Makes the sample files in this folder with the real tools of Debian's packages, so the
# format tests see what those tools really write rather than what we think they write.
# Only the small results are kept (each under 64 KiB); the seeds they are made from are
# written to a temporary folder and thrown away.
#
# The tools are for making samples only: neither the build nor CI runs this script. It
# installs them itself through `scripts/setup samples` (Debian 12's packages); then
#
#   tests/data/formats/make_samples.sh
#
# Running it again remakes every sample in place; a tool that is missing or fails is
# reported and its samples are left as they were. expected.tsv, beside this script, says
# what each sample is; a new sample needs a row there.
#
# Where no program in Debian writes a format, its sample is assembled here by hand from the
# format's published structure (the `assembled` rows, each saying where the structure is
# documented); `file` must name such a sample as the same format, so that it does not rest
# on our reading of the documents alone.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/../../../scripts/setup" samples || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir -p home
export HOME=$work/home TZ=UTC LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=1700000000

max_size=65535
made=0
failed=()

# sample NAME PACKAGE COMMAND: runs COMMAND in the work folder, where it must leave NAME,
# and keeps NAME when it is not empty and small enough.
sample() {
  local name=$1 package=$2 command=$3
  rm -f "$name"
  if ! (eval "$command") >>"$work/log" 2>&1 || [ ! -s "$name" ]; then
    failed+=("$name ($package)")
    return
  fi
  if (($(stat -c %s "$name") > max_size)); then
    failed+=("$name ($package: $(stat -c %s "$name") bytes, too large)")
    return
  fi
  cp "$name" "$here/$name"
  made=$((made + 1))
}

# assembled NAME SOURCE FILE_SAYS COMMAND: a sample that no program in Debian writes, put
# together by COMMAND from the structure that SOURCE documents. It is kept only when
# `file -b` describes it with the extended regular expression FILE_SAYS (case ignored), so
# a second reader of the same documents agrees on what it is; FILE_SAYS "-" marks a
# format `file` does not know at all.
assembled() {
  local name=$1 source=$2 file_says=$3 command=$4
  rm -f "$name"
  if ! (eval "$command") >>"$work/log" 2>&1 || [ ! -s "$name" ]; then
    failed+=("$name (assembled from $source)")
    return
  fi
  if [ "$file_says" != - ] && ! file -b $file_flags "$name" | grep -Eqi -- "$file_says"; then
    failed+=("$name (file says: $(file -b $file_flags "$name"))")
    return
  fi
  cp "$name" "$here/$name"
  made=$((made + 1))
  hand_made=$((hand_made + 1))
}
hand_made=0
file_flags= # options for that file run, where a format needs them

# ---- Seeds (not kept) --------------------------------------------------------------
cat >seed.md <<'TEXT'
# Quarterly note

Sorvena checks what a file *really* is. This note exists so that office and
document converters have something to convert.

| item  | count |
|-------|-------|
| pears | 3     |
| plums | 5     |

- one
- two
TEXT
printf 'item,count\npears,3\nplums,5\n' >seed.csv
printf 'hello from the sample payload\n%.0s' {1..40} >payload.txt
cat >hello.c <<'TEXT'
#include <stdio.h>
#include "gettext_stub.h"
int greet(void) { return puts(_("Hello, world")); }
int main(void) { return greet() < 0; }
TEXT
printf '#define _(s) (s)\n' >gettext_stub.h
cat >Hello.java <<'TEXT'
public class Hello { public static void main(String[] args) { System.out.println("hi"); } }
TEXT
printf 'def greet(name):\n    return "hello " + name\n' >module.py
cat >seed.srt <<'TEXT'
1
00:00:00,000 --> 00:00:01,000
Hello

2
00:00:01,500 --> 00:00:02,500
World
TEXT

im=convert-im6.q16
$im -size 48x32 gradient:red-blue seed.png >>log 2>&1
sox -n -r 8000 -c 1 -b 16 seed.wav synth 0.25 sine 440 >>log 2>&1
ffmpeg -v error -f lavfi -i testsrc=size=64x48:rate=10 -f lavfi -i sine=frequency=440:sample_rate=8000 \
  -t 0.5 -pix_fmt yuv420p seed.y4m -t 0.5 seed-audio.wav >>log 2>&1

# ---- Images: imagemagick (convert-im6.q16), graphicsmagick, webp, libjxl-tools,
#      libheif-examples, librsvg2-bin, netpbm ----------------------------------------
for ext in png jpg gif bmp tif webp ico pcx tga ppm pgm pbm pam psd dds hdr jp2 j2k sgi xpm xbm miff avif heic; do
  sample "image.$ext" imagemagick "$im seed.png image.$ext"
done
sample image-bigtiff.tif imagemagick "$im seed.png TIFF64:image-bigtiff.tif"
sample image-cmyk.jpg imagemagick "$im seed.png -colorspace CMYK image-cmyk.jpg"
sample image-progressive.jpg imagemagick "$im seed.png -interlace JPEG image-progressive.jpg"
sample image-interlaced.png imagemagick "$im seed.png -interlace PNG image-interlaced.png"
sample image-rle.bmp imagemagick "$im seed.png -colors 16 -compress RLE BMP3:image-rle.bmp"
sample image.eps imagemagick "$im seed.png EPS2:image.eps"
for ext in jpg gif tif png bmp pcx; do
  sample "gm-image.$ext" graphicsmagick "gm convert seed.png gm-image.$ext"
done
sample cwebp-lossy.webp webp "cwebp -quiet -q 50 seed.png -o cwebp-lossy.webp"
sample cwebp-lossless.webp webp "cwebp -quiet -lossless seed.png -o cwebp-lossless.webp"
sample image.jxl libjxl-tools "cjxl --quiet seed.png image.jxl"
sample heif-enc.heic libheif-examples "heif-enc -q 50 seed.png -o heif-enc.heic"
sample graph.svg graphviz "printf 'digraph g { a -> b -> c; a -> c; }\n' | dot -Tsvg -o graph.svg"
sample rsvg.png librsvg2-bin "rsvg-convert graph.svg -o rsvg.png"
sample rsvg.pdf librsvg2-bin "rsvg-convert -f pdf graph.svg -o rsvg.pdf"
sample netpbm.png netpbm "pngtopnm seed.png | pnmtopng > netpbm.png"
sample netpbm.six netpbm "pngtopnm seed.png | ppmtosixel > netpbm.six"
sample netpbm.iff netpbm "pngtopnm seed.png | ppmtoilbm > netpbm.iff"

# ---- Graphviz and Ghostscript --------------------------------------------------------
sample graph.dot graphviz "printf 'digraph g { a -> b -> c; a -> c; }\n' | dot -Tcanon -o graph.dot"
sample graph.ps graphviz "printf 'digraph g { a -> b; }\n' | dot -Tps -o graph.ps"
sample graph.pdf graphviz "printf 'digraph g { a -> b; }\n' | dot -Tpdf -o graph.pdf"
sample graph.gif graphviz "printf 'digraph g { a -> b; }\n' | dot -Tgif -o graph.gif"
sample ghostscript.pdf ghostscript "ps2pdf graph.ps ghostscript.pdf"
sample ghostscript-fax.tif ghostscript "gs -q -dBATCH -dNOPAUSE -dSAFER -r40 -sDEVICE=tiffg4 -sOutputFile=ghostscript-fax.tif graph.ps"
sample ghostscript.pcx ghostscript "gs -q -dBATCH -dNOPAUSE -dSAFER -r20 -sDEVICE=pcx16 -sOutputFile=ghostscript.pcx graph.ps"
sample qpdf-linearized.pdf qpdf "qpdf --linearize graph.pdf qpdf-linearized.pdf"
sample image.djvu djvulibre-bin "$im seed.png seed.ppm && c44 seed.ppm image.djvu"

# ---- Documents: pandoc, LibreOffice, groff -------------------------------------------
for ext in docx odt epub html pptx rtf tex rst; do
  sample "pandoc.$ext" pandoc "pandoc -s seed.md -o pandoc.$ext"
done
sample pandoc.1 pandoc "pandoc -s -t man seed.md -o pandoc.1"
sample pandoc.json pandoc "pandoc -t json seed.md -o pandoc.json"
sample pandoc.xml pandoc "pandoc -s -t docbook seed.md -o pandoc.xml"
sample pandoc.org pandoc "pandoc -s -t org seed.md -o pandoc.org"
sample groff.ps groff "pandoc -s -t man seed.md | groff -man -Tps > groff.ps"
sample groff.html groff "pandoc -s -t man seed.md | groff -man -Thtml > groff.html"
sample groff.pdf groff "pandoc -s -t man seed.md | groff -man -Tpdf > groff.pdf"
sample manpage.1.gz gzip "gzip -9n < pandoc.1 > manpage.1.gz"

office() { # office NAME FILTER INPUT: LibreOffice converts INPUT, the output renamed to NAME
  local name=$1 filter=$2 input=$3 outdir
  outdir=$(mktemp -d -p "$work")
  soffice --headless --norestore --convert-to "$filter" --outdir "$outdir" "$input" &&
    mv "$outdir"/* "$name"
}
sample libreoffice.odt libreoffice-writer "office libreoffice.odt odt pandoc.docx"
sample libreoffice.doc libreoffice-writer "office libreoffice.doc doc pandoc.docx"
sample libreoffice.docx libreoffice-writer "office libreoffice.docx docx pandoc.odt"
sample libreoffice.rtf libreoffice-writer "office libreoffice.rtf rtf pandoc.docx"
sample libreoffice.pdf libreoffice-writer "office libreoffice.pdf pdf pandoc.docx"
sample libreoffice.ods libreoffice-calc "office libreoffice.ods ods seed.csv"
sample libreoffice.xlsx libreoffice-calc "office libreoffice.xlsx xlsx seed.csv"
sample libreoffice.xls libreoffice-calc "office libreoffice.xls xls seed.csv"
sample libreoffice.odp libreoffice-impress "office libreoffice.odp odp pandoc.pptx"
sample libreoffice.ppt libreoffice-impress "office libreoffice.ppt ppt pandoc.pptx"
sample libreoffice.pptx libreoffice-impress "office libreoffice.pptx pptx libreoffice.odp"
sample libreoffice.odg libreoffice-draw "office libreoffice.odg odg graph.svg"

# ---- Audio and video: sox, lame, flac, vorbis-tools, opus-tools, speex, ffmpeg -------
for ext in wav aiff aifc au flac ogg voc w64 caf; do
  sample "sox.$ext" sox "sox seed.wav sox.$ext"
done
sample lame.mp3 lame "lame --quiet -b 32 --tt Tone --ta Sorvena --add-id3v2 seed.wav lame.mp3"
sample lame-bare.mp3 lame "lame --quiet -b 32 -t seed.wav lame-bare.mp3"
sample flac.flac flac "flac --silent --force seed.wav -o flac.flac"
sample oggenc.ogg vorbis-tools "oggenc --quiet seed.wav -o oggenc.ogg"
sample opusenc.opus opus-tools "opusenc --quiet seed.wav opusenc.opus"
sample speexenc.spx speex "speexenc seed.wav speexenc.spx"
ff() { ffmpeg -v error -y "$@"; }
sample ffmpeg.aac ffmpeg "ff -i seed.wav -c:a aac -b:a 16k ffmpeg.aac"
sample ffmpeg.m4a ffmpeg "ff -i seed.wav -c:a aac -b:a 16k ffmpeg.m4a"
sample ffmpeg.ast ffmpeg "ff -i seed.wav -c:a pcm_s16be_planar -f ast ffmpeg.ast"
sample ffmpeg.ac3 ffmpeg "ff -i seed.wav -c:a ac3 -b:a 64k ffmpeg.ac3"
sample ffmpeg.mp2 ffmpeg "ff -i seed.wav -c:a mp2 -b:a 32k ffmpeg.mp2"
sample ffmpeg.mp3 ffmpeg "ff -i seed.wav -c:a libmp3lame -b:a 32k ffmpeg.mp3"
sample ffmpeg.oga ffmpeg "ff -i seed.wav -c:a flac ffmpeg.oga"
sample ffmpeg.mka ffmpeg "ff -i seed.wav -c:a libopus ffmpeg.mka"
sample ffmpeg.wma ffmpeg "ff -i seed.wav -c:a wmav2 -b:a 32k ffmpeg.wma"
video() { ff -i seed.y4m -i seed-audio.wav -t 0.5 "$@"; }
sample video.mp4 ffmpeg "video -c:v mpeg4 -q:v 20 -c:a aac -b:a 16k video.mp4"
sample video-h264.mp4 ffmpeg "video -c:v libx264 -crf 40 -an video-h264.mp4"
sample video.m4v ffmpeg "video -c:v mpeg4 -q:v 20 -an -f mp4 -brand M4V video.m4v"
sample video.mov ffmpeg "video -c:v mpeg4 -q:v 20 -an video.mov"
sample video.3gp ffmpeg "video -c:v mpeg4 -q:v 20 -an video.3gp"
sample video.3g2 ffmpeg "video -c:v mpeg4 -q:v 20 -an video.3g2"
sample video.mkv ffmpeg "video -c:v mpeg4 -q:v 20 -c:a libvorbis video.mkv"
sample video.webm ffmpeg "video -c:v libvpx -b:v 50k -c:a libopus video.webm"
sample video.avi ffmpeg "video -c:v mpeg4 -q:v 20 -c:a pcm_u8 -ar 8000 video.avi"
sample video.mpg ffmpeg "video -r 25 -c:v mpeg1video -q:v 20 -c:a mp2 -b:a 32k -ar 32000 -f mpeg video.mpg"
sample video.ts ffmpeg "video -c:v mpeg2video -q:v 20 -an video.ts"
sample video.flv ffmpeg "video -c:v flv -q:v 20 -an video.flv"
sample video.wmv ffmpeg "video -c:v wmv2 -q:v 20 -an video.wmv"
sample video.ogv ffmpeg "video -c:v libtheora -q:v 1 -an video.ogv"
sample video.gif ffmpeg "video -an -vf scale=32:-1 video.gif"
sample ffmpeg.apng ffmpeg "video -an -frames:v 2 -f apng ffmpeg.apng"
sample ffmpeg.srt ffmpeg "ff -i seed.srt ffmpeg.srt"
sample ffmpeg.vtt ffmpeg "ff -i seed.srt ffmpeg.vtt"
sample ffmpeg.ass ffmpeg "ff -i seed.srt ffmpeg.ass"
sample ffmpeg.y4m ffmpeg "ff -i seed.y4m -frames:v 1 ffmpeg.y4m"
sample ffmpeg.thd ffmpeg "ff -i seed.wav -t 0.1 -strict -2 -c:a truehd -ar 48000 ffmpeg.thd"
sample ffmpeg.mlp ffmpeg "ff -i seed.wav -t 0.1 -strict -2 -c:a mlp -ar 48000 ffmpeg.mlp"
sample ffmpeg.mmf ffmpeg "ff -i seed.wav -c:a adpcm_yamaha ffmpeg.mmf"
sample video.roq ffmpeg "ff -i seed.y4m -t 0.2 -s 64x64 -r 30 -c:v roqvideo -an video.roq"
sample video.mjpeg ffmpeg "ff -i seed.y4m -frames:v 2 -c:v mjpeg -q:v 20 -f mjpeg video.mjpeg"

# ---- Archives and compressed data -------------------------------------------------
sample payload.txt.gz gzip "gzip -9n < payload.txt > payload.txt.gz"
sample payload.txt.bz2 bzip2 "bzip2 -9 < payload.txt > payload.txt.bz2"
sample payload.txt.xz xz-utils "xz -9 < payload.txt > payload.txt.xz"
sample payload.txt.lzma xz-utils "xz --format=lzma < payload.txt > payload.txt.lzma"
sample payload.txt.zst zstd "zstd -q -19 < payload.txt > payload.txt.zst"
sample payload.txt.lz4 lz4 "lz4 -q -9 < payload.txt > payload.txt.lz4"
sample payload.txt.lz lzip "lzip -9 < payload.txt > payload.txt.lz"
sample payload.txt.lzo lzop "lzop -9 < payload.txt > payload.txt.lzo"
sample payload.txt.Z ncompress "compress < payload.txt > payload.txt.Z"
sample archive.7z p7zip-full "7z a -bd archive.7z payload.txt hello.c"
sample archive.zip zip "zip -qX archive.zip payload.txt hello.c"
sample archive-7z.zip p7zip-full "7z a -bd -tzip archive-7z.zip payload.txt"
sample archive-ustar.tar tar "tar --format=ustar --mtime=@0 -cf archive-ustar.tar payload.txt hello.c"
sample archive-gnu.tar tar "tar --format=gnu --mtime=@0 -cf archive-gnu.tar payload.txt"
sample archive-pax.tar tar "tar --format=pax --mtime=@0 -cf archive-pax.tar payload.txt"
sample archive-v7.tar tar "tar --format=v7 --mtime=@0 -cf archive-v7.tar payload.txt"
sample archive.tgz tar "tar --format=gnu --mtime=@0 -czf archive.tgz payload.txt hello.c"
sample archive.tar.xz tar "tar --format=gnu --mtime=@0 -cJf archive.tar.xz payload.txt hello.c"
for format in newc odc bin crc; do
  sample "archive-$format.cpio" cpio "printf 'payload.txt\nhello.c\n' | cpio --quiet -o -H $format > archive-$format.cpio"
done
sample archive.cab gcab "gcab -c archive.cab payload.txt hello.c"
sample archive.arj arj "arj a archive.arj payload.txt"
sample archive.jar default-jdk-headless "javac -d classes Hello.java && jar cf archive.jar -C classes Hello.class"
sample package.deb dpkg "mkdir -p pkg/DEBIAN pkg/usr/share/doc/sample &&
  printf 'Package: sample\nVersion: 1.0\nArchitecture: all\nMaintainer: Nobody <nobody@example.org>\nDescription: a sample\n' > pkg/DEBIAN/control &&
  cp payload.txt pkg/usr/share/doc/sample/ && dpkg-deb --root-owner-group -Zxz --build pkg package.deb"
sample package.rpm rpm "mkdir -p rpm/SPECS && printf 'Name: sample\nVersion: 1\nRelease: 1\nSummary: s\nLicense: MIT\nBuildArch: noarch\n%%description\ns\n%%files\n' > rpm/SPECS/s.spec &&
  rpmbuild -bb --define \"_topdir $work/rpm\" rpm/SPECS/s.spec && mv rpm/RPMS/noarch/*.rpm package.rpm"
sample installer.msi msitools "msibuild installer.msi -s 'Sample;Nobody;Intel;{12345678-1234-1234-1234-123456789012}'"
sample sample.torrent mktorrent "mktorrent -a http://tracker.invalid/announce -o sample.torrent payload.txt"

# ---- Programs ----------------------------------------------------------------------
sample hello.o gcc "gcc -c -O2 hello.c -o hello.o"
sample libhello.so gcc "gcc -shared -fPIC -O2 hello.c -o libhello.so"
sample a.out gcc "gcc -O2 hello.c && strip a.out"
sample libhello.a binutils "ar rcD libhello.a hello.o"
sample Hello.class default-jdk-headless "javac -d . Hello.java"
sample module.pyc python3 "python3 -c 'import py_compile; py_compile.compile(\"module.py\", cfile=\"module.pyc\")'"
sample mingw-hello.o gcc-mingw-w64-x86-64-posix "x86_64-w64-mingw32-gcc -O2 -c hello.c -o mingw-hello.o"
sample hello.exe gcc-mingw-w64-x86-64-posix "x86_64-w64-mingw32-gcc -O2 -s hello.c -o hello.exe"
sample hello.dll gcc-mingw-w64-x86-64-posix "x86_64-w64-mingw32-gcc -O2 -s -shared hello.c -o hello.dll"
sample hello.wasm lld "clang --target=wasm32 -nostdlib -O2 -Wl,--no-entry -Wl,--export-all -o hello.wasm -x c - <<< 'int answer(void) { return 42; }'"

# ---- Databases, fonts, translations, keys -------------------------------------------
sample database.sqlite sqlite3 "sqlite3 database.sqlite 'create table fruit(name text, count int); insert into fruit values (\"pear\", 3);'"
sample dump.sql sqlite3 "sqlite3 database.sqlite .dump > dump.sql"
fontforge_script='import fontforge
f = fontforge.font()
f.fontname = "SampleSans"; f.familyname = "Sample Sans"; f.fullname = "Sample Sans"
g = f.createChar(65, "A")
pen = g.glyphPen(); pen.moveTo((100, 0)); pen.lineTo((300, 700)); pen.lineTo((500, 0)); pen.closePath()
g.width = 600
import sys
f.generate(sys.argv[1])'
for ext in ttf otf woff svg; do
  sample "font.$ext" fontforge "fontforge -quiet -lang=py -c \"\$fontforge_script\" font.$ext"
done
sample font.woff2 woff2 "cp font.ttf woff2in.ttf && woff2_compress woff2in.ttf && mv woff2in.woff2 font.woff2"
sample messages.pot gettext "xgettext --omit-header -k_ -o messages.pot hello.c && xgettext -k_ -o messages.pot hello.c"
sample messages.po gettext "msgen messages.pot > messages.po"
sample messages.mo gettext "msgfmt -o messages.mo messages.po"
sample key.pem openssl "openssl genpkey -algorithm ed25519 -out key.pem"
sample cert.pem openssl "openssl req -x509 -key key.pem -subj /CN=sample -days 1 -out cert.pem"
sample cert.der openssl "openssl x509 -in cert.pem -outform DER -out cert.der"
sample request.csr openssl "openssl req -new -key key.pem -subj /CN=sample -out request.csr"
sample request-der.csr openssl "openssl req -new -key key.pem -subj /CN=sample -outform DER -out request-der.csr"
# CMS has no default digest for Ed25519, so the signed message gets a P-256 signer.
sample signed.p7m openssl "openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out ec-key.pem &&
  openssl req -x509 -key ec-key.pem -subj /CN=signer -days 1 -out ec-cert.pem &&
  openssl cms -sign -binary -in payload.txt -signer ec-cert.pem -inkey ec-key.pem -outform DER -out signed.p7m"
sample bundle.p12 openssl "openssl pkcs12 -export -in cert.pem -inkey key.pem -passout pass:x -out bundle.p12"

gpg_quiet() { gpg --batch --quiet --yes --pinentry-mode loopback --passphrase '' "$@"; }
sample signed.gpg gnupg "gpg_quiet --quick-gen-key 'Sample <sample@example.org>' ed25519 sign never &&
  gpg_quiet --sign -o signed.gpg payload.txt"
sample symmetric.gpg gnupg "gpg --batch --yes --pinentry-mode loopback --passphrase x -c -o symmetric.gpg payload.txt"
gpgconf --kill gpg-agent >/dev/null 2>&1 # the agent those rows started, in this run's own home

# ---- Text written by tools ----------------------------------------------------------
sample data.json python3 "python3 -c 'import json; json.dump({\"fruit\": [\"pear\", \"plum\"], \"count\": 8}, open(\"data.json\", \"w\"), indent=2)'"
sample table.csv python3 "python3 -c 'import csv; w = csv.writer(open(\"table.csv\", \"w\", newline=\"\")); w.writerows([[\"name\", \"count\", \"note\"], [\"pear\", 3, \"ripe, sweet\"], [\"plum\", 5, \"sour\"], [\"fig\", 2, \"dried\"]])'"
sample data.xml python3 "python3 -c 'import xml.etree.ElementTree as E; r = E.Element(\"fruits\"); E.SubElement(r, \"fruit\", name=\"pear\"); E.ElementTree(r).write(\"data.xml\", xml_declaration=True, encoding=\"utf-8\")'"
sample info.plist python3 "python3 -c 'import plistlib; plistlib.dump({\"Name\": \"Sample\"}, open(\"info.plist\", \"wb\"))'"
sample pickle-p4.pkl python3 "python3 -c 'import pickle; pickle.dump({\"fruit\": [\"pear\", \"plum\"]}, open(\"pickle-p4.pkl\", \"wb\"), protocol=4)'"
sample pickle-p2.pkl python3 "python3 -c 'import pickle; pickle.dump([1, 2.5, \"pear\"], open(\"pickle-p2.pkl\", \"wb\"), protocol=2)'"
sample binary.plist python3 "python3 -c 'import plistlib; plistlib.dump({\"Name\": \"Sample\"}, open(\"binary.plist\", \"wb\"), fmt=plistlib.FMT_BINARY)'"
sample changes.diff diffutils "sed s/pears/apples/ seed.md > seed2.md; diff -u seed.md seed2.md > changes.diff; test \$? -eq 1"
sample payload.uue sharutils "uuencode payload.txt payload.txt > payload.uue"

# ---- Formats without a Debian tool that writes them --------------------------------
# forge.py writes the documented structures these samples are assembled from: the header
# fields, directory entries or records that a reader of each format checks.
cat >forge.py <<'PY'
"""Writes small files in documented binary layouts: forge.py KIND OUTPUT ARGS..."""
import struct
import sys


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)


def padded(data, size):
    return data + b"\0" * (size - len(data))


def sqlite2(path):
    # Page 1: the 48-byte banner, then the format's magic number.
    banner = padded(b"** This file contains an SQLite 2.1 database **", 48)
    write(path, padded(banner + struct.pack("<I", 0xDAE37528), 1024))


def ole2(path, clsid, *names):
    """A compound file (version 3, 512-byte sectors): a FAT sector, the directory, then
    the streams' data. The root storage has the class id given in hex; each name is an
    empty stream, or NAME<FILE a stream holding FILE (stored in whole sectors, so at
    least the 4096 bytes below which streams would go to the mini stream)."""
    free, end, fat_sector, no_entry = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD, 0xFFFFFFFF
    streams = []
    for name in names:
        data = b""
        if "<" in name:
            name, source = name.split("<", 1)
            with open(source, "rb") as given:
                data = padded(given.read(), 4096)
            data = padded(data, (len(data) + 511) // 512 * 512)
        streams.append((name, data))
    entries = [("Root Entry", 5, bytes.fromhex(clsid), b"")] + [(name, 2, bytes(16), data) for name, data in streams]
    directory_sectors = (len(entries) + 3) // 4
    fat = [fat_sector] + [2 + i for i in range(directory_sectors - 1)] + [end]
    starts = []
    for _, _, _, data in entries:
        if not data:
            starts.append(end)
            continue
        first = len(fat)
        count = len(data) // 512
        fat += [first + i + 1 for i in range(count - 1)] + [end]
        starts.append(first)
    assert len(fat) <= 128
    fat += [free] * (128 - len(fat))
    header = bytearray(512)
    header[0:8] = bytes.fromhex("D0CF11E0A1B11AE1")
    struct.pack_into("<HHHHH", header, 24, 0x3E, 3, 0xFFFE, 9, 6)
    struct.pack_into("<IIIIIIIII", header, 40, 0, 1, 1, 0, 4096, end, 0, end, 0)
    struct.pack_into("<I", header, 76, 0)
    for i in range(1, 109):
        struct.pack_into("<I", header, 76 + 4 * i, free)
    directory = bytearray()
    for index, (name, kind, class_id, data) in enumerate(entries):
        entry = bytearray(128)
        encoded = name.encode("utf-16-le") + b"\0\0"
        entry[0:len(encoded)] = encoded
        child = 1 if index == 0 and len(entries) > 1 else no_entry
        right = index + 1 if 0 < index < len(entries) - 1 else no_entry
        struct.pack_into("<HBBIII", entry, 64, len(encoded), kind, 1, no_entry, right, child)
        entry[80:96] = class_id
        struct.pack_into("<IQ", entry, 116, starts[index], len(data))
        directory += entry
    while len(directory) % 512:
        entry = bytearray(128)
        struct.pack_into("<III", entry, 68, no_entry, no_entry, no_entry)
        directory += entry
    body = b"".join(data for _, _, _, data in entries)
    write(path, bytes(header) + struct.pack("<128I", *fat) + bytes(directory) + body)


def wpc(path, product, file_type, major="2", minor="1"):
    """The 16-byte header every WordPerfect-family file starts with, and a little body."""
    header = b"\xffWPC" + struct.pack("<IBBBBHH", 16, int(product), int(file_type), int(major), int(minor), 0, 0)
    write(path, padded(header, 256))


def pagemaker(path, version, order="<"):
    """The PageMaker header: the byte-order mark at 4 and the version word at 110."""
    data = bytearray(512)
    data[4:8] = b"\0\0\xff\x99" if order == "<" else b"\0\0\x99\xff"
    struct.pack_into(order + "H", data, 110, int(version, 16))
    write(path, bytes(data))


def lotus(path, version):
    """A worksheet's records: BOF with the version word, the active range, EOF."""
    version = int(version, 16)
    if version & 0x7000 or version == 0x8007:  # release 3 and later: a 26-byte BOF, character set 1
        bof = struct.pack("<HHHH", 0, 26, version, 4) + bytes(12) + b"\x01" + bytes(9)
        records = bof
    else:
        records = struct.pack("<HHH", 0, 2, version) + struct.pack("<HHHHHH", 6, 8, 0, 0, 3, 5)
    write(path, records + struct.pack("<HH", 1, 0))


def emf(path):
    """An enhanced metafile: the header record (type 1, " EMF" at 40), then EOF."""
    header = struct.pack("<II4i4i4sIIIHH", 1, 88, 0, 0, 10, 10, 0, 0, 264, 264, b" EMF", 0x10000, 108, 2, 1, 0)
    header += struct.pack("<IIII", 0, 0, 0, 0) + struct.pack("<iiii", 1024, 768, 320, 240)
    write(path, header[:88] + struct.pack("<IIIII", 14, 20, 0, 16, 20))


def fields(path, size, *placed):
    """SIZE bytes, zero but for the fields given as OFFSET=VALUE: text with backslash
    escapes (\\x41, \\0, \\r), or a number packed by the struct format before a colon
    (0x3c=<I:64)."""
    data = bytearray(int(size, 0))
    for field in placed:
        offset, value = field.split("=", 1)
        offset = int(offset, 0)
        layout, _, number = value.partition(":")
        if layout in ("<H", "<I", "<Q", ">H", ">I", ">Q", "<h", "<i") and number:
            value = struct.pack(layout, int(number, 0))
        else:
            value = value.encode("latin-1").decode("unicode_escape").encode("latin-1")
        data[offset:offset + len(value)] = value
    write(path, bytes(data))


KINDS = {"sqlite2": sqlite2, "ole2": ole2, "wpc": wpc, "pagemaker": pagemaker, "lotus": lotus, "emf": emf,
         "fields": fields}

if __name__ == "__main__":
    KINDS[sys.argv[1]](*sys.argv[2:])
PY

# SQLite's side files and the databases other programs keep in SQLite files.
# A database in write-ahead mode, copied while it is open: its log and its index go
# away when the last connection closes.
open_wal() {
  python3 -c 'import shutil, sqlite3
db = sqlite3.connect("wal.db"); db.execute("pragma journal_mode=wal")
db.execute("create table t(x)"); db.execute("insert into t values (1)"); db.commit()
shutil.copy("wal.db-wal", "copy.db-wal"); shutil.copy("wal.db-shm", "copy.db-shm")'
}
sample sqlite-wal.db-wal python3 "rm -f wal.db*; open_wal && cp copy.db-wal sqlite-wal.db-wal"
sample sqlite-shm.db-shm python3 "rm -f wal.db*; open_wal && cp copy.db-shm sqlite-shm.db-shm"
assembled sqlite2.sqlite "SQLite 2 file format" "SQLite 2.x database" "python3 forge.py sqlite2 sqlite2.sqlite"
sample fossil.fossil fossil "fossil init --admin-user sample fossil.fossil >/dev/null &&
  sqlite3 fossil.fossil 'pragma page_size=512; vacuum;'"
sample checkout.fslckout fossil "mkdir -p checkout && cd checkout && fossil open ../fossil.fossil >/dev/null &&
  cp .fslckout ../checkout.fslckout"
assembled tiles.mbtiles "MBTiles 1.3 specification" "MBTiles tileset" "sqlite3 tiles.mbtiles 'pragma application_id=0x4d504258;
  create table metadata (name text, value text); insert into metadata values (\"name\", \"sample\"), (\"format\", \"png\");
  create table tiles (zoom_level integer, tile_column integer, tile_row integer, tile_data blob);'"
assembled workbook.maple "SQLite application id register" "Maple Workbook" "sqlite3 workbook.maple 'pragma application_id=0x5cde09ef; create table t(x);'"

# Compound documents of other programs: the class id of the root storage, or the first
# entries' names in their places.
# file's own compound-document reader answers first and names only Office files: the
# check asks file's magic without it.
ole2() { python3 forge.py ole2 "$@"; }
assembled_ole2() { file_flags="-e cdf" assembled "$@"; }
summary=$'\x05SummaryInformation'
assembled_ole2 works.wps "libmagic Magdir/ole2compounddocs" "Works 5-6 document" "ole2 works.wps b25aa40e0a9ed111a40700c04fb932ba CompObj MatOST $summary"
assembled_ole2 works-old.wps "libmagic Magdir/ole2compounddocs" "Works 3.0 document" "ole2 works-old.wps 00000000000000000000000000000000 MatOST CompObj"
assembled_ole2 works.wdb "libmagic Magdir/ole2compounddocs" "Works 4 database" "ole2 works.wdb c3dbcd28e20ace11a29a00aa004a1a72 CompObj $summary"
assembled_ole2 works.xlr "libmagic Magdir/ole2compounddocs" "Works 6-9 spreadsheet" "ole2 works.xlr 00000000000000000000000000000000 Workbook WksSSWorkBook $summary"
assembled_ole2 works.wsb "libmagic Magdir/ole2compounddocs" "Works portfolio" "ole2 works.wsb c0c7266eb98cd311a1c800c04f612452 PfOrder __LastID __SizeUsed"
assembled_ole2 project.mpp "libmagic Magdir/ole2compounddocs" "Project" "ole2 project.mpp 3a8fb774c8c8d111be1100c04fb6faf1 'Props' 'TBkndTask' $summary"
assembled_ole2 binder.obd "libmagic Magdir/ole2compounddocs" "Office Binder" "ole2 binder.obd 0004855964661b10b21c00aa004ba90b Binder $summary"
assembled_ole2 addin.ppa "libmagic Magdir/ole2compounddocs" "PowerPoint Addin" "ole2 addin.ppa f04672810a72cf11871800aa0060263b VBA PROJECT PROJECTwm"
assembled_ole2 fax.awd "libmagic Magdir/ole2compounddocs" "At Work fax" "ole2 fax.awd 801cb0023de01a10b29400dd010f2bf9 Documents Persistent"
assembled_ole2 outlook.srs "libmagic Magdir/ole2compounddocs" "Outlook Send Receive" "ole2 outlook.srs 00000000000000000000000000000000 __CollDataStm"
assembled_ole2 gallery.cag "libmagic Magdir/ole2compounddocs" "Clip Art Gallery" "ole2 gallery.cag 00000000000000000000000000000000 Category Clip"
assembled_ole2 installer.rra "libmagic Magdir/ole2compounddocs" "Windows temporarily installer" "ole2 installer.rra 00000000000000000000000000000000 Property StrIndex_StringTable"
assembled_ole2 system.nfo "libmagic Magdir/ole2compounddocs" "old Systeminfo" "ole2 system.nfo 00000000000000000000000000000000 Control000 Data000"
assembled_ole2 autoruns.arn "libmagic Magdir/ole2compounddocs" "AutoRuns" "ole2 autoruns.arn 00000000000000000000000000000000 Header Items 0"
assembled_ole2 wizard.mdz "libmagic Magdir/ole2compounddocs" "Access wizard template" "ole2 wizard.mdz 00000000000000000000000000000000 $summary $'\x05DocumentSummaryInformation' TemplateID"
assembled_ole2 greenstreet.art "libmagic Magdir/ole2compounddocs" "Greenstreet Art" "ole2 greenstreet.art 602c020000000000c000000000000046 CONTENT"
assembled_ole2 image.fpx "libmagic Magdir/ole2compounddocs" "FlashPIX" "ole2 image.fpx 0067615654c1ce11855300aa00a1f95b $'\x05Data Object Store 000001' $summary"
assembled_ole2 printhouse.cph "libmagic Magdir/ole2compounddocs" "Corel PrintHouse" "ole2 printhouse.cph 00000000000000000000000000000000 Thumbnail Contents"
assembled_ole2 corel.gal "libmagic Magdir/ole2compounddocs" "Corel Gallery" "ole2 corel.gal 00000000000000000000000000000000 _ITEM_ _INFO_ _ALBUM_"
assembled_ole2 photo.tpl "libmagic Magdir/ole2compounddocs" "Ulead iPhoto Template" "ole2 photo.tpl 00000000000000000000000000000000 TplHeader Layers"
assembled_ole2 scene.max "libmagic Magdir/ole2compounddocs" "3ds Max" "ole2 scene.max 7b8cdd1cc081a0459fed04143144cc1e Config Scene ClassData"
assembled_ole2 planmaker.pmd "libmagic Magdir/ole2compounddocs" "PlanMaker" "ole2 planmaker.pmd 9174088a6452d41195f600a0cc3cca14 PmCalc $summary"
assembled_ole2 softmaker.prd "libmagic Magdir/ole2compounddocs" "SoftMaker" "ole2 softmaker.prd 00000000000000000000000000000000 'Current User' SMNativeObjData PowerPoint"
assembled_ole2 corel.shw "libmagic Magdir/ole2compounddocs" "presentation" "ole2 corel.shw 62fe2e4099191b1099ae04021c007002 PerfectOffice_MAIN"
assembled_ole2 star.sdw "libmagic Magdir/ole2compounddocs" "StarWriter 5.0" "ole2 star.sdw d1f90cc2ae85d111aab4006097da561a StarWriterDocument SfxDocumentInfo"
assembled_ole2 star.sgl "libmagic Magdir/ole2compounddocs" "Master 5.0" "ole2 star.sgl d3f90cc2ae85d111aab4006097da561a StarWriterDocument SfxDocumentInfo"
assembled_ole2 star.sdc "libmagic Magdir/ole2compounddocs" "StarCalc 5.0" "ole2 star.sdc 61b8a5c6d685d11189cb008029e4b0b1 StarCalcDocument SfxDocumentInfo"
assembled_ole2 star.sda "libmagic Magdir/ole2compounddocs" "StarDraw 5.0" "ole2 star.sda a005892ebd85d11189d0008029e4b0b1 StarDrawDocument SfxDocumentInfo"
assembled_ole2 star.sdd "libmagic Magdir/ole2compounddocs" "StarImpress 5.0" "ole2 star.sdd 21725c56bc85d11189d0008029e4b0b1 StarDrawDocument3 SfxDocumentInfo"
assembled_ole2 star.smf "libmagic Magdir/ole2compounddocs" "StarMath 5.0" "ole2 star.smf 40e6b5ffde85d11189d0008029e4b0b1 StarMathDocument SfxDocumentInfo"
assembled_ole2 star.sds "libmagic Magdir/ole2compounddocs" "StarChart 5.0" "ole2 star.sds 214388bfdd85d11189d0008029e4b0b1 StarChartDocument SfxDocumentInfo"
assembled_ole2 star.sdv "libmagic Magdir/ole2compounddocs" "StarOffice Gallery view" "ole2 star.sdv 00000000000000000000000000000000 dd2000 dd2001"
assembled_ole2 pagemaker-ole.pmd "libmagic Magdir/ole2compounddocs and wordprocessors" "PageMaker document, little-endian, version 6.50" "python3 forge.py pagemaker stream.pm 0632 &&
  ole2 pagemaker-ole.pmd 00000000000000000000000000000000 'PageMaker<stream.pm' $summary"

# The WordPerfect family: FF "WPC", a pointer, the product and the file type.
for kind in "macro.wpm 1 1 WordPerfect macro" "help.fil 1 2 WordPerfect help file" "overlay.fil 1 21 WordPerfect Overlay" \
    "keyboard.wpk 1 3 WordPerfect keyboard" "wordperfect.wpd 1 10 WordPerfect document" "printer.prs 1 16 WordPerfect printer" \
    "printers.all 1 19 WordPerfect printer" "driver.drs 1 20 WordPerfect driver resource" "graphic.wpg 1 22 WordPerfect graphic" \
    "macros.mrs 1 25 WordPerfect macro resource" "equations.qrs 1 30 WordPerfect equation resource" \
    "video.vrs 1 36 WordPerfect Video Resource" "resource.irs 1 42 WordPerfect Resource" "tools.cbd 1 70 WordPerfect Writing Tools" \
    "words.uwl 32 10 Writing Tools User Word List" "advice.adv 34 11 dictionary advise"; do
  read -r name product type words <<<"$kind"
  assembled "$name" "WordPerfect SDK file format" "$words" "python3 forge.py wpc $name $product $type"
done

# PageMaker: the version word at 110, in the byte order that byte 6 names.
assembled pagemaker3.pm3 "libmagic Magdir/wordprocessors" "Aldus PageMaker document" "python3 forge.py pagemaker pagemaker3.pm3 0003"
assembled pagemaker4.pm4 "libmagic Magdir/wordprocessors" "PageMaker document, big-endian, version 4" "python3 forge.py pagemaker pagemaker4.pm4 0400 '>'"
assembled pagemaker5.pm5 "libmagic Magdir/wordprocessors" "PageMaker document, little-endian, version 5" "python3 forge.py pagemaker pagemaker5.pm5 0500"
assembled pagemaker65.p65 "libmagic Magdir/wordprocessors" "Adobe PageMaker document, little-endian, version 6.50" "python3 forge.py pagemaker pagemaker65.p65 0632"

# Lotus 1-2-3 and Symphony: the version word of the BOF record.
for kind in "lotus.wks 0404 WorKSheet, version 1" "symphony.wrk 0405 Symphony WoRksheet" "lotus.wk1 0406 worksheet, version 2" \
    "lotus.wj1 0600 WorKsheet, version 1.xJ" "lotus.wj3 0602 worksheet, version 2.4J" "lotus.fmt 8006 Lotus 1-2-3" \
    "lotus.cnf 0804 CoNFiguration, version 2.2" "lotus.wk3 1000 WorKsheet, version 3" "lotus.wk4 1002 WorKsheet, version 4" \
    "lotus.123 1005 version 9.8 Millennium" "lotus.fm3 8007 ForMatting data, version 3"; do
  read -r name version words <<<"$kind"
  assembled "$name" "libmagic Magdir/msdos (Lotus 1-2-3)" "$words" "python3 forge.py lotus $name $version"
done

# Packages led by their media type: a stored member named "mimetype" first, as the
# OpenDocument, OpenOffice.org 1, HWPX and CorelDRAW packages store it.
package() { # package NAME MEDIA-TYPE MEMBER...: zip with the media type first
  local name=$1 type=$2
  shift 2
  printf %s "$type" >mimetype && touch -d @1700000000 mimetype "$@" &&
    zip -q0X "$name" mimetype && zip -qX "$name" "$@"
}
printf '<?xml version="1.0" encoding="UTF-8"?>\n<office:document-content office:version="1.3"/>\n' >content.xml
for kind in "image.odi application/vnd.oasis.opendocument.image OpenDocument Image" \
    "image.oti application/vnd.oasis.opendocument.image-template OpenDocument Image Template" \
    "web.oth application/vnd.oasis.opendocument.text-web OpenDocument HTML Document Template" \
    "master.otm application/vnd.oasis.opendocument.text-master-template OpenDocument" \
    "global.sxg application/vnd.sun.xml.writer.global OpenOffice.org 1.x Writer global document" \
    "formula.sxm application/vnd.sun.xml.math OpenOffice.org 1.x Math document" \
    "database.sdb application/vnd.sun.xml.base OpenOffice.org 1.x Database file" \
    "extension.oxt application/vnd.openofficeorg.extension OpenOffice/LibreOffice Extension" \
    "hangul.hwpx application/hwp+zip application/hwp.zip" \
    "drawing.cdr application/x-vnd.corel.zcf.draw.document+zip Corel Draw drawing, version 17-22" \
    "template.cdt application/x-vnd.corel.zcf.draw.template+zip Corel Draw template, version 17-22" \
    "designer.des application/x-vnd.corel.zcf.designer.document+zip Corel DESIGNER graphics, version 17-21" \
    "symbols.csl application/x-vnd.corel.zcf.symbol.library+zip Corel Symbol Library, version 17-22"; do
  read -r name type words <<<"$kind"
  assembled "$name" "OpenDocument 1.3 part 2, libmagic Magdir/archive" "$words" "package $name $type content.xml"
done

# Documents that their programs save gzip-compressed: gzip around the documented start.
gzipped() { # gzipped NAME: gzip -9n of what stdin gives
  gzip -9n >"$1"
}
assembled diagram.dia "Dia file format" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" encoding=\"UTF-8\"?>' \
  '<dia:diagram xmlns:dia=\"http://www.lysator.liu.se/~alla/dia/\">' '  <dia:layer name=\"Background\" visible=\"true\" active=\"true\"/>' \
  '</dia:diagram>' | gzipped diagram.dia"
assembled book.gnucash "GnuCash XML file format" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" encoding=\"utf-8\" ?>' \
  '<gnc-v2 xmlns:gnc=\"http://www.gnucash.org/XML/gnc\" xmlns:cd=\"http://www.gnucash.org/XML/cd\">' \
  '<gnc:count-data cd:type=\"book\">1</gnc:count-data>' '</gnc-v2>' | gzipped book.gnucash"
assembled money.kmy "KMyMoney file format" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" encoding=\"utf-8\"?>' '<!DOCTYPE KMYMONEY-FILE>' \
  '<KMYMONEY-FILE>' ' <FILEINFO><VERSION id=\"1\"/></FILEINFO>' '</KMYMONEY-FILE>' | gzipped money.kmy"
assembled notes.xoj "Xournal file format" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" standalone=\"no\"?>' '<xournal version=\"0.4.8\">' \
  '<page width=\"612.00\" height=\"792.00\"><background type=\"solid\" color=\"white\" style=\"lined\" /><layer></layer></page>' \
  '</xournal>' | gzipped notes.xoj"
assembled letter.zabw "AbiWord AWML" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" encoding=\"UTF-8\"?>' \
  '<!DOCTYPE abiword PUBLIC \"-//ABISOURCE//DTD AWML 1.0 Strict//EN\" \"http://www.abisource.com/awml.dtd\">' \
  '<abiword template=\"false\" xmlns=\"http://www.abisource.com/awml.dtd\" version=\"3.0.5\" fileformat=\"1.1\">' \
  '<section><p>hello</p></section>' '</abiword>' | gzipped letter.zabw"
assembled drawing.svgz "SVG 1.1, RFC 1952" "gzip compressed data" "printf '%s\n' '<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"8\">' \
  '<rect width=\"4\" height=\"4\"/></svg>' | gzipped drawing.svgz"
assembled image.xcfgz "GIMP XCF file format" "gzip compressed data" "python3 -c 'import struct, sys
sys.stdout.buffer.write(b\"gimp xcf v011\\0\" + struct.pack(\">IIII\", 8, 8, 0, 0) + bytes(64))' | gzipped image.xcfgz"
assembled workspace.rdata "R Internals (serialization)" "gzip compressed data" "python3 -c 'import struct, sys
sys.stdout.buffer.write(b\"RDX3\\nX\\n\" + struct.pack(\">III\", 3, 0x40200, 0x30500) + struct.pack(\">I\", 5) + b\"UTF-8\" + struct.pack(\">I\", 254))' |
  gzipped workspace.rdata"
assembled floppy.adz "Amiga ADF boot block" "gzip compressed data" "python3 -c 'import struct, sys
sys.stdout.buffer.write(b\"DOS\\0\" + struct.pack(\">II\", 0, 880) + bytes(1012) + bytes(4096))' | gzipped floppy.adz"
assembled metafile.emz "Microsoft [MS-EMF], RFC 1952" "gzip compressed data" "python3 forge.py emf plain.emf && gzipped metafile.emz < plain.emf"
sample payload.dz dictzip "cp payload.txt dict.txt && touch -d @1700000000 dict.txt && dictzip dict.txt && mv dict.txt.dz payload.dz"

# A virtual machine: the descriptor first in a tar archive, the disks after it.
assembled machine.ova "DMTF DSP0243 (OVF)" "POSIX tar archive" "printf '%s\n' '<?xml version=\"1.0\"?>' \
  '<Envelope xmlns=\"http://schemas.dmtf.org/ovf/envelope/1\"><References/><DiskSection/></Envelope>' >machine.ovf &&
  printf 'KDMV' >disk1.vmdk && tar --format=ustar --mtime=@0 -cf machine.ova machine.ovf disk1.vmdk"

# Programs and drivers of MS-DOS, 16-bit Windows and OS/2: an MS-DOS header whose
# pointer at 3Ch leads to the new header.
fields() { python3 forge.py fields "$@"; }
mz="0='MZ' 2='<H:0x90' 4='<H:3' 8='<H:4' 0x18='<H:0x40' 0x3c='<I:0x80'"
assembled windows3.exe "Microsoft New Executable format" "NE for MS Windows 3\.x.*\(EXE\)" \
  "fields windows3.exe 1024 $mz 0x80='NE' 0x82='\x05\x0a' 0x8c='<H:0x0302' 0xb6='\x02' 0xbe='<H:0x030a'"
assembled windows3.dll "Microsoft New Executable format" "NE for MS Windows 3\.x.*\(DLL or font\)" \
  "fields windows3.dll 1024 $mz 0x80='NE' 0x82='\x05\x0a' 0x8c='<H:0x8301' 0xb6='\x02' 0xbe='<H:0x030a'"
assembled device.vxd "Microsoft Linear Executable format" "LE executable.*VxD" \
  "fields device.vxd 1024 $mz 0x80='LE\0\0' 0x88='<H:2' 0x8a='<H:4'"
assembled driver.sys "MS-DOS Technical Reference (device drivers)" "DOS executable \(character device driver" \
  "fields driver.sys 256 0='\xff\xff\xff\xff' 4='<H:0x8000' 6='<H:0x12' 8='<H:0x15' 10='SAMPLE\$ ' 0x12='\xcb\xcb'"
assembled program.pif "Windows PIF format" "Windows Program Information File" \
  "fields program.pif 545 0='\0\x78' 2='SAMPLE' 0x24='SAMPLE.EXE' 0x171='MICROSOFT PIFEX\0' 0x181='<H:0x187' 0x187='WINDOWS 386 3.0'"
assembled module.c32 "Syslinux COM32 module documentation" "COM executable \(32-bit COMBOOT" \
  "fields module.c32 64 0='\xb8\xfe\x4c\xcd\x21\xc3'"
assembled letter.wri "Microsoft Write file format" "Write 3.0 \(Windows\) Document" \
  "fields letter.wri 384 0='\x31\xbe\0\0\0\xab' 14='<I:0x100' 96='<H:2' 128='Hello from Write.\r\n'"
assembled word5.doc "Microsoft Word for MS-DOS file format" "Word.*\(DOS\) Document" \
  "fields word5.doc 384 0='\x31\xbe\0\0\0\xab' 14='<I:0x100' 128='Hello from Word.\r\n'"
assembled macword.mcw "libmagic Magdir/msdos" "Word for Macintosh 1.0" "fields macword.mcw 256 0='\xfe\x32'"
assembled guide.ng "Norton Guides format" "Norton Guide" "fields guide.ng 512 0='NG\0\x01\0\0' 8='Sample guide'"

# Tables and databases: dBASE tables written by shapelib, the others by hand.
sample table.dbf shapelib "dbfcreate table -s name 16 -n count 5 0 && dbfadd table.dbf pear 3 && dbfadd table.dbf plum 5"
assembled container.dbc "Visual FoxPro table header" "DBF.*DataBaseContainer|DataBaseContainer" \
  "fields container.dbc 400 0='\x30\x7e\x0c\x01' 4='<I:0' 8='<H:328' 10='<H:11' 28='\x04' 32='NAME' 43='C' 48='\x0a' 64='\x0d'"
assembled mail.edb "Extensible Storage Engine database header" "Extensible storage engine DataBase" \
  "fields mail.edb 4096 4='\xef\xcd\xab\x89' 8='<I:0x620' 12='<I:0' 0xec='<Q:8192'"
assembled mail.stm "Extensible Storage Engine database header" "Extensible storage engine STreaMing" \
  "fields mail.stm 4096 4='\xef\xcd\xab\x89' 8='<I:0x620' 12='<I:1' 0xec='<Q:8192'"
assembled addresses.mab "Mozilla Mork format" "Mozilla Mork database" "printf '%s\n' '// <!-- <mdb:mork:z v=\"1.4\"/> -->' \
  '< <(a=c)> // (f=iso-8859-1)' '  (B8=LastModifiedDate)(80=ns:addrbk:db:row:scope:card:all)>' '<(80=0)>' '{1:^80 {(k^BF:c)(s=9)} }' >addresses.mab"

# Outlook, Windows and their tools
assembled addresses.pab "Microsoft [MS-PST] header" "Personal Address Book" \
  "fields addresses.pab 1024 0='!BDN' 8='BA' 10='<H:14' 12='<H:1'"
assembled mail.dbx "libmagic Magdir/windows" "Outlook Express DBX" \
  "fields mail.dbx 1024 0='\xcf\xad\x12\xfe\xc5\xfd\x74\x6f\x66\xe3\xd1\x11\x9a\x4e\x00\xc0\x4f\xa3\x09\xd4' 0x7c='<I:1'"
assembled outlook.nk2 "libmagic Magdir/windows" "MS Outlook Nickfile" "fields outlook.nk2 64 0='\x0d\xf0\xad\xba\x0a\0\0\0\x01\0\0\0' 12='<I:0'"
assembled notes.one "Microsoft [MS-ONESTORE]" - \
  "fields notes.one 1024 0='\xe4\x52\x5c\x7b\x8c\xd8\xa7\x4d\xae\xb1\x53\x78\xd0\x29\x96\xd3' 0x50='<I:0x2a'"
assembled contents.onetoc2 "Microsoft [MS-ONESTORE]" - \
  "fields contents.onetoc2 1024 0='\xa1\x2f\xff\x43\xd9\xef\x76\x4c\x9e\xe2\x10\xea\x57\x22\x76\x5f' 0x50='<I:0x2a'"
assembled boot.sdi "libmagic Magdir/windows" "System Deployment Image" "fields boot.sdi 4096 0='\$SDI0001' 8='<Q:0' 0x18='<Q:4096'"
assembled transfer.mig "libmagic Magdir/windows" "Windows Easy Transfer migration data" "fields transfer.mig 256 0='1giM' 4='<I:1'"
assembled backup.bkf "Microsoft Tape Format specification" "Windows NTbackup archive" \
  "fields backup.bkf 1024 0='TAPE' 4='<I:0x3' 8='<I:0x400' 0x2e='<H:0x400' 0x30='\x01'"
assembled page.xbf "XAML Binary Format header" - "fields page.xbf 128 0='XBF\0' 4='<I:64' 8='<I:2' 12='<I:1'"
assembled session.ht "libmagic Magdir/windows" "HyperTerminal profile" "fields session.ht 256 0='HyperTerminal ' 15='1.0 -- HyperTerminal data file'"
assembled colours.psppalette "JASC-PAL palette format" "PaintShop Pro color palette" \
  "printf 'JASC-PAL\r\n0100\r\n2\r\n0 0 0\r\n255 255 255\r\n' >colours.psppalette"
assembled report.wer "Windows Error Reporting report format" "Windows Error Report" \
  "printf 'Version=1\r\nEventType=APPCRASH\r\nEventTime=133000000000000000\r\nAppName=sample.exe\r\n' | iconv -f ascii -t utf-16le >report.wer"
assembled desktop.rdp "Remote Desktop .rdp file settings" - \
  "printf 'screen mode id:i:2\r\nfull address:s:host.example.org\r\nusername:s:sample\r\n' >desktop.rdp"
assembled desktop.scf "libmagic Magdir/windows" "Windows Explorer Shell Command File" \
  "printf '[Shell]\r\nCommand=2\r\nIconFile=explorer.exe,3\r\n[Taskbar]\r\nCommand=ToggleDesktop\r\n' >desktop.scf"
assembled help.hhp "HTML Help Workshop project format" "Microsoft HTML Help Project" \
  "printf '[OPTIONS]\r\nCompiled file=help.chm\r\nDefault topic=index.htm\r\n\r\n[FILES]\r\nindex.htm\r\n' >help.hhp"
assembled app.flatpakref "Flatpak documentation" - \
  "printf '[Flatpak Ref]\nName=org.example.Sample\nBranch=stable\nUrl=https://example.org/repo/\nIsRuntime=false\n' >app.flatpakref"
assembled setup.lid "libmagic Magdir/windows" "InstallShield Language Identifier" \
  "printf '[Languages]\r\nDefault=0x0009\r\ncount=1\r\nkey0=0x0009\r\n' >setup.lid"

# Printers and DTP
assembled printer.ppd "Adobe Technical Note 5003 (PPD 4.3)" "PPD file" \
  "printf '*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n*LanguageVersion: English\n*ModelName: \"Sample Printer\"\n' >printer.ppd"
assembled plot.hpgl "HP-GL/2 reference" "Hewlett-Packard Graphics Language" "printf 'IN;SP1;PU0,0;PD1000,1000;PU;SP0;\n' >plot.hpgl"
assembled update.ful2 "libmagic Magdir/printer" "HP Printer firmware update" \
  "fields update.ful2 128 0='@PJL ENTER LANGUAGE=FWUPDATE2\r\n'"
assembled chapter.fm "libmagic Magdir/frame" "FrameMaker document" "fields chapter.fm 512 0='<MakerFile 5.5Q>\n' 32='\x3d\x02'"
assembled manual.book "libmagic Magdir/frame" "FrameMaker Book file" "fields manual.book 512 0='<BookFile 5.0>\n' 32='\x3d\x02'"
assembled chapter.mif "FrameMaker MIF Reference" "FrameMaker MIF \(ASCII\) file" \
  "printf '<MIFFile 2015> # Generated by FrameMaker\n<Units Uin>\n<TextFlow\n <Para <ParaLine <String \`Hello.'\"'\"'>>>\n>\n' >chapter.mif"
assembled words.dict "libmagic Magdir/frame" "FrameMaker Dictionary text" "printf '<MakerDictionary 3.0>\nSorvena\nQuenbrook\n' >words.dict"
assembled screen.bfont "libmagic Magdir/frame" "FrameMaker Font file" "fields screen.bfont 256 0='<MakerScreenFont 1.01>\n'"

# Android
assembled backup.ab "Android backup format" "Android Backup" "python3 -c 'import io, sys, tarfile, zlib
data = io.BytesIO(); tar = tarfile.open(fileobj=data, mode=\"w\", format=tarfile.USTAR_FORMAT)
info = tarfile.TarInfo(\"apps/org.example/_manifest\"); info.size = 2; info.mtime = 0; tar.addfile(info, io.BytesIO(b\"1\n\")); tar.close()
sys.stdout.buffer.write(b\"ANDROID BACKUP\n5\n1\nnone\n\" + zlib.compress(data.getvalue(), 9))' >backup.ab"
assembled resources.arsc "Android ResourceTypes.h" - "fields resources.arsc 64 0='<H:2' 2='<H:12' 4='<I:64' 8='<I:1' 12='<H:1' 14='<H:28' 16='<I:52'"
assembled primary.prof "ART profile format" - "fields primary.prof 32 0='pro\0' 4='010\0' 8='\x01'"
assembled primary.profm "ART profile format" - "fields primary.profm 32 0='prm\0' 4='002\0' 8='<H:1'"

# Archives of single programs and systems, and disk images of old computers
assembled archive.j "libmagic Magdir/archive (JAR by ARJ Software)" "JAR \(ARJ Software, Inc\.\) archive data" \
  "fields archive.j 128 0='<I:0x12345678' 14='\x1aJar\x1b' 20='\x01'"
assembled backup.tib "libmagic Magdir/archive" "Acronis True Image backup" "fields backup.tib 512 0='\xce\x24\xb9\xa2\x20\0\0\0'"
assembled textures.xbt "Kodi XBTF format" "XBMC texture package" "fields textures.xbt 512 0='XBTF2' 5='<I:1'"
assembled update.spk "libmagic Magdir/archive" "Synology archive" "fields update.spk 256 0='\0\xad\xbe\xef' 8='\x95\xc4\x20\x01'"
assembled floppy.msa "Atari MSA format" "Atari MSA archive data" "fields floppy.msa 1024 0='\x0e\x0f' 2='>H:9' 4='>H:1' 6='>H:0' 8='>H:79'"
assembled content.xnb "XNA XNB format" "MonoGame/XNA processed assets" "fields content.xnb 64 0='XNBw\x05\0' 6='<I:64' 10='\x01'"
assembled package.sar "SAPCAR archive format" "SAPCAR archive data" "fields package.sar 64 0='CAR 2.01RG'"
assembled archive.pk2 "libmagic Magdir/archive (FTCOMP)" "FTCOMP compressed archive" "fields archive.pk2 128 24='FTCOMP'"
assembled addon.fzip "libmagic Magdir/archive (Foxit)" "Foxit add-on/update" "fields addon.fzip 128 0='\x25\x06\x78\x19\x01\x01\0\0'"
assembled readme._ "libmagic Magdir/archive (CAZIP)" "CAZIP compressed file" "fields readme._ 64 0='\r\n\x1aCAZIP'"
assembled app.asar "Electron asar format" "Electron ASAR archive" "python3 -c 'import json, struct, sys
index = json.dumps({\"files\": {\"app\": {\"files\": {\"main.js\": {\"size\": 3, \"offset\": \"0\"}}}}}, separators=(\",\", \":\")).encode()
padded = index + bytes(-len(index) % 4)
sys.stdout.buffer.write(struct.pack(\"<IIII\", 4, len(padded) + 8, len(padded) + 4, len(index)) + padded + b\"1;\n\")' >app.asar"
assembled wiki.zim "openZIM file format" - "fields wiki.zim 128 0='ZIM\x04' 4='<H:6' 6='<H:1' 24='<I:1' 28='<I:1' 32='<Q:80' 40='<Q:88' 48='<Q:96' 56='<Q:104'"
assembled floppy.dc42 "Apple DiskCopy 4.2 format" "Apple DiskCopy 4.2 image" \
  "fields floppy.dc42 2048 0='\x06Sample' 0x40='>I:409600' 0x44='>I:0' 0x50='\0\x12' 0x52='>H:0x100'"
sample ntfs.img ntfs-3g "truncate -s 2M ntfs-full.img && mkntfs -F -Q -q ntfs-full.img && head -c 4096 ntfs-full.img >ntfs.img"

# Firmware, boot loaders, installers and small documents
assembled firmware.dfu "STMicroelectronics UM0391 (DfuSe)" - "python3 -c 'import struct, sys, zlib
element = struct.pack(\"<II\", 0x08000000, 4) + b\"\\xde\\xad\\xbe\\xef\"
target = b\"Target\" + struct.pack(\"<BI\", 0, 1) + b\"Internal Flash\".ljust(255, b\"\\0\") + struct.pack(\"<II\", len(element), 1) + element
body = b\"DfuSe\\x01\" + struct.pack(\"<IB\", 11 + len(target), 1) + target
suffix = struct.pack(\"<HHHH\", 0xFFFF, 0xDF11, 0x0483, 0x011A) + b\"UFD\\x10\"
crc = zlib.crc32(body + suffix) ^ 0xFFFFFFFF
sys.stdout.buffer.write(body + suffix + struct.pack(\"<I\", crc))' >firmware.dfu"
assembled update.gbl "Silicon Labs UG266 (GBL format)" - \
  "fields update.gbl 40 0='<I:0x03a617eb' 4='<I:8' 8='<I:0x03000000' 12='<I:0' 16='<I:0xfc0404fc' 20='<I:4' 24='<I:0'"
assembled image.ota "Zigbee OTA upgrade file format" - \
  "fields image.ota 64 0='<I:0x0beef11e' 4='<H:0x0100' 6='<H:56' 8='<H:0' 10='<H:0x1002' 12='<H:1' 14='<I:0x01000000' 18='<H:2' 20='Sample OTA image' 52='<I:64'"
assembled layout.gkb "GRUB keyboard layout format" "GRUB Keyboard" "fields layout.gkb 64 0='GRUBLAYO' 8='<I:10'"
assembled package.wpi "libmagic Magdir/os2 (WarpIN)" "WarpIN Installer" "fields package.wpi 512 0='\x77\x04\x02\xbe' 4='<H:2' 0x106='Sample creator' 0x146='Sample package'"
assembled disk.imgc "libmagic Magdir/filesystems" "HDD Raw Copy Tool" \
  "fields disk.imgc 2048 0='\x11HDD Raw Copy Tool' 0x100='\x061.10.0' 0x200='\x0cSAMPLE DISK ' 0x400='\x0412AB'"
assembled notes.pwd "libmagic Magdir/rtf (Pocket Word)" "Pocket Word document or template" \
  "printf '{\\\\pwd\\\\ansi\\\\deff0{\\\\fonttbl{\\\\f0 Tahoma;}}\\\\pard Hello from a Pocket PC.\\\\par}\r\n' >notes.pwd"
assembled gallery.sdg "libmagic Magdir/wordprocessors (StarOffice gallery)" "StarOffice Gallery thumbnails" "fields gallery.sdg 128 0='SGA3' 4='\x04\0\x01\0'"
sample MANIFEST.mf default-jdk-headless "javac -d manifest-classes Hello.java && jar cf manifest.jar -C manifest-classes Hello.class &&
  unzip -p manifest.jar META-INF/MANIFEST.MF >MANIFEST.mf"

# Windows Help and the files WinHelp keeps beside a help file: one container, its
# directory's B+ tree at the header's pointer.
winhelp="0='\x3f\x5f\x03\0' 4='<I:16' 8='<I:0xffffffff' 12='<I:1024' 16='<I:0x3e0' 20='<I:0x3e0' 24='\x04' 25='<H:0x293b'"
assembled manual.hlp "libmagic Magdir/windows (WinHelp)" "Windows 3\.1 help" \
  "fields manual.hlp 1024 $winhelp 0x300='\x6c\x03\x21\0\x01\0' 0x306='<I:0x30000000' 0x30a='<H:4'"
assembled manual.ann "libmagic Magdir/windows (WinHelp)" "Windows help annotation" "fields manual.ann 512 $winhelp 0xd4='bmf\x01\0'"
assembled manual.gid "libmagic Magdir/windows (WinHelp)" "Windows help Global Index" "fields manual.gid 512 $winhelp 0x75='|Pete'"
assembled winhelp.bmk "libmagic Magdir/windows (WinHelp)" "Windows help Bookmark" "fields winhelp.bmk 512 $winhelp"

# CAD drawings behind a bare gzip header
assembled drawing.mcd "libmagic Magdir/compress (Monu-CAD)" "Monu-Cad Drawing" "fields drawing.mcd 256 0='\x1f\x8b\x08\0\0\0\0\0\0\x03' 10='MCD'"
assembled drawing.gxd "libmagic Magdir/compress (General CADD)" "General CADD" "fields drawing.gxd 256 0='\x1f\x8b\x08\0\0\0\0\0\0\x03' 10='GXD'"

echo "make_samples: $made samples made in $here ($hand_made of them assembled by hand)"
if ((${#failed[@]})); then
  printf 'make_samples: not made: %s\n' "${failed[@]}"
fi
