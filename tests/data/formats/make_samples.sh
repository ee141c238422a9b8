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
  if [ "$file_says" != - ] && ! file -b "$name" | grep -Eqi -- "$file_says"; then
    failed+=("$name (file says: $(file -b "$name"))")
    return
  fi
  cp "$name" "$here/$name"
  made=$((made + 1))
  hand_made=$((hand_made + 1))
}
hand_made=0

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

echo "make_samples: $made samples made in $here ($hand_made of them assembled by hand)"
if ((${#failed[@]})); then
  printf 'make_samples: not made: %s\n' "${failed[@]}"
fi
