#!/usr/bin/env bash
# Builds a held-out accuracy corpus from files that the real tools of this machine write
# now, from inputs of its own, so that a score on it says how tivex does on files nobody
# tuned it for. The layout is the one build_corpus.py writes (files/NNNNN/{noext,right,wrong}/,
# manifest.tsv, list.txt), so score.py reads it unchanged:
#
#   bench/accuracy/build_tool_corpus.sh [OUT]        # OUT defaults to /tmp/tivex-tool-corpus
#   bench/accuracy/score.py --corpus /tmp/tivex-tool-corpus --misses 100
#
# Every file comes from one row: row NAME TOOL "ACCEPTED" COMMAND. COMMAND runs in the work
# folder and must leave NAME there; ACCEPTED lists the extensions a knowledgeable person
# accepts for what the tool wrote, the usual one first. A missing tool is noted once and its
# rows are skipped; a row whose command fails is listed at the end. Nothing is installed.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Families whose content is text: a text file may rightly keep any text extension, so its
# wrong name is never txt, html or xml (as in build_corpus.py).
text_families=" txt html xml json csv tsv srt vtt ass ssa lrc sub svg ps eps xpm xbm pem csr tex rst md
  org 1 man ms texi adoc wiki textile opml fb2 ipynb dbk po pot sql dot gv plist fodt fods fodp fodg rtf
  sfd pfa eml mbox ini c py sh uue shar asc ttml ics vcf "
wrong_pool=(dat png pdf txt mp3 docx jpg zip html exe gif xml json)

corpus=build_tool_corpus
# shellcheck source=bench/accuracy/corpus_rows.sh
source "$here/corpus_rows.sh"
start_corpus /tmp/tivex-tool-corpus 1600000000 "${1:-}"

# ---- Inputs (kept out of the corpus) ---------------------------------------------------
cat >essay.md <<'TEXT'
---
title: Field notes on tidal pools
author: A. Walker
---

# Morning survey

The *north* pool held **fourteen** anemones and a single hermit crab. The
water was 12.5 °C at 06:40; the tide turned at 07:15.

## Counts

| species        | north | south |
|----------------|------:|------:|
| anemone        |    14 |     9 |
| hermit crab    |     1 |     3 |
| periwinkle     |    40 |    22 |

1. Measure salinity.
2. Photograph the east ledge.

> Bring a spare notebook next time.

```python
def mean(values):
    return sum(values) / len(values)
```

Footnote-style remark.[^1]

[^1]: Counts are approximate.
TEXT
cat >recipe.md <<'TEXT'
# 味噌汁の作り方

材料は**豆腐**、わかめ、ねぎ、味噌です。

- 出汁を温める
- 豆腐を切って入れる
- 火を止めて味噌を溶く

Serve hot. See <https://example.org/miso> for variations.
TEXT
cat >report.md <<'TEXT'
# Build report 2024-03

Release | Tests | Failures
--- | --- | ---
3.1.0 | 1204 | 0
3.1.1 | 1210 | 2

