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

# assembled NAME SOURCE FILE_SAYS BYTES: a sample that no program in Debian writes, put
# together from the structure that SOURCE documents. BYTES is a Python expression with the
# helpers below (le16 le32 le64 be16 be32 be64, zeros, pad, utf16, and compound, an empty
# compound file of [MS-CFB] version 3 whose root storage holds the named streams). The sample is kept only
# when `file -b` describes it with the extended regular expression FILE_SAYS (case
# ignored), so a second reader of the same documents agrees on what it is; FILE_SAYS "-"
# marks a format `file` does not know at all.
assembled() {
  local name=$1 source=$2 file_says=$3 bytes=$4
  rm -f "$name"
  if ! python3 - "$name" "$bytes" >>"$work/log" 2>&1 <<'PYTHON' || [ ! -s "$name" ]; then
import struct, sys
def le16(v): return struct.pack("<H", v)
def le32(v): return struct.pack("<I", v)
def le64(v): return struct.pack("<Q", v)
def be16(v): return struct.pack(">H", v)
def be32(v): return struct.pack(">I", v)
def be64(v): return struct.pack(">Q", v)
def zeros(n): return bytes(n)
def pad(b, n, fill=b"\0"): return (b + fill * n)[:max(n, len(b))]
def utf16(text): return text.encode("utf-16-le")
def compound(names):
    free, end, fat_mark = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD
    entries = ["Root Entry"] + names
    dir_sectors = (len(entries) + 3) // 4
    header = bytes.fromhex("d0cf11e0a1b11ae1") + zeros(16) + le16(0x3E) + le16(3) + le16(0xFFFE) + le16(9) + le16(6)
    header += zeros(6) + le32(0) + le32(1) + le32(1) + le32(0) + le32(4096) + le32(end) + le32(0) + le32(end) + le32(0)
    header = pad(header + le32(0), 512, le32(free))
    fat = le32(fat_mark) + b"".join(le32(i + 1 if i < dir_sectors else end) for i in range(1, dir_sectors + 1))
    fat = pad(fat, 512, le32(free))
    def entry(index, name):
        kind = 5 if index == 0 else 2
        child = 1 if index == 0 and len(entries) > 1 else free
        right = index + 1 if 0 < index < len(entries) - 1 else free
        return pad(utf16(name) + le16(0), 64) + le16(2 * len(name) + 2) + bytes([kind, 1]) + le32(free) + le32(right) + le32(child) + zeros(36) + le32(end) + le64(0)
    directory = b"".join(entry(i, n) for i, n in enumerate(entries))
    return header + fat + pad(directory, 512 * dir_sectors)
open(sys.argv[1], "wb").write(eval(sys.argv[2]))
PYTHON
    failed+=("$name (assembled from $source)")
    return
  fi
  keep_assembled "$name" "$file_says"
}
# keep_assembled NAME FILE_SAYS: keeps NAME when file agrees (file_flags go to file).
keep_assembled() {
  local name=$1 file_says=$2
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

# Rarer image formats: imagemagick, netpbm, libjxr-tools, libvips-tools, icnsutils.
for ext in cals cin dpx fits mng jng pict ras viff vicar dcx psb; do
  sample "image.$ext" imagemagick "$im seed.png -resize 16x16 image.$ext"
done
sample netpbm.qoi netpbm "pngtopnm seed.png | pamtoqoi > netpbm.qoi"
sample jxrlib.jxr libjxr-tools "$im seed.png -resize 16x16 seed16.bmp && JxrEncApp -i seed16.bmp -o jxrlib.jxr -q 50"
sample vips.v libvips-tools "vips copy seed.png vips.v"
sample icnsutils.icns icnsutils "$im seed.png -resize 16x16! seed16.png && png2icns icnsutils.icns seed16.png"

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

# Rarer audio and video formats: sox, ffmpeg, musepack-tools.
for ext in avr sph smp sndt txw hcom sox wve prc; do
  sample "sox.$ext" sox "sox seed.wav -r 8000 sox.$ext"
done
sample sox.sf sox "sox seed.wav sox.sf"
sample sox.paf sox "sox seed.wav sox.paf"
sample sox.pvf sox "sox seed.wav sox.pvf"
sample video.mxf ffmpeg "video -r 25 -c:v mpeg2video -q:v 20 -an -t 0.2 video.mxf"
# A PAL DV frame is 144,000 bytes: the first 12,000 bytes of one are kept.
sample video.dv ffmpeg "ff -i seed.y4m -frames:v 1 -s 720x576 -r 25 -pix_fmt yuv420p -target pal-dv full.dv && head -c 12000 full.dv > video.dv"
sample video.drc ffmpeg "ff -i seed.y4m -frames:v 1 -c:v vc2 -b:v 200k -f dirac video.drc"
# DNxHD exists only at broadcast sizes: the first 8 KiB of a 1080-line frame are kept.
sample video.dnxhd ffmpeg "ff -i seed.y4m -frames:v 1 -s 1920x1080 -c:v dnxhd -b:v 36M -pix_fmt yuv422p -f dnxhd full.dnxhd && head -c 8192 full.dnxhd > video.dnxhd"
sample ffmpeg.apm ffmpeg "ff -i seed.wav -c:a adpcm_ima_apm -ar 22050 ffmpeg.apm"
sample ffmpeg.dts ffmpeg "ff -i seed.wav -strict -2 -c:a dca -ar 48000 -ac 2 -t 0.05 ffmpeg.dts"
sample ffmpeg.tta ffmpeg "ff -i seed.wav ffmpeg.tta"
sample ffmpeg.wv ffmpeg "ff -i seed.wav ffmpeg.wv"
sample ffmpeg.kvag ffmpeg "ff -i seed.wav -f kvag ffmpeg.kvag"
sample ffmpeg.c2 ffmpeg "ff -i seed.wav -c:a libcodec2 -mode 3200 -f codec2 ffmpeg.c2"
sample ffmpeg.ra ffmpeg "ff -i seed.wav -c:a ac3 -b:a 64k -f rm ffmpeg.ra"
sample mpcenc.mpc musepack-tools "sox seed.wav -r 44100 -c 2 seed44.wav && mpcenc --silent seed44.wav mpcenc.mpc"
sample video.ivf ffmpeg "video -c:v libvpx -b:v 20k -an -t 0.2 -f ivf video.ivf"
sample video.nut ffmpeg "video -c:v mpeg4 -q:v 20 -an -t 0.2 video.nut"
sample video.rm ffmpeg "video -c:v rv10 -q:v 20 -an -t 0.2 video.rm"
sample video.swf ffmpeg "video -c:v flv -q:v 20 -an -t 0.2 video.swf"
sample video.smjpeg ffmpeg "video -c:v mjpeg -q:v 20 -an -t 0.2 -f smjpeg video.smjpeg"
sample video.wtv ffmpeg "video -c:v mpeg2video -q:v 20 -an -t 0.2 video.wtv"

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

# Compilers' and tool chains' binary output: gcc, clang, lld, binutils-mingw-w64, lua5.4,
# glib, gobject-introspection, qt6-l10n-tools, file, zic (libc-bin), device-tree-compiler.
# Precompiled headers run to megabytes: their first 4 KiB, as the compiler wrote them, are kept.
sample gcc.gch gcc "printf 'int answer(void);\n' > hello.h && gcc -x c-header hello.h -o full.gch && head -c 4096 full.gch > gcc.gch"
sample clang.pch clang "printf 'int answer(void);\n' > hello2.h && clang -x c-header hello2.h -o full.pch && head -c 4096 full.pch > clang.pch"
sample clang.bc clang "clang -c -emit-llvm -O2 hello.c -o clang.bc"
sample lld.pdb lld "clang --target=x86_64-pc-windows-msvc -c -O2 -x c - -o w.obj <<< 'int mainCRTStartup(void) { return 0; }' && lld-link /nologo /debug /entry:mainCRTStartup /subsystem:console /nodefaultlib /out:w.exe /pdb:lld.pdb w.obj"
sample windres.res binutils-mingw-w64-x86-64 "printf '1 VERSIONINFO\nFILEVERSION 1,0,0,0\nBEGIN\nEND\n' > v.rc && x86_64-w64-mingw32-windres -O res v.rc windres.res"
sample luac.luac lua5.4 "printf 'print(\"hi\")\n' > hi.lua && luac5.4 -o luac.luac hi.lua"
sample glib.gresource libglib2.0-dev-bin "printf '<?xml version=\"1.0\"?><gresources><gresource prefix=\"/x\"><file>hi.lua</file></gresource></gresources>\n' > r.xml && glib-compile-resources --target=glib.gresource r.xml"
sample gir.typelib gobject-introspection "printf '<?xml version=\"1.0\"?>\n<repository version=\"1.2\" xmlns=\"http://www.gtk.org/introspection/core/1.0\"><namespace name=\"Sample\" version=\"1.0\" shared-library=\"\" c:identifier-prefixes=\"Sample\" c:symbol-prefixes=\"sample\" xmlns:c=\"http://www.gtk.org/introspection/c/1.0\"><constant name=\"ANSWER\" value=\"42\" c:type=\"SAMPLE_ANSWER\"><type name=\"gint\" c:type=\"gint\"/></constant></namespace></repository>\n' > Sample-1.0.gir && g-ir-compiler Sample-1.0.gir -o gir.typelib"
sample lrelease.qm qt6-l10n-tools "printf '<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"ja\"><context><name>Main</name><message><source>Hello</source><translation>こんにちは</translation></message></context></TS>\n' > s.ts && /usr/lib/qt6/bin/lrelease -silent s.ts -qm lrelease.qm"
sample magic.mgc file "printf '0\tstring\tSORVENA\tSorvena sample\n' > sample.magic && file -C -m sample.magic && mv sample.magic.mgc magic.mgc"
sample zic-tzif libc-bin "printf 'Zone Sample/Town 0:00 - STT\n' > zone.txt && zic -d zi zone.txt && cp zi/Sample/Town zic-tzif"
sample dtc.dtb device-tree-compiler "printf '/dts-v1/;\n/ { model = \"sample\"; };\n' > s.dts && dtc -I dts -O dtb -o dtc.dtb s.dts"

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

# ---- Disk images, archives, data stores, keys and fonts: openssl, git, gnupg, util-linux,
#      squashfs-tools, android-sdk-libsparse-utils, qemu-utils, wimtools, lrzip, bzip3, zpaq,
#      jlha-utils, db5.3-util, netcdf-bin, Python's numpy, h5py, scipy, Pillow, avro, pyshp,
#      fontTools, lcdf-typetools, xfonts-utils, groff ------------------------------------
sample openssl.enc openssl "openssl enc -aes-256-cbc -pbkdf2 -pass pass:x -in payload.txt -out openssl.enc"
sample git.bundle git "git init -q repo && git -C repo -c user.name=S -c user.email=s@example.org commit -q --allow-empty -m one && git -C repo bundle create -q ../git.bundle HEAD"
sample git.pack git "git -C repo repack -q -a -d && cp repo/.git/objects/pack/*.pack git.pack"
sample git.idx git "cp repo/.git/objects/pack/*.idx git.idx"
sample git-index git "printf 'x\n' > repo/x && git -C repo add x && cp repo/.git/index git-index"
sample pubring.kbx gnupg "mkdir -m 700 gnupg-home && gpg --batch --quiet --homedir gnupg-home --list-keys && cp gnupg-home/pubring.kbx pubring.kbx"
sample mkswap.img util-linux "head -c 40960 /dev/zero > mkswap.img && mkswap -q mkswap.img"
sample mksquashfs.sqfs squashfs-tools "mksquashfs payload.txt mksquashfs.sqfs -quiet -no-progress -all-root"
sample mkfs.cramfs util-linux-extra "mkdir -p cram && cp payload.txt cram/ && mkfs.cramfs cram mkfs.cramfs"
sample img2simg.simg android-sdk-libsparse-utils "head -c 40960 /dev/zero > raw.img && printf 'data' >> raw.img && img2simg raw.img img2simg.simg"
sample qemu-img.qcow2 qemu-utils "qemu-img create -q -f qcow2 -o cluster_size=512 qemu-img.qcow2 1M"
sample qemu-img.vdi qemu-utils "qemu-img create -q -f vdi qemu-img.vdi 1M"
# An empty VHDX is 8 MiB of reserved regions: its first 64 KiB hold the identifier and both headers.
sample qemu-img.vhdx qemu-utils "qemu-img create -q -f vhdx full.vhdx 1M && head -c 65000 full.vhdx > qemu-img.vhdx"
# A sparse VMDK keeps its grain tables at the end: its first 8 KiB hold the header and the descriptor.
sample qemu-img.vmdk qemu-utils "qemu-img create -q -f vmdk full.vmdk 1M && head -c 8192 full.vmdk > qemu-img.vmdk"
sample qemu-img-descriptor.vmdk qemu-utils "qemu-img create -q -f vmdk -o subformat=monolithicFlat qemu-img-descriptor.vmdk 1M"
sample wimcapture.wim wimtools "mkdir -p wimdir && cp payload.txt wimdir/ && wimcapture wimdir wimcapture.wim --compress=none >/dev/null"
sample payload.txt.lrz lrzip "lrzip -q -o payload.txt.lrz payload.txt"
sample payload.txt.bz3 bzip3 "bzip3 -c payload.txt > payload.txt.bz3"
sample archive.zpaq zpaq "zpaq a archive.zpaq payload.txt >/dev/null"
sample archive.lzh jlha-utils "lha -aq archive.lzh payload.txt"
sample db5.db db5.3-util "printf 'key\nvalue\n' | db5.3_load -T -t hash db5.db"
sample python.gdbm python3-gdbm "/usr/bin/python3 -c 'import dbm.gnu; d = dbm.gnu.open(\"python.gdbm\", \"n\"); d[b\"key\"] = b\"value\"; d.close()'"
sample ncgen.nc netcdf-bin "printf 'netcdf s { dimensions: x = 2; variables: int v(x); data: v = 1, 2; }\n' > s.cdl && ncgen -k classic -o ncgen.nc s.cdl"
sample numpy.npy python3-numpy "/usr/bin/python3 -c 'import numpy; numpy.save(\"numpy.npy\", numpy.arange(4))'"
sample h5py.h5 python3-h5py "/usr/bin/python3 -c 'import h5py; f = h5py.File(\"h5py.h5\", \"w\"); f[\"v\"] = [1, 2]; f.close()'"
sample scipy.mat python3-scipy "/usr/bin/python3 -c 'import scipy.io; scipy.io.savemat(\"scipy.mat\", {\"v\": [1, 2]})'"
sample pillow.icc python3-pil "/usr/bin/python3 -c 'from PIL import ImageCms; open(\"pillow.icc\", \"wb\").write(ImageCms.ImageCmsProfile(ImageCms.createProfile(\"sRGB\")).tobytes())'"
sample avro.avro python3-avro "/usr/bin/python3 -c 'import json, avro.schema, avro.datafile, avro.io; s = avro.schema.parse(json.dumps({\"type\": \"record\", \"name\": \"Fruit\", \"fields\": [{\"name\": \"name\", \"type\": \"string\"}]})); w = avro.datafile.DataFileWriter(open(\"avro.avro\", \"wb\"), avro.io.DatumWriter(), s); w.append({\"name\": \"pear\"}); w.close()'"
sample pyshp.shp python3-pyshp "/usr/bin/python3 -c 'import shapefile; w = shapefile.Writer(\"pyshp\", shapeType=shapefile.POINT); w.field(\"name\", \"C\"); w.point(1, 2); w.record(\"a\"); w.close()'"
sample fonttools.ttc python3-fonttools "cp $here/font.ttf a.ttf && /usr/bin/python3 -c 'from fontTools.ttLib import TTFont, TTCollection; c = TTCollection(); c.fonts = [TTFont(\"a.ttf\"), TTFont(\"a.ttf\")]; c.save(\"fonttools.ttc\")'"
sample ttftotype42.t42 lcdf-typetools "ttftotype42 $here/font.ttf ttftotype42.t42"
sample bdftopcf.pcf xfonts-utils "printf 'STARTFONT 2.1\nFONT -misc-sample-medium-r-normal--8-80-75-75-c-80-iso10646-1\nSIZE 8 75 75\nFONTBOUNDINGBOX 8 8 0 0\nSTARTPROPERTIES 2\nFONT_ASCENT 8\nFONT_DESCENT 0\nENDPROPERTIES\nCHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 8 0\nBBX 8 8 0 0\nBITMAP\n18\n24\n42\n42\n7E\n42\n42\n00\nENDCHAR\nENDFONT\n' > s.bdf && bdftopcf -o bdftopcf.pcf s.bdf"
sample groff.dvi groff "pandoc -s -t man seed.md 2>/dev/null | groff -man -Tdvi > groff.dvi || printf '.TH S 1\n.SH NAME\ns\n' | groff -man -Tdvi > groff.dvi"
sample groff.pcl groff "printf '.TH S 1\n.SH NAME\ns\n' | groff -man -Tlj4 > groff.pcl"

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

# assembled_by NAME SOURCE FILE_SAYS COMMAND: like assembled, but the shell COMMAND (forge.py,
# zip, gzip, tar or sqlite3 put together by hand) writes NAME.
assembled_by() {
  local name=$1 source=$2 file_says=$3 command=$4
  rm -f "$name"
  if ! (eval "$command") >>"$work/log" 2>&1 || [ ! -s "$name" ]; then
    failed+=("$name (assembled from $source)")
    return
  fi
  keep_assembled "$name" "$file_says"
}
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
assembled_by sqlite2.sqlite "SQLite 2 file format" "SQLite 2.x database" "python3 forge.py sqlite2 sqlite2.sqlite"
sample fossil.fossil fossil "fossil init --admin-user sample fossil.fossil >/dev/null &&
  sqlite3 fossil.fossil 'pragma page_size=512; vacuum;'"
sample checkout.fslckout fossil "mkdir -p checkout && cd checkout && fossil open ../fossil.fossil >/dev/null &&
  cp .fslckout ../checkout.fslckout"
assembled_by tiles.mbtiles "MBTiles 1.3 specification" "MBTiles tileset" "sqlite3 tiles.mbtiles 'pragma application_id=0x4d504258;
  create table metadata (name text, value text); insert into metadata values (\"name\", \"sample\"), (\"format\", \"png\");
  create table tiles (zoom_level integer, tile_column integer, tile_row integer, tile_data blob);'"
assembled_by workbook.maple "SQLite application id register" "Maple Workbook" "sqlite3 workbook.maple 'pragma application_id=0x5cde09ef; create table t(x);'"

# Compound documents of other programs: the class id of the root storage, or the first
# entries' names in their places.
# file's own compound-document reader answers first and names only Office files: the
# check asks file's magic without it.
ole2() { python3 forge.py ole2 "$@"; }
assembled_ole2() { file_flags="-e cdf" assembled_by "$@"; }
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
  assembled_by "$name" "WordPerfect SDK file format" "$words" "python3 forge.py wpc $name $product $type"
done

# PageMaker: the version word at 110, in the byte order that byte 6 names.
assembled_by pagemaker3.pm3 "libmagic Magdir/wordprocessors" "Aldus PageMaker document" "python3 forge.py pagemaker pagemaker3.pm3 0003"
assembled_by pagemaker4.pm4 "libmagic Magdir/wordprocessors" "PageMaker document, big-endian, version 4" "python3 forge.py pagemaker pagemaker4.pm4 0400 '>'"
assembled_by pagemaker5.pm5 "libmagic Magdir/wordprocessors" "PageMaker document, little-endian, version 5" "python3 forge.py pagemaker pagemaker5.pm5 0500"
assembled_by pagemaker65.p65 "libmagic Magdir/wordprocessors" "Adobe PageMaker document, little-endian, version 6.50" "python3 forge.py pagemaker pagemaker65.p65 0632"

# Lotus 1-2-3 and Symphony: the version word of the BOF record.
for kind in "lotus.wks 0404 WorKSheet, version 1" "symphony.wrk 0405 Symphony WoRksheet" "lotus.wk1 0406 worksheet, version 2" \
    "lotus.wj1 0600 WorKsheet, version 1.xJ" "lotus.wj3 0602 worksheet, version 2.4J" "lotus.fmt 8006 Lotus 1-2-3" \
    "lotus.cnf 0804 CoNFiguration, version 2.2" "lotus.wk3 1000 WorKsheet, version 3" "lotus.wk4 1002 WorKsheet, version 4" \
    "lotus.123 1005 version 9.8 Millennium" "lotus.fm3 8007 ForMatting data, version 3"; do
  read -r name version words <<<"$kind"
  assembled_by "$name" "libmagic Magdir/msdos (Lotus 1-2-3)" "$words" "python3 forge.py lotus $name $version"
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
  assembled_by "$name" "OpenDocument 1.3 part 2, libmagic Magdir/archive" "$words" "package $name $type content.xml"
done

# Documents that their programs save gzip-compressed: gzip around the documented start.
gzipped() { # gzipped NAME: gzip -9n of what stdin gives
  gzip -9n >"$1"
}
assembled_by diagram.dia "Dia file format" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" encoding=\"UTF-8\"?>' \
  '<dia:diagram xmlns:dia=\"http://www.lysator.liu.se/~alla/dia/\">' '  <dia:layer name=\"Background\" visible=\"true\" active=\"true\"/>' \
  '</dia:diagram>' | gzipped diagram.dia"
assembled_by book.gnucash "GnuCash XML file format" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" encoding=\"utf-8\" ?>' \
  '<gnc-v2 xmlns:gnc=\"http://www.gnucash.org/XML/gnc\" xmlns:cd=\"http://www.gnucash.org/XML/cd\">' \
  '<gnc:count-data cd:type=\"book\">1</gnc:count-data>' '</gnc-v2>' | gzipped book.gnucash"
assembled_by money.kmy "KMyMoney file format" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" encoding=\"utf-8\"?>' '<!DOCTYPE KMYMONEY-FILE>' \
  '<KMYMONEY-FILE>' ' <FILEINFO><VERSION id=\"1\"/></FILEINFO>' '</KMYMONEY-FILE>' | gzipped money.kmy"
assembled_by notes.xoj "Xournal file format" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" standalone=\"no\"?>' '<xournal version=\"0.4.8\">' \
  '<page width=\"612.00\" height=\"792.00\"><background type=\"solid\" color=\"white\" style=\"lined\" /><layer></layer></page>' \
  '</xournal>' | gzipped notes.xoj"
assembled_by letter.zabw "AbiWord AWML" "gzip compressed data" "printf '%s\n' '<?xml version=\"1.0\" encoding=\"UTF-8\"?>' \
  '<!DOCTYPE abiword PUBLIC \"-//ABISOURCE//DTD AWML 1.0 Strict//EN\" \"http://www.abisource.com/awml.dtd\">' \
  '<abiword template=\"false\" xmlns=\"http://www.abisource.com/awml.dtd\" version=\"3.0.5\" fileformat=\"1.1\">' \
  '<section><p>hello</p></section>' '</abiword>' | gzipped letter.zabw"
assembled_by drawing.svgz "SVG 1.1, RFC 1952" "gzip compressed data" "printf '%s\n' '<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"8\">' \
  '<rect width=\"4\" height=\"4\"/></svg>' | gzipped drawing.svgz"
assembled_by image.xcfgz "GIMP XCF file format" "gzip compressed data" "python3 -c 'import struct, sys
sys.stdout.buffer.write(b\"gimp xcf v011\\0\" + struct.pack(\">IIII\", 8, 8, 0, 0) + bytes(64))' | gzipped image.xcfgz"
assembled_by workspace.rdata "R Internals (serialization)" "gzip compressed data" "python3 -c 'import struct, sys
sys.stdout.buffer.write(b\"RDX3\\nX\\n\" + struct.pack(\">III\", 3, 0x40200, 0x30500) + struct.pack(\">I\", 5) + b\"UTF-8\" + struct.pack(\">I\", 254))' |
  gzipped workspace.rdata"
assembled_by floppy.adz "Amiga ADF boot block" "gzip compressed data" "python3 -c 'import struct, sys
sys.stdout.buffer.write(b\"DOS\\0\" + struct.pack(\">II\", 0, 880) + bytes(1012) + bytes(4096))' | gzipped floppy.adz"
assembled_by metafile.emz "Microsoft [MS-EMF], RFC 1952" "gzip compressed data" "python3 forge.py emf plain.emf && gzipped metafile.emz < plain.emf"
sample payload.dz dictzip "cp payload.txt dict.txt && touch -d @1700000000 dict.txt && dictzip dict.txt && mv dict.txt.dz payload.dz"

# A virtual machine: the descriptor first in a tar archive, the disks after it.
assembled_by machine.ova "DMTF DSP0243 (OVF)" "POSIX tar archive" "printf '%s\n' '<?xml version=\"1.0\"?>' \
  '<Envelope xmlns=\"http://schemas.dmtf.org/ovf/envelope/1\"><References/><DiskSection/></Envelope>' >machine.ovf &&
  printf 'KDMV' >disk1.vmdk && tar --format=ustar --mtime=@0 -cf machine.ova machine.ovf disk1.vmdk"

# Programs and drivers of MS-DOS, 16-bit Windows and OS/2: an MS-DOS header whose
# pointer at 3Ch leads to the new header.
fields() { python3 forge.py fields "$@"; }
mz="0='MZ' 2='<H:0x90' 4='<H:3' 8='<H:4' 0x18='<H:0x40' 0x3c='<I:0x80'"
assembled_by windows3.exe "Microsoft New Executable format" "NE for MS Windows 3\.x.*\(EXE\)" \
  "fields windows3.exe 1024 $mz 0x80='NE' 0x82='\x05\x0a' 0x8c='<H:0x0302' 0xb6='\x02' 0xbe='<H:0x030a'"
assembled_by windows3.dll "Microsoft New Executable format" "NE for MS Windows 3\.x.*\(DLL or font\)" \
  "fields windows3.dll 1024 $mz 0x80='NE' 0x82='\x05\x0a' 0x8c='<H:0x8301' 0xb6='\x02' 0xbe='<H:0x030a'"
assembled_by device.vxd "Microsoft Linear Executable format" "LE executable.*VxD" \
  "fields device.vxd 1024 $mz 0x80='LE\0\0' 0x88='<H:2' 0x8a='<H:4'"
assembled_by driver.sys "MS-DOS Technical Reference (device drivers)" "DOS executable \(character device driver" \
  "fields driver.sys 256 0='\xff\xff\xff\xff' 4='<H:0x8000' 6='<H:0x12' 8='<H:0x15' 10='SAMPLE\$ ' 0x12='\xcb\xcb'"
assembled_by program.pif "Windows PIF format" "Windows Program Information File" \
  "fields program.pif 545 0='\0\x78' 2='SAMPLE' 0x24='SAMPLE.EXE' 0x171='MICROSOFT PIFEX\0' 0x181='<H:0x187' 0x187='WINDOWS 386 3.0'"
assembled_by module.c32 "Syslinux COM32 module documentation" "COM executable \(32-bit COMBOOT" \
  "fields module.c32 64 0='\xb8\xfe\x4c\xcd\x21\xc3'"
assembled_by letter.wri "Microsoft Write file format" "Write 3.0 \(Windows\) Document" \
  "fields letter.wri 384 0='\x31\xbe\0\0\0\xab' 14='<I:0x100' 96='<H:2' 128='Hello from Write.\r\n'"
assembled_by word5.doc "Microsoft Word for MS-DOS file format" "Word.*\(DOS\) Document" \
  "fields word5.doc 384 0='\x31\xbe\0\0\0\xab' 14='<I:0x100' 128='Hello from Word.\r\n'"
assembled_by macword.mcw "libmagic Magdir/msdos" "Word for Macintosh 1.0" "fields macword.mcw 256 0='\xfe\x32'"
assembled_by guide.ng "Norton Guides format" "Norton Guide" "fields guide.ng 512 0='NG\0\x01\0\0' 8='Sample guide'"

# Tables and databases: dBASE tables written by shapelib, the others by hand.
sample table.dbf shapelib "dbfcreate table -s name 16 -n count 5 0 && dbfadd table.dbf pear 3 && dbfadd table.dbf plum 5"
assembled_by container.dbc "Visual FoxPro table header" "DBF.*DataBaseContainer|DataBaseContainer" \
  "fields container.dbc 400 0='\x30\x7e\x0c\x01' 4='<I:0' 8='<H:328' 10='<H:11' 28='\x04' 32='NAME' 43='C' 48='\x0a' 64='\x0d'"
assembled_by mail.edb "Extensible Storage Engine database header" "Extensible storage engine DataBase" \
  "fields mail.edb 4096 4='\xef\xcd\xab\x89' 8='<I:0x620' 12='<I:0' 0xec='<Q:8192'"
assembled_by mail.stm "Extensible Storage Engine database header" "Extensible storage engine STreaMing" \
  "fields mail.stm 4096 4='\xef\xcd\xab\x89' 8='<I:0x620' 12='<I:1' 0xec='<Q:8192'"
assembled_by addresses.mab "Mozilla Mork format" "Mozilla Mork database" "printf '%s\n' '// <!-- <mdb:mork:z v=\"1.4\"/> -->' \
  '< <(a=c)> // (f=iso-8859-1)' '  (B8=LastModifiedDate)(80=ns:addrbk:db:row:scope:card:all)>' '<(80=0)>' '{1:^80 {(k^BF:c)(s=9)} }' >addresses.mab"

# Outlook, Windows and their tools
assembled_by addresses.pab "Microsoft [MS-PST] header" "Personal Address Book" \
  "fields addresses.pab 1024 0='!BDN' 8='BA' 10='<H:14' 12='<H:1'"
assembled_by mail.dbx "libmagic Magdir/windows" "Outlook Express DBX" \
  "fields mail.dbx 1024 0='\xcf\xad\x12\xfe\xc5\xfd\x74\x6f\x66\xe3\xd1\x11\x9a\x4e\x00\xc0\x4f\xa3\x09\xd4' 0x7c='<I:1'"
assembled_by outlook.nk2 "libmagic Magdir/windows" "MS Outlook Nickfile" "fields outlook.nk2 64 0='\x0d\xf0\xad\xba\x0a\0\0\0\x01\0\0\0' 12='<I:0'"
assembled_by notes.one "Microsoft [MS-ONESTORE]" - \
  "fields notes.one 1024 0='\xe4\x52\x5c\x7b\x8c\xd8\xa7\x4d\xae\xb1\x53\x78\xd0\x29\x96\xd3' 0x50='<I:0x2a'"
assembled_by contents.onetoc2 "Microsoft [MS-ONESTORE]" - \
  "fields contents.onetoc2 1024 0='\xa1\x2f\xff\x43\xd9\xef\x76\x4c\x9e\xe2\x10\xea\x57\x22\x76\x5f' 0x50='<I:0x2a'"
assembled_by boot.sdi "libmagic Magdir/windows" "System Deployment Image" "fields boot.sdi 4096 0='\$SDI0001' 8='<Q:0' 0x18='<Q:4096'"
assembled_by transfer.mig "libmagic Magdir/windows" "Windows Easy Transfer migration data" "fields transfer.mig 256 0='1giM' 4='<I:1'"
assembled_by backup.bkf "Microsoft Tape Format specification" "Windows NTbackup archive" \
  "fields backup.bkf 1024 0='TAPE' 4='<I:0x3' 8='<I:0x400' 0x2e='<H:0x400' 0x30='\x01'"
assembled_by page.xbf "XAML Binary Format header" - "fields page.xbf 128 0='XBF\0' 4='<I:64' 8='<I:2' 12='<I:1'"
assembled_by session.ht "libmagic Magdir/windows" "HyperTerminal profile" "fields session.ht 256 0='HyperTerminal ' 15='1.0 -- HyperTerminal data file'"
assembled_by colours.psppalette "JASC-PAL palette format" "PaintShop Pro color palette" \
  "printf 'JASC-PAL\r\n0100\r\n2\r\n0 0 0\r\n255 255 255\r\n' >colours.psppalette"
assembled_by report.wer "Windows Error Reporting report format" "Windows Error Report" \
  "printf 'Version=1\r\nEventType=APPCRASH\r\nEventTime=133000000000000000\r\nAppName=sample.exe\r\n' | iconv -f ascii -t utf-16le >report.wer"
assembled_by desktop.rdp "Remote Desktop .rdp file settings" - \
  "printf 'screen mode id:i:2\r\nfull address:s:host.example.org\r\nusername:s:sample\r\n' >desktop.rdp"
assembled_by desktop.scf "libmagic Magdir/windows" "Windows Explorer Shell Command File" \
  "printf '[Shell]\r\nCommand=2\r\nIconFile=explorer.exe,3\r\n[Taskbar]\r\nCommand=ToggleDesktop\r\n' >desktop.scf"
assembled_by help.hhp "HTML Help Workshop project format" "Microsoft HTML Help Project" \
  "printf '[OPTIONS]\r\nCompiled file=help.chm\r\nDefault topic=index.htm\r\n\r\n[FILES]\r\nindex.htm\r\n' >help.hhp"
assembled_by app.flatpakref "Flatpak documentation" - \
  "printf '[Flatpak Ref]\nName=org.example.Sample\nBranch=stable\nUrl=https://example.org/repo/\nIsRuntime=false\n' >app.flatpakref"
assembled_by setup.lid "libmagic Magdir/windows" "InstallShield Language Identifier" \
  "printf '[Languages]\r\nDefault=0x0009\r\ncount=1\r\nkey0=0x0009\r\n' >setup.lid"

# Printers and DTP
assembled_by printer.ppd "Adobe Technical Note 5003 (PPD 4.3)" "PPD file" \
  "printf '*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n*LanguageVersion: English\n*ModelName: \"Sample Printer\"\n' >printer.ppd"
assembled_by plot.hpgl "HP-GL/2 reference" "Hewlett-Packard Graphics Language" "printf 'IN;SP1;PU0,0;PD1000,1000;PU;SP0;\n' >plot.hpgl"
assembled_by update.ful2 "libmagic Magdir/printer" "HP Printer firmware update" \
  "fields update.ful2 128 0='@PJL ENTER LANGUAGE=FWUPDATE2\r\n'"
assembled_by chapter.fm "libmagic Magdir/frame" "FrameMaker document" "fields chapter.fm 512 0='<MakerFile 5.5Q>\n' 32='\x3d\x02'"
assembled_by manual.book "libmagic Magdir/frame" "FrameMaker Book file" "fields manual.book 512 0='<BookFile 5.0>\n' 32='\x3d\x02'"
assembled_by chapter.mif "FrameMaker MIF Reference" "FrameMaker MIF \(ASCII\) file" \
  "printf '<MIFFile 2015> # Generated by FrameMaker\n<Units Uin>\n<TextFlow\n <Para <ParaLine <String \`Hello.'\"'\"'>>>\n>\n' >chapter.mif"
assembled_by words.dict "libmagic Magdir/frame" "FrameMaker Dictionary text" "printf '<MakerDictionary 3.0>\nSorvena\nQuenbrook\n' >words.dict"
assembled_by screen.bfont "libmagic Magdir/frame" "FrameMaker Font file" "fields screen.bfont 256 0='<MakerScreenFont 1.01>\n'"

# Android
assembled_by backup.ab "Android backup format" "Android Backup" "python3 -c 'import io, sys, tarfile, zlib
data = io.BytesIO(); tar = tarfile.open(fileobj=data, mode=\"w\", format=tarfile.USTAR_FORMAT)
info = tarfile.TarInfo(\"apps/org.example/_manifest\"); info.size = 2; info.mtime = 0; tar.addfile(info, io.BytesIO(b\"1\n\")); tar.close()
sys.stdout.buffer.write(b\"ANDROID BACKUP\n5\n1\nnone\n\" + zlib.compress(data.getvalue(), 9))' >backup.ab"
assembled_by resources.arsc "Android ResourceTypes.h" - "fields resources.arsc 64 0='<H:2' 2='<H:12' 4='<I:64' 8='<I:1' 12='<H:1' 14='<H:28' 16='<I:52'"
assembled_by primary.prof "ART profile format" - "fields primary.prof 32 0='pro\0' 4='010\0' 8='\x01'"
assembled_by primary.profm "ART profile format" - "fields primary.profm 32 0='prm\0' 4='002\0' 8='<H:1'"

# Archives of single programs and systems, and disk images of old computers
assembled_by archive.j "libmagic Magdir/archive (JAR by ARJ Software)" "JAR \(ARJ Software, Inc\.\) archive data" \
  "fields archive.j 128 0='<I:0x12345678' 14='\x1aJar\x1b' 20='\x01'"
assembled_by backup.tib "libmagic Magdir/archive" "Acronis True Image backup" "fields backup.tib 512 0='\xce\x24\xb9\xa2\x20\0\0\0'"
assembled_by textures.xbt "Kodi XBTF format" "XBMC texture package" "fields textures.xbt 512 0='XBTF2' 5='<I:1'"
assembled_by update.spk "libmagic Magdir/archive" "Synology archive" "fields update.spk 256 0='\0\xad\xbe\xef' 8='\x95\xc4\x20\x01'"
assembled_by floppy.msa "Atari MSA format" "Atari MSA archive data" "fields floppy.msa 1024 0='\x0e\x0f' 2='>H:9' 4='>H:1' 6='>H:0' 8='>H:79'"
assembled_by content.xnb "XNA XNB format" "MonoGame/XNA processed assets" "fields content.xnb 64 0='XNBw\x05\0' 6='<I:64' 10='\x01'"
assembled_by package.sar "SAPCAR archive format" "SAPCAR archive data" "fields package.sar 64 0='CAR 2.01RG'"
assembled_by archive.pk2 "libmagic Magdir/archive (FTCOMP)" "FTCOMP compressed archive" "fields archive.pk2 128 24='FTCOMP'"
assembled_by addon.fzip "libmagic Magdir/archive (Foxit)" "Foxit add-on/update" "fields addon.fzip 128 0='\x25\x06\x78\x19\x01\x01\0\0'"
assembled_by readme._ "libmagic Magdir/archive (CAZIP)" "CAZIP compressed file" "fields readme._ 64 0='\r\n\x1aCAZIP'"
assembled_by app.asar "Electron asar format" "Electron ASAR archive" "python3 -c 'import json, struct, sys
index = json.dumps({\"files\": {\"app\": {\"files\": {\"main.js\": {\"size\": 3, \"offset\": \"0\"}}}}}, separators=(\",\", \":\")).encode()
padded = index + bytes(-len(index) % 4)
sys.stdout.buffer.write(struct.pack(\"<IIII\", 4, len(padded) + 8, len(padded) + 4, len(index)) + padded + b\"1;\n\")' >app.asar"
assembled_by wiki.zim "openZIM file format" - "fields wiki.zim 128 0='ZIM\x04' 4='<H:6' 6='<H:1' 24='<I:1' 28='<I:1' 32='<Q:80' 40='<Q:88' 48='<Q:96' 56='<Q:104'"
assembled_by floppy.dc42 "Apple DiskCopy 4.2 format" "Apple DiskCopy 4.2 image" \
  "fields floppy.dc42 2048 0='\x06Sample' 0x40='>I:409600' 0x44='>I:0' 0x50='\0\x12' 0x52='>H:0x100'"
sample ntfs.img ntfs-3g "truncate -s 2M ntfs-full.img && mkntfs -F -Q -q ntfs-full.img && head -c 4096 ntfs-full.img >ntfs.img"

# Firmware, boot loaders, installers and small documents
assembled_by firmware.dfu "STMicroelectronics UM0391 (DfuSe)" - "python3 -c 'import struct, sys, zlib
element = struct.pack(\"<II\", 0x08000000, 4) + b\"\\xde\\xad\\xbe\\xef\"
target = b\"Target\" + struct.pack(\"<BI\", 0, 1) + b\"Internal Flash\".ljust(255, b\"\\0\") + struct.pack(\"<II\", len(element), 1) + element
body = b\"DfuSe\\x01\" + struct.pack(\"<IB\", 11 + len(target), 1) + target
suffix = struct.pack(\"<HHHH\", 0xFFFF, 0xDF11, 0x0483, 0x011A) + b\"UFD\\x10\"
crc = zlib.crc32(body + suffix) ^ 0xFFFFFFFF
sys.stdout.buffer.write(body + suffix + struct.pack(\"<I\", crc))' >firmware.dfu"
assembled_by update.gbl "Silicon Labs UG266 (GBL format)" - \
  "fields update.gbl 40 0='<I:0x03a617eb' 4='<I:8' 8='<I:0x03000000' 12='<I:0' 16='<I:0xfc0404fc' 20='<I:4' 24='<I:0'"
assembled_by image.ota "Zigbee OTA upgrade file format" - \
  "fields image.ota 64 0='<I:0x0beef11e' 4='<H:0x0100' 6='<H:56' 8='<H:0' 10='<H:0x1002' 12='<H:1' 14='<I:0x01000000' 18='<H:2' 20='Sample OTA image' 52='<I:64'"
assembled_by layout.gkb "GRUB keyboard layout format" "GRUB Keyboard" "fields layout.gkb 64 0='GRUBLAYO' 8='<I:10'"
assembled_by package.wpi "libmagic Magdir/os2 (WarpIN)" "WarpIN Installer" "fields package.wpi 512 0='\x77\x04\x02\xbe' 4='<H:2' 0x106='Sample creator' 0x146='Sample package'"
assembled_by disk.imgc "libmagic Magdir/filesystems" "HDD Raw Copy Tool" \
  "fields disk.imgc 2048 0='\x11HDD Raw Copy Tool' 0x100='\x061.10.0' 0x200='\x0cSAMPLE DISK ' 0x400='\x0412AB'"
assembled_by notes.pwd "libmagic Magdir/rtf (Pocket Word)" "Pocket Word document or template" \
  "printf '{\\\\pwd\\\\ansi\\\\deff0{\\\\fonttbl{\\\\f0 Tahoma;}}\\\\pard Hello from a Pocket PC.\\\\par}\r\n' >notes.pwd"
assembled_by gallery.sdg "libmagic Magdir/wordprocessors (StarOffice gallery)" "StarOffice Gallery thumbnails" "fields gallery.sdg 128 0='SGA3' 4='\x04\0\x01\0'"
sample MANIFEST.mf default-jdk-headless "javac -d manifest-classes Hello.java && jar cf manifest.jar -C manifest-classes Hello.class &&
  unzip -p manifest.jar META-INF/MANIFEST.MF >MANIFEST.mf"

# Windows Help and the files WinHelp keeps beside a help file: one container, its
# directory's B+ tree at the header's pointer.
winhelp="0='\x3f\x5f\x03\0' 4='<I:16' 8='<I:0xffffffff' 12='<I:1024' 16='<I:0x3e0' 20='<I:0x3e0' 24='\x04' 25='<H:0x293b'"
assembled_by manual.hlp "libmagic Magdir/windows (WinHelp)" "Windows 3\.1 help" \
  "fields manual.hlp 1024 $winhelp 0x300='\x6c\x03\x21\0\x01\0' 0x306='<I:0x30000000' 0x30a='<H:4'"
assembled_by manual.ann "libmagic Magdir/windows (WinHelp)" "Windows help annotation" "fields manual.ann 512 $winhelp 0xd4='bmf\x01\0'"
assembled_by manual.gid "libmagic Magdir/windows (WinHelp)" "Windows help Global Index" "fields manual.gid 512 $winhelp 0x75='|Pete'"
assembled_by winhelp.bmk "libmagic Magdir/windows (WinHelp)" "Windows help Bookmark" "fields winhelp.bmk 512 $winhelp"

# CAD drawings behind a bare gzip header
assembled_by drawing.mcd "libmagic Magdir/compress (Monu-CAD)" "Monu-Cad Drawing" "fields drawing.mcd 256 0='\x1f\x8b\x08\0\0\0\0\0\0\x03' 10='MCD'"
assembled_by drawing.gxd "libmagic Magdir/compress (General CADD)" "General CADD" "fields drawing.gxd 256 0='\x1f\x8b\x08\0\0\0\0\0\0\x03' 10='GXD'"
# ---- Assembled by hand: no program in Debian writes these. Each row names the document --
#      whose structure it follows, and file(1) must agree on the format.
assembled hand.mdb "Jet database page 0 (mdbtools HACKING)" "Microsoft Access Database" \
  'pad(le32(0x100) + b"Standard Jet DB\0" + le32(0), 4096)'
assembled hand.accdb "ACE database page 0 (mdbtools HACKING)" "Microsoft Access Database" \
  'pad(le32(0x100) + b"Standard ACE DB\0" + le32(2), 4096)'
assembled hand.ace "ACE archive header (acefile documentation)" "ACE archive" \
  'pad(le16(0) + le16(31) + b"\x00\x00\x00" + b"**ACE**" + b"\x14\x14\x02" + le32(0) + le32(0) + zeros(8) + b"\x00", 64)'
assembled hand.alz "ALZip header (archiveteam ALZ)" "ALZ archive" \
  'pad(b"ALZ\x01" + le32(10) + b"BLZ\x01" + le16(8) + b"\x00" * 11 + b"readme.txt", 64)'
assembled hand.ape "Monkey's Audio descriptor (archiveteam APE)" "Monkey.s Audio" \
  'pad(b"MAC " + le16(3990) + le16(0) + le32(52) + le32(24) + le32(0) + le32(0) + le32(0) + le32(0) + zeros(16) + le16(2000) + le16(0) + le32(73728) + le32(0) + le32(1) + le16(16) + le16(1) + le32(8000), 128)'
assembled hand.mid "Standard MIDI Files 1.0 (MIDI Manufacturers Association)" "Standard MIDI data" \
  'b"MThd" + be32(6) + be16(0) + be16(1) + be16(96) + b"MTrk" + be32(12) + b"\x00\x90\x3c\x40\x60\x80\x3c\x00\x00\xff\x2f\x00"'
assembled hand.mod "ProTracker MOD layout (archiveteam ProTracker module)" "Protracker module" \
  'pad(b"sample song", 20) + (pad(b"", 22) + be16(0) + b"\x00\x40" + be16(0) + be16(1)) * 31 + b"\x01\x7f" + pad(b"", 128) + b"M.K." + zeros(1024)'
assembled hand.s3m "Scream Tracker 3 header (TECH.DOC)" "ScreamTracker III Module" \
  'pad(pad(b"sample song", 28) + b"\x1a\x10\x00\x00" + le16(1) + le16(0) + le16(0) + le16(0) + le16(0x1320) + le16(2) + b"SCRM" + b"\x40\x06\x7d\x30" + zeros(16) + b"\x00\x08" + b"\xff" * 30 + b"\xff\xff", 256)'
assembled hand.it "Impulse Tracker ITTECH.TXT" "Impulse Tracker module" \
  'pad(b"IMPM" + pad(b"sample song", 26) + le16(0x1004) + le16(1) + le16(0) + le16(0) + le16(0) + le16(0x0214) + le16(0x0200) + le16(9) + le16(0) + b"\x80\x30\x06\x7d\x80\x00" + le16(0) + le32(0) + le32(0) + b"\x20" * 64 + b"\x40" * 64 + b"\xff", 512)'
assembled hand.xm "FastTracker 2 XM documentation (xm.txt)" "Fasttracker II module" \
  'pad(b"Extended Module: " + pad(b"sample song", 20) + b"\x1a" + pad(b"FastTracker v2.00", 20) + le16(0x0104) + le32(276) + le16(1) + le16(0) + le16(2) + le16(1) + le16(1) + le16(1) + le16(6) + le16(125), 336 + 9)'
assembled hand.xi "FastTracker 2 XI documentation (xi.txt)" "Fast ?Tracker II Instrument" \
  'pad(b"Extended Instrument: " + pad(b"sample", 22) + b"\x1a" + pad(b"FastTracker v2.00", 20) + le16(0x0102), 298 + 40)'
assembled hand.nes "iNES header (NESdev wiki)" "NES ROM image" \
  'b"NES\x1a\x01\x01\x00\x00" + zeros(8) + zeros(16384) + zeros(8192)'
assembled hand.blend "Blender file header (Blender mystery of the blend)" "Blender3D" \
  'b"BLENDER-v279" + b"REND" + le32(8) + le64(0) + le32(0) + le32(1) + zeros(8) + b"ENDB" + le32(0) + le64(0) + le32(0) + le32(0)'
assembled hand.bpg "BPG specification (bellard.org)" "BPG" \
  'b"BPG\xfb" + b"\x00" + b"\x00" + b"\x01\x01" + b"\x00"'
assembled hand.glb "glTF 2.0 GLB container (Khronos)" "glTF binary" \
  'b"glTF" + le32(2) + le32(12 + 8 + 32) + le32(32) + b"JSON" + b"{\"asset\":{\"version\":\"2.0\"}}     "'
assembled hand.gguf "GGUF specification (ggml)" - \
  'b"GGUF" + le32(3) + le64(0) + le64(1) + le64(20) + b"general.architecture" + le32(8) + le64(5) + b"llama"'
assembled hand.fbx "FBX binary header (Blender FBX notes)" "Kaydara FBX" \
  'pad(b"Kaydara FBX Binary  \0\x1a\x00" + le32(7400), 160)'
assembled hand.dwg "Open Design Alliance DWG specification (R2000 header)" "DWG AutoDesk AutoCAD 2000" \
  'pad(b"AC1015" + zeros(5) + b"\x0f\x01" + le32(0) + b"\x00\x00\x00\x1e\x00\x00", 256)'
assembled hand.sit "StuffIt 1.5 archive header (archiveteam StuffIt)" "StuffIt Archive" \
  'pad(b"SIT!" + be16(0) + be32(22) + b"rLau" + b"\x01", 22)'
assembled hand.xcf "GIMP xcf.txt (devel-docs)" "GIMP XCF image" \
  'b"gimp xcf file\0" + be32(1) + be32(1) + be32(0) + be32(0) + be32(0) + be32(0)'
assembled hand.gbr "GIMP gbr.txt (devel-docs)" "GIMP brush" \
  'be32(29) + be32(2) + be32(1) + be32(1) + be32(1) + b"GIMP" + be32(25) + b"one\0" + b"\xff"'
assembled hand.pat "GIMP pat.txt (devel-docs)" "GIMP pattern" \
  'be32(28) + be32(1) + be32(1) + be32(1) + be32(3) + b"GPAT" + b"dot\0" + b"\x10\x20\x30"'
assembled hand.tflite "TensorFlow Lite FlatBuffers schema (file identifier TFL3)" - \
  'le32(28) + b"TFL3" + pad(b"", 20) + le32(3) + zeros(32)'
assembled hand.dmp "Microsoft MINIDUMP_HEADER documentation" "Mini DuMP crash report" \
  'pad(b"MDMP" + le16(0xa793) + le16(0) + le32(1) + le32(32) + le32(0) + le32(1700000000) + le64(0) + le32(3) + le32(0) + le32(0), 128)'
assembled hand.evtx "libevtx EVTX file header documentation" "MS Windows.*Event Log" \
  'pad(b"ElfFile\0" + le64(0) + le64(0) + le64(1) + le32(128) + le16(1) + le16(3) + le16(4096) + le16(1) + zeros(76) + le32(0) + le32(0), 4096)'
assembled hand.pst "Microsoft [MS-PST] header" "Microsoft Outlook" \
  'pad(b"!BDN" + le32(0) + b"SM" + le16(23) + le16(19) + b"\x01\x01" + zeros(4), 564)'
assembled hand.hiv "libregf REGF file header documentation" "MS Windows registry file" \
  'pad(b"regf" + le32(1) + le32(1) + le64(0) + le32(1) + le32(5) + le32(0) + le32(1) + le32(32) + le32(4096) + le32(1), 4096) + pad(b"hbin" + le32(0) + le32(4096), 4096)'
assembled hand.lnk "Microsoft [MS-SHLLINK] ShellLinkHeader" "MS Windows shortcut" \
  'le32(0x4c) + bytes.fromhex("0114020000000000c000000000000046") + le32(0) + le32(0) + le64(0) * 3 + le32(0) + le32(0) + le32(1) + le16(0) + le16(0) + le32(0) + le32(0)'
assembled hand.journal "systemd journal file format documentation" "Journal file" \
  'pad(b"LPKSHHRH" + le32(0) + le32(0) + b"\x00" + zeros(7) + bytes(range(1, 65)) + le64(256) + le64(0) + le64(0) + le64(0), 4096)'
assembled hand.rdb "Redis RDB file format documentation" "Redis RDB" \
  'b"REDIS0011" + b"\xfa\x09redis-ver\x057.0.0" + b"\xfe\x00\xfb\x01\x00\x00\x03key\x05value" + b"\xff" + zeros(8)'
assembled hand.wpd "WordPerfect file format documentation (Corel SDK)" "WordPerfect document" \
  'pad(b"\xffWPC" + le32(16) + b"\x01\x0a\x02\x01" + le16(0) + le16(0), 256)'
assembled hand.xar "xar file format (header, mackyle/xar wiki)" "xar archive" \
  'b"xar!" + be16(28) + be16(1) + be64(0) + be64(0) + be32(1)'
assembled hand.lit "Microsoft Reader LIT header (convertlit documentation)" "Microsoft Reader eBook" \
  'pad(b"ITOLITLS" + le32(1) + le32(40) + le32(1) + le32(0) + le32(0), 256)'
assembled hand.chm "Microsoft HTML Help ITSF header (chmlib documentation)" "MS Windows HtmlHelp Data" \
  'pad(b"ITSF" + le32(3) + le32(0x60) + le32(1) + le32(0) + le32(0x409), 0x60)'
assembled hand.mobi "MOBI format (MobileRead wiki: PDB header)" "Mobipocket E-book" \
  'pad(pad(b"sample", 32) + le16(0) + le16(0) + zeros(24) + b"BOOKMOBI" + zeros(8) + be16(1) + be32(80) + zeros(4), 90) + pad(b"", 64)'
assembled hand.pdb "Palm Database format (PalmDOC, MobileRead wiki)" "PalmDOC E-book" \
  'pad(pad(b"sample", 32) + le16(0) + le16(0) + zeros(24) + b"TEXtREAd" + zeros(8) + be16(1) + be32(80) + zeros(4), 90) + be16(1) + be16(0) + be32(5) + be16(1) + be16(4096) + be32(0) + b"hello"'
assembled hand.jks "Java KeyStore layout (OpenJDK JavaKeyStore documentation)" "Java KeyStore" \
  'be32(0xfeedfeed) + be32(2) + be32(0) + zeros(20)'
assembled hand.ser "Java Object Serialization Specification, 6.4.2" "Java serialization data" \
  'b"\xac\xed\x00\x05" + b"t" + be16(5) + b"hello"'
assembled hand.dex "Dalvik executable format (AOSP)" "Dalvik dex file" \
  'pad(b"dex\n035\0", 0x70)'
assembled hand.kdbx "KeePass KDBX 4 header" "Keepass password database 2.x KDBX" \
  'le32(0x9aa2d903) + le32(0xb54bfb67) + le16(0) + le16(4) + b"\x00" + le32(0)'
assembled hand.kdb "KeePass 1 database header" "Keepass password database 1.x KDB" \
  'pad(le32(0x9aa2d903) + le32(0xb54bfb65) + le32(3) + le32(0x00030004), 124)'
assembled hand.pcap "pcap file format (tcpdump.org)" "pcap capture file" \
  'le32(0xa1b2c3d4) + le16(2) + le16(4) + le32(0) + le32(0) + le32(65535) + le32(1)'
assembled hand.pcapng "pcapng specification (IETF draft), section header block" "pcapng capture file" \
  'le32(0x0a0d0d0a) + le32(28) + le32(0x1a2b3c4d) + le16(1) + le16(0) + le64(0xffffffffffffffff) + le32(28)'
assembled hand.crw "CIFF specification 1.0r4 (Canon)" "Canon CIFF raw image" \
  'pad(b"II" + le32(26) + b"HEAPCCDR" + le16(1) + le16(2), 26) + zeros(64)'
assembled hand.raf "Fujifilm RAF header (libopenraw documentation)" "Fujifilm RAF raw image" \
  'pad(b"FUJIFILMCCD-RAW 0201FF383501" + pad(b"X-T1", 32) + b"0100", 160)'
assembled hand.orf "Olympus ORF header (libopenraw documentation)" "Olympus ORF raw image" \
  'b"IIRO\x08\x00\x00\x00" + le16(1) + le16(0x100) + le16(4) + le32(1) + le32(1) + le32(0) + zeros(64)'
assembled hand.rw2 "Panasonic RW2 header (ExifTool PanasonicRaw)" - \
  'b"IIU\x00\x18\x00\x00\x00" + zeros(16) + le16(1) + le16(0x100) + le16(4) + le32(1) + le32(1) + le32(0) + zeros(64)'
assembled hand.crx "Chromium CRX3 format (crx3.proto)" "Google Chrome extension" \
  'b"Cr24" + le32(3) + le32(0) + b"PK\x05\x06" + zeros(18)'
assembled hand.dff "Philips DSDIFF 1.5 specification" "DSDIFF audio" \
  'b"FRM8" + be64(4 + 16 + 12) + b"DSD " + b"FVER" + be64(4) + be32(0x01050000) + b"DSD " + be64(0)'
assembled hand.dsf "Sony DSF File Format Specification" "DSF audio" \
  'b"DSD " + le64(28) + le64(92) + le64(0) + b"fmt " + le64(52) + le32(1) + le32(0) + le32(2) + le32(1) + le32(2822400) + le32(1) + le64(0) + le32(4096) + le32(0) + b"data" + le64(12)'
assembled hand.bik "Bink container (multimedia.cx wiki)" "Bink Video" \
  'pad(b"BIKi" + le32(100) + le32(1) + le32(100) + le32(1) + le32(64) + le32(48) + le32(25) + le32(1) + le32(0) + le32(0), 64)'
assembled hand.smk "Smacker format (multimedia.cx wiki)" "Smacker" \
  'pad(b"SMK2" + le32(64) + le32(48) + le32(1) + le32(100) + le32(0), 128)'
assembled hand.ktx "KTX 1.1 specification (Khronos)" "Khronos KTX texture" \
  'b"\xabKTX 11\xbb\r\n\x1a\n" + le32(0x04030201) + le32(0x1401) + le32(1) + le32(0x1908) + le32(0x1908) + le32(0x8058) + le32(4) + le32(1) + le32(1) + le32(0) + le32(0) + le32(1) + le32(1) + le32(0) + le32(4) + b"\xff\x00\x00\xff"'
assembled hand.ktx2 "KTX 2.0 specification (Khronos)" "Khronos KTX2 texture" \
  'b"\xabKTX 20\xbb\r\n\x1a\n" + le32(37) + le32(1) + le32(1) + le32(1) + le32(0) + le32(0) + le32(1) + le32(0) + le32(0) + le32(0) + le32(0) + le32(0) + le64(0) + le64(0) + le64(104) + le64(4) + le64(4) + b"\xff\x00\x00\xff"'
assembled hand.jb2 "ITU-T T.88 annex D.4 (JBIG2 file header)" - \
  'b"\x97JB2\r\n\x1a\n" + b"\x01" + be32(1) + be32(0) + b"\x30\x00\x01" + be32(19) + be32(1) + be32(1) + be32(0) + be32(0) + b"\x00" + be16(0)'
assembled hand.pgx "ISO/IEC 15444-4 (PGX test images)" - \
  'b"PG ML + 8 2 2\n" + b"\x00\x40\x80\xff"'
assembled hand.jls "ITU-T T.87 (JPEG-LS SOF55 frame)" "JPEG image data" \
  'b"\xff\xd8" + b"\xff\xf7" + be16(11) + b"\x08" + be16(1) + be16(1) + b"\x01" + b"\x01\x11\x00" + b"\xff\xda" + be16(8) + b"\x01\x01\x00\x00\x00\x00" + b"\x00\x00" + b"\xff\xd9"'
assembled hand.pk "TeX PK format (gftopk.web)" "TeX packed font" \
  'b"\xf7\x59" + b"\x05" + b"hello" + be32(10 << 20) + be32(0) + be32(65536) + be32(65536) + b"\xf5"'
assembled hand.vf "TeX VF format (vftovp.web)" "TeX virtual font" \
  'b"\xf7\xca" + b"\x05" + b"hello" + be32(0) + be32(10 << 20) + b"\xf3\x00" + be32(0) + be32(10 << 20) + be32(10 << 20) + b"\x00\x05cmr10" + b"\xf8" * 4'
assembled hand.sz "Snappy framing format (Google)" "snappy framed data" \
  'b"\xff\x06\x00\x00sNaPpY" + b"\x01\x09\x00\x00" + le32(0) + b"hello"'
assembled hand.mat "MATLAB MAT-file format, level 5 (MathWorks)" "Matlab v5 mat-file" \
  'pad(b"MATLAB 5.0 MAT-file, Platform: GLNXA64, Created on: Mon Jan  1 00:00:00 2024", 116, b" ") + zeros(8) + le16(0x0100) + b"IM" + le32(14) + le32(48) + zeros(48)'
assembled hand.rar "RARLAB technote (RAR 5.0 archive format)" "RAR archive data, v5" \
  'b"Rar!\x1a\x07\x01\x00" + le32(0x12345678) + b"\x0a\x01\x05\x06\x00\x05\x01\x01\x80\x80\x00" + le32(0) + b"\x03\x05\x04\x00"'
assembled hand.zoo "Zoo archive header (zoo documentation)" "Zoo archive" \
  'pad(pad(b"ZOO 2.10 Archive.\x1a", 20) + le32(0xfdc4a7dc) + le32(34) + le32(0xffffffde) + b"\x02\x00", 64)'
assembled hand.wmf "Microsoft [MS-WMF] META_PLACEABLE and header" "Windows metafile" \
  'le32(0x9ac6cdd7) + le16(0) + le16(0) + le16(0) + le16(100) + le16(100) + le16(1440) + le32(0) + le16(0x9ac6 ^ 0xcdd7 ^ 100 ^ 100 ^ 1440) + le16(1) + le16(9) + le16(0x300) + le32(12) + le16(0) + le32(3) + le16(0) + le32(3) + le16(0)'
assembled hand.cab "InstallShield CAB header (unshield documentation)" "InstallShield CAB" \
  'pad(b"ISc(" + le32(0x01009777) + le32(0) + le32(512) + le32(0) + le32(0), 512)'
assembled hand.elc "GNU Emacs Lisp manual (byte compilation, .elc header)" "Emacs.*byte-compiled Lisp" \
  'b";ELC\x1b\x00\x00\x00\n;;; Compiled\n\n(defalias (quote hello) (quote ignore))\n"'
assembled hand.arrow "Apache Arrow IPC file format" - \
  'b"ARROW1\x00\x00" + le32(0xffffffff) + le32(0) + b"ARROW1"'
assembled hand.parquet "Apache Parquet file format" "Apache Parquet" \
  'b"PAR1" + b"\x15\x00" + le32(8) + b"PAR1"'
assembled hand.amr "RFC 4867 section 5 (AMR storage format)" "Adaptive Multi-Rate Codec" \
  'b"#!AMR\n" + (b"\x3c" + zeros(31)) * 4'
assembled hand.awb "RFC 4867 section 5 (AMR-WB storage format)" "Adaptive Multi-Rate Codec" \
  'b"#!AMR-WB\n" + (b"\x44" + zeros(60)) * 4'
assembled hand.pcd "Kodak Photo CD image pack (archiveteam Photo CD)" "Kodak Photo CD image pack" \
  'pad(b"\xff" * 32, 2048) + pad(b"PCD_IPI" + zeros(8), 4096)'
assembled hand.exr "OpenEXR file layout (openexr.com)" "OpenEXR image data" \
  'le32(20000630) + le32(2) + b"channels\0chlist\0" + le32(18) + b"G\0" + le32(1) + le32(0) + le32(1) + le32(1) + b"\0" + b"compression\0compression\0" + le32(1) + b"\0" + b"dataWindow\0box2i\0" + le32(16) + le32(0) * 4 + b"displayWindow\0box2i\0" + le32(16) + le32(0) * 4 + b"lineOrder\0lineOrder\0" + le32(1) + b"\0" + b"pixelAspectRatio\0float\0" + le32(4) + b"\x00\x00\x80\x3f" + b"screenWindowCenter\0v2f\0" + le32(8) + zeros(8) + b"screenWindowWidth\0float\0" + le32(4) + b"\x00\x00\x80\x3f" + b"\0" + le64(0)'
assembled hand.ff "farbfeld specification (suckless.org)" "farbfeld image data" \
  'b"farbfeld" + be32(2) + be32(1) + b"\xff\xff\x00\x00\x00\x00\xff\xff" + b"\x00\x00\xff\xff\x00\x00\xff\xff"'
assembled hand.ply "PLY polygon file format (Greg Turk)" "PLY model" \
  'b"ply\nformat ascii 1.0\ncomment made by hand\nelement vertex 3\nproperty float x\nproperty float y\nproperty float z\nelement face 1\nproperty list uchar int vertex_indices\nend_header\n0 0 0\n1 0 0\n0 1 0\n3 0 1 2\n"'
assembled hand.ra "RealAudio 4 header (multimedia.cx wiki: RealMedia)" "RealAudio sound file" \
  'b".ra\xfd" + be16(4) + be16(0) + b".ra4" + be32(0) + be16(4) + be32(39) + be16(0) + be32(0) + be16(228) + be16(0) + be16(0) + be16(0) + be16(8000) + be16(0) + be16(8000) + be16(16) + be16(1) + b"\x04Int4\x0428_8" + zeros(16)'
assembled hand.hlp "Windows Help file format (helpfile.htm, M. Winterhoff)" "MS Windows 3.x help" \
  'pad(le32(0x00035f3f) + le32(16) + le32(0xffffffff) + le32(400), 16) + pad(le32(100) + le32(100) + b"\x04" + le16(0x293b) + le16(2), 64) + b"\x6c\x03\x0f\x00\x01\x00" + le32(1700000000) + le16(0) + zeros(310)'
assembled hand.jmod "OpenJDK JmodFile (JM header before a ZIP archive)" "Java jmod module" \
  'b"JM\x01\x00" + b"PK\x05\x06" + zeros(18)'

# Formats of sciences, games, consoles, CAD and tools
assembled hand.dcm "DICOM PS3.10 section 7.1 (preamble and DICM prefix)" "DICOM medical imaging data" \
  'zeros(128) + b"DICM" + le16(2) + le16(0) + b"UL" + le16(4) + le32(26) + le16(2) + le16(0x10) + b"UI" + le16(20) + b"1.2.840.10008.1.2.1\0"'
assembled hand.grib "WMO FM 92 GRIB edition 2, section 0" "Gridded binary \(GRIB\) version 2" \
  'b"GRIB" + b"\x00\x00" + b"\x00" + b"\x02" + be64(16 + 4) + b"7777"'
assembled hand.grb "WMO FM 92 GRIB edition 1, section 0" "Gridded binary \(GRIB\) version 1" \
  'b"GRIB" + b"\x00\x00\x24" + b"\x01" + zeros(24) + b"7777"'
assembled hand.bufr "WMO FM 94 BUFR edition 4, section 0" - \
  'b"BUFR" + b"\x00\x00\x2c" + b"\x04" + pad(b"\x00\x00\x16\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x07\xe8\x01\x01\x00\x00\x00\x00", 22) + b"\x00\x00\x04\x00" + b"\x00\x00\x04\x00" + b"7777"'
assembled hand.hdf "HDF4 specification (file signature 0E 03 13 01)" "Hierarchical Data Format \(version 4\)" \
  'b"\x0e\x03\x13\x01" + be16(1) + be32(0) + zeros(40)'
assembled hand.upk "Unreal package header (UE3 documentation, Unreal wiki)" "Unreal Engine package" \
  'le32(0x9e2a83c1) + le16(868) + le16(0) + le32(0) + zeros(64)'
assembled hand-rpgmv "RPG Maker MV encrypted asset header (RPG Maker MV Decrypter documentation)" - \
  'b"RPGMV\0\0\0" + b"\x00\x03\x01" + zeros(5) + bytes(range(16)) + b"IEND"'
assembled hand.rgssad "RGSSAD archive header (RPG Maker XP/VX)" - \
  'b"RGSSAD\0\x01" + le32(5) + b"Graph" + le32(0)'
assembled hand.ips "IPS patch format (zerosoft IPS documentation)" "IPS patch file" \
  'b"PATCH" + b"\x00\x01\x00" + be16(2) + b"\xaa\xbb" + b"EOF"'
assembled hand.bps "BPS patch format (byuu, beat documentation)" "BPS patch file" \
  'b"BPS1" + b"\x84\x84\x80" + b"\x80" + zeros(12)'
assembled hand.ups "UPS patch format (byuu)" "UPS patch file" \
  'b"UPS1" + b"\x84\x84" + zeros(12)'
assembled hand.cso "CISO compressed ISO header (PSP homebrew documentation)" "CSO v1 disk image" \
  'b"CISO" + le32(24) + le64(2048) + le32(2048) + b"\x01\x0b\x00\x00" + le32(0x80000000 | 32) + le32(0x80000000 | 2080) + zeros(2048)'
assembled hand.xbe "Xbox executable header (Caustik XBE file format)" "Microsoft Xbox executable" \
  'pad(b"XBEH" + zeros(256) + le32(0x10000) + le32(0x1000) + le32(0x1000) + le32(0x178), 0x200)'
assembled hand.xex "Xbox 360 XEX2 header (Free60 wiki)" "Microsoft Xbox 360 executable" \
  'pad(b"XEX2" + be32(1) + be32(0x3000) + be32(0) + be32(0x18) + be32(0), 0x200)'
assembled hand.psarc "PlayStation archive header (psdevwiki PSARC)" "Sony PlayStation Archive" \
  'b"PSAR" + be16(1) + be16(4) + b"zlib" + be32(32 + 30) + be32(30) + be32(1) + be32(65536) + be32(0) + zeros(30)'
assembled hand.vox "MagicaVoxel file format (vox.txt)" "MagicaVoxel" \
  'b"VOX " + le32(150) + b"MAIN" + le32(0) + le32(24) + b"SIZE" + le32(12) + le32(0) + le32(1) + le32(1) + le32(1)'
assembled hand.stex "Godot 3 StreamTexture header (Godot source documentation)" "Godot 3 texture" \
  'b"GDST" + le16(1) + le16(0) + le16(1) + le16(0) + le32(0) + le32(0) + le32(4) + b"\x89PNG"'
assembled hand.e57 "ASTM E2807 (E57 file header)" "ASTM E57" \
  'b"ASTM-E57" + le32(1) + le32(0) + le64(1024) + le64(48) + le64(40) + le64(1024) + zeros(976)'
assembled hand.nrrd "NRRD format definition (teem.sourceforge.net)" - \
  'b"NRRD0004\n# sample\ntype: uchar\ndimension: 1\nsizes: 2\nencoding: raw\n\n\x01\x02"'
assembled hand.tnef "Microsoft [MS-OXTNEF] TNEF stream" "Transport Neutral Encapsulation Format" \
  'le32(0x223e9f78) + le16(1) + b"\x06" + le32(0x00089006) + le32(4) + le32(0x00010000) + le16(1)'
assembled hand.mbc "MoarVM bytecode header (MoarVM docs/bytecode.markdown)" - \
  'b"MOARVM\r\n" + le32(7) + zeros(84)'
assembled hand.bnk "Wwise SoundBank format (wwiser documentation)" "Wwise SoundBank" \
  'b"BKHD" + le32(20) + le32(113) + le32(1234) + le32(0) + le32(0) + le32(0)'
assembled hand.vgm "VGM specification 1.71 (vgmrips)" "VGM Video Game Music" \
  'pad(b"Vgm " + le32(0x3c) + le32(0x151) + le32(3579545) + zeros(4) + le32(0) + le32(0) + le32(0), 0x40) + b"\x66"'
assembled hand.brstm "BRSTM format (wiibrew, Custom Mario Kart wiki)" "Nintendo Wii BRSTM" \
  'b"RSTM" + b"\xfe\xff" + be16(0x0100) + be32(64) + be16(64) + be16(2) + zeros(48)'
assembled hand.bcstm "BCSTM format (3dbrew)" "Nintendo 3DS BCSTM" \
  'b"CSTM" + b"\xff\xfe" + le16(0x40) + le32(0x02000000) + le32(64) + le16(3) + le16(0) + zeros(48)'
assembled hand.bfstm "BFSTM format (Custom Mario Kart wiki)" "Nintendo Wii U BFSTM" \
  'b"FSTM" + b"\xfe\xff" + be16(0x40) + be32(0x00030000) + be32(64) + be16(3) + be16(0) + zeros(48)'
assembled hand.bcwav "BCWAV format (3dbrew)" "Nintendo 3DS BCWAV" \
  'b"CWAV" + b"\xff\xfe" + le16(0x40) + le32(0x02010000) + le32(64) + le16(2) + le16(0) + zeros(48)'
assembled hand.gbs "GBS format (Game Boy Sound System, GBSOUND.TXT)" "Nintendo Gameboy Music/Audio Data" \
  'b"GBS\x01" + b"\x01\x01" + le16(0x400) + le16(0x400) + le16(0x400) + le16(0xfffe) + b"\x00\x00" + pad(b"Sample", 32) + pad(b"Sorvena", 32) + pad(b"2026", 32)'
assembled hand.sap "SAP format (ASAP documentation)" "Atari 8-bit SAP audio" \
  'b"SAP\r\nAUTHOR \"Sorvena\"\r\nNAME \"Sample\"\r\nTYPE B\r\nINIT 2000\r\nPLAYER 2003\r\n\xff\xff\x00\x20\x03\x20\x60\x60\x60\x60"'
assembled hand.skp "SketchUp file header (archiveteam SketchUp)" "SketchUp Model" \
  'b"\xff\xfe\xff\x0e" + utf16("SketchUp Model") + b"\xff\xfe\xff\x0e" + utf16("{8.0.1}") + zeros(32)'
assembled hand.aseprite "Aseprite file specs (aseprite/docs/ase-file-specs.md)" - \
  'pad(le32(128 + 16) + le16(0xa5e0) + le16(1) + le16(1) + le16(1) + le16(32) + le32(1) + le16(100), 128) + le32(16) + le16(0xf1fa) + le16(0) + le16(100) + zeros(6)'
assembled hand.ifo "DVD-Video IFO (dvd.sourceforge.net ifo)" "DVD Video Manager|Video manager" \
  'pad(b"DVDVIDEO-VMG" + be32(10) + zeros(12) + be32(1) + be16(0x11), 2048)'
assembled hand.cvd "ClamAV CVD header (ClamAV documentation)" "Clam AntiVirus" \
  'pad(b"ClamAV-VDB:01 Jan 2026 00-00 +0000:1:0:90:X:X:sorvena:0", 512, b" ")'
assembled hand.jsonlz4 "Mozilla mozLz4 header (lz4 block after mozLz40)" "Mozilla lz4 compressed" \
  'b"mozLz40\0" + le32(2) + b"\x20{}"'
assembled hand.sld "AutoCAD Slide file format (AutoCAD Customization Guide)" - \
  'pad(b"AutoCAD Slide\r\n\x1a\x00" + le16(0x56) + le16(2) + le16(100) + le16(100) + le32(1000) + le16(2), 32) + le16(0xfc00)'
assembled hand.pf2 "GRUB font file format (PFF2, GRUB manual)" "GRUB2 font" \
  'b"FILE" + be32(4) + b"PFF2" + b"NAME" + be32(7) + b"sample\0" + b"DATA" + be32(0xffffffff)'
assembled hand.t64 "T64 format (C64 tape image, VICE manual)" "Commodore Tape image|T64 tape Image" \
  'pad(b"C64 tape image file", 32) + le16(0x0101) + le16(1) + le16(1) + le16(0) + pad(b"SAMPLE", 24, b" ") + b"\x01\x82" + le16(0x0801) + le16(0x0803) + le16(0) + le32(96) + zeros(4) + pad(b"SAMPLE", 16, b" ") + b"\x00\x00"'
assembled hand.tap "C64 TAP format (VICE manual)" "C64 Raw Tape File" \
  'b"C64-TAPE-RAW" + b"\x01" + zeros(3) + le32(4) + b"\x30\x30\x30\x30"'
assembled hand.package "Maxis DBPF format (SC4 and The Sims 2 documentation)" "Maxis Database Packed File" \
  'pad(b"DBPF" + le32(1) + le32(0), 96)'
assembled hand.crm "Crunch-Mania header (archiveteam Crunch-Mania)" - \
  'b"CrM!" + be16(0) + be32(100) + be32(20) + zeros(20)'
assembled hand.rws "aspell dictionary (aspell manual)" - \
  'pad(b"aspell default speller rowl 1.10\0", 64)'
assembled hand.aes "AES Crypt file format (aescrypt.com)" "AES encrypted data" \
  'b"AES\x02\x00" + be16(0) + zeros(16) + zeros(48) + zeros(32)'
assembled hand.rda "R Internals, serialization (RDX2 header)" - \
  'b"RDX2\nX\n" + be32(2) + be32(0x040300) + be32(0x020300) + be32(254)'
assembled hand.moc3 "Live2D Cubism MOC3 header (Cubism SDK documentation)" - \
  'b"MOC3" + b"\x01" + zeros(59)'
assembled hand.b3d "Blitz3D B3D file format (blitzbasic.com specification)" "Blitz3D Model" \
  'b"BB3D" + le32(4) + le32(1)'
assembled hand.pal "Microsoft RIFF palette (Multimedia Programming Interface, PAL form)" "RIFF .*palette" \
  'b"RIFF" + le32(4 + 8 + 4 + 8) + b"PAL " + b"data" + le32(4 + 8) + le16(0x300) + le16(2) + b"\xff\x00\x00\x00\x00\x00\xff\x00"'
assembled hand.rdi "Microsoft RIFF DIB (Multimedia Programming Interface, RDIB form)" "RIFF .*device-independent bitmap" \
  'b"RIFF" + le32(4 + 8 + 44) + b"RDIB" + b"data" + le32(44) + le32(40) + le32(1) + le32(1) + le16(1) + le16(24) + le32(0) + le32(4) + zeros(16) + b"\xff\x00\x00\x00"'
assembled hand.mmm "Microsoft RIFF multimedia movie (RMMP form)" "RIFF .*multimedia movie" \
  'b"RIFF" + le32(4 + 8 + 4) + b"RMMP" + b"cftc" + le32(4) + le32(0)'
assembled hand.4xm "4X Movie format (multimedia.cx wiki)" "RIFF .*4X Movie" \
  'b"RIFF" + le32(4 + 12) + b"4XMV" + b"LIST" + le32(4) + b"HEAD"'
assembled hand.amv "AMV video format (archiveteam MTV Video)" "RIFF .*AMV" \
  'b"RIFF" + le32(4 + 12) + b"AMV " + b"LIST" + le32(4) + b"hdrl"'
assembled hand.mds "RIFF MIDI stream (MIDS form, archiveteam)" "RIFF .*MIDI Stream" \
  'b"RIFF" + le32(4 + 8 + 12) + b"MIDS" + b"fmt " + le32(12) + le32(96) + le32(0) + le32(0)'
assembled hand.vdr "VirtualDub link handler (VDRM form)" "RIFF .*VirtualDub link" \
  'b"RIFF" + le32(4 + 8 + 4) + b"VDRM" + b"PATH" + le32(4) + b"a.av"'
assembled hand.trd "TrID definitions package (TRID form)" "RIFF .*TrID defs package" \
  'b"RIFF" + le32(4 + 8 + 4) + b"TRID" + b"TRDB" + le32(4) + le32(0)'
assembled hand.kicad_pcb "KiCad board file format (dev-docs.kicad.org)" "KiCad Board Layout" \
  'b"(kicad_pcb (version 20221018) (generator pcbnew)\n  (general (thickness 1.6))\n  (paper \"A4\")\n)\n"'
assembled hand.kicad_sch "KiCad schematic file format (dev-docs.kicad.org)" "KiCad Schematic Document" \
  'b"(kicad_sch (version 20230121) (generator eeschema)\n  (uuid 00000000-0000-0000-0000-000000000000)\n  (paper \"A4\")\n)\n"'
assembled hand.kicad_sym "KiCad symbol library file format (dev-docs.kicad.org)" "KiCad Symbol Library" \
  'b"(kicad_symbol_lib (version 20220914) (generator kicad_symbol_editor)\n)\n"'
assembled hand.kicad_mod "KiCad legacy footprint file format (dev-docs.kicad.org)" "KiCad" \
  'b"(module R_0603 (layer F.Cu) (tedit 5B307E4C)\n  (fp_text reference REF** (at 0 0) (layer F.SilkS))\n)\n"'
assembled hand.net "KiCad netlist (S-expression export)" "KiCad Netlist" \
  'b"(export (version \"E\")\n  (design\n    (source \"sample.kicad_sch\"))\n)\n"'
assembled hand.sch "KiCad legacy schematic (EESchema file format)" "KiCad Schematic Document \(Legacy\)" \
  'b"EESchema Schematic File Version 4\nEELAYER 30 0\nEELAYER END\n$Descr A4 11693 8268\n$EndDescr\n$EndSCHEMATC\n"'
assembled hand.osu "osu! file formats (osu! wiki)" - \
  'b"osu file format v14\n\n[General]\nAudioFilename: audio.mp3\nMode: 0\n\n[Metadata]\nTitle:Sample\n"'
assembled hand.hqx "BinHex 4.0 definition (RFC 1741)" "BinHex binary text" \
  'b"(This file must be converted with BinHex 4.0)\r:!!\"bFh*M8P0&4!%!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!\r!!!!!!!!!!!!!!:\r"'
assembled hand.ppk "PuTTY private key format (PuTTY manual, appendix C)" "PuTTY Private Key" \
  'b"PuTTY-User-Key-File-3: ssh-ed25519\nEncryption: none\nComment: sample\nPublic-Lines: 2\nAAAAC3NzaC1lZDI1NTE5AAAAIA==\nAAAA\nPrivate-Lines: 1\nAAAA\nPrivate-MAC: 00\n"'
assembled hand.pws "aspell personal word list (aspell manual)" - \
  'b"personal_ws-1.1 en 2 utf-8\nSorvena\nQuenbrook\n"'
assembled hand.prepl "aspell personal replacement list (aspell manual)" - \
  'b"personal_repl-1.1 en 0 utf-8\nteh the\n"'
assembled hand.ez "Andrew Toolkit datastream (ATK documentation)" - \
  'b"\\begindata{text,538976256}\n\\textdsversion{12}\n\\template{default}\nHello\n\\enddata{text,538976256}\n"'
assembled hand.ggr "GIMP gradient format (devel-docs)" "GIMP gradient" \
  'b"GIMP Gradient\nName: Sample\n1\n0.000000 0.500000 1.000000 0.000000 0.000000 0.000000 1.000000 1.000000 1.000000 1.000000 1.000000 0 0\n"'
assembled hand.luks "LUKS1 on-disk format specification (cryptsetup)" "LUKS encrypted file" \
  'b"LUKS\xba\xbe" + be16(1) + pad(b"aes", 32) + pad(b"xts-plain64", 32) + pad(b"sha256", 32) + be32(4096) + be32(64) + zeros(20) + zeros(32) + be32(1000) + pad(b"01234567-89ab-cdef-0123-456789abcdef", 40) + zeros(8 * 48)'
assembled hand.nii "NIfTI-1 data format (nifti1.h, NIfTI DFWG)" "NIfTI-1 neuroimaging data" \
  'pad(pad(le32(348) + zeros(36) + le16(3) + le16(1) + le16(1) + le16(1), 70) + le16(2) + le16(8), 344) + b"n+1\0" + zeros(4) + b"\x00"'
assembled hand.tzx "TZX format (World of Spectrum, TZX specification 1.20)" "Spectrum .TZX data" \
  'b"ZXTape!\x1a" + b"\x01\x14" + b"\x10" + le16(1000) + le16(19) + b"\x00\x03SAMPLE    " + le16(2) + le16(0) + le16(0) + b"\x00"'
assembled hand.uf2 "UF2 specification (Microsoft uf2 repository)" "UF2 firmware image" \
  'le32(0x0a324655) + le32(0x9e5d5157) + le32(0) + le32(0x2000) + le32(256) + le32(0) + le32(1) + le32(0) + zeros(476) + le32(0x0ab16f30)'
assembled hand.nlm "NetWare NLM file header (Novell NLM documentation)" "NetWare Loadable Module" \
  'pad(b"NetWare Loadable Module\x1a" + le32(4) + le32(0) + b"\x06SAMPLE", 400)'
assembled hand.aml "ACPI 6.3 specification, 5.2.6 (system description table header)" "ACPI Machine Language" \
  'b"DSDT" + le32(36 + 4) + b"\x02" + b"\x00" + b"SORVNA" + b"SAMPLE  " + le32(1) + b"INTL" + le32(0x20230628) + b"\x10\x05\x5c\x00"'
assembled hand.kmx "Keyman compiled keyboard (Keyman developer documentation)" - \
  'b"KXTS" + le32(0x1000) + le32(0) + le32(0) + le32(0) + le32(0) + le32(0) + le32(0) + zeros(32)'
assembled hand.qmlc "Qt QV4 compiled unit (qv4compileddata_p.h)" "QV4 compiled unit" \
  'b"qv4cdata" + le32(0x3b) + le32(0x060400) + zeros(48)'
assembled hand.rmeta "Rust compiler metadata header (rustc_metadata)" - \
  'b"rust\0\0\0\x08" + be32(16) + b"rustc 1.70.0" + zeros(16)'
assembled hand.sos "SOSI standard (Kartverket), file head" "SOSI map data" \
  'b".HODE\n..TEGNSETT UTF-8\n..TRANSPAR\n...KOORDSYS 23\n...ORIGO-N\xc3\x98 0 0\n...ENHET 0.01\n..OMR\xc3\x85DE\n...MIN-N\xc3\x98 0 0\n...MAX-N\xc3\x98 100 100\n..SOSI-VERSJON 4.0\n.SLUTT\n"'
assembled hand.icon "Sun icon format (iconedit(1) header)" - \
  'b"/* Format_version=1, Width=16, Height=16, Depth=1, Valid_bits_per_item=16\n */\n\t0x0000,0x0000,0x0000,0x0000,0x0000,0x0000,0x0000,0x0000,\n\t0x0000,0x0000,0x0000,0x0000,0x0000,0x0000,0x0000,0x0000\n"'
assembled hand.usda "Pixar USD crate and usda documentation (openusd.org)" - \
  'b"#usda 1.0\n(\n    defaultPrim = \"World\"\n)\n\ndef Xform \"World\"\n{\n}\n"'
assembled hand.syx "MIDI 1.0 specification (System Exclusive messages)" "MIDI audio System Exclusive" \
  'b"\xf0\x43\x10\x4c\x00\x00\x7e\x00\xf7"'
assembled hand.rds "R Internals, serialization format (XDR, version 3)" - \
  'b"X\n" + be32(3) + be32(0x040300) + be32(0x030500) + be32(5) + b"UTF-8" + be32(254)'
assembled hand.qua "Avira quarantine file (archiveteam)" "Avira AntiVir quarantined" \
  'pad(b"AntiVir Qua", 16) + le32(0x1000) + le32(0) + zeros(64)'
assembled hand.bsdiff "bsdiff 4 patch format (Colin Percival, bsdiff.c header)" "bsdiff.1. patch file" \
  'b"BSDIFF40" + le64(0) + le64(0) + le64(5) + b"BZh9" + b"\x17\x72\x45\x38\x50\x90\x00\x00\x00\x00"'
assembled hand.cwk "AppleWorks 5/6 document header (archiveteam AppleWorks)" "Apple ?Works|AppleWorks" \
  'b"\x06\x07\xe1\x00" + b"BOBO" + b"\x06\x07\xe1\x00" + zeros(64)'
assembled hand.3ds "3D Studio 3DS chunks (Autodesk 3DS file format notes)" "3D Studio model" \
  'le16(0x4d4d) + le32(6 + 10 + 6) + le16(0x0002) + le32(10) + le32(3) + le16(0x3d3d) + le32(6)'
assembled hand.x3dv "ISO/IEC 19776-2 (X3D classic VRML encoding)" - \
  'b"#X3D V3.3 utf8\nPROFILE Interchange\nShape {\n  geometry Box {}\n}\n"'
assembled hand.cpt "Corel Photo-Paint CPT header (archiveteam)" "Corel Photo-Paint image" \
  'pad(b"CPT9FILE" + le32(0x94) + zeros(12) + le32(16) + le32(16) + le32(0) + le32(0), 256)'
assembled hand.srf "Garmin bitmap SRF (archiveteam Garmin)" "Garmin Bitmap" \
  'b"GARMIN BITMAP 01" + le32(0) + le32(0) + zeros(64)'
for sub in GMP LBL MDR NOD RGN TRE TRF; do
  assembled "hand.${sub,,}" "Garmin IMG subfile common header (OSM wiki, IMG File Format)" "Garmin map" \
    "pad(le16(0x15) + b\"GARMIN $sub\" + le16(1) + b\"\\x00\" + le16(2026) + b\"\\x01\\x01\\x00\\x00\\x00\", 0x15) + zeros(64)"
done
assembled hand.mac "MacBinary II header and MacPaint format (Apple Technical Note 86)" "MacPaint image data" \
  'pad(b"\x00\x06SAMPLE", 65) + b"PNTGMPNT" + pad(b"", 83 - 73) + be32(512 + 2 * 720) + be32(0) + zeros(128 - 91) + pad(be32(2), 512) + (b"\xb5\x00") * 720'
assembled hand.rsrc "Inside Macintosh: More Macintosh Toolbox, Resource Manager (resource fork format)" "Apple HFS/HFS\+ resource fork" \
  'pad(be32(0x100) + be32(0x100 + 8) + be32(8) + be32(50), 0x100) + be32(4) + b"data" + be32(0x100) + be32(0x100 + 8) + be32(8) + be32(50) + be32(0) + be16(0) + be16(0) + be16(28) + be16(50) + be16(0) + b"STR#" + be16(0) + be16(10) + be16(128) + be16(0xffff) + be32(0) + be32(0)'
assembled hand.tim "PlayStation TIM format (psx-spx, GPU texture files)" "Sony PlayStation PSX image" \
  'le32(0x10) + le32(2) + le32(12 + 2 * 2 * 2) + le16(0) + le16(0) + le16(2) + le16(2) + zeros(8)'
assembled hand.ximg "GEM IMG and XIMG format (fileformat.info GEM raster)" "XIMG Image data" \
  'be16(1) + be16(11) + be16(4) + be16(2) + be16(85) + be16(85) + be16(16) + be16(2) + b"XIMG" + be16(0) + zeros(3 * 16 * 2) + b"\x80\x02\xff\xff" * 8'
assembled hand.hsi "HSI JPEG (TrID bitmap-hsi1 definition)" "JPEG image data, HSI proprietary" \
  'b"hsi1" + zeros(60)'
assembled hand.aps "APS patch format for N64 (console magic)" "APS patch file" \
  'b"APS10" + b"\x00\x00" + pad(b"sample", 50, b" ") + zeros(40) + le32(1024)'
assembled hand.p7 "XV thumbnail format (xv source documentation)" "XV thumbnail image data" \
  'b"P7 332\n#XVVERSION:Version 3.10a\n#IMGINFO:2x2\n#END_OF_COMMENTS\n2 2 255\n\x00\x01\x02\x03"'
assembled hand.bhl "BlockHashLoc recovery info (MarcoPon/BlockHashLoc documentation)" "BlockHashLoc recovery info" \
  'b"BlockHashLoc\x1a" + b"\x01" + b"\x00\x00\x02\x00" + zeros(32) + zeros(32)'
assembled hand.xia "Chiasmus encrypted file header (BSI)" "Chiasmus Encrypted data" \
  'b"XIA1\r\n" + zeros(58)'

# Japanese office and PC formats
assembled hand.jtd "TrID jtd definition and ezpzjtd JTD-FORMAT notes (JSRV streams in a compound file)" "Composite Document File" \
  'compound(["\x04JSRV_SegmentInformation", "\x05JSRV_SummaryInformation", "DocumentText", "DocumentEditStyles", "DocumentViewStyles"])'
assembled hand-ichitaro5 "libmagic Magdir/wordprocessors (ichitaro456: DOC, version in byte 43)" "Ichitaro v5" \
  'pad(b"DOC", 43) + b"\x15" + pad(b"", 212)'
assembled hand.mag "MAGBIBLE (Woody RINN), Mooncore makichan.htm" "Maki-chan v2 image" \
  'b"MAKI02  " + b"PC98" + b"SORVENA sample" + b"\x1a" + b"\x00" + b"\x00\x00\x00" + le16(0) + le16(0) + le16(7) + le16(1) + le32(80) + le32(2) + le32(82) + le32(2) + le32(84) + le32(4) + b"\x00\x00\x00" * 16 + b"\x80\x00" + b"\x80\x00" + b"\x00\x00\x00\x00"'
assembled hand.mki "Mooncore makichan.htm (MKI)" "Maki-chan v1.A image" \
  'b"MAKI01A " + b"PC98" + pad(b"SORVENA sample", 20, b" ") + b"\x00" * 48 + be16(0) + be16(0) + be16(0) + be16(0) + be16(0) + be16(0) + be16(639) + be16(399) + zeros(1000)'
assembled hand.pi "PITECH.TXT (Yanagisawa), Mooncore pi-pic.htm" "Yanagisawa Pi 16 color picture" \
  'b"Pi" + b"SORVENA sample" + b"\x1a" + b"\x00" + b"\x00" + b"\x01\x01" + b"\x04" + b"PC98" + be16(0) + be16(8) + be16(2) + b"\x00\x00\x00" * 16 + b"\x00" * 8'

echo "make_samples: $made samples made in $here ($hand_made of them assembled by hand)"
if ((${#failed[@]})); then
  printf 'make_samples: not made: %s\n' "${failed[@]}"
fi