Longer paragraph to give converters something with several lines of running text in it. It
mentions $E = mc^2$ and a link to [the tracker](https://example.org/issues).

Term
: definition of the term
TEXT
printf 'city,country,population\nOsaka,Japan,2753862\nLyon,France,522250\nQuito,Ecuador,2011388\nPerth,Australia,2192229\n' >cities.csv
printf 'x;y;z\n1;2;3\n4;5;6\n7.5;8.25;9\n' >numbers.csv
python3 - >ledger.csv <<'PY'
import random
random.seed(3)
print("date,account,amount,memo")
for day in range(1, 120):
    print("2023-%02d-%02d,%s,%.2f,%s" % (day % 12 + 1, day % 28 + 1, random.choice(["cash", "bank", "card"]),
          random.uniform(-500, 500), random.choice(["rent", "food", "travel, misc", "books"])))
PY
for i in 1 2 3; do printf 'line %d of a plain note about nothing in particular\n' $(seq $((i * 30))) >"note$i.txt"; done
head -c 20000 /dev/zero | tr '\0' 'a' >zeros.txt
python3 -c 'import random; random.seed(9); open("random.bin","wb").write(bytes(random.getrandbits(8) for _ in range(30000)))'
cat >tool.c <<'TEXT'
#include <stdio.h>
#include <stdlib.h>
static int square(int v) { return v * v; }
int total(int n) { int s = 0; for (int i = 0; i < n; ++i) s += square(i); return s; }
int main(int argc, char **argv) { printf("%d\n", total(argc > 1 ? atoi(argv[1]) : 10)); return 0; }
TEXT
cat >shape.cpp <<'TEXT'
#include <iostream>
#include <vector>
struct Shape { virtual ~Shape() = default; virtual double area() const = 0; };
struct Square : Shape { double side = 2; double area() const override { return side * side; } };
int main() { std::vector<Square> v(3); double a = 0; for (auto &s : v) a += s.area(); std::cout << a << "\n"; }
TEXT
printf 'int scale(int v) { return v * 3; }\n' >scale.c
cat >events.srt <<'TEXT'
1
00:00:01,200 --> 00:00:03,900
The ferry leaves at noon.

2
00:00:04,000 --> 00:00:06,500
<i>Bring your ticket.</i>

3
00:00:07,000 --> 00:00:09,000
次の便は二時です。
TEXT

im=convert-im6.q16
if have "$im"; then
  $im -size 160x120 gradient:navy-gold s-gradient.png
  $im -seed 11 -size 240x180 plasma:fractal s-plasma.png
  $im rose: s-rose.png
  $im logo: -resize 40% s-logo.png
  $im granite: -colorspace Gray s-granite.png
  $im -size 96x96 xc:none -fill '#c03' -draw 'circle 48,48 48,8' s-alpha.png
  $im -size 200x60 xc:white -fill black -draw 'rectangle 10,10 190,50' -fill white -draw 'line 0,0 199,59' \
    -monochrome s-bilevel.png
  $im -seed 5 -size 640x480 plasma: s-large.png
  $im -size 3x2 xc:red s-tiny.png
  $im s-plasma.png s-plasma.ppm
  $im s-bilevel.png s-bilevel.pbm
  $im s-granite.png s-granite.pgm
fi
image_seeds=(gradient plasma rose logo granite alpha bilevel large tiny)
few_seeds=(plasma granite bilevel alpha)
if have sox; then
  sox -R -n -r 8000 -c 1 -b 16 tone.wav synth 0.6 sine 440
  sox -R -n -r 44100 -c 2 -b 16 chord.wav synth 1.2 sine 330 sine 415 vol 0.5
  sox -R -n -r 22050 -c 1 -b 16 sweep.wav synth 0.8 sine 200-3000
fi
audio_seeds=(tone chord sweep)
ffx() { ffmpeg -nostdin -v error -y "$@"; }
if have ffmpeg; then
  ffx -f lavfi -i testsrc2=size=160x120:rate=12 -t 1 -pix_fmt yuv420p v-test.y4m
  ffx -f lavfi -i mandelbrot=size=128x96:rate=10 -t 1 -pix_fmt yuv420p v-mandel.y4m
  ffx -f lavfi -i smptebars=size=96x72:rate=15 -t 1 -pix_fmt yuv420p v-bars.y4m
fi
video_seeds=(test mandel bars)

# ---- Images: ImageMagick ---------------------------------------------------------------
image_formats=(
  "png|png" "jpg|jpg jpeg jpe jfif" "gif|gif" "bmp|bmp dib" "tif|tif tiff" "webp|webp" "ico|ico"
  "pcx|pcx" "tga|tga" "ppm|ppm pnm" "pgm|pgm pnm" "pbm|pbm pnm" "pam|pam" "xpm|xpm" "psd|psd"
  "sgi|sgi rgb" "ras|ras sun" "jp2|jp2" "j2k|j2k j2c jpc"
  "dds|dds" "hdr|hdr" "miff|miff" "xwd|xwd" "fits|fits fit fts" "viff|viff xv" "dpx|dpx" "heic|heic heif"
  "avif|avif"
)
for entry in "${image_formats[@]}"; do
  ext=${entry%%|*}
  for seed in "${image_seeds[@]}"; do
    row "im-$seed.$ext" "$im" "${entry#*|}" "$im s-$seed.png im-$seed.$ext"
  done
done
# Rarer writers, each with a coder prefix where the extension alone does not pick it.
rare_formats=("|xbm|xbm" "|dcx|dcx" "|mng|mng" "|jng|jng" "|sixel|six sixel" "|cin|cin" "|vicar|vicar vic"
  "|pgx|pgx" "PTIF:|tif|tif tiff" "|pfm|pfm")
for entry in "${rare_formats[@]}"; do
  IFS='|' read -r coder ext accepted <<<"$entry"
  for seed in "${few_seeds[@]}"; do
    name="im-$seed${coder:+-${coder%:}}.$ext"
    row "$name" "$im" "$accepted" "$im s-$seed.png $coder$name"
  done
done
# Options that change the bytes a writer emits: depth, palette, compression, byte order.
row im-16bit.png "$im" "png" "$im s-plasma.png -depth 16 im-16bit.png"
row im-palette.png "$im" "png" "$im s-logo.png -colors 8 PNG8:im-palette.png"
row im-gray.png "$im" "png" "$im s-rose.png -colorspace Gray im-gray.png"
row im-quality5.jpg "$im" "jpg jpeg jpe jfif" "$im s-large.png -quality 5 im-quality5.jpg"
row im-gray.jpg "$im" "jpg jpeg jpe jfif" "$im s-rose.png -colorspace Gray -quality 97 im-gray.jpg"
row im-progressive.jpeg "$im" "jpeg jpg jpe jfif" "$im s-logo.png -interlace Plane im-progressive.jpeg"
row im-noexif.jpg "$im" "jpg jpeg jpe jfif" "$im s-plasma.png -strip -sampling-factor 4:4:4 im-noexif.jpg"
row im-lzw.tif "$im" "tif tiff" "$im s-large.png -compress LZW im-lzw.tif"
row im-zip.tiff "$im" "tif tiff" "$im s-logo.png -compress Zip im-zip.tiff"
row im-jpeg.tif "$im" "tif tiff" "$im s-plasma.png -compress JPEG im-jpeg.tif"
row im-group4.tif "$im" "tif tiff" "$im s-bilevel.png -compress Group4 im-group4.tif"
row im-msb.tif "$im" "tif tiff" "$im s-rose.png -endian MSB im-msb.tif"
row im-multipage.tif "$im" "tif tiff" "$im s-rose.png s-granite.png s-logo.png im-multipage.tif"
row im-big.tif "$im" "tif tiff" "$im s-rose.png TIFF64:im-big.tif"
row im-v2.bmp "$im" "bmp dib" "$im s-rose.png BMP2:im-v2.bmp"
row im-v3.bmp "$im" "bmp dib" "$im s-logo.png BMP3:im-v3.bmp"
row im-rle.bmp "$im" "bmp dib" "$im s-logo.png -colors 16 -compress RLE BMP3:im-rle.bmp"
row im-alpha.bmp "$im" "bmp dib" "$im s-alpha.png im-alpha.bmp"
row im-animated.gif "$im" "gif" "$im -delay 10 s-rose.png s-granite.png s-logo.png -loop 0 im-animated.gif"
row im-interlaced.gif "$im" "gif" "$im s-plasma.png -interlace GIF im-interlaced.gif"
row im-gif87.gif "$im" "gif" "$im s-rose.png GIF87:im-gif87.gif"
row im-lossless.webp "$im" "webp" "$im s-logo.png -define webp:lossless=true im-lossless.webp"
row im-sizes.ico "$im" "ico" "$im s-logo.png -define icon:auto-resize=64,32,16 im-sizes.ico"
row im-big.ico "$im" "ico" "$im s-plasma.png -resize 256x256! im-big.ico"
row im-rle.tga "$im" "tga" "$im s-logo.png -compress RLE im-rle.tga"
row im-rle.sgi "$im" "sgi rgb" "$im s-rose.png -compress RLE im-rle.sgi"
row im-16bit.sgi "$im" "sgi rgb" "$im s-plasma.png -depth 16 im-16bit.sgi"
row im-ascii.ppm "$im" "ppm pnm" "$im s-rose.png -compress none im-ascii.ppm"
row im-ascii.pgm "$im" "pgm pnm" "$im s-granite.png -compress none im-ascii.pgm"
row im-ascii.pbm "$im" "pbm pnm" "$im s-bilevel.png -compress none im-ascii.pbm"
row im-float.pfm "$im" "pfm" "$im s-rose.png im-float.pfm"
row im-layers.psd "$im" "psd" "$im s-rose.png s-granite.png im-layers.psd"
row im-level2.eps "$im" "eps epsf epsi" "$im s-rose.png EPS2:im-level2.eps"
row im-preview.epi "$im" "epi epsi eps" "$im s-rose.png EPI:im-preview.epi"
row im-dxt5.dds "$im" "dds" "$im s-alpha.png -define dds:compression=dxt5 im-dxt5.dds"
row im-none.dds "$im" "dds" "$im s-rose.png -define dds:compression=none im-none.dds"
row im-zip.miff "$im" "miff" "$im s-plasma.png -compress Zip im-zip.miff"
row im-lossless.jp2 "$im" "jp2" "$im s-rose.png -quality 100 im-lossless.jp2"

# ---- Images: GraphicsMagick, netpbm, ffmpeg, image encoders ----------------------------
for entry in "png|png" "jpg|jpg jpeg jpe jfif" "gif|gif" "bmp|bmp dib" "tif|tif tiff" "pcx|pcx" "tga|tga" \
  "ppm|ppm pnm" "sgi|sgi rgb" "ras|ras sun" "pdf|pdf" "ps|ps" "miff|miff" "webp|webp" "xwd|xwd" \
  "fits|fits fit fts" "dpx|dpx" "pam|pam"; do
  ext=${entry%%|*}
  for seed in plasma logo granite; do
    row "gm-$seed.$ext" gm "${entry#*|}" "gm convert s-$seed.png gm-$seed.$ext"
  done
done
netpbm_rows=(
  "pamtopng|png|png" "pnmtojpeg|jpg|jpg jpeg jpe jfif" "pamtogif|gif|gif" "ppmtobmp|bmp|bmp dib"
  "pnmtotiff|tif|tif tiff" "ppmtopcx|pcx|pcx" "ppmtotga|tga|tga" "pnmtosgi|sgi|sgi rgb" "pnmtorast|ras|ras sun"
  "pnmtofits|fits|fits fit fts" "pnmtoxwd|xwd|xwd" "ppmtoxpm|xpm|xpm" "pnmtops|ps|ps eps" "pamtoqoi|qoi|qoi"
  "pamtopfm|pfm|pfm" "ppmtosixel|six|six sixel"
)
for entry in "${netpbm_rows[@]}"; do
  IFS='|' read -r tool ext accepted <<<"$entry"
  row "netpbm-plasma.$ext" "$tool" "$accepted" "$tool s-plasma.ppm > netpbm-plasma.$ext"
  row "netpbm-granite.$ext" "$tool" "$accepted" "$tool s-granite.pgm > netpbm-granite.$ext"
done
row netpbm-bilevel.xbm pbmtoxbm "xbm" "pbmtoxbm s-bilevel.pbm > netpbm-bilevel.xbm"
row netpbm-bilevel.tif pnmtotiff "tif tiff" "pnmtotiff -g4 s-bilevel.pbm > netpbm-bilevel.tif"
row netpbm-ilbm.iff ppmtoilbm "iff ilbm lbm" "ppmtoilbm s-plasma.ppm > netpbm-ilbm.iff"
ffmpeg_images=("png|png" "jpg|jpg jpeg jpe jfif" "bmp|bmp dib" "tiff|tiff tif" "gif|gif" "webp|webp" "pam|pam"
  "pgm|pgm pnm" "ppm|ppm pnm" "sgi|sgi rgb" "tga|tga" "xwd|xwd" "pcx|pcx" "ras|ras sun" "xbm|xbm" "dpx|dpx"
  "jp2|jp2" "qoi|qoi" "apng|apng png")
for entry in "${ffmpeg_images[@]}"; do
  ext=${entry%%|*}
  for seed in test bars; do
    row "ffmpeg-$seed.$ext" ffmpeg "${entry#*|}" "ffx -i v-$seed.y4m -frames:v 1 -update 1 ffmpeg-$seed.$ext"
  done
done
for q in 10 90; do
  row "cwebp-q$q.webp" cwebp "webp" "cwebp -quiet -q $q s-large.png -o cwebp-q$q.webp"
done
row cwebp-alpha.webp cwebp "webp" "cwebp -quiet -lossless s-alpha.png -o cwebp-alpha.webp"
row cjxl-lossless.jxl cjxl "jxl" "cjxl --quiet -d 0 s-logo.png cjxl-lossless.jxl"
row cjxl-lossy.jxl cjxl "jxl" "cjxl --quiet -d 2 s-large.png cjxl-lossy.jxl"
row cjxl-jpeg.jxl cjxl "jxl" "$im s-rose.png seed-rose.jpg && cjxl --quiet seed-rose.jpg cjxl-jpeg.jxl"
row heif-plasma.heic heif-enc "heic heif" "heif-enc -q 60 s-plasma.png -o heif-plasma.heic"
row heif-alpha.heic heif-enc "heic heif" "heif-enc -q 60 s-alpha.png -o heif-alpha.heic"
row c44-photo.djvu c44 "djvu djv" "c44 s-plasma.ppm c44-photo.djvu"
row cjb2-bilevel.djvu cjb2 "djvu djv" "cjb2 s-bilevel.pbm cjb2-bilevel.djvu"
row djvm-bundle.djvu djvm "djvu djv" "c44 s-plasma.ppm p1.djvu && cjb2 s-bilevel.pbm p2.djvu && djvm -c djvm-bundle.djvu p1.djvu p2.djvu"

# ---- Vector graphics and page description: graphviz, rsvg, ghostscript, qpdf, groff ---
printf 'graph net { rankdir=LR; hub -- a; hub -- b; hub -- c; a -- b [style=dashed]; }\n' >net.gv
printf 'digraph flow { node [shape=box]; start -> parse -> check -> done; check -> parse [label="retry"]; }\n' >flow.gv
graphviz_rows=("svg|svg" "png|png" "pdf|pdf" "ps|ps" "gif|gif" "jpg|jpg jpeg jpe jfif" "json|json" "xdot|xdot gv dot"
  "fig|fig" "plain|txt" "webp|webp" "vrml|wrl vrml" "cmapx|html htm map")
for entry in "${graphviz_rows[@]}"; do
  format=${entry%%|*} ext=${entry#*|} ext=${ext%% *}
  for graph in net flow; do
    row "dot-$graph.$ext" dot "${entry#*|}" "dot -T$format $graph.gv -o dot-$graph.$ext"
  done
done
row rsvg-flow.png rsvg-convert "png" "dot -Tsvg flow.gv -o flow.svg && rsvg-convert flow.svg -o rsvg-flow.png"
row rsvg-flow.pdf rsvg-convert "pdf" "dot -Tsvg flow.gv -o flow.svg && rsvg-convert -f pdf flow.svg -o rsvg-flow.pdf"
row rsvg-flow.ps rsvg-convert "ps" "dot -Tsvg flow.gv -o flow.svg && rsvg-convert -f ps flow.svg -o rsvg-flow.ps"
row rsvg-flow.eps rsvg-convert "eps" "dot -Tsvg flow.gv -o flow.svg && rsvg-convert -f eps flow.svg -o rsvg-flow.eps"
row rsvg-flow.svg rsvg-convert "svg" "dot -Tsvg flow.gv -o flow.svg && rsvg-convert -f svg flow.svg -o rsvg-flow.svg"
gs_devices=("pdfwrite|pdf|pdf" "ps2write|ps|ps" "eps2write|eps|eps epsf" "png16m|png|png" "pnggray|png|png"
  "jpeg|jpg|jpg jpeg jpe jfif" "tiff24nc|tif|tif tiff" "tiffg4|tif|tif tiff" "tifflzw|tif|tif tiff"
  "bmp16m|bmp|bmp dib" "pcx256|pcx|pcx" "pnmraw|pnm|pnm pbm pgm ppm" "pbmraw|pbm|pbm pnm" "pgmraw|pgm|pgm pnm"
  "psdcmyk|psd|psd" "pxlcolor|pxl|pxl pcl" "ljet4|pcl|pcl prn")
dot -Tps flow.gv -o flow.ps 2>>"$log"
for entry in "${gs_devices[@]}"; do
  IFS='|' read -r device ext accepted <<<"$entry"
  row "gs-$device.$ext" gs "$accepted" "gs -q -dBATCH -dNOPAUSE -dSAFER -r30 -sDEVICE=$device -sOutputFile=gs-$device.$ext flow.ps"
done
row qpdf-objstreams.pdf qpdf "pdf" "dot -Tpdf net.gv -o net.pdf && qpdf --object-streams=generate net.pdf qpdf-objstreams.pdf"
row qpdf-encrypted.pdf qpdf "pdf" "dot -Tpdf net.gv -o net.pdf && qpdf --encrypt u o 256 -- net.pdf qpdf-encrypted.pdf"
row qpdf-qdf.pdf qpdf "pdf" "dot -Tpdf net.gv -o net.pdf && qpdf --qdf net.pdf qpdf-qdf.pdf"
for device in ps pdf html dvi ascii utf8 latin1; do
  case $device in ps) ext=ps acc="ps" ;; pdf) ext=pdf acc="pdf" ;; html) ext=html acc="html htm" ;;
    dvi) ext=dvi acc="dvi" ;; *) ext=txt acc="txt" ;; esac
  row "groff-$device.$ext" groff "$acc" "pandoc -s -t man essay.md | groff -man -T$device > groff-$device.$ext"
done

# ---- Documents: pandoc ---------------------------------------------------------------
pandoc_rows=(
  "html|html|html htm xhtml" "html5|html|html htm xhtml" "docx|docx|docx" "odt|odt|odt" "epub3|epub|epub"
  "epub2|epub|epub" "rtf|rtf|rtf" "latex|tex|tex latex ltx" "beamer|tex|tex latex ltx" "context|tex|tex"
  "markdown|md|md markdown" "gfm|md|md markdown" "rst|rst|rst rest" "org|org|org" "man|1|1 man roff"
  "ms|ms|ms roff" "json|json|json" "docbook5|dbk|dbk docbook xml" "jats|xml|xml" "tei|xml|xml"
  "ipynb|ipynb|ipynb json" "textile|textile|textile" "mediawiki|wiki|wiki mediawiki" "asciidoc|adoc|adoc asciidoc"
  "opml|opml|opml xml" "fb2|fb2|fb2" "pptx|pptx|pptx" "texinfo|texi|texi texinfo" "icml|icml|icml xml"
  "revealjs|html|html htm" "plain|txt|txt" "haddock|txt|txt" "jira|txt|txt" "dokuwiki|txt|txt"
)
for entry in "${pandoc_rows[@]}"; do
  IFS='|' read -r format ext accepted <<<"$entry"
  for input in essay recipe report; do
    row "pandoc-$input-$format.$ext" pandoc "$accepted" "pandoc -s --metadata title=Notes -t $format $input.md -o pandoc-$input-$format.$ext"
  done
done

# ---- Documents: LibreOffice (one run per output filter, then the rows pick the files) --
office_batch() { # office_batch EXT INPUT...: converts the inputs into office/EXT/
  mkdir -p "office/$1"
  soffice --headless --norestore --convert-to "$1" --outdir "office/$1" "${@:2}" >>"$log" 2>&1
}
if have soffice; then
  have pandoc && for input in essay recipe report; do pandoc -s "$input.md" -o "w-$input.docx" 2>>"$log"; done
  have pandoc && pandoc -s essay.md -o w-essay-odt.odt 2>>"$log"
  have pandoc && for input in essay report; do pandoc -s "$input.md" -o "p-$input.pptx" 2>>"$log"; done
  cp cities.csv c-cities.csv && cp ledger.csv c-ledger.csv
  have dot && dot -Tsvg flow.gv -o d-flow.svg && dot -Tsvg net.gv -o d-net.svg
  writer_in=(w-essay.docx w-recipe.docx w-report.docx w-essay-odt.odt)
  calc_in=(c-cities.csv c-ledger.csv)
  impress_in=(p-essay.pptx p-report.pptx)
  draw_in=(d-flow.svg d-net.svg)
  for ext in odt doc docx rtf pdf fodt html epub; do office_batch "$ext" "${writer_in[@]}"; done
  for ext in ods xls xlsx fods pdf html; do office_batch "$ext" "${calc_in[@]}"; done
  for ext in odp ppt pptx fodp pdf; do office_batch "$ext" "${impress_in[@]}"; done
  for ext in odg pdf fodg png; do office_batch "$ext" "${draw_in[@]}"; done
fi
office_rows=("odt|odt" "doc|doc" "docx|docx" "rtf|rtf" "pdf|pdf" "fodt|fodt xml" "html|html htm" "epub|epub"
  "ods|ods" "xls|xls" "xlsx|xlsx" "fods|fods xml" "odp|odp" "ppt|ppt" "pptx|pptx" "fodp|fodp xml" "odg|odg"
  "fodg|fodg xml" "png|png")
for entry in "${office_rows[@]}"; do
  ext=${entry%%|*}
  for made_file in office/"$ext"/*."$ext"; do
    [ -e "$made_file" ] || continue
    base=$(basename "$made_file" ".$ext")
    row "lo-$base.$ext" soffice "${entry#*|}" "cp '$made_file' 'lo-$base.$ext'"
  done
done

# Raw codec streams without any header (GSM, G.722, aptX, SBC, DFPWM, CD audio, Brotli) and
# sox's .amb, which for mono input is an ordinary WAVE file, are left out: nothing in their
# bytes names them, so they would measure guessing rather than checking.

# ---- Audio: sox, lame, flac, vorbis-tools, opus-tools, speex ---------------------------
sox_rows=(
  "wav||wav wave" "wav|-e u-law|wav wave" "wav|-e ima-adpcm|wav wave" "wav|-e floating-point|wav wave"
  "wav|-b 8|wav wave" "wav|-e gsm-full-rate -r 8000 -c 1|wav wave" "aiff||aiff aif" "aifc||aifc aif aiff"
  "au||au snd" "au|-e a-law|au snd" "flac||flac" "ogg||ogg oga" "voc||voc" "w64||w64" "caf||caf"
  "8svx||8svx iff svx" "sph||sph nist" "avr||avr" "maud||maud" "sf||sf ircam" "wve|-r 8000 -c 1|wve"
  "prc|-r 8000 -c 1|prc" "sndt||sndt" "smp||smp" "txw|-r 33000 -c 1|txw" "hcom|-r 22050 -c 1 -b 8|hcom"
  "sox||sox"
)
index=0
for entry in "${sox_rows[@]}"; do
  IFS='|' read -r ext options accepted <<<"$entry"
  index=$((index + 1))
  for seed in "${audio_seeds[@]}"; do
    row "sox-$seed-$index.$ext" sox "$accepted" "sox $seed.wav $options sox-$seed-$index.$ext"
  done
done
row lame-cbr128.mp3 lame "mp3" "lame --quiet -b 128 chord.wav lame-cbr128.mp3"
row lame-vbr.mp3 lame "mp3" "lame --quiet -V 4 chord.wav lame-vbr.mp3"
row lame-tagged.mp3 lame "mp3" "lame --quiet -b 64 --tt Sweep --ta Nobody --tl Tests --ty 2020 --add-id3v2 sweep.wav lame-tagged.mp3"
row lame-v1tag.mp3 lame "mp3" "lame --quiet -b 32 --id3v1-only --tt Tone tone.wav lame-v1tag.mp3"
row lame-notag.mp3 lame "mp3" "lame --quiet -t -b 48 sweep.wav lame-notag.mp3"
row lame-mono8k.mp3 lame "mp3" "lame --quiet -m m --resample 8 -b 8 tone.wav lame-mono8k.mp3"
for level in 0 5 8; do
  row "flac-l$level.flac" flac "flac" "flac --silent -$level chord.wav -o flac-l$level.flac"
done
row flac-ogg.oga flac "oga ogg" "flac --silent --ogg sweep.wav -o flac-ogg.oga"
row flac-tagged.flac flac "flac" "flac --silent -T ARTIST=Nobody -T TITLE=Tone tone.wav -o flac-tagged.flac"
for quality in -1 3 9; do
  row "oggenc-q$quality.ogg" oggenc "ogg oga" "oggenc --quiet -q $quality chord.wav -o oggenc-q$quality.ogg"
done
row oggenc-tagged.ogg oggenc "ogg oga" "oggenc --quiet -t Sweep -a Nobody sweep.wav -o oggenc-tagged.ogg"
for bitrate in 8 64; do
  row "opusenc-$bitrate.opus" opusenc "opus ogg" "opusenc --quiet --bitrate $bitrate chord.wav opusenc-$bitrate.opus"
done
row opusenc-speech.opus opusenc "opus ogg" "opusenc --quiet --speech tone.wav opusenc-speech.opus"
row speexenc-nb.spx speexenc "spx ogg" "speexenc tone.wav speexenc-nb.spx"
row speexenc-wb.spx speexenc "spx ogg" "sox chord.wav -r 16000 -c 1 chord16.wav && speexenc -w chord16.wav speexenc-wb.spx"

# ---- Audio and video: ffmpeg ----------------------------------------------------------
ffmpeg_audio=(
  "mp3|mp3|-c:a libmp3lame -b:a 96k" "mp3|mp3|-c:a libshine -b:a 64k" "mp3|mp3|-c:a libmp3lame -id3v2_version 0 -write_xing 0"
  "mp2|mp2 mpa|-c:a mp2 -b:a 128k" "mp2|mp2 mpa|-c:a libtwolame -b:a 96k" "aac|aac adts|-c:a aac -b:a 64k"
  "ac3|ac3|-c:a ac3 -b:a 96k" "eac3|eac3 ec3|-c:a eac3 -b:a 96k" "dts|dts|-strict -2 -c:a dca -ar 44100"
  "wav|wav wave|-c:a pcm_s24le" "wav|wav wave|-c:a adpcm_ms" "wav|wav wave|-c:a pcm_alaw"
  "aiff|aiff aif|-c:a pcm_s16be" "caf|caf|-c:a alac" "au|au snd|-c:a pcm_mulaw" "flac|flac|-c:a flac"
  "ogg|ogg oga|-c:a libvorbis" "oga|oga ogg|-c:a flac" "opus|opus ogg|-c:a libopus -b:a 24k" "spx|spx ogg|-c:a libspeex -ar 16000 -ac 1"
  "m4a|m4a mp4|-c:a aac -b:a 48k" "m4a|m4a mp4|-c:a alac" "mka|mka mkv|-c:a libvorbis" "mka|mka mkv|-c:a ac3"
  "wv|wv|-c:a wavpack" "tta|tta|-c:a tta" "wma|wma asf|-c:a wmav1 -b:a 64k" "wma|wma asf|-c:a wmav2 -b:a 48k"
  "w64|w64|-c:a pcm_s16le"
  "voc|voc|-c:a pcm_u8" "wv|wv|-c:a wavpack -compression_level 8" "weba|weba webm|-c:a libopus -f webm"
  "mlp|mlp|-strict -2 -c:a mlp -ar 48000" "thd|thd truehd|-strict -2 -c:a truehd -ar 48000"
  "nut|nut|-c:a pcm_s16le" "sox|sox|-c:a pcm_s32le" "ast|ast|-c:a pcm_s16be_planar"
  "mmf|mmf|-c:a adpcm_yamaha -ar 8000 -ac 1"
)
index=0
for entry in "${ffmpeg_audio[@]}"; do
  IFS='|' read -r ext accepted args <<<"$entry"
  index=$((index + 1))
  for seed in tone chord; do
    row "ffmpeg-$seed-$index.$ext" ffmpeg "$accepted" "ffx -i $seed.wav $args -fflags +bitexact ffmpeg-$seed-$index.$ext"
  done
done
ffmpeg_video=(
  "mp4|mp4 m4v|-c:v libx264 -crf 35 -c:a aac -b:a 32k" "mp4|mp4 m4v|-c:v mpeg4 -q:v 8 -an -movflags +faststart"
  "mp4|mp4 m4v|-c:v libx265 -crf 40 -an -tag:v hvc1" "mp4|mp4 m4v|-c:v libaom-av1 -crf 50 -cpu-used 8 -an"
  "mov|mov qt|-c:v libx264 -crf 35 -c:a aac" "mov|mov qt|-c:v prores_ks -profile:v 0 -an" "mov|mov qt|-c:v mjpeg -q:v 10 -c:a pcm_s16le"
  "mov|mov qt|-c:v qtrle -an" "mkv|mkv|-c:v libx264 -crf 35 -c:a libvorbis" "mkv|mkv|-c:v ffv1 -an" "mkv|mkv|-c:v libvpx-vp9 -b:v 100k -c:a libopus"
  "webm|webm|-c:v libvpx -b:v 100k -c:a libvorbis" "webm|webm|-c:v libvpx-vp9 -b:v 80k -an" "webm|webm|-c:v libaom-av1 -crf 50 -cpu-used 8 -an"
  "avi|avi|-c:v mjpeg -q:v 10 -c:a pcm_s16le" "avi|avi|-c:v libxvid -q:v 8 -c:a libmp3lame" "avi|avi|-c:v rawvideo -pix_fmt bgr24 -an -s 32x24"
  "avi|avi|-c:v msvideo1 -an" "avi|avi|-c:v cinepak -an" "flv|flv|-c:v flv1 -c:a libmp3lame -ar 22050" "flv|flv|-c:v libx264 -crf 35 -c:a aac"
  "wmv|wmv asf|-c:v wmv1 -c:a wmav2" "wmv|wmv asf|-c:v msmpeg4 -an" "asf|asf wmv|-c:v wmv2 -c:a wmav1"
  "mpg|mpg mpeg|-c:v mpeg1video -q:v 8 -r 25 -c:a mp2 -ar 44100 -f mpeg" "mpg|mpg mpeg|-c:v mpeg2video -q:v 8 -c:a mp2 -ar 48000 -f vob"
  "vob|vob mpg mpeg|-c:v mpeg2video -q:v 8 -c:a ac3 -ar 48000 -f vob" "ts|ts mts m2t|-c:v mpeg2video -q:v 8 -c:a mp2"
  "ts|ts mts m2t|-c:v libx264 -crf 35 -c:a aac" "m2ts|m2ts mts ts|-c:v libx264 -crf 35 -an -f mpegts -mpegts_m2ts_mode 1"
  "3gp|3gp|-c:v h263 -s 128x96 -c:a aac -ar 8000 -ac 1" "3g2|3g2|-c:v mpeg4 -an" "m4v|m4v mp4|-c:v libx264 -crf 35 -an -f ipod"
  "ogv|ogv ogg|-c:v libtheora -q:v 3 -c:a libvorbis" "ogv|ogv ogg|-c:v libtheora -q:v 1 -an"
  "nut|nut|-c:v ffv1 -c:a pcm_s16le" "y4m|y4m|-pix_fmt yuv444p"
  "dv|dv dif|-s 720x576 -r 25 -pix_fmt yuv420p -c:v dvvideo -an" "h264|h264 264|-c:v libx264 -crf 35 -an"
  "hevc|hevc h265|-c:v libx265 -crf 40 -an" "m2v|m2v mpv|-c:v mpeg2video -q:v 8 -an" "ivf|ivf|-c:v libvpx-vp9 -b:v 80k -an"
  "swf|swf|-c:v flv1 -an -ar 22050" "f4v|f4v mp4|-c:v libx264 -crf 35 -an -f f4v" "gif|gif|-an -vf scale=80:-1"
  "apng|apng png|-an -f apng -plays 0" "mjpeg|mjpeg mjpg jpg jpeg|-c:v mjpeg -an -f mjpeg" "webp|webp|-an -c:v libwebp_anim -loop 0"
  "mkv|mkv|-c:v mpeg4 -q:v 8 -c:a flac" "mov|mov qt|-c:v dnxhd -s 1280x720 -r 25 -b:v 90M -pix_fmt yuv422p -an -t 0.1"
  "roq|roq|-s 64x64 -r 30 -c:v roqvideo -an" "avi|avi|-c:v amv -an -s 64x48"
)
index=0
for entry in "${ffmpeg_video[@]}"; do
  IFS='|' read -r ext accepted args <<<"$entry"
  index=$((index + 1))
  for seed in "${video_seeds[@]:0:2}"; do
    row "ffmpeg-$seed-$index.$ext" ffmpeg "$accepted" \
      "ffx -i v-$seed.y4m -i chord.wav -t 0.6 $args -fflags +bitexact ffmpeg-$seed-$index.$ext"
  done
done
row ffmpeg-bars.mkv ffmpeg "mkv" "ffx -i v-bars.y4m -i tone.wav -i events.srt -t 1 -map 0 -map 1 -map 2 -c:v libx264 -c:a aac -c:s srt ffmpeg-bars.mkv"
row ffmpeg-bars.mp4 ffmpeg "mp4 m4v" "ffx -i v-bars.y4m -i tone.wav -i events.srt -t 1 -map 0 -map 1 -map 2 -c:v libx264 -c:a aac -c:s mov_text ffmpeg-bars.mp4"
subtitle_rows=("srt|srt|srt" "webvtt|vtt|vtt" "ass|ass|ass ssa" "lrc|lrc|lrc" "ttml|ttml|ttml xml dfxp")
for entry in "${subtitle_rows[@]}"; do
  IFS='|' read -r format ext accepted <<<"$entry"
  row "ffmpeg-events.$ext" ffmpeg "$accepted" "ffx -i events.srt -f $format ffmpeg-events.$ext"
done
row ffmpeg-short.srt ffmpeg "srt" "printf '1\n00:00:00,500 --> 00:00:02,000\nOK\n' > s.srt && ffx -i s.srt ffmpeg-short.srt"
row ffmpeg-short.vtt ffmpeg "vtt" "printf '1\n00:00:00,500 --> 00:00:02,000\nOK\n' > s.srt && ffx -i s.srt ffmpeg-short.vtt"

# ---- Archives and compressed data ----------------------------------------------------
mkdir -p tree/docs tree/img
cp essay.md recipe.md report.md tree/docs/ 2>/dev/null
cp cities.csv ledger.csv tree/ 2>/dev/null
[ -e s-rose.png ] && cp s-rose.png tree/img/
[ -e tone.wav ] && cp tone.wav tree/img/
cp random.bin tree/
touch -d @1600000000 tree tree/* tree/*/* 2>/dev/null
payloads=(ledger.csv random.bin zeros.txt)
compressors=("gzip|-1|gz|gz gzip" "gzip|-9 -n|gz|gz gzip" "bzip2|-1|bz2|bz2 bz" "bzip2|-9|bz2|bz2 bz"
  "xz|-0|xz|xz" "xz|-9e --check=sha256|xz|xz" "xz|--check=none|xz|xz" "xz|--format=lzma|lzma|lzma"
  "zstd|-q -1|zst|zst zstd" "zstd|-q -19 --long|zst|zst zstd" "lz4|-q -1|lz4|lz4" "lz4|-q -l|lz4|lz4"
  "lzip|-1|lz|lz" "lzop|-1|lzo|lzo" "lzop|-9|lzo|lzo" "compress|-f -b 12|Z|Z z" "compress|-f|Z|Z z"
  "pigz|-11|gz|gz gzip")
index=0
for entry in "${compressors[@]}"; do
  IFS='|' read -r tool options ext accepted <<<"$entry"
  index=$((index + 1))
  for payload in "${payloads[@]}"; do
    name="${payload%.*}-$index.${payload##*.}.$ext"
    row "$name" "$tool" "$accepted" "$tool $options -c < $payload > $name"
  done
done
for level in 0 1 9; do
  row "zip-l$level.zip" zip "zip" "zip -qrX -$level zip-l$level.zip tree"
done
row zip-one.zip zip "zip" "zip -qX zip-one.zip essay.md"
row zip-crypt.zip zip "zip" "zip -qrX -P secret zip-crypt.zip tree"
row zip-bzip2.zip zip "zip" "zip -qrX -Z bzip2 zip-bzip2.zip tree"
row zip-stream.zip zip "zip" "cat ledger.csv | zip -q - - > zip-stream.zip"
row zip-sfx.zip zip "zip" "zip -qrX zip-sfx.zip tree/docs && zip -qA zip-sfx.zip"
for level in 0 5 9; do
  row "7z-mx$level.7z" 7z "7z" "7z a -bd -mx=$level 7z-mx$level.7z tree"
done
row 7z-ppmd.7z 7z "7z" "7z a -bd -m0=PPMd 7z-ppmd.7z tree/docs"
row 7z-bzip2.7z 7z "7z" "7z a -bd -m0=BZip2 7z-bzip2.7z tree"
row 7z-encrypted.7z 7z "7z" "7z a -bd -psecret -mhe=on 7z-encrypted.7z tree"
row 7z-solid-off.7z 7z "7z" "7z a -bd -ms=off 7z-solid-off.7z tree"
row 7z-deflate64.zip 7z "zip" "7z a -bd -tzip -mm=Deflate64 7z-deflate64.zip tree"
row 7z-lzma.zip 7z "zip" "7z a -bd -tzip -mm=LZMA 7z-lzma.zip tree"
row 7z-aes.zip 7z "zip" "7z a -bd -tzip -psecret -mem=AES256 7z-aes.zip tree"
row 7z-tree.tar 7z "tar" "7z a -bd -ttar 7z-tree.tar tree"
row 7z-tree.wim 7z "wim swm esd" "7z a -bd -twim 7z-tree.wim tree"
row 7z-ledger.gz 7z "gz gzip" "7z a -bd -tgzip 7z-ledger.gz ledger.csv"
row 7z-ledger.bz2 7z "bz2 bz" "7z a -bd -tbzip2 7z-ledger.bz2 ledger.csv"
row 7z-ledger.xz 7z "xz" "7z a -bd -txz 7z-ledger.xz ledger.csv"
for format in ustar gnu pax v7 oldgnu posix; do
  row "tar-$format.tar" tar "tar" "tar --format=$format --mtime=@0 --sort=name -cf tar-$format.tar tree"
done
row tar-tree.tgz tar "tgz gz" "tar --mtime=@0 --sort=name -czf tar-tree.tgz tree"
row tar-tree.tar.gz tar "gz tgz" "tar --mtime=@0 --sort=name -czf tar-tree.tar.gz tree"
row tar-tree.tar.bz2 tar "bz2 tbz2 tbz" "tar --mtime=@0 --sort=name -cjf tar-tree.tar.bz2 tree"
row tar-tree.tbz2 tar "tbz2 bz2 tbz" "tar --mtime=@0 --sort=name -cjf tar-tree.tbz2 tree"
row tar-tree.tar.xz tar "xz txz" "tar --mtime=@0 --sort=name -cJf tar-tree.tar.xz tree"
row tar-tree.txz tar "txz xz" "tar --mtime=@0 --sort=name -cJf tar-tree.txz tree"
row tar-tree.tar.zst tar "zst zstd tzst" "tar --mtime=@0 --sort=name --zstd -cf tar-tree.tar.zst tree"
row tar-tree.tar.lz tar "lz tlz" "tar --mtime=@0 --sort=name --lzip -cf tar-tree.tar.lz tree"
row tar-tree.tar.Z tar "Z z taz" "tar --mtime=@0 --sort=name -cf - tree | compress -f -c > tar-tree.tar.Z"
row tar-sparse.tar tar "tar" "truncate -s 2M sparse.img && printf x >> sparse.img && tar --format=gnu -S -cf tar-sparse.tar sparse.img"
for format in newc odc bin crc hpodc; do
  row "cpio-$format.cpio" cpio "cpio" "find tree | sort | cpio --quiet -o -H $format > cpio-$format.cpio"
done
row cpio-ustar.tar cpio "tar" "find tree | sort | cpio --quiet -o -H ustar > cpio-ustar.tar" # cpio writes a real tar here
row gcab-plain.cab gcab "cab" "gcab -c gcab-plain.cab tree/ledger.csv tree/random.bin"
row gcab-mszip.cab gcab "cab" "gcab -cz gcab-mszip.cab tree/docs/essay.md tree/cities.csv"
for method in 1 4; do
  row "arj-m$method.arj" arj "arj" "arj a -m$method arj-m$method.arj ledger.csv random.bin"
done
row ar-plain.a ar "a" "gcc -c scale.c -o scale.o && ar rcD ar-plain.a scale.o"
row ar-thin.a ar "a" "gcc -c scale.c -o scale.o && ar rcDT ar-thin.a scale.o"
row ar-text.ar ar "ar a" "ar rcD ar-text.ar ledger.csv essay.md"
row genisoimage-plain.iso genisoimage "iso" "genisoimage -quiet -o genisoimage-plain.iso tree"
row genisoimage-joliet.iso genisoimage "iso" "genisoimage -quiet -J -R -V TREE -o genisoimage-joliet.iso tree"
row genisoimage-udf.iso genisoimage "iso" "genisoimage -quiet -udf -o genisoimage-udf.iso tree"
for compression in gzip xz zstd none; do
  row "dpkg-$compression.deb" dpkg-deb "deb" "rm -rf pkg && mkdir -p pkg/DEBIAN pkg/usr/share/doc/tidal &&
    printf 'Package: tidal\nVersion: 2.$compression\nArchitecture: all\nMaintainer: A <a@example.org>\nDescription: notes\n' > pkg/DEBIAN/control &&
    cp essay.md pkg/usr/share/doc/tidal/ && dpkg-deb --root-owner-group -Z$compression --build pkg dpkg-$compression.deb"
done
row rpm-noarch.rpm rpmbuild "rpm" "rm -rf rpm && mkdir -p rpm/SPECS && printf 'Name: tidal\nVersion: 2\nRelease: 3\nSummary: notes\nLicense: MIT\nBuildArch: noarch\n%%description\nnotes\n%%install\nmkdir -p %%{buildroot}/usr/share/tidal && cp $work/essay.md %%{buildroot}/usr/share/tidal/\n%%files\n/usr/share/tidal/essay.md\n' > rpm/SPECS/t.spec &&
  rpmbuild -bb --define \"_topdir $work/rpm\" rpm/SPECS/t.spec && mv rpm/RPMS/noarch/*.rpm rpm-noarch.rpm"
row jar-classes.jar jar "jar" "mkdir -p classes && printf 'public class Tide { public static void main(String[] a) { System.out.println(a.length); } }\n' > Tide.java && javac -d classes Tide.java && jar cfe jar-classes.jar Tide -C classes Tide.class"
row msibuild-plain.msi msibuild "msi" "msibuild msibuild-plain.msi -s 'Tidal;Walker;Intel;{87654321-4321-4321-4321-210987654321}'"
row mktorrent-tree.torrent mktorrent "torrent" "mktorrent -a http://tracker.invalid/a -o mktorrent-tree.torrent tree"
row mktorrent-file.torrent mktorrent "torrent" "mktorrent -p -a http://tracker.invalid/a -o mktorrent-file.torrent random.bin"

# ---- Programs ------------------------------------------------------------------------
row gcc-tool.o gcc "o" "gcc -c -O0 -g tool.c -o gcc-tool.o"
row gcc-tool-pie.out gcc "out elf bin" "gcc -O2 -pie tool.c -o gcc-tool-pie.out"
row gcc-static.elf gcc "elf out bin" "gcc -static -O2 tool.c -o gcc-static.elf && strip gcc-static.elf"
row gcc-libscale.so gcc "so" "gcc -shared -fPIC scale.c -o gcc-libscale.so"
row gcc-shape.o g++ "o" "g++ -c -O1 shape.cpp -o gcc-shape.o"
row gcc-header.gch gcc "gch" "cp scale.c scale.h && gcc -x c-header scale.h -o gcc-header.gch"
row gcc-tool.s gcc "s asm" "gcc -S tool.c -o gcc-tool.s"
row gcc-tool.i gcc "i c" "gcc -E tool.c -o gcc-tool.i"
row mingw-tool.exe x86_64-w64-mingw32-gcc "exe" "x86_64-w64-mingw32-gcc -O2 tool.c -o mingw-tool.exe"
row mingw-stripped.exe x86_64-w64-mingw32-gcc "exe" "x86_64-w64-mingw32-gcc -O2 -s -mwindows tool.c -o mingw-stripped.exe"
row mingw-scale.dll x86_64-w64-mingw32-gcc "dll" "x86_64-w64-mingw32-gcc -shared -s scale.c -o mingw-scale.dll"
row mingw-scale.o x86_64-w64-mingw32-gcc "o obj" "x86_64-w64-mingw32-gcc -c scale.c -o mingw-scale.o"
row mingw32-tool.exe i686-w64-mingw32-gcc "exe" "i686-w64-mingw32-gcc -O2 tool.c -o mingw32-tool.exe"
row clang-tool.o clang "o" "clang -c -O2 tool.c -o clang-tool.o"
row clang-tool.bc clang "bc" "clang -c -emit-llvm tool.c -o clang-tool.bc"
row clang-tool.ll clang "ll" "clang -S -emit-llvm tool.c -o clang-tool.ll"
row clang-scale.wasm clang "wasm" "clang --target=wasm32 -nostdlib -O2 -Wl,--no-entry -Wl,--export-all scale.c -o clang-scale.wasm"
row javac-Tide.class javac "class" "printf 'public class Tide { int n; }\n' > Tide.java && javac -d jc Tide.java && cp jc/Tide.class javac-Tide.class"
printf 'import sys\n\ndef main():\n    """Say hello."""\n    assert sys\n    print("hello")\n' >tool.py
for level in 0 1 2; do
  row "python-opt$level.pyc" python3 "pyc" "python3 -c 'import py_compile; py_compile.compile(\"$work/tool.py\", cfile=\"python-opt$level.pyc\", optimize=$level)'"
done

# ---- Data written by python3 modules -----------------------------------------------
py() { python3 -c "$1"; }
row py-indent.json python3 "json" "py 'import json; json.dump({\"pools\": [{\"name\": \"north\", \"count\": 14}, {\"name\": \"south\", \"count\": 9}], \"ok\": True}, open(\"py-indent.json\", \"w\"), indent=4)'"
row py-compact.json python3 "json" "py 'import json; json.dump([1, 2.5, None, \"x\", {\"a\": []}], open(\"py-compact.json\", \"w\"), separators=(\",\", \":\"))'"
row py-unicode.json python3 "json" "py 'import json; json.dump({\"名前\": \"味噌\", \"量\": [1, 2]}, open(\"py-unicode.json\", \"w\", encoding=\"utf-8\"), ensure_ascii=False)'"
row py-array.json python3 "json" "py 'import json; json.dump([{\"id\": i, \"sq\": i * i} for i in range(200)], open(\"py-array.json\", \"w\"))'"
row py-lines.jsonl python3 "jsonl ndjson json" "py 'import json; f = open(\"py-lines.jsonl\", \"w\"); [f.write(json.dumps({\"n\": i, \"tag\": \"t%d\" % i}) + \"\\n\") for i in range(30)]'"
row py-excel.csv python3 "csv" "py 'import csv; w = csv.writer(open(\"py-excel.csv\", \"w\", newline=\"\")); w.writerows([[\"a\", \"b, c\", \"d\"], [1, 2, 3], [\"q\\\"uote\", \"x\", \"\"]])'"
row py-tabs.tsv python3 "tsv tab" "py 'import csv; w = csv.writer(open(\"py-tabs.tsv\", \"w\", newline=\"\"), dialect=\"excel-tab\"); w.writerows([[\"k\", \"v\"]] + [[\"key%d\" % i, i * 7] for i in range(40)])'"
row py-etree.xml python3 "xml" "py 'import xml.etree.ElementTree as E; r = E.Element(\"survey\", date=\"2023-05-01\"); [E.SubElement(r, \"pool\", name=n).__setattr__(\"text\", str(c)) for n, c in ((\"north\", 14), (\"south\", 9))]; E.ElementTree(r).write(\"py-etree.xml\", xml_declaration=True, encoding=\"utf-8\")'"
row py-minidom.xml python3 "xml" "py 'from xml.dom import minidom; d = minidom.Document(); r = d.createElement(\"catalog\"); d.appendChild(r); [r.appendChild(d.createElement(\"item\")) for _ in range(3)]; open(\"py-minidom.xml\", \"w\").write(d.toprettyxml(indent=\"  \"))'"
row py-noheader.xml python3 "xml" "py 'import xml.etree.ElementTree as E; r = E.Element(\"config\"); E.SubElement(r, \"option\", key=\"depth\").text = \"3\"; E.ElementTree(r).write(\"py-noheader.xml\")'"
row py-xml.plist python3 "plist xml" "py 'import plistlib; plistlib.dump({\"CFBundleName\": \"Tidal\", \"Version\": 3, \"Items\": [1, 2]}, open(\"py-xml.plist\", \"wb\"))'"
row py-binary.plist python3 "plist" "py 'import plistlib; plistlib.dump({\"CFBundleName\": \"Tidal\", \"Version\": 3, \"Data\": b\"abc\"}, open(\"py-binary.plist\", \"wb\"), fmt=plistlib.FMT_BINARY)'"
row py-plain.sqlite python3 "sqlite sqlite3 db db3" "py 'import sqlite3; c = sqlite3.connect(\"py-plain.sqlite\"); c.execute(\"create table t(a, b)\"); c.executemany(\"insert into t values (?, ?)\", [(i, str(i)) for i in range(500)]); c.commit()'"
row py-wal.db python3 "db sqlite sqlite3" "py 'import sqlite3; c = sqlite3.connect(\"py-wal.db\"); c.execute(\"pragma journal_mode=wal\"); c.execute(\"create table t(x)\"); c.commit(); c.close()'"
row py-page512.sqlite3 python3 "sqlite3 sqlite db" "py 'import sqlite3; c = sqlite3.connect(\"py-page512.sqlite3\"); c.execute(\"pragma page_size=512\"); c.execute(\"create table t(x)\"); c.execute(\"insert into t values (zeroblob(3000))\"); c.commit()'"
for protocol in 0 2 4 5; do
  row "py-p$protocol.pkl" python3 "pkl pickle" "py 'import pickle; pickle.dump({\"a\": [1, 2, 3], \"b\": (\"x\", 2.5)}, open(\"py-p$protocol.pkl\", \"wb\"), protocol=$protocol)'"
done
row py-mono8.wav python3 "wav wave" "py 'import wave, math; w = wave.open(\"py-mono8.wav\", \"wb\"); w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000); w.writeframes(bytes(int(128 + 100 * math.sin(i / 5)) for i in range(4000)))'"
row py-stereo16.wav python3 "wav wave" "py 'import wave; w = wave.open(\"py-stereo16.wav\", \"wb\"); w.setnchannels(2); w.setsampwidth(2); w.setframerate(44100); w.writeframes(bytes(4 * 5000))'"
row py-sunau.au python3 "au snd" "py 'import sunau; w = sunau.open(\"py-sunau.au\", \"wb\"); w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000); w.writeframes(bytes(range(256)) * 20); w.close()'"
row py-aifc.aiff python3 "aiff aif" "py 'import aifc; w = aifc.open(\"py-aifc.aiff\", \"wb\"); w.aiff(); w.setnchannels(1); w.setsampwidth(2); w.setframerate(8000); w.writeframes(bytes(range(256)) * 20); w.close()'"
for method in ZIP_STORED ZIP_DEFLATED ZIP_BZIP2 ZIP_LZMA; do
  row "py-$method.zip" python3 "zip" "py 'import zipfile; z = zipfile.ZipFile(\"py-$method.zip\", \"w\", zipfile.$method); z.write(\"ledger.csv\"); z.writestr(\"notes/readme.txt\", \"hello \" * 100); z.close()'"
done
for mode in "w|tar|tar" "w:gz|tgz|tgz gz" "w:bz2|tar.bz2|bz2 tbz2 tbz" "w:xz|tar.xz|xz txz"; do
  IFS='|' read -r tmode ext accepted <<<"$mode"
  row "py-tarfile.$ext" python3 "$accepted" "py 'import tarfile; t = tarfile.open(\"py-tarfile.$ext\", \"$tmode\"); t.add(\"tree\"); t.close()'"
done
row py-gzip.gz python3 "gz gzip" "py 'import gzip; gzip.open(\"py-gzip.gz\", \"wb\").write(open(\"ledger.csv\", \"rb\").read())'"
row py-bz2.bz2 python3 "bz2 bz" "py 'import bz2; bz2.open(\"py-bz2.bz2\", \"wb\").write(open(\"ledger.csv\", \"rb\").read())'"
row py-lzma.xz python3 "xz" "py 'import lzma; lzma.open(\"py-lzma.xz\", \"wb\").write(open(\"ledger.csv\", \"rb\").read())'"
row py-alone.lzma python3 "lzma" "py 'import lzma; lzma.open(\"py-alone.lzma\", \"wb\", format=lzma.FORMAT_ALONE).write(open(\"ledger.csv\", \"rb\").read())'"
row py-config.ini python3 "ini cfg conf" "py 'import configparser; c = configparser.ConfigParser(); c[\"server\"] = {\"host\": \"example.org\", \"port\": \"8080\"}; c[\"paths\"] = {\"data\": \"/srv/data\"}; c.write(open(\"py-config.ini\", \"w\"))'"
row py-message.eml python3 "eml" "py 'from email.message import EmailMessage; m = EmailMessage(); m[\"From\"] = \"a@example.org\"; m[\"To\"] = \"b@example.org\"; m[\"Subject\"] = \"Tides\"; m.set_content(\"The tide turns at noon.\"); open(\"py-message.eml\", \"wb\").write(bytes(m))'"
row py-mailbox.mbox python3 "mbox" "py 'import mailbox; from email.message import EmailMessage; b = mailbox.mbox(\"py-mailbox.mbox\"); m = EmailMessage(); m[\"From\"] = \"a@example.org\"; m[\"Subject\"] = \"One\"; m.set_content(\"first\"); b.add(m); b.add(m); b.flush()'"
row py-uu.uue python3 "uue uu" "uuencode random.bin random.bin > py-uu.uue"

# ---- Keys, certificates, fonts, translations ----------------------------------------
row ssl-rsa.pem openssl "pem key" "openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:1024 -out ssl-rsa.pem"
row ssl-ec.key openssl "key pem" "openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out ssl-ec.key"
row ssl-rsa.der openssl "der key" "openssl pkey -in ssl-rsa.pem -outform DER -out ssl-rsa.der 2>/dev/null || (openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:1024 -out r.pem && openssl pkey -in r.pem -outform DER -out ssl-rsa.der)"
openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out ca.key 2>>"$log"
openssl req -x509 -key ca.key -subj "/CN=Tidal CA/O=Walker" -days 30 -out ca.pem 2>>"$log"
row ssl-cert.crt openssl "crt pem cer" "cp ca.pem ssl-cert.crt"
row ssl-cert.cer openssl "cer der crt" "openssl x509 -in ca.pem -outform DER -out ssl-cert.cer"
row ssl-request.csr openssl "csr pem" "openssl req -new -key ca.key -subj /CN=leaf -out ssl-request.csr"
row ssl-request-der.csr openssl "csr der" "openssl req -new -key ca.key -subj /CN=leaf -outform DER -out ssl-request-der.csr"
row ssl-public.pem openssl "pem pub" "openssl pkey -in ca.key -pubout -out ssl-public.pem"
row ssl-bundle.pfx openssl "pfx p12" "openssl pkcs12 -export -in ca.pem -inkey ca.key -passout pass:x -out ssl-bundle.pfx"
row ssl-chain.p7b openssl "p7b p7c pem" "openssl crl2pkcs7 -nocrl -certfile ca.pem -out ssl-chain.p7b"
row ssl-chain-der.p7b openssl "p7b p7c der" "openssl crl2pkcs7 -nocrl -certfile ca.pem -outform DER -out ssl-chain-der.p7b"
row ssl-signed.p7m openssl "p7m p7s der" "openssl cms -sign -binary -in essay.md -signer ca.pem -inkey ca.key -outform DER -out ssl-signed.p7m"
row gpg-key.asc gpg "asc" "gpg --batch --quiet --passphrase '' --quick-gen-key 'Tidal <t@example.org>' ed25519 sign never && gpg --batch --armor --export > gpg-key.asc"
row gpg-key.gpg gpg "gpg pgp" "gpg --batch --export > gpg-key.gpg"
row gpg-signed.gpg gpg "gpg pgp" "gpg --batch --yes --sign -o gpg-signed.gpg essay.md"
row gpg-detached.sig gpg "sig" "gpg --batch --yes --detach-sign -o gpg-detached.sig essay.md"
row gpg-symmetric.gpg gpg "gpg pgp" "gpg --batch --yes --passphrase x --pinentry-mode loopback -c -o gpg-symmetric.gpg essay.md"
row gpg-armored.asc gpg "asc" "gpg --batch --yes --armor --sign -o gpg-armored.asc essay.md"
gpgconf --kill gpg-agent >/dev/null 2>&1 # the agent those rows started, in this run's own home
fontforge_font='import fontforge, sys
f = fontforge.font()
f.fontname = sys.argv[2]; f.familyname = sys.argv[2]; f.fullname = sys.argv[2]
for code in range(65, 65 + int(sys.argv[3])):
    g = f.createChar(code)
    pen = g.glyphPen(); pen.moveTo((50, 0)); pen.lineTo((50 + code % 7 * 40, 650)); pen.lineTo((450, 0)); pen.closePath()
    g.width = 520
f.save(sys.argv[1]) if sys.argv[1].endswith(".sfd") else f.generate(sys.argv[1])'
for ext in ttf otf woff svg pfb pfa sfd; do
  case $ext in svg) accepted="svg" ;; pfa) accepted="pfa t1" ;; *) accepted=$ext ;; esac
  row "ff-Reef.$ext" fontforge "$accepted" "fontforge -quiet -lang=py -c \"\$fontforge_font\" ff-Reef.$ext Reef 5"
  row "ff-Shoal.$ext" fontforge "$accepted" "fontforge -quiet -lang=py -c \"\$fontforge_font\" ff-Shoal.$ext Shoal 26"
done
row ff-Reef.woff2 woff2_compress "woff2" "cp $sources/ff-Reef.ttf r2.ttf && woff2_compress r2.ttf && mv r2.woff2 ff-Reef.woff2"
row ff-Shoal.woff2 woff2_compress "woff2" "cp $sources/ff-Shoal.otf s2.otf && woff2_compress s2.otf && mv s2.woff2 ff-Shoal.woff2"
printf '#include <libintl.h>\n#define _(s) gettext(s)\nconst char *a = _("Tide table");\nconst char *b = _("Low water");\n' >strings.c
row gettext-strings.pot xgettext "pot po" "xgettext -k_ -o gettext-strings.pot strings.c"
row gettext-ja.po msginit "po" "xgettext -k_ -o s.pot strings.c && msginit --no-translator -l ja_JP.UTF-8 -i s.pot -o gettext-ja.po"
row gettext-ja.mo msgfmt "mo gmo" "xgettext -k_ -o s.pot strings.c && msgen s.pot > s.po && msgfmt -o gettext-ja.mo s.po"
row gettext-big.mo msgfmt "mo gmo" "xgettext -k_ -o s.pot strings.c && msgen s.pot > s.po && msgfmt --endianness=big -o gettext-big.mo s.po"
row gettext-ja.gmo msgfmt "gmo mo" "xgettext -k_ -o s.pot strings.c && msgen s.pot > s.po && msgfmt -o gettext-ja.gmo s.po"
row sqlite3-dump.sql sqlite3 "sql" "sqlite3 d.sqlite 'create table pools(name text, count int); insert into pools values (\"north\", 14);' && sqlite3 d.sqlite .dump > sqlite3-dump.sql"
row sqlite3-cli.db sqlite3 "db sqlite sqlite3" "sqlite3 sqlite3-cli.db 'create table t(a); insert into t values (1);'"

# ---- Text in legacy Japanese encodings and UTF-16 (iconv) --------------------------
pandoc -t plain recipe.md -o recipe.txt 2>>"$log" || cp recipe.md recipe.txt
for encoding in SHIFT_JIS EUC-JP UTF-16 UTF-16LE UTF-16BE ISO-2022-JP CP932; do
  row "iconv-$encoding.txt" iconv "txt" "iconv -f UTF-8 -t $encoding recipe.txt > iconv-$encoding.txt"
done
row iconv-sjis.csv iconv "csv" "printf '名前,数\n豆腐,2\nわかめ,1\n' | iconv -f UTF-8 -t SHIFT_JIS > iconv-sjis.csv"
row iconv-utf16.srt iconv "srt" "iconv -f UTF-8 -t UTF-16 events.srt > iconv-utf16.srt"

# ---- Layout: three names per file ---------------------------------------------------
lay_out
