#!/usr/bin/env bash
# Builds a second held-out corpus, disjoint from the ones build_corpus.py and
# build_tool_corpus.sh make: other writers, other options of the same writers and other kinds
# of input, so that tuning against those two corpora cannot hide what tivex still gets wrong.
# The layout is theirs (files/NNNNN/{noext,right,wrong}/, manifest.tsv, list.txt):
#
#   bench/accuracy/build_fresh_corpus.sh [OUT]       # OUT defaults to /tmp/tivex-fresh-corpus
#   bench/accuracy/score.py --corpus /tmp/tivex-fresh-corpus --misses 200
#
# Every file comes from one row: row NAME TOOL "ACCEPTED" COMMAND. COMMAND runs in the work
# folder and must leave NAME there; ACCEPTED lists the extensions a knowledgeable person
# accepts for what the tool really wrote, the usual one first. A missing tool is noted once
# and its rows are skipped; a row whose command fails is listed at the end. Nothing is installed.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Families whose content is text: such a file may rightly keep any text extension, so its
# wrong name is never txt, html or xml.
text_families=" txt html xml json csv tsv svg ps eps xpm xbm pem crl key pub asc csr der64 diff patch uue
  b64 hex srec c sh py pl js css java go rs tcl sql yaml yml toml ini ics vcf desktop log mk cmake md rst
  tex rtf fodt fods fodp fodg fo po pot properties jsonl ndjson geojson m3u m3u8 pls mpd ism mvg cals pvf
  dat srt sub vtt ass scc ttml jss lrc ffmeta man 1 ms me dot gv pic mp pov tk vml vdx imap map plain
  fig xdot ps2 eps3 t42 pt3 bdf pfa sfd sxf mtv txtim ipynb native muse wiki xwiki zim markua adoc
  textile opml fb2 dbk bib nt ttl rdf kml gpx slk dif eml mbox dtd xsd xsl wsdl "
wrong_pool=(dat png pdf txt mp3 docx jpg zip html exe gif xml json)

corpus=build_fresh_corpus
# shellcheck source=bench/accuracy/corpus_rows.sh
source "$here/corpus_rows.sh"
start_corpus /tmp/tivex-fresh-corpus 1650000000 "${1:-}"

# ---- Inputs (kept out of the corpus) ---------------------------------------------------
cat >voyage.md <<'TEXT'
# Logbook of the *Marguerite*

Day 3. Wind from the south-west, force 4. We passed the lighthouse at
**09:20** and anchored in the lee of the island before dusk.

## Provisions

| item      | start | left |
|-----------|------:|-----:|
| water (l) |   120 |   84 |
| biscuits  |    60 |   41 |
| lemons    |    24 |   19 |

* check the bilge pump
* re-splice the jib sheet

> The barometer fell two millibars in an hour.

Day 4. Calm; we rowed.
TEXT
cat >kaiwa.md <<'TEXT'
# 旅行の記録

三日目は雨でした。午前中は**博物館**へ行き、午後は駅前の喫茶店で手紙を書きました。

- 切符を買う
- 宿に電話する

明日は晴れるそうです。
TEXT
printf 'Привет, мир! Это короткая заметка о погоде: сегодня холодно и ветрено.\nЗавтра будет снег.\n' >russian.txt
printf '今天天气很好，我们去公园散步。晚上吃了饺子和面条。\n明天要去图书馆还书。\n' >chinese.txt
printf 'Café crème, façade, naïve, Ærø and Straße: the usual suspects of Latin-1.\nÉté à Noël.\n' >latin.txt
printf '오늘은 날씨가 좋습니다. 공원에서 산책을 했습니다.\n' >korean.txt
printf 'station,lat,lon,depth_m\nA1,43.21,5.37,12.5\nA2,43.25,5.31,30.0\nB7,43.30,5.12,55.2\n' >stations.csv
python3 - >sales.csv <<'PY'
import random
random.seed(21)
print("region;month;units;revenue")
for i in range(60):
    print("%s;%d;%d;%.2f" % (random.choice(["north", "south", "east"]), i % 12 + 1, random.randint(1, 90),
                             random.uniform(10, 9000)))
PY
python3 -c 'import random; random.seed(42); open("noise.bin","wb").write(bytes(random.getrandbits(8) for _ in range(50000)))'
seq 1 4000 >numbers.txt
cat >calc.c <<'TEXT'
#include <stdio.h>
static double area(double w, double h) { return w * h; }
double perimeter(double w, double h) { return 2 * (w + h); }
int main(void) { printf("%f %f\n", area(3, 4), perimeter(3, 4)); return 0; }
TEXT
printf 'int twice(int v) { return v * 2; }\nint thrice(int v) { return v * 3; }\n' >mult.c
printf 'int main(void) { return 7; }\n' >seven.c
printf 'long add(long a, long b) { return a + b; }\n' >add.c
cat >dialog.srt <<'TEXT'
1
00:00:00,800 --> 00:00:02,400
Where is the harbour?

2
00:00:02,600 --> 00:00:04,900
Two streets down, then left.
TEXT
mkdir -p box/text box/pics
cp voyage.md kaiwa.md stations.csv box/text/
cp noise.bin numbers.txt box/
touch -d @1650000000 box box/* box/*/* 2>/dev/null

im=convert-im6.q16
if have "$im"; then
  $im -size 200x150 radial-gradient:white-darkgreen f-radial.png
  $im -seed 3 -size 256x192 plasma:red-blue f-plasma.png
  $im wizard: -resize 50% f-wizard.png
  $im -size 300x80 -background khaki -fill navy -pointsize 32 label:'Harbour 42' f-label.png
  $im -size 128x128 xc:none -fill 'rgba(0,128,255,0.6)' -draw 'roundrectangle 8,8 120,120 20,20' f-translucent.png
  $im -size 160x100 pattern:checkerboard -monochrome f-checker.png
  $im f-plasma.png f-plasma.ppm
  $im f-checker.png f-checker.pbm
  $im f-radial.png -colorspace Gray f-radial.pgm
  $im f-wizard.png -quality 85 f-wizard.jpg
  cp f-wizard.png box/pics/
fi
sox_ok=0
if have sox; then
  sox -R -n -r 16000 -c 1 -b 16 f-voice.wav synth 0.7 pluck C3 pluck E3 && sox_ok=1
  sox -R -n -r 48000 -c 2 -b 16 f-music.wav synth 1.0 square 220 sine 660 vol 0.3
  sox -R -n -r 11025 -c 1 -b 8 f-low.wav synth 0.5 noise vol 0.2
fi
ffx() { ffmpeg -nostdin -v error -y "$@"; }
if have ffmpeg; then
  ffx -f lavfi -i life=size=96x64:rate=10:mold=10 -t 1 -pix_fmt yuv420p f-life.y4m
  ffx -f lavfi -i rgbtestsrc=size=128x96:rate=8 -t 1 -pix_fmt yuv420p f-rgb.y4m
  ffx -f lavfi -i cellauto=size=120x80:rate=12 -t 1 -pix_fmt yuv420p f-cell.y4m
fi

# ---- Images: ImageMagick with options the other corpora do not use ---------------------
jpg="jpg jpeg jpe jfif"
tif="tif tiff"
rows png "$im" \
  "im-gray16.png|$im f-radial.pgm -depth 16 im-gray16.png" \
  "im-graya.png|$im f-translucent.png -colorspace Gray -define png:color-type=4 im-graya.png" \
  "im-trns.png|$im f-translucent.png -colors 12 PNG8:im-trns.png" \
  "im-png48.png|$im f-plasma.png PNG48:im-png48.png" \
  "im-png64.png|$im f-translucent.png PNG64:im-png64.png" \
  "im-1bit.png|$im f-checker.png -define png:bit-depth=1 -define png:color-type=0 im-1bit.png" \
  "im-label.png|cp f-label.png im-label.png" \
  "im-huge.png|$im -size 4000x3000 xc:skyblue im-huge.png" \
  "im-interlaced16.png|$im f-plasma.png -depth 16 -interlace PNG im-interlaced16.png" \
  "im-text.png|$im -size 400x200 -background white -fill black -pointsize 14 caption:'The quick brown fox jumps over the lazy dog. 0123456789' im-text.png"
rows "$jpg" "$im" \
  "im-icc.jpg|$im f-wizard.png -profile /usr/share/color/icc/ghostscript/srgb.icc im-icc.jpg" \
  "im-arith.jpg|$im f-wizard.png -define jpeg:arithmetic-coding=true im-arith.jpg" \
  "im-comment.jpg|$im f-plasma.png -comment 'taken at the harbour' im-comment.jpg" \
  "im-q100.jpg|$im f-label.png -quality 100 -sampling-factor 1x1 im-q100.jpg" \
  "im-restart.jpg|$im f-plasma.png -define jpeg:restart-interval=2 im-restart.jpg" \
  "im-gray-prog.jpg|$im f-radial.pgm -interlace Plane im-gray-prog.jpg" \
  "im-cmyk-icc.jpg|$im f-wizard.png -profile /usr/share/color/icc/ghostscript/srgb.icc -profile /usr/share/color/icc/ghostscript/default_cmyk.icc im-cmyk-icc.jpg" \
  "im-huge.jpg|$im -size 3000x2000 xc:olive -quality 30 im-huge.jpg" \
  "im-pjpeg.jpg|$im f-plasma.png PJPEG:im-pjpeg.jpg"
rows "$tif" "$im" \
  "im-cmyk.tif|$im f-wizard.png -colorspace CMYK im-cmyk.tif" \
  "im-tiled.tif|$im f-plasma.png -define tiff:tile-geometry=64x64 im-tiled.tif" \
  "im-pages-jpeg.tif|$im f-plasma.png f-wizard.png f-label.png -compress JPEG im-pages-jpeg.tif" \
  "im-predictor.tif|$im f-plasma.png -compress LZW -define tiff:predictor=2 im-predictor.tif" \
  "im-fax.tif|$im f-checker.png -compress Fax im-fax.tif" \
  "im-packbits.tif|$im f-label.png -compress RLE im-packbits.tif" \
  "im-alpha.tif|$im f-translucent.png -compress Zip im-alpha.tif" \
  "im-msb-lzw.tiff|$im f-wizard.png -endian MSB -compress LZW im-msb-lzw.tiff" \
  "im-1bit.tif|$im f-checker.png -compress None im-1bit.tif"
rows gif "$im" \
  "im-2color.gif|$im f-checker.png -colors 2 im-2color.gif" \
  "im-transparent.gif|$im f-translucent.png im-transparent.gif" \
  "im-long.gif|$im -delay 5 f-radial.png f-plasma.png f-label.png f-wizard.png -resize 64x64! -loop 3 im-long.gif"
rows "bmp dib" "$im" \
  "im-v4.bmp|$im f-plasma.png -define bmp:format=bmp4 im-v4.bmp" \
  "im-v5alpha.bmp|$im f-translucent.png -define bmp:format=bmp5 im-v5alpha.bmp" \
  "im-rgb565.bmp|$im f-plasma.png -define bmp:subtype=RGB565 im-rgb565.bmp" \
  "im-1bit.bmp|$im f-checker.png -type bilevel BMP3:im-1bit.bmp" \
  "im-palette.bmp|$im f-wizard.png -colors 200 -type palette BMP3:im-palette.bmp" \
  "im-v2gray.bmp|$im f-radial.pgm BMP2:im-v2gray.bmp"
rows ico "$im" \
  "im-png256.ico|$im f-wizard.png -define icon:auto-resize=256,48,16 im-png256.ico" \
  "im-icon.ico|$im f-label.png -resize 32x32! ICON:im-icon.ico"
# ImageMagick's CUR coder writes an ordinary icon (type 1), so the row is named for what it is.
row im-pointer-cur.ico "$im" "ico" "$im f-translucent.png -resize 32x32 CUR:im-pointer-cur.ico"
rows webp "$im" \
  "im-lossy-alpha.webp|$im f-translucent.png -quality 40 im-lossy-alpha.webp" \
  "im-anim.webp|$im -delay 20 f-radial.png f-plasma.png -resize 96x96! -loop 0 im-anim.webp"
row im-anim.png "$im" "apng png" "$im -delay 20 f-radial.png f-plasma.png -resize 64x64! APNG:im-anim.png"
rows "pam" "$im" \
  "im-alpha.pam|$im f-translucent.png im-alpha.pam" \
  "im-gray16.pam|$im f-radial.pgm -depth 16 im-gray16.pam"
row im-gray.pfm "$im" "pfm" "$im f-radial.pgm -colorspace Gray im-gray.pfm"
row im-16.ppm "$im" "ppm pnm" "$im f-plasma.png -depth 16 im-16.ppm"
# Writers that neither of the other corpora reaches.
# Headerless writers (WBMP, OTB, RGF, Palm, JBIG, MTV) are left out: nothing in their bytes
# names them. ImageMagick's JPM coder writes a plain JP2 file, named here for what it is.
im_rare=(
  "pict|pict pct pic" "psb|psb" "vips|vips v" "eps3|eps" "ai|ai pdf" "cals|cals cal ct1 ras"
  "txtim|txt" "pcl|pcl" "epdf|pdf" "jpm|jp2" "pdb|pdb"
)
for entry in "${im_rare[@]}"; do
  ext=${entry%%|*}
  coder=$(tr a-z A-Z <<<"$ext")
  case $ext in txtim) coder=TXT file_ext=txt ;; eps3) file_ext=eps ;; epdf) file_ext=pdf ;; jpm) file_ext=jp2 ;;
    *) file_ext=$ext ;; esac
  for seed in checker wizard; do
    row "im-$seed-$ext.$file_ext" "$im" "${entry#*|}" "$im f-$seed.png -resize 96x96 $coder:im-$seed-$ext.$file_ext"
  done
done

# ---- Images: GraphicsMagick, netpbm, libtiff, webp, jxl, heif, poppler ----------------
rows "$tif" gm \
  "gm-g3.tif|gm convert f-checker.png -compress Fax gm-g3.tif" \
  "gm-cmyk.tif|gm convert f-wizard.png -colorspace CMYK gm-cmyk.tif" \
  "gm-pages.tif|gm convert f-radial.png f-plasma.png gm-pages.tif"
rows "$jpg" gm \
  "gm-q20.jpg|gm convert f-plasma.png -quality 20 gm-q20.jpg" \
  "gm-gray.jpg|gm convert f-radial.pgm gm-gray.jpg"
rows png gm \
  "gm-palette.png|gm convert f-wizard.png -colors 32 gm-palette.png" \
  "gm-16.png|gm convert f-plasma.png -depth 16 gm-16.png"
for entry in "pict|pict pct pic" "cals|cals cal ct1" "sgi|sgi rgb"; do
  ext=${entry%%|*}
  row "gm-checker.$ext" gm "${entry#*|}" "gm convert f-checker.png -resize 64x64 gm-checker.$ext"
done
netpbm_rows=(
  "pamtotiff|f-plasma.ppm|tif|tif tiff" "pbmtoepsi|f-checker.pbm|epsi|epsi eps"
  "pbmtolj|f-checker.pbm|pcl|pcl prn" "pamtowinicon|f-plasma.ppm|ico|ico" "pbmtoicon|f-checker.pbm|icon|icon"
  "ppmtoleaf|f-plasma.ppm|leaf|leaf iml" "pnmtoddif|f-plasma.ppm|ddif|ddif" "pamtohdiff|f-plasma.ppm|pam|pam"
  "pbmtomgr|f-checker.pbm|mgr|mgr" "pnmtopng|f-radial.pgm|png|png" "ppmtojpeg|f-plasma.ppm|jpg|jpg jpeg jpe jfif" "pnmtoplainpnm|f-plasma.ppm|ppm|ppm pnm"
)
for entry in "${netpbm_rows[@]}"; do
  IFS='|' read -r tool input ext accepted <<<"$entry"
  row "netpbm-$tool.$ext" "$tool" "$accepted" "$tool $input > netpbm-$tool.$ext"
done
row netpbm-pamtosvg.svg pamtosvg "svg" "pamtosvg f-checker.pbm > netpbm-pamtosvg.svg"
rows "$tif" tiffcp \
  "tiffcp-deflate.tif|$im f-plasma.png t-in.tif && tiffcp -c zip t-in.tif tiffcp-deflate.tif" \
  "tiffcp-tiles.tif|$im f-plasma.png t-in.tif && tiffcp -t -w 32 -l 32 t-in.tif tiffcp-tiles.tif" \
  "tiffcp-strips.tif|$im f-plasma.png t-in.tif && tiffcp -s -r 4 -c packbits t-in.tif tiffcp-strips.tif" \
  "tiffcp-bigtiff.tif|$im f-plasma.png t-in.tif && tiffcp -8 t-in.tif tiffcp-bigtiff.tif"
row ppm2tiff-plasma.tif ppm2tiff "$tif" "ppm2tiff -c lzw f-plasma.ppm ppm2tiff-plasma.tif"
row tiff2ps-plasma.ps tiff2ps "ps eps" "$im f-plasma.png t-in.tif && tiff2ps -a t-in.tif > tiff2ps-plasma.ps"
row tiff2ps-plasma.eps tiff2ps "eps ps" "$im f-plasma.png t-in.tif && tiff2ps -e t-in.tif > tiff2ps-plasma.eps"
row cwebp-alpha-lossy.webp cwebp "webp" "cwebp -quiet -q 30 -alpha_q 50 f-translucent.png -o cwebp-alpha-lossy.webp"
row cwebp-nearlossless.webp cwebp "webp" "cwebp -quiet -near_lossless 60 f-plasma.png -o cwebp-nearlossless.webp"
for entry in "ppm|ppm pnm" "pam|pam" "tiff|tiff tif" "bmp|bmp dib" "pgm|pgm pnm"; do
  ext=${entry%%|*}
  row "dwebp-out.$ext" dwebp "${entry#*|}" "cwebp -quiet -q 50 f-plasma.png -o w.webp && dwebp -quiet w.webp -$ext -o dwebp-out.$ext"
done
row dwebp-out.png dwebp "png" "cwebp -quiet -q 50 f-plasma.png -o w.webp && dwebp -quiet w.webp -o dwebp-out.png"
for entry in "png|png" "ppm|ppm pnm" "pgm|pgm pnm" "apng|apng png"; do
  ext=${entry%%|*}
  input=f-plasma.png
  [ "$ext" = pgm ] && input=f-radial.pgm
  row "djxl-out.$ext" djxl "${entry#*|}" "cjxl --quiet -d 1 $input j.jxl && djxl --quiet j.jxl djxl-out.$ext"
done
row cjxl-effort1.jxl cjxl "jxl" "cjxl --quiet -e 1 -d 3 f-radial.png cjxl-effort1.jxl"
row cjxl-container.jxl cjxl "jxl" "cjxl --quiet --container=1 -d 1 f-plasma.png cjxl-container.jxl"
row cjxl-anim.jxl cjxl "jxl" "$im -delay 10 f-radial.png f-plasma.png -resize 64x64! a.gif && cjxl --quiet a.gif cjxl-anim.jxl"
row heif-lossless.heic heif-enc "heic heif" "heif-enc -L f-radial.png -o heif-lossless.heic"
row ffmpeg-still.avif ffmpeg "avif" "ffx -i f-plasma.png -c:v libaom-av1 -still-picture 1 -cpu-used 8 -f avif ffmpeg-still.avif"
# ffmpeg's still-image encoders that the other corpora leave out.
# name|accepted|options; ffmpeg wraps its JPEG 2000 in a JP2 box, and its pgmyuv and lossless JPEG
# are an ordinary PGM and JPEG, so those rows are named for what they are.
ffmpeg_stills=("exr|exr|-c:v exr" "jls|jls|-c:v jpegls" "j2k.jp2|jp2|-c:v jpeg2000 -f image2" "jxl|jxl|-c:v libjxl"
  "pfm|pfm|-c:v pfm -pix_fmt gbrpf32le" "phm|phm|-c:v phm -pix_fmt gbrpf32le" "fits|fits fit fts|-c:v fits"
  "yuv.pgm|pgm pnm|-c:v pgmyuv" "tiff|tiff tif|-c:v tiff -compression_algo deflate"
  "png|png|-pix_fmt rgb48be" "bmp|bmp dib|-pix_fmt rgb555le" "lossless.jpg|$jpg|-c:v ljpeg -strict -2 -f image2")
for entry in "${ffmpeg_stills[@]}"; do
  IFS='|' read -r ext accepted args <<<"$entry"
  row "ffmpeg-still-${ext//./-}.${ext##*.}" ffmpeg "$accepted" "ffx -i f-plasma.png $args -frames:v 1 -update 1 ffmpeg-still-${ext//./-}.${ext##*.}"
done
row ffmpeg-mjpeg.jpg ffmpeg "$jpg" "ffx -i f-rgb.y4m -frames:v 1 -q:v 3 ffmpeg-mjpeg.jpg"

# ---- PDF and page description: poppler, ghostscript, qpdf, graphviz, groff ----------
printf 'digraph port { rankdir=TB; node [shape=ellipse]; quay -> warehouse -> market; quay -> ferry; ferry -> island; }\n' >port.gv
printf 'graph ring { a -- b -- c -- d -- a; a -- c; }\n' >ring.gv
dot -Tpdf port.gv -o port.pdf 2>>"$log"
dot -Tps port.gv -o port.ps 2>>"$log"
for entry in "png|png|-png" "jpeg|$jpg|-jpeg" "tiff|$tif|-tiff" "ppm|ppm pnm|" "pgm|pgm pnm|-gray" "pbm|pbm pnm|-mono"; do
  IFS='|' read -r kind accepted option <<<"$entry"
  row "pdftoppm-$kind.${accepted%% *}" pdftoppm "$accepted" "pdftoppm -r 30 -singlefile $option port.pdf p && mv p.* pdftoppm-$kind.${accepted%% *}"
done
for entry in "svg|svg|-svg" "ps|ps|-ps" "eps|eps ps|-eps" "pdf|pdf|-pdf" "png|png|-png -singlefile" "jpg|$jpg|-jpeg -singlefile"; do
  IFS='|' read -r ext accepted option <<<"$entry"
  row "pdftocairo-port.$ext" pdftocairo "$accepted" "pdftocairo $option port.pdf pc && mv pc* pdftocairo-port.$ext"
done
row pdftotext-layout.txt pdftotext "txt" "pdftotext -layout port.pdf pdftotext-layout.txt"
row pdftotext-meta.html pdftotext "html htm" "pdftotext -htmlmeta port.pdf pdftotext-meta.html"
row pdftotext-bbox.html pdftotext "html htm xhtml" "pdftotext -bbox port.pdf pdftotext-bbox.html"
row pdfunite-two.pdf pdfunite "pdf" "dot -Tpdf ring.gv -o ring.pdf && pdfunite port.pdf ring.pdf pdfunite-two.pdf"
gs_devices=("tiff32nc|tif|$tif" "tiffgray|tif|$tif" "jpeggray|jpg|$jpg" "pngalpha|png|png" "png256|png|png"
  "pngmono|png|png" "bmpmono|bmp|bmp dib" "bmp256|bmp|bmp dib" "pkmraw|ppm|ppm pnm" "ppmraw|ppm|ppm pnm"
  "pamcmyk32|pam|pam" "pcxmono|pcx|pcx" "pcx24b|pcx|pcx" "psdrgb|psd|psd" "txtwrite|txt|txt" "xpswrite|xps|xps oxps"
  "pxlmono|pxl|pxl pcl" "ljet2p|pcl|pcl prn" "inkcov|txt|txt" "bbox|txt|txt")
for entry in "${gs_devices[@]}"; do
  IFS='|' read -r device ext accepted <<<"$entry"
  row "gs-$device.$ext" gs "$accepted" "gs -q -dBATCH -dNOPAUSE -dSAFER -r24 -sDEVICE=$device -sOutputFile=gs-$device.$ext port.ps > gs-$device.$ext.stdout 2>&1; [ -s gs-$device.$ext ] || mv gs-$device.$ext.stdout gs-$device.$ext"
done
row gs-pdfa.pdf gs "pdf" "gs -q -dBATCH -dNOPAUSE -dSAFER -dPDFA=2 -dPDFACompatibilityPolicy=1 -sColorConversionStrategy=RGB -sDEVICE=pdfwrite -sOutputFile=gs-pdfa.pdf port.ps"
row gs-pdf13.pdf gs "pdf" "gs -q -dBATCH -dNOPAUSE -dSAFER -dCompatibilityLevel=1.3 -sDEVICE=pdfwrite -sOutputFile=gs-pdf13.pdf port.ps"
row ps2pdf-ebook.pdf ps2pdf "pdf" "ps2pdf -dPDFSETTINGS=/ebook port.ps ps2pdf-ebook.pdf"
row ps2ps-port.ps ps2ps "ps" "ps2ps port.ps ps2ps-port.ps"
row pdf2ps-port.ps pdf2ps "ps" "pdf2ps port.pdf pdf2ps-port.ps"
row ps2eps-port.eps ps2epsi "epsi eps" "ps2epsi port.ps ps2eps-port.eps"
rows pdf qpdf \
  "qpdf-rc4-40.pdf|qpdf --allow-weak-crypto --encrypt u o 40 -- port.pdf qpdf-rc4-40.pdf" \
  "qpdf-aes128.pdf|qpdf --encrypt '' own 128 --use-aes=y -- port.pdf qpdf-aes128.pdf" \
  "qpdf-linear.pdf|qpdf --linearize --object-streams=generate port.pdf qpdf-linear.pdf" \
  "qpdf-empty.pdf|qpdf --empty --pages port.pdf 1 -- qpdf-empty.pdf"
# Graphviz's mp writer emits FIG and its vml writer an HTML page, so those rows carry the
# extension of what is written.
graphviz_rows=("eps|eps ps" "svgz|svgz svg.gz gz" "pic|pic" "imap|map imap" "pov|pov"
  "tk|tk tcl" "mp|fig" "vdx|vdx xml" "vml|html htm" "dot_json|json" "plain-ext|txt plain" "jpe|jpe jpg jpeg jfif"
  "canon|gv dot" "xdot_json|json" "ps2|ps eps")
for entry in "${graphviz_rows[@]}"; do
  format=${entry%%|*} ext=${entry#*|} ext=${ext%% *}
  for graph in port ring; do
    row "dot-$graph-$format.$ext" dot "${entry#*|}" "dot -T$format $graph.gv -o dot-$graph-$format.$ext"
  done
done
pandoc -s -t man voyage.md -o voyage.1 2>>"$log"
for entry in "xhtml|xhtml|xhtml html htm" "lj4|pcl|pcl prn" "cp1047|txt|txt" "dvi|dvi|dvi"; do
  IFS='|' read -r device ext accepted <<<"$entry"
  row "groff-$device.$ext" groff "$accepted" "groff -man -T$device voyage.1 > groff-$device.$ext"
done
row groff-nocolor.txt groff "txt" "groff -man -Tutf8 -P-c voyage.1 > groff-nocolor.txt"
row groff-ms.ps groff "ps" "printf '.TL\nHarbour notes\n.AU\nA. Sailor\n.PP\nThe quay is long.\n.NH\nTides\n.PP\nHigh at noon.\n' | groff -ms -Tps > groff-ms.ps"
row man-ls.txt man "txt" "MANWIDTH=72 MANPAGER=cat man -P cat ./voyage.1 > man-ls.txt"
row man-ls-plain.txt man "txt" "MANWIDTH=72 MANPAGER=cat man -P cat ./voyage.1 | col -b > man-ls-plain.txt"

# ---- Documents: pandoc writers the other corpora do not use --------------------------
pandoc_rows=(
  "commonmark|md|md markdown" "commonmark_x|md|md markdown" "markdown_strict|md|md markdown" "markdown_mmd|md|md markdown"
  "markdown_phpextra|md|md markdown" "markua|md|md markdown" "muse|muse|muse" "zimwiki|txt|txt" "xwiki|txt|txt"
  "native|native|native hs txt" "dzslides|html|html htm" "slidy|html|html htm" "slideous|html|html htm" "s5|html|html htm"
  "html4|html|html htm" "docbook4|xml|xml dbk docbook" "jats_articleauthoring|xml|xml" "opendocument|xml|xml fodt"
  "asciidoctor|adoc|adoc asciidoc" "context|tex|tex" "latex|ltx|ltx tex latex" "epub2|epub|epub" "odt|odt|odt"
)
for entry in "${pandoc_rows[@]}"; do
  IFS='|' read -r format ext accepted <<<"$entry"
  for input in voyage kaiwa; do
    row "pandoc-$input-${format//_/-}.$ext" pandoc "$accepted" "pandoc -s --metadata title=Log -t $format $input.md -o pandoc-$input-${format//_/-}.$ext"
  done
done
row pandoc-voyage-ref.docx pandoc "docx" "pandoc --print-default-data-file reference.docx > ref.docx && pandoc --reference-doc ref.docx voyage.md -o pandoc-voyage-ref.docx"
row pandoc-toc.html pandoc "html htm" "pandoc -s --toc --self-contained --metadata title=Log voyage.md -o pandoc-toc.html"
row pandoc-fragment.html pandoc "html htm" "pandoc voyage.md -o pandoc-fragment.html"
row pandoc-fragment-ja.html pandoc "html htm" "pandoc kaiwa.md -o pandoc-fragment-ja.html"
row pandoc-rtf-fragment.rtf pandoc "rtf txt" "pandoc -t rtf voyage.md -o pandoc-rtf-fragment.rtf"

# ---- Documents: LibreOffice filters the other corpora do not use --------------------
office() { # office EXT[:FILTER] OUTDIR INPUT...: one LibreOffice run for all inputs
  mkdir -p "office/$2"
  soffice --headless --norestore --convert-to "$1" --outdir "office/$2" "${@:3}" >>"$log" 2>&1
}
if have soffice && have pandoc; then
  pandoc -s voyage.md -o w-voyage.docx 2>>"$log"
  pandoc -s kaiwa.md -o w-kaiwa.docx 2>>"$log"
  pandoc -s voyage.md -o i-voyage.pptx 2>>"$log"
  cp stations.csv c-stations.csv
  cp port.pdf d-port.pdf 2>/dev/null
  dot -Tsvg port.gv -o d-port.svg 2>>"$log"
  writer_in=(w-voyage.docx w-kaiwa.docx)
  office ott ott "${writer_in[@]}"
  office dotx dotx "${writer_in[@]}"
  office docm docm "${writer_in[@]}"
  office 'docx:Office Open XML Text' ooxml "${writer_in[@]}"
  office 'txt:Text (encoded):UTF8' txtu8 "${writer_in[@]}"
  office xhtml xhtml "${writer_in[@]}"
  office 'pdf:writer_pdf_Export:{"SelectPdfVersion":{"type":"long","value":"2"}}' pdfa "${writer_in[@]}"
  office png wpng "${writer_in[@]}"
  office uot uot "${writer_in[@]}"
  office 'xml:DocBook File' dbk "${writer_in[@]}"
  calc_in=(c-stations.csv)
  office ots ots "${calc_in[@]}"
  office xlsm xlsm "${calc_in[@]}"
  office xltx xltx "${calc_in[@]}"
  office dif dif "${calc_in[@]}"
  office slk slk "${calc_in[@]}"
  office dbf dbf "${calc_in[@]}"
  office 'xml:MS Excel 2003 XML' xml2003 "${calc_in[@]}"
  office 'csv:Text - txt - csv (StarCalc):9,34,76,1' tabcsv "${calc_in[@]}"
  office 'html:HTML (StarCalc)' calchtml "${calc_in[@]}"
  office 'xlsx:Calc Office Open XML' xlsxstrict "${calc_in[@]}"
  impress_in=(i-voyage.pptx)
  office otp otp "${impress_in[@]}"
  office ppsx ppsx "${impress_in[@]}"
  office pps pps "${impress_in[@]}"
  office potx potx "${impress_in[@]}"
  office pptm pptm "${impress_in[@]}"
  office 'svg:impress_svg_Export' isvg "${impress_in[@]}"
  office 'html:impress_html_Export' ihtml "${impress_in[@]}"
  office 'png:impress_png_Export' ipng "${impress_in[@]}"
  draw_in=(d-port.svg)
  office wmf wmf "${draw_in[@]}"
  office emf emf "${draw_in[@]}"
  office eps eps "${draw_in[@]}"
  office otg otg "${draw_in[@]}"
  office 'svg:draw_svg_Export' dsvg "${draw_in[@]}"
  office tif dtif "${draw_in[@]}"
  office bmp dbmp "${draw_in[@]}"
  office gif dgif "${draw_in[@]}"
  office jpg djpg "${draw_in[@]}"
  office webp dwebp "${draw_in[@]}"
fi
# folder|extension LibreOffice gives|accepted
office_rows=(
  "ott|ott|ott" "dotx|dotx|dotx" "docm|docm|docm docx" "ooxml|docx|docx"
  "txtu8|txt|txt" "xhtml|html|html htm xhtml" "pdfa|pdf|pdf" "wpng|png|png" "uot|uot|uot" "dbk|xml|xml dbk docbook"
  "ots|ots|ots" "xlsm|xlsm|xlsm xlsx" "xltx|xltx|xltx" "dif|dif|dif" "slk|slk|slk sylk"
  "dbf|dbf|dbf" "xml2003|xml|xml" "tabcsv|csv|csv tsv tab txt" "calchtml|html|html htm" "xlsxstrict|xlsx|xlsx"
  "otp|otp|otp" "ppsx|ppsx|ppsx pptx" "pps|pps|pps ppt" "potx|potx|potx" "pptm|pptm|pptm pptx" "isvg|svg|svg"
  "ihtml|html|html htm" "ipng|png|png" "wmf|wmf|wmf" "emf|emf|emf" "eps|eps|eps" "otg|otg|otg"
  "dsvg|svg|svg" "dtif|tif|tif tiff" "dbmp|bmp|bmp dib" "dgif|gif|gif" "djpg|jpg|$jpg" "dwebp|webp|webp"
)
for entry in "${office_rows[@]}"; do
  IFS='|' read -r folder ext accepted <<<"$entry"
  for made_file in office/"$folder"/*."$ext"; do
    [ -e "$made_file" ] || continue
    base=$(basename "$made_file" ".$ext")
    row "lo-$folder-$base.$ext" soffice "$accepted" "cp '$made_file' 'lo-$folder-$base.$ext'"
  done
done

# ---- Audio: sox formats the other corpus leaves out -------------------------------------
# Writers whose header names nothing (HTK, MAT4, SD2 data forks, SNDR, SOU, DVMS) are left out.
sox_rows=(
  "amr-nb|amr|-r 8000 -c 1|amr" "dat|dat||dat txt"
  "paf|paf||paf" "fap|fap||fap paf" "mat5|mat|-c 1|mat" "pvf|pvf|-c 1|pvf"
  "sds|sds|-c 1|sds" "xi|xi|-c 1|xi" "wv|wv||wv" "nist|nist||nist sph wav" "ircam|sf||sf ircam" "wavpcm|wav|-c 6 -b 24|wav wave"
  "wav|wav|-c 1 -e signed -b 32|wav wave" "wav|wav|-e floating-point -b 64|wav wave" "aiff|aiff|-b 24|aiff aif"
  "aifc|aifc|-e u-law|aifc aif aiff" "au|au|-e floating-point|au snd" "flac|flac|-b 24 -C 8|flac"
  "vorbis|ogg|-C 2|ogg oga" "caf|caf|-e u-law|caf" "voc|voc|-e signed -b 16|voc"
  "w64|w64|-e floating-point|w64" "8svx|8svx|-b 8 -c 1|8svx iff svx" "maud|maud|-e a-law -c 1|maud"
)
index=0
for entry in "${sox_rows[@]}"; do
  IFS='|' read -r type ext options accepted <<<"$entry"
  index=$((index + 1))
  for seed in voice music; do
    row "sox-$seed-$index.$ext" sox "$accepted" "sox f-$seed.wav $options -t $type sox-$seed-$index.$ext"
  done
done

# ---- Audio tools with options the other corpus does not use -----------------------------
rows mp3 lame \
  "lame-abr.mp3|lame --quiet --abr 96 f-music.wav lame-abr.mp3" \
  "lame-picture.mp3|lame --quiet -b 64 --ti f-wizard.jpg --tt Wizard --ta Nobody f-music.wav lame-picture.mp3" \
  "lame-v2only.mp3|lame --quiet -b 32 --id3v2-only --tt Voice --tc 'long comment text' f-voice.wav lame-v2only.mp3" \
  "lame-freeformat.mp3|lame --quiet --freeformat -b 80 f-voice.wav lame-freeformat.mp3" \
  "lame-mpeg25.mp3|lame --quiet -b 8 --resample 11.025 f-voice.wav lame-mpeg25.mp3"
rows flac flac \
  "flac-picture.flac|flac --silent --picture=f-wizard.jpg f-music.wav -o flac-picture.flac" \
  "flac-padding.flac|flac --silent --padding=65536 -T TITLE=Voice f-voice.wav -o flac-padding.flac" \
  "flac-seek.flac|flac --silent -S 1s --no-padding f-music.wav -o flac-seek.flac" \
  "flac-id3.flac|flac --silent f-voice.wav -o fl.flac && { printf 'ID3\\003\\000\\000\\000\\000\\000\\012'; head -c 10 /dev/zero; cat fl.flac; } > flac-id3.flac"
row flac-ogg-music.ogg flac "ogg oga" "flac --silent --ogg f-music.wav -o flac-ogg-music.ogg"
row oggenc-managed.ogg oggenc "ogg oga" "oggenc --quiet --managed -b 48 f-music.wav -o oggenc-managed.ogg"
row oggenc-comments.oga oggenc "oga ogg" "oggenc --quiet -c 'LYRICS=none' -G Folk f-voice.wav -o oggenc-comments.oga"
row opusenc-picture.opus opusenc "opus ogg" "opusenc --quiet --picture f-wizard.jpg f-music.wav opusenc-picture.opus"
row opusenc-hard.opus opusenc "opus ogg" "opusenc --quiet --hard-cbr --bitrate 16 f-voice.wav opusenc-hard.opus"
row speexenc-uwb.spx speexenc "spx ogg" "sox f-music.wav -r 32000 -c 1 m32.wav && speexenc -u --vbr m32.wav speexenc-uwb.spx"

# ---- Audio and video: ffmpeg muxers and options the other corpora do not use -----------
ffmpeg_audio=(
  "mp3|mp3|-c:a libmp3lame -b:a 64k -write_apetag 1 -metadata title=Tone -metadata artist=Nobody"
  "mp3|mp3|-c:a libmp3lame -q:a 7 -id3v2_version 3 -metadata album=Harbour -metadata comment=long"
  "aac|aac adts|-c:a aac -b:a 48k -write_id3v2 1 -metadata title=Voice" "aac|aac adts|-c:a aac -profile:a aac_low -ar 22050 -ac 1"
  "wav|wav wave|-c:a pcm_s16le -rf64 always" "wav|wav wave|-c:a pcm_s16le -write_bext 1 -metadata description=field"
  "wav|wav wave|-c:a pcm_f32le -ac 6" "wav|wav wave|-c:a adpcm_ima_wav" "wav|wav wave|-c:a libgsm_ms -ar 8000 -ac 1"
  "wav|wav wave|-c:a libmp3lame -b:a 32k -f wav" "wav|wav wave|-c:a pcm_s16le -write_bext 1 -write_peak on -ac 1"
  "aiff|aiff aif|-c:a pcm_s24be -write_id3v2 1 -metadata title=Voice" "aifc|aifc aif aiff|-c:a pcm_alaw -f aiff"
  "caf|caf|-c:a pcm_s24le" "caf|caf|-c:a adpcm_ima_qt" "caf|caf|-c:a libopus -ar 48000"
  "flac|flac|-c:a flac -compression_level 12" "m4a|m4a mp4|-c:a aac -b:a 32k -movflags +faststart"
  "m4b|m4b m4a mp4|-c:a aac -b:a 32k -f ipod" "mp4|mp4 m4a|-c:a flac -strict -2 -f mp4" "mp4|mp4 m4a|-c:a libopus -strict -2 -ar 48000 -f mp4"
  "mka|mka mkv|-c:a flac" "mka|mka mkv|-c:a pcm_s16le" "webm|webm weba|-c:a libvorbis -vn"
  "opus|opus ogg|-c:a libopus -application voip -b:a 12k" "ogg|ogg oga spx|-c:a libspeex -ar 16000 -ac 1"
  "ogg|ogg oga|-c:a flac" "ogg|ogg oga opus|-c:a libopus -f ogg"
  "c2|c2 codec2|-c:a libcodec2 -ar 8000 -ac 1 -mode 3200 -f codec2" "adx|adx|-c:a adpcm_adx"
  "apm|apm|-c:a adpcm_ima_apm -ac 1" "kvag|vag|-c:a adpcm_ima_ssi -f kvag"
  "rm|rm ra rmvb|-c:a real_144 -ar 8000 -ac 1" "ra|ra rm|-c:a ac3 -f rm" "latm|latm loas|-c:a aac -f latm" "ircam|sf ircam|-c:a pcm_s16le -f ircam" "tta|tta|-c:a tta -ac 1"
  "mp2|mp2 mpa|-c:a mp2fixed -b:a 64k -ac 1" "m2a|m2a mp2 mpa|-c:a mp2 -f mp2" "wv|wv|-c:a wavpack -ac 1 -b:a 96k"
)
index=0
for entry in "${ffmpeg_audio[@]}"; do
  IFS='|' read -r ext accepted args <<<"$entry"
  index=$((index + 1))
  for seed in voice music; do
    row "ffmpeg-$seed-a$index.$ext" ffmpeg "$accepted" "ffx -i f-$seed.wav $args -fflags +bitexact ffmpeg-$seed-a$index.$ext"
  done
done
row ffmpeg-cover.mp3 ffmpeg "mp3" "ffx -i f-music.wav -i f-wizard.jpg -map 0 -map 1 -c:a libmp3lame -b:a 64k -c:v copy -id3v2_version 3 -metadata:s:v comment='Cover (front)' ffmpeg-cover.mp3"
row ffmpeg-cover.m4a ffmpeg "m4a mp4" "ffx -i f-music.wav -i f-wizard.jpg -map 0 -map 1 -c:a aac -b:a 32k -c:v copy -disposition:v attached_pic ffmpeg-cover.m4a"
row ffmpeg-cover.flac ffmpeg "flac" "ffx -i f-music.wav -i f-wizard.jpg -map 0 -map 1 -c:a flac -c:v copy -disposition:v attached_pic ffmpeg-cover.flac"
ffmpeg_video=(
  "mxf|mxf|-c:v mpeg2video -r 25 -q:v 6 -ar 48000 -c:a pcm_s16le" "mxf|mxf|-c:v dnxhd -s 1280x720 -r 25 -b:v 90M -pix_fmt yuv422p -an -f mxf_opatom -t 0.1"
  "dv|dv dif|-s 720x480 -r 30000/1001 -pix_fmt yuv411p -c:v dvvideo -c:a pcm_s16le -ar 48000 -t 0.2"
  "ivf|ivf|-c:v libaom-av1 -crf 50 -cpu-used 8 -an" "ivf|ivf|-c:v libvpx -b:v 80k -an"
  "obu|obu av1|-c:v libaom-av1 -crf 50 -cpu-used 8 -an -f obu"
  "mp4|mp4 m4v|-c:v libx264 -crf 35 -c:a aac -movflags frag_keyframe+empty_moov" "mp4|mp4 m4v|-c:v libx264 -crf 35 -an -movflags +faststart -brand isom"
  "mp4|mp4 m4v|-c:v libx264 -crf 35 -an -movflags +frag_keyframe+empty_moov+default_base_moof -f mp4"
  "mp4|mp4 m4v|-c:v libsvtav1 -crf 55 -preset 12 -an" "mp4|mp4 m4v|-c:v libvpx-vp9 -b:v 80k -c:a libopus -strict -2"
  "mp4|mp4 m4v|-c:v mpeg2video -q:v 8 -c:a mp2" "mp4|mp4 m4v|-c:v libx264 -crf 35 -c:a ac3"
  "ismv|ismv ismf mp4|-c:v libx264 -crf 35 -c:a aac -f ismv" "mp4|mp4 psp|-c:v libx264 -crf 35 -s 320x240 -c:a aac -f psp"
  "mov|mov qt|-c:v prores_aw -profile:v 3 -c:a pcm_s24le" "mov|mov qt|-c:v png -an" "mov|mov qt|-c:v libx264 -crf 35 -c:a pcm_s16be -movflags +faststart"
  "mov|mov qt|-c:v rawvideo -pix_fmt uyvy422 -an -s 32x24" "mov|mov qt|-c:v hap -an -s 64x64" "mov|mov qt|-c:v svq1 -an"
  "mkv|mkv|-c:v libx264 -crf 35 -c:a flac -metadata title=Harbour" "mkv|mkv|-c:v utvideo -an" "mkv|mkv|-c:v magicyuv -an"
  "mkv|mkv|-c:v libx265 -crf 40 -c:a aac" "mkv|mkv|-c:v mpeg2video -q:v 8 -c:a mp2" "mkv|mkv|-c:v libaom-av1 -crf 50 -cpu-used 8 -an"
  "webm|webm|-c:v libvpx -b:v 80k -an -dash 1" "webm|webm|-c:v libvpx-vp9 -lossless 1 -an" "webm|webm|-c:v libvpx -b:v 80k -c:a libopus -live 1 -f webm"
  "avi|avi|-c:v huffyuv -an" "avi|avi|-c:v ffv1 -c:a pcm_u8" "avi|avi|-c:v zmbv -an" "avi|avi|-c:v libx264 -crf 35 -c:a libmp3lame"
  "avi|avi|-c:v msmpeg4v2 -c:a adpcm_ms" "avi|avi|-c:v utvideo -an" "avi|avi|-c:v dvvideo -s 720x576 -r 25 -pix_fmt yuv420p -an"
  "flv|flv|-vn -c:a libmp3lame -ar 22050" "flv|flv|-vn -c:a aac" "flv|flv|-c:v flashsv -an" "flv|flv|-c:v flashsv2 -an"
  "swf|swf|-c:v mjpeg -an -f swf" "swf|swf|-vn -c:a libmp3lame -ar 22050 -f avm2" "3gp|3gp|-c:v h263 -s 176x144 -c:a aac -ar 8000 -ac 1"
  "3g2|3g2|-c:v libx264 -crf 35 -c:a aac -ar 8000" "mpg|mpg mpeg|-c:v mpeg1video -q:v 8 -r 25 -c:a mp2 -f vcd"
  "mpg|mpg mpeg|-c:v mpeg2video -s 480x576 -r 25 -q:v 8 -c:a mp2 -ar 44100 -f svcd" "vob|vob mpg mpeg|-c:v mpeg2video -s 720x576 -r 25 -q:v 8 -c:a ac3 -ar 48000 -f dvd"
  "ts|ts mts m2t|-c:v libx265 -crf 40 -c:a ac3" "ts|ts mts m2t|-c:v libx264 -crf 35 -c:a libopus -strict -2" "ts|ts mts m2t|-vn -c:a mp2"
  "m2ts|m2ts mts ts|-c:v mpeg2video -q:v 8 -c:a ac3 -f mpegts -mpegts_m2ts_mode 1" "m1v|m1v mpv mpg|-c:v mpeg1video -r 25 -q:v 8 -an -f mpeg1video"
  "rm|rm rmvb|-c:v rv20 -s 128x96 -c:a ac3 -f rm" "rmvb|rmvb rm|-c:v rv10 -s 128x96 -an -f rm" "wtv|wtv|-c:v mpeg2video -q:v 8 -c:a mp2"
  "nut|nut|-c:v mpeg4 -c:a libvorbis" "smjpeg|mjpg smjpeg|-c:v mjpeg -an -f smjpeg"
  "mjpg|mjpg mjpeg|-c:v mjpeg -an -f mpjpeg" "cpk|cpk film|-c:v cinepak -an -f film_cpk"
  "h261|h261|-s 176x144 -c:v h261 -an -f h261" "h263|h263|-s 128x96 -c:v h263 -an -f h263"
  "264|264 h264|-c:v libx264 -crf 35 -an -f h264 -bsf:v h264_mp4toannexb" "265|265 hevc h265|-c:v libx265 -crf 40 -an -f hevc"
  "drc|drc vc2|-c:v vc2 -an -f dirac -strict -1" "dnxhd|dnxhd dnx|-c:v dnxhd -s 1280x720 -r 25 -b:v 90M -pix_fmt yuv422p -an -f dnxhd -t 0.1"
  "mkv|mkv|-c:v libx264 -crf 35 -c:a libopus -f matroska -live 1" "mov|mov qt|-c:v prores_ks -profile:v 4 -pix_fmt yuva444p10le -an"
  "mov|mov qt|-c:v mjpeg -an -f mov -movflags +frag_keyframe+empty_moov" "avi|avi|-c:v cljr -an" "avi|avi|-c:v asv1 -an"
  "roq|roq|-s 128x128 -r 30 -c:v roqvideo -c:a roq_dpcm -ar 22050 -ac 1"
  "y4m|y4m|-pix_fmt gray -f yuv4mpegpipe" "gif|gif|-an -vf scale=48:-1 -loop -1"
)
index=0
for entry in "${ffmpeg_video[@]}"; do
  IFS='|' read -r ext accepted args <<<"$entry"
  index=$((index + 1))
  for seed in life rgb; do
    row "ffmpeg-$seed-v$index.$ext" ffmpeg "$accepted" \
      "ffx -i f-$seed.y4m -i f-music.wav -t 0.5 $args -fflags +bitexact ffmpeg-$seed-v$index.$ext"
  done
done
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf f-font.ttf 2>/dev/null
row ffmpeg-attach.mkv ffmpeg "mkv" "ffx -i f-cell.y4m -i dialog.srt -t 1 -map 0 -map 1 -c:v libx264 -c:s ass -attach f-font.ttf -metadata:s:t mimetype=application/x-truetype-font ffmpeg-attach.mkv"
row ffmpeg-chapters.mkv ffmpeg "mkv" "printf ';FFMETADATA1\ntitle=Harbour\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=500\ntitle=Quay\n' > ch.txt && ffx -i f-cell.y4m -i ch.txt -map_metadata 1 -t 1 -c:v mpeg4 ffmpeg-chapters.mkv"
row ffmpeg-subs.webm ffmpeg "webm" "ffx -i f-cell.y4m -i dialog.srt -t 1 -map 0 -map 1 -c:v libvpx -b:v 50k -c:s webvtt ffmpeg-subs.webm"
row ffmpeg-tracks.mp4 ffmpeg "mp4 m4v" "ffx -i f-cell.y4m -i f-music.wav -i f-voice.wav -t 1 -map 0 -map 1 -map 2 -c:v libx264 -c:a aac ffmpeg-tracks.mp4"
row ffmpeg-hls.m3u8 ffmpeg "m3u8 m3u" "mkdir -p hls && ffx -i f-cell.y4m -t 1 -c:v libx264 -hls_time 1 -f hls hls/ffmpeg-hls.m3u8 && cp hls/ffmpeg-hls.m3u8 ."
row ffmpeg-hls-seg.ts ffmpeg "ts mts m2t" "mkdir -p hls2 && ffx -i f-cell.y4m -t 1 -c:v libx264 -hls_time 1 -f hls hls2/x.m3u8 && cp hls2/x0.ts ffmpeg-hls-seg.ts"
row ffmpeg-hls-fmp4.m4s ffmpeg "m4s mp4" "mkdir -p hls3 && ffx -i f-cell.y4m -t 1 -c:v libx264 -hls_segment_type fmp4 -f hls hls3/x.m3u8 && cp hls3/x0.m4s ffmpeg-hls-fmp4.m4s"
row ffmpeg-dash.mpd ffmpeg "mpd xml" "mkdir -p dash && ffx -i f-cell.y4m -t 1 -c:v libx264 -f dash dash/ffmpeg-dash.mpd && cp dash/ffmpeg-dash.mpd ."
row ffmpeg-dash-init.m4s ffmpeg "m4s mp4" "mkdir -p dash2 && ffx -i f-cell.y4m -t 1 -c:v libx264 -f dash dash2/x.mpd && cp dash2/init-stream0.m4s ffmpeg-dash-init.m4s"
row ffmpeg-smooth.ism ffmpeg "ism xml" "mkdir -p smooth && ffx -i f-cell.y4m -t 1 -c:v libx264 -f smoothstreaming smooth && cp smooth/Manifest ffmpeg-smooth.ism"
row ffmpeg-meta.txt ffmpeg "txt ffmeta ini" "ffx -i f-music.wav -metadata title=Harbour -f ffmetadata ffmpeg-meta.txt"
row ffmpeg-frames.md5 ffmpeg "md5 txt" "ffx -i f-life.y4m -f framemd5 ffmpeg-frames.md5"
row ffmpeg-crc.crc ffmpeg "crc txt" "ffx -i f-life.y4m -f framecrc ffmpeg-crc.crc"
row ffmpeg-timestamps.txt ffmpeg "txt" "ffx -i f-life.y4m -c:v mpeg4 -f mkvtimestamp_v2 ffmpeg-timestamps.txt"
sub_rows=("ttml|ttml|ttml xml dfxp" "webvtt|vtt|vtt")
for entry in "${sub_rows[@]}"; do
  IFS='|' read -r format ext accepted <<<"$entry"
  row "ffmpeg-dialog.$ext" ffmpeg "$accepted" "ffx -i dialog.srt -f $format ffmpeg-dialog.$ext"
done
row ffmpeg-dialog-ja.srt ffmpeg "srt" "printf '1\n00:00:01,000 --> 00:00:02,000\n港はどこですか。\n\n2\n00:00:02,500 --> 00:00:04,000\n二つ先の通りです。\n' > j.srt && ffx -i j.srt -f srt ffmpeg-dialog-ja.srt"
row ffmpeg-dialog.ass ffmpeg "ass ssa" "ffx -i dialog.srt -c:s ass -f ass ffmpeg-dialog.ass"
row ffmpeg-gif-long.gif ffmpeg "gif" "ffx -i f-cell.y4m -vf fps=5,scale=60:-1 -loop 0 ffmpeg-gif-long.gif"
row ffmpeg-anim.webp ffmpeg "webp" "ffx -i f-life.y4m -c:v libwebp_anim -lossless 1 -loop 0 ffmpeg-anim.webp"
row ffmpeg-anim.apng ffmpeg "apng png" "ffx -i f-cell.y4m -t 0.5 -plays 2 -f apng ffmpeg-anim.apng"
row ffmpeg-anim.avif ffmpeg "avif avifs" "ffx -i f-cell.y4m -t 0.5 -c:v libaom-av1 -cpu-used 8 -crf 50 -f avif ffmpeg-anim.avif"

# ---- Archives and compressed data with options the other corpora do not use ----------
rows zip zip \
  "zip-encrypted-e.zip|zip -qrX -P harbour zip-encrypted-e.zip box" \
  "zip-zip64.zip|cat numbers.txt | zip -qfz - - > zip-zip64.zip" \
  "zip-comment.zip|zip -qrX zip-comment.zip box && printf 'A logbook archive\n.\n' | zip -qz zip-comment.zip" \
  "zip-store.zip|zip -qrX -0 zip-store.zip box/pics" \
  "zip-symlinks.zip|ln -sf voyage.md link.md && zip -qXy zip-symlinks.zip link.md voyage.md" \
  "zip-junk.zip|zip -qjX -9 zip-junk.zip box/text/*" \
  "zip-utf8.zip|cp kaiwa.md 日記.md && zip -qX zip-utf8.zip 日記.md" \
  "zip-split.zip|zip -qrX -s 64k zip-split-all.zip box && zip -q -s 0 zip-split-all.zip --out zip-split.zip" \
  "zip-empty-dir.zip|mkdir -p emptydir && zip -qX zip-empty-dir.zip emptydir" \
  "zip-big-comment.zip|zip -qX zip-big-comment.zip numbers.txt && head -c 3000 voyage.md | zip -qz zip-big-comment.zip"
# p7zip's console SFX stub is a Linux program, so the archive it heads is an ELF executable.
row 7z-sfx.elf 7z "elf out bin" "7z a -bd -sfx7zCon.sfx sfx.exe box/text && mv sfx.exe 7z-sfx.elf"
rows zip 7z \
  "7z-bzip2.zip|7z a -bd -tzip -mm=BZip2 7z-bzip2.zip box" \
  "7z-ppmd.zip|7z a -bd -tzip -mm=PPMd 7z-ppmd.zip box/text" \
  "7z-zipcrypto.zip|7z a -bd -tzip -pharbour -mem=ZipCrypto 7z-zipcrypto.zip box" \
  "7z-store.zip|7z a -bd -tzip -mx=0 7z-store.zip box" \
  "7z-xz.zip|7z a -bd -tzip -mm=xz 7z-xz.zip box/text"
rows 7z 7z \
  "7z-copy.7z|7z a -bd -m0=Copy 7z-copy.7z box" \
  "7z-bcj2.7z|gcc -O2 calc.c -o calc.bin && 7z a -bd -mf=BCJ2 7z-bcj2.7z calc.bin" \
  "7z-deflate.7z|7z a -bd -m0=Deflate 7z-deflate.7z box" \
  "7z-lzma1.7z|7z a -bd -m0=LZMA 7z-lzma1.7z box/text" \
  "7z-pass-visible.7z|7z a -bd -pharbour 7z-pass-visible.7z box" \
  "7z-multi.7z|7z a -bd -mx=1 -ms=on -mqs=on 7z-multi.7z box" \
  "7z-one.7z|7z a -bd 7z-one.7z voyage.md"
row 7z-tree.cpio 7z "cpio" "7z a -bd -tcpio 7z-tree.cpio box 2>/dev/null || (find box | cpio --quiet -o -H newc > 7z-tree.cpio)"
rows tar tar \
  "tar-posix-xattrs.tar|tar --format=posix --xattrs --mtime=@0 --sort=name -cf tar-posix-xattrs.tar box" \
  "tar-longnames.tar|mkdir -p deep/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa/bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb/cccccccccccccccccccccccccccccc && cp voyage.md deep/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa/bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb/cccccccccccccccccccccccccccccc/the-log-file-with-a-long-name.md && tar --format=gnu --mtime=@0 -cf tar-longnames.tar deep" \
  "tar-label.tar|tar --format=gnu --label='HARBOUR 2022' --mtime=@0 -cf tar-label.tar box/text" \
  "tar-incremental.tar|tar --format=gnu -g snap.file --mtime=@0 -cf tar-incremental.tar box" \
  "tar-pax-sparse.tar|truncate -s 3M hole.img && printf end >> hole.img && tar --format=pax -S -cf tar-pax-sparse.tar hole.img" \
  "tar-one.tar|tar --format=ustar --mtime=@0 -cf tar-one.tar voyage.md" \
  "tar-dironly.tar|mkdir -p d1/d2 && tar --format=gnu --mtime=@0 -cf tar-dironly.tar d1" \
  "tar-blocking.tar|tar --format=ustar -b 1 --mtime=@0 -cf tar-blocking.tar box/text"
row tar-box.tar.lz4 tar "lz4" "tar --mtime=@0 --sort=name -I lz4 -cf tar-box.tar.lz4 box"
row tar-box.tar.lzo tar "lzo" "tar --mtime=@0 --sort=name --lzop -cf tar-box.tar.lzo box"
row tar-box.tar.lzma tar "lzma tlz" "tar --mtime=@0 --sort=name -I 'xz --format=lzma' -cf tar-box.tar.lzma box"
row tar-box.tzst tar "tzst zst zstd" "tar --mtime=@0 --sort=name -I 'zstd -19' -cf tar-box.tzst box"
row tar-box.tar.gz tar "gz tgz" "tar --mtime=@0 --sort=name -I 'gzip -1' -cf tar-box.tar.gz box"
row cpio-tar.tar cpio "tar" "find box | sort | cpio --quiet -o -H tar > cpio-tar.tar"
row cpio-newc.cpio.gz cpio "gz gzip" "find box | sort | cpio --quiet -o -H newc | gzip -9n > cpio-newc.cpio.gz"
row ar-many.a ar "a lib" "for f in calc mult seven add; do gcc -c \$f.c -o \$f.o; done && ar rcs ar-many.a calc.o mult.o seven.o add.o"
row ar-bsd-names.a ar "a lib" "cp mult.c a-very-long-object-file-name-indeed.c && gcc -c a-very-long-object-file-name-indeed.c && gcc -c add.c && ar rcs ar-bsd-names.a a-very-long-object-file-name-indeed.o add.o"
row llvm-ar-bsd.a llvm-ar "a lib" "gcc -c mult.c -o mult.o && llvm-ar rcs --format=bsd llvm-ar-bsd.a mult.o"
row llvm-ar-darwin.a llvm-ar "a lib" "gcc -c mult.c -o mult.o && llvm-ar rcs --format=darwin llvm-ar-darwin.a mult.o"
rows "gz gzip" gzip \
  "gzip-named.gz|gzip -9N -c voyage.md > gzip-named.gz" \
  "gzip-multimember.gz|{ gzip -c voyage.md; gzip -c kaiwa.md; } > gzip-multimember.gz" \
  "gzip-noise.gz|gzip -6 -c noise.bin > gzip-noise.gz" \
  "gzip-rsyncable.gz|gzip --rsyncable -c numbers.txt > gzip-rsyncable.gz"
row py-gzip-comment.gz python3 "gz gzip" "python3 -c 'import gzip, io; b = gzip.compress(open(\"voyage.md\",\"rb\").read(), mtime=0); h = bytearray(b[:10]); h[3] |= 16; open(\"py-gzip-comment.gz\",\"wb\").write(bytes(h) + b\"a comment\\0\" + b[10:])'"
rows "bz2 bz" bzip2 \
  "bzip2-multistream.bz2|{ bzip2 -c voyage.md; bzip2 -c kaiwa.md; } > bzip2-multistream.bz2" \
  "bzip2-noise.bz2|bzip2 -c noise.bin > bzip2-noise.bz2"
rows xz xz \
  "xz-blocks.xz|xz -T2 --block-size=4000 -c numbers.txt > xz-blocks.xz" \
  "xz-x86.xz|gcc -O2 calc.c -o c.bin && xz --x86 --lzma2 -c c.bin > xz-x86.xz" \
  "xz-crc32.xz|xz --check=crc32 -c voyage.md > xz-crc32.xz"
rows "zst zstd" zstd \
  "zstd-nocheck.zst|zstd -q --no-check -c numbers.txt > zstd-nocheck.zst" \
  "zstd-ultra.zst|zstd -q --ultra -22 -c voyage.md > zstd-ultra.zst" \
  "zstd-multiframe.zst|{ zstd -q -c voyage.md; zstd -q -c kaiwa.md; } > zstd-multiframe.zst" \
  "zstd-rsyncable.zst|zstd -q --rsyncable -c numbers.txt > zstd-rsyncable.zst"
rows lz4 lz4 \
  "lz4-blockdep.lz4|lz4 -q -BD -c numbers.txt > lz4-blockdep.lz4" \
  "lz4-checksum.lz4|lz4 -q --content-size -BX -c voyage.md > lz4-checksum.lz4"
row lzip-noise.lz lzip "lz" "lzip -0 -c noise.bin > lzip-noise.lz"
row arj-store.arj arj "arj" "arj a -m0 arj-store.arj voyage.md"
row gcab-many.cab gcab "cab" "gcab -cz gcab-many.cab voyage.md kaiwa.md numbers.txt noise.bin"
python_archives=(
  "py-web.war|war jar zip|z.writestr(\"WEB-INF/web.xml\", \"<web-app/>\"); z.writestr(\"index.jsp\", \"<html></html>\"); z.writestr(\"META-INF/MANIFEST.MF\", \"Manifest-Version: 1.0\\n\")"
  "py-app.ear|ear jar zip|z.writestr(\"META-INF/application.xml\", \"<application/>\"); z.writestr(\"META-INF/MANIFEST.MF\", \"Manifest-Version: 1.0\\n\")"
  "py-wheel.whl|whl zip|z.writestr(\"tide/__init__.py\", \"x = 1\\n\"); z.writestr(\"tide-1.0.dist-info/METADATA\", \"Name: tide\\nVersion: 1.0\\n\"); z.writestr(\"tide-1.0.dist-info/WHEEL\", \"Wheel-Version: 1.0\\n\"); z.writestr(\"tide-1.0.dist-info/RECORD\", \"\")"
  "py-book.epub|epub|z.writestr(zipfile.ZipInfo(\"mimetype\"), \"application/epub+zip\"); z.writestr(\"META-INF/container.xml\", \"<container/>\"); z.writestr(\"OEBPS/content.opf\", \"<package/>\")"
  "py-doc.odt|odt|z.writestr(zipfile.ZipInfo(\"mimetype\"), \"application/vnd.oasis.opendocument.text\"); z.writestr(\"content.xml\", \"<office:document-content/>\"); z.writestr(\"META-INF/manifest.xml\", \"<manifest/>\")"
  "py-sheet.xlsx|xlsx|z.writestr(\"[Content_Types].xml\", \"<Types><Override PartName=\\\"/xl/workbook.xml\\\" ContentType=\\\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\\\"/></Types>\"); z.writestr(\"_rels/.rels\", \"<Relationships/>\"); z.writestr(\"xl/workbook.xml\", \"<workbook/>\")"
  "py-ext.xpi|xpi zip|z.writestr(\"manifest.json\", \"{\\\"manifest_version\\\": 2, \\\"name\\\": \\\"tide\\\", \\\"version\\\": \\\"1.0\\\"}\"); z.writestr(\"background.js\", \"console.log(1);\\n\")"
  "py-comic.cbz|cbz zip|z.write(\"f-wizard.jpg\", \"001.jpg\"); z.write(\"f-plasma.png\", \"002.png\")"
  "py-model.kmz|kmz zip|z.writestr(\"doc.kml\", \"<?xml version=\\\"1.0\\\"?><kml xmlns=\\\"http://www.opengis.net/kml/2.2\\\"><Placemark><name>Quay</name></Placemark></kml>\")"
)
for entry in "${python_archives[@]}"; do
  IFS='|' read -r name accepted body <<<"$entry"
  row "$name" python3 "$accepted" "python3 -c 'import zipfile; z = zipfile.ZipFile(\"$name\", \"w\", zipfile.ZIP_DEFLATED); $body; z.close()'"
done
row py-zipapp.pyz python3 "pyz zip" "mkdir -p app && printf 'print(\"tide\")\n' > app/__main__.py && python3 -m zipapp app -p '/usr/bin/env python3' -o py-zipapp.pyz"
row jar-module.jar jar "jar" "mkdir -p mod/tide && printf 'module tide { }\n' > mod/module-info.java && printf 'package tide; public class Quay { }\n' > mod/tide/Quay.java && javac -d modc mod/module-info.java mod/tide/Quay.java && jar --create --file jar-module.jar -C modc ."
row jar-nomanifest.jar jar "jar" "mkdir -p nm && printf 'public class Pier { }\n' > Pier.java && javac -d nm Pier.java && jar cfM jar-nomanifest.jar -C nm Pier.class"
row jmod-tide.jmod jmod "jmod" "rm -rf jm && mkdir -p mod2/tide && printf 'module tide { }\n' > mod2/module-info.java && printf 'package tide; public class Quay { }\n' > mod2/tide/Quay.java && javac -d mc2 mod2/module-info.java mod2/tide/Quay.java && jmod create --class-path mc2 jmod-tide.jmod"
for kind in ext4 ext2; do
  row "mkfs-$kind.img" "mkfs.$kind" "img $kind" "rm -f mkfs-$kind.img && truncate -s 2M mkfs-$kind.img && mkfs.$kind -q -F -E root_owner=0:0 -U 11111111-2222-3333-4444-555555555555 -d box mkfs-$kind.img"
done
row mkfs-minix.img mkfs.minix "img minix" "rm -f mkfs-minix.img && truncate -s 1M mkfs-minix.img && mkfs.minix mkfs-minix.img"
row mkfs-cramfs.img mkfs.cramfs "cramfs img" "mkfs.cramfs box mkfs-cramfs.img"
row mkswap-swap.img mkswap "img swap" "truncate -s 1M mkswap-swap.img && mkswap -U 11111111-2222-3333-4444-555555555555 mkswap-swap.img"
row genisoimage-hfs.iso genisoimage "iso" "genisoimage -quiet -hfs -J -o genisoimage-hfs.iso box"
row genisoimage-boot.iso genisoimage "iso" "rm -rf iso && mkdir -p iso/boot && head -c 2048 /dev/zero > iso/boot/boot.img && genisoimage -quiet -no-emul-boot -b boot/boot.img -o genisoimage-boot.iso iso"
row genisoimage-iso1.iso genisoimage "iso" "genisoimage -quiet -iso-level 1 -V LOG -o genisoimage-iso1.iso box/text"
row rpm-xz.rpm rpmbuild "rpm" "rm -rf rpm && mkdir -p rpm/SPECS && printf 'Name: tide\nVersion: 1\nRelease: 2\nSummary: notes\nLicense: MIT\nBuildArch: noarch\n%%description\nnotes\n%%install\nmkdir -p %%{buildroot}/usr/share/tide && cp $work/voyage.md %%{buildroot}/usr/share/tide/\n%%files\n/usr/share/tide/voyage.md\n' > rpm/SPECS/t.spec && rpmbuild -bb --define \"_topdir $work/rpm\" --define '_binary_payload w9.xzdio' rpm/SPECS/t.spec && mv rpm/RPMS/noarch/*.rpm rpm-xz.rpm"
row rpm-source.src.rpm rpmbuild "rpm" "rm -rf rpm && mkdir -p rpm/SPECS && printf 'Name: tide\nVersion: 1\nRelease: 2\nSummary: notes\nLicense: MIT\nBuildArch: noarch\n%%description\nnotes\n%%files\n' > rpm/SPECS/t.spec && rpmbuild -bs --define \"_topdir $work/rpm\" rpm/SPECS/t.spec && mv rpm/SRPMS/*.rpm rpm-source.src.rpm"
row dpkg-bin.deb dpkg-deb "deb" "rm -rf pkg && mkdir -p pkg/DEBIAN pkg/usr/bin && gcc -O2 calc.c -o pkg/usr/bin/calc && printf 'Package: calc\nVersion: 0.1\nArchitecture: amd64\nMaintainer: B <b@example.org>\nDescription: calc\n' > pkg/DEBIAN/control && dpkg-deb --root-owner-group -Zgzip -z1 --build pkg dpkg-bin.deb"
row mktorrent-v.torrent mktorrent "torrent" "mktorrent -l 16 -c 'a comment' -a http://tracker.invalid/a -o mktorrent-v.torrent box"

# ---- Programs --------------------------------------------------------------------------
rows "o" gcc \
  "gcc-m32.o|gcc -m32 -c -O2 mult.c -o gcc-m32.o" \
  "gcc-lto.o|gcc -flto -c -O2 calc.c -o gcc-lto.o" \
  "gcc-debug.o|gcc -g3 -c calc.c -o gcc-debug.o"
row gcc-split.dwo gcc "dwo o" "gcc -g -gsplit-dwarf -c calc.c -o calc-split.o && mv calc-split.dwo gcc-split.dwo"
rows "out elf bin" gcc \
  "gcc-nopie.out|gcc -no-pie -O2 calc.c -o gcc-nopie.out" \
  "gcc-static-pie.out|gcc -static-pie -O2 calc.c -o gcc-static-pie.out" \
  "gcc-debug.out|gcc -g -O0 calc.c -o gcc-debug.out" \
  "gcc-m32-nolibc.out|gcc -m32 -nostdlib -static -O2 -e main seven.c -o gcc-m32-nolibc.out"
row gcc-soname.so gcc "so" "gcc -shared -fPIC -Wl,-soname,libmult.so.1 mult.c -o gcc-soname.so"
row gcc-stripped.so gcc "so" "gcc -shared -fPIC -s mult.c -o gcc-stripped.so"
row gcc-m32.so gcc "so" "gcc -m32 -shared -fPIC -nostdlib mult.c -o gcc-m32.so"
row gcc-deps.d gcc "d mk make" "gcc -MM calc.c -MF gcc-deps.d -MT calc.o && printf 'calc.o: calc.c extra.h\n' >> gcc-deps.d"
row ld-relocatable.o ld "o" "gcc -c mult.c -o m1.o && gcc -c add.c -o m2.o && ld -r m1.o m2.o -o ld-relocatable.o"
clang_targets=("aarch64-linux-gnu|o" "arm-linux-gnueabihf|o" "riscv64-linux-gnu|o" "mips-linux-gnu|o" "powerpc64le-linux-gnu|o"
  "s390x-linux-gnu|o" "x86_64-pc-windows-msvc|obj o" "i686-pc-windows-msvc|obj o" "x86_64-apple-darwin|o" "arm64-apple-macos|o"
  "wasm32-unknown-unknown|o wasm")
for entry in "${clang_targets[@]}"; do
  target=${entry%%|*} accepted=${entry#*|}
  row "clang-$target.${accepted%% *}" clang "$accepted" "clang --target=$target -c -O2 mult.c -o clang-$target.${accepted%% *}"
done
row clang-darwin.bc clang "bc" "clang --target=x86_64-apple-darwin -c -emit-llvm mult.c -o clang-darwin.bc"
row clang-thin.o clang "o bc" "clang -flto=thin -c mult.c -o clang-thin.o"
row clang-pch.pch clang "pch" "cp mult.c mult.h && clang -x c-header mult.h -o clang-pch.pch"
row clang-arm64.exe clang "exe" "clang --target=aarch64-pc-windows-msvc -fuse-ld=lld -nostdlib -Wl,/entry:main -Wl,/subsystem:console seven.c -o clang-arm64.exe"
row clang-msvc.dll clang "dll" "clang --target=x86_64-pc-windows-msvc -fuse-ld=lld -nostdlib -shared -Wl,/noentry mult.c -o clang-msvc.dll"
row clang-i686.exe clang "exe" "clang --target=i686-pc-windows-msvc -fuse-ld=lld -nostdlib -Wl,/entry:main -Wl,/subsystem:console seven.c -o clang-i686.exe"
row clang-macho.dylib clang "dylib" "clang --target=x86_64-apple-darwin -fuse-ld=lld -nostdlib -shared -Wl,-platform_version,macos,11.0,11.0 -Wl,-undefined,dynamic_lookup mult.c -o clang-macho.dylib"
row clang-aarch64.so clang "so" "clang --target=aarch64-linux-gnu -fuse-ld=lld -nostdlib -shared -fPIC mult.c -o clang-aarch64.so"
row clang-riscv.elf clang "elf out bin" "clang --target=riscv64-linux-gnu -fuse-ld=lld -nostdlib -static -Wl,-e,main seven.c -o clang-riscv.elf"
row clang-wasm-debug.wasm clang "wasm" "clang --target=wasm32 -g -nostdlib -Wl,--no-entry -Wl,--export-all mult.c -o clang-wasm-debug.wasm"
rows "exe" x86_64-w64-mingw32-gcc \
  "mingw-debug.exe|x86_64-w64-mingw32-gcc -g -O0 calc.c -o mingw-debug.exe" \
  "mingw-gui.exe|x86_64-w64-mingw32-gcc -O2 -mwindows seven.c -o mingw-gui.exe"
row mingw-debug.dll x86_64-w64-mingw32-gcc "dll" "x86_64-w64-mingw32-gcc -g -shared mult.c -o mingw-debug.dll"
row mingw-implib.a x86_64-w64-mingw32-gcc "a lib dll.a" "x86_64-w64-mingw32-gcc -shared mult.c -o mm.dll -Wl,--out-implib,mingw-implib.a"
row mingw-res.res x86_64-w64-mingw32-windres "res" "printf '1 VERSIONINFO\nFILEVERSION 1,0,0,0\nBEGIN\nEND\n' > v.rc && x86_64-w64-mingw32-windres v.rc -O coff -o v.o && x86_64-w64-mingw32-windres v.rc -O res -o mingw-res.res"
gcc -O2 calc.c -o calc.elf 2>>"$log"
objcopy_rows=("ihex|hex|hex ihex" "srec|srec|srec s19 mot" "verilog|vh|vh hex txt" "tekhex|tek|tek hex")
for entry in "${objcopy_rows[@]}"; do
  IFS='|' read -r format ext accepted <<<"$entry"
  row "objcopy-calc.$ext" objcopy "$accepted" "objcopy -O $format -j .text calc.elf objcopy-calc.$ext"
done
row objcopy-i386.o objcopy "o" "gcc -c mult.c -o mm.o && objcopy -O pe-x86-64 mm.o objcopy-i386.o"
row objcopy-elf32.o objcopy "o" "gcc -m32 -c mult.c -o m32.o && objcopy -O elf32-big m32.o objcopy-elf32.o 2>/dev/null || objcopy -I elf32-i386 -O elf32-i386 m32.o objcopy-elf32.o"
for release in 8 11 17; do
  row "javac-r$release.class" javac "class" "mkdir -p jr$release && printf 'public class Anchor { static int depth = $release; public static void main(String[] a) { System.out.println(depth); } }\n' > Anchor.java && javac --release $release -d jr$release Anchor.java && cp jr$release/Anchor.class javac-r$release.class"
done
row javac-inner.class javac "class" "printf 'public class Rope { class Knot { int n; } interface Tie { } }\n' > Rope.java && javac -d jin Rope.java && cp 'jin/Rope\$Knot.class' javac-inner.class"
row javac-module.class javac "class" "printf 'module harbour { }\n' > module-info.java && javac -d jmi module-info.java && cp jmi/module-info.class javac-module.class"
row javac-headers.h javac "h c" "printf 'public class Buoy { native int light(); }\n' > Buoy.java && javac -h jh -d jh Buoy.java && cp jh/Buoy.h javac-headers.h"
row python-unchecked.pyc python3 "pyc" "printf 'x = [i * i for i in range(9)]\n' > sq.py && python3 -c 'import py_compile; py_compile.compile(\"sq.py\", cfile=\"python-unchecked.pyc\", invalidation_mode=py_compile.PycInvalidationMode.UNCHECKED_HASH)'"
row python-checked.pyc python3 "pyc" "printf 'def f():\n    return 1\n' > sq2.py && python3 -c 'import py_compile; py_compile.compile(\"sq2.py\", cfile=\"python-checked.pyc\", invalidation_mode=py_compile.PycInvalidationMode.CHECKED_HASH)'"
row python-compileall.pyc python3 "pyc" "mkdir -p pkgc && printf 'VALUE = 3\n' > pkgc/mod.py && python3 -m compileall -q pkgc && cp pkgc/__pycache__/mod.*.pyc python-compileall.pyc"

# ---- Text written by tools ------------------------------------------------------------
py() { python3 -c "$1"; }
row xmllint-pretty.xml xmllint "xml" "printf '<?xml version=\"1.0\"?><log><day n=\"3\"><wind>SW</wind></day><day n=\"4\"/></log>' | xmllint --format - > xmllint-pretty.xml"
row xmllint-c14n.xml xmllint "xml" "printf '<log b=\"2\" a=\"1\"><day/></log>' | xmllint --c14n - > xmllint-c14n.xml"
row xmllint-html.html xmllint "html htm" "printf '<p>Quay<br>Ferry<table><tr><td>1</table>' | xmllint --html --format - > xmllint-html.html"
row xmllint-utf16.xml xmllint "xml" "printf '<?xml version=\"1.0\"?><log><day>三日目</day></log>' | xmllint --encode UTF-16 - > xmllint-utf16.xml"
row xmllint-noheader.xml xmllint "xml" "printf '<log><day/></log>' | xmllint --noout --format - ; printf '<log><day/></log>' | xmllint --format --dropdtd - | tail -n +2 > xmllint-noheader.xml"
row jq-pretty.json jq "json" "printf '{\"a\":[1,2,{\"b\":null}],\"c\":\"港\"}' | jq . > jq-pretty.json"
row jq-compact.json jq "json" "printf '{\"a\": [1, 2], \"c\": \"x\"}' | jq -c . > jq-compact.json"
row jq-tab.json jq "json" "printf '[{\"k\":1},{\"k\":2}]' | jq --tab . > jq-tab.json"
row jq-stream.jsonl jq "jsonl ndjson json" "printf '[{\"k\":1},{\"k\":2},{\"k\":3}]' | jq -c '.[]' > jq-stream.jsonl"
row jq-number.json jq "json" "printf '[3.25, -1e10, 7]' | jq -c . > jq-number.json"
row json-tool.json python3 "json" "printf '{\"depth\": 12.5, \"ok\": true, \"names\": [\"a\", \"b\"]}' | python3 -m json.tool --sort-keys > json-tool.json"
row json-geo.geojson python3 "geojson json" "py 'import json; json.dump({\"type\": \"FeatureCollection\", \"features\": [{\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": [5.37, 43.21]}, \"properties\": {\"name\": \"A1\"}}]}, open(\"json-geo.geojson\", \"w\"))'"
row json-ipynb.ipynb python3 "ipynb json" "py 'import json; json.dump({\"cells\": [{\"cell_type\": \"code\", \"source\": [\"1+1\"], \"metadata\": {}, \"outputs\": [], \"execution_count\": None}], \"metadata\": {}, \"nbformat\": 4, \"nbformat_minor\": 5}, open(\"json-ipynb.ipynb\", \"w\"), indent=1)'"
row csv-semicolon.csv python3 "csv" "cp sales.csv csv-semicolon.csv"
row csv-quoted.csv python3 "csv" "py 'import csv; w = csv.writer(open(\"csv-quoted.csv\", \"w\", newline=\"\"), quoting=csv.QUOTE_ALL); w.writerows([[\"name\", \"note\"], [\"quay\", \"long, wide\"], [\"ferry\", \"daily\"]])'"
row csv-crlf-ja.csv python3 "csv" "py 'import csv; w = csv.writer(open(\"csv-crlf-ja.csv\", \"w\", newline=\"\", encoding=\"utf-8-sig\")); w.writerows([[\"駅\", \"人数\"], [\"東京\", 120], [\"大阪\", 80], [\"京都\", 45]])'"
row csv-pipe.csv python3 "csv psv txt" "py 'import csv; w = csv.writer(open(\"csv-pipe.csv\", \"w\", newline=\"\"), delimiter=\"|\"); w.writerows([[\"a\", \"b\", \"c\"]] + [[i, i * 2, i * 3] for i in range(20)])'"
row tsv-numbers.tsv python3 "tsv tab" "py 'print(\"x\\ty\\tz\"); [print(\"%d\\t%.3f\\t%s\" % (i, i / 7, chr(97 + i % 26))) for i in range(50)]' > tsv-numbers.tsv"
row sqlite3-csv.csv sqlite3 "csv" "sqlite3 s.db 'create table if not exists t(a, b); insert into t values (1, \"one\"), (2, \"two, too\");' && sqlite3 -header -csv s.db 'select * from t' > sqlite3-csv.csv"
row sqlite3-json.json sqlite3 "json" "sqlite3 s.db 'create table if not exists t(a, b); insert into t values (3, \"three\");' && sqlite3 -json s.db 'select * from t' > sqlite3-json.json"
row sqlite3-html.html sqlite3 "html htm" "sqlite3 s.db 'create table if not exists t(a, b);' && sqlite3 -html -header s.db 'select * from t' > sqlite3-html.html"
row sqlite3-markdown.md sqlite3 "md markdown" "sqlite3 s.db 'create table if not exists t(a, b);' && sqlite3 -markdown s.db 'select * from t' > sqlite3-markdown.md"
row sqlite3-insert.sql sqlite3 "sql" "sqlite3 s.db 'create table if not exists t(a, b);' && sqlite3 -cmd '.mode insert t' s.db 'select * from t' > sqlite3-insert.sql"
row sqlite3-schema.sql sqlite3 "sql" "sqlite3 s.db 'create table if not exists t(a, b); create index if not exists ti on t(a);' && sqlite3 s.db .schema > sqlite3-schema.sql"
row sqlite3-box.txt sqlite3 "txt" "sqlite3 s.db 'create table if not exists t(a, b);' && sqlite3 -box s.db 'select * from t' > sqlite3-box.txt"
row sqlite3-journal.sqlite sqlite3 "sqlite sqlite3 db db3" "sqlite3 sqlite3-journal.sqlite 'pragma page_size=65536; pragma auto_vacuum=full; create table t(x); insert into t values (randomblob(100));'"
row sqlite3-empty.db sqlite3 "db sqlite sqlite3 db3" "sqlite3 sqlite3-empty.db 'pragma user_version=3; vacuum;'"
# OpenSSL in PEM and DER, every kind the other corpora do not make.
openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-384 -out k384.pem 2>>"$log"
openssl req -x509 -key k384.pem -subj "/CN=Harbour CA" -days 10 -out ca384.pem 2>>"$log"
openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:1024 -out rsa1024.pem 2>>"$log"
mkdir -p ca/newcerts && : >ca/index.txt && echo 01 >ca/crlnumber
printf '[ca]\ndefault_ca=d\n[d]\ndatabase=ca/index.txt\ncrlnumber=ca/crlnumber\ndefault_md=sha256\ndefault_crl_days=30\n' >ca.cnf
ssl_rows=(
  "ssl-ecparam.pem|pem|openssl ecparam -name prime256v1 -out ssl-ecparam.pem"
  "ssl-ec-traditional.key|key pem|openssl ec -in k384.pem -out ssl-ec-traditional.key"
  "ssl-rsa-traditional.key|key pem|openssl rsa -traditional -in rsa1024.pem -out ssl-rsa-traditional.key"
  "ssl-pkcs8-enc.pem|pem key|openssl pkcs8 -topk8 -v2 aes256 -passout pass:x -in rsa1024.pem -out ssl-pkcs8-enc.pem"
  "ssl-pkcs8-enc.der|der key p8|openssl pkcs8 -topk8 -v2 aes256 -passout pass:x -in rsa1024.pem -outform DER -out ssl-pkcs8-enc.der"
  "ssl-ec.der|der key|openssl pkey -in k384.pem -outform DER -out ssl-ec.der"
  "ssl-rsapub.pem|pem pub|openssl rsa -in rsa1024.pem -RSAPublicKey_out -out ssl-rsapub.pem"
  "ssl-pub.der|der pub|openssl pkey -in k384.pem -pubout -outform DER -out ssl-pub.der"
  "ssl-dh.pem|pem|openssl genpkey -genparam -algorithm DH -pkeyopt dh_paramgen_prime_len:512 -out ssl-dh.pem"
  "ssl-dsaparam.pem|pem|openssl dsaparam -out ssl-dsaparam.pem 1024"
  "ssl-crl.pem|crl pem|openssl ca -config ca.cnf -gencrl -keyfile k384.pem -cert ca384.pem -out ssl-crl.pem"
  "ssl-crl.crl|crl der|openssl ca -config ca.cnf -gencrl -keyfile k384.pem -cert ca384.pem -out c.pem && openssl crl -in c.pem -outform DER -out ssl-crl.crl"
  "ssl-pkcs7.p7b|p7b p7c pem|openssl crl2pkcs7 -certfile ca384.pem -nocrl -out ssl-pkcs7.p7b"
  "ssl-signed.p7s|p7s der p7m|openssl smime -sign -binary -in voyage.md -signer ca384.pem -inkey k384.pem -outform DER -out ssl-signed.p7s"
  "ssl-smime.eml|eml p7m|openssl smime -sign -in voyage.md -signer ca384.pem -inkey k384.pem -out ssl-smime.eml"
  "ssl-cms-enc.p7m|p7m der|openssl cms -encrypt -binary -in voyage.md -outform DER -aes256 -out ssl-cms-enc.p7m ca384.pem"
  "ssl-cert-text.pem|pem crt|openssl x509 -in ca384.pem -text -out ssl-cert-text.pem"
  "ssl-chain.pem|pem crt|cat ca384.pem ca384.pem > ssl-chain.pem"
  "ssl-legacy.p12|p12 pfx|openssl pkcs12 -export -legacy -in ca384.pem -inkey k384.pem -passout pass:x -out ssl-legacy.p12 2>/dev/null || openssl pkcs12 -export -in ca384.pem -inkey k384.pem -passout pass:x -out ssl-legacy.p12"
  "ssl-ed448.pem|pem key|openssl genpkey -algorithm ed448 -out ssl-ed448.pem"
  "ssl-enc.bin|bin enc|openssl enc -aes-256-cbc -pbkdf2 -pass pass:x -in voyage.md -out ssl-enc.bin"
  "ssl-enc-b64.txt|txt b64|openssl enc -aes-128-cbc -pbkdf2 -a -pass pass:x -in voyage.md -out ssl-enc-b64.txt"
  "ssl-digest.txt|txt|openssl dgst -sha256 voyage.md > ssl-digest.txt"
  "ssl-ocsp-req.der|der ocsp orq|openssl ocsp -issuer ca384.pem -cert ca384.pem -reqout ssl-ocsp-req.der -no_nonce"
  "ssl-ts-query.tsq|tsq der|openssl ts -query -data voyage.md -sha256 -cert -out ssl-ts-query.tsq"
)
for entry in "${ssl_rows[@]}"; do
  IFS='|' read -r name accepted command <<<"$entry"
  row "$name" openssl "$accepted" "$command"
done
ssh_rows=(
  "ssh-ed25519.key|key pem|ssh-keygen -q -t ed25519 -N '' -C tide -f ssh-ed25519.key"
  "ssh-ed25519.pub|pub|ssh-keygen -q -t ed25519 -N '' -C tide -f sk1 && mv sk1.pub ssh-ed25519.pub"
  "ssh-rsa-pem.key|key pem|ssh-keygen -q -t rsa -b 1024 -m PEM -N '' -f ssh-rsa-pem.key"
  "ssh-ecdsa-pkcs8.key|key pem|ssh-keygen -q -t ecdsa -m PKCS8 -N '' -f ssh-ecdsa-pkcs8.key"
  "ssh-rfc4716.pub|pub|ssh-keygen -q -t ecdsa -N '' -f sk2 && ssh-keygen -e -f sk2.pub > ssh-rfc4716.pub"
  "ssh-pkcs8.pub|pub pem|ssh-keygen -q -t rsa -b 1024 -N '' -f sk3 && ssh-keygen -e -m PKCS8 -f sk3.pub > ssh-pkcs8.pub"
  "ssh-passphrase.key|key pem|ssh-keygen -q -t ed25519 -N harbour -f ssh-passphrase.key"
  "ssh-cert.pub|pub|ssh-keygen -q -t ed25519 -N '' -f ca_ssh && ssh-keygen -q -t ed25519 -N '' -f user_ssh && ssh-keygen -q -s ca_ssh -I tide -n tide user_ssh.pub && mv user_ssh-cert.pub ssh-cert.pub"
  "ssh-krl.krl|krl|ssh-keygen -q -t ed25519 -N '' -f rk && ssh-keygen -k -f ssh-krl.krl rk.pub"
  "ssh-sig.sig|sig|ssh-keygen -q -t ed25519 -N '' -f sg && ssh-keygen -Y sign -f sg -n file voyage.md && mv voyage.md.sig ssh-sig.sig"
)
for entry in "${ssh_rows[@]}"; do
  IFS='|' read -r name accepted command <<<"$entry"
  row "$name" ssh-keygen "$accepted" "$command"
done
gpgq() { gpg --batch --quiet --yes --pinentry-mode loopback --passphrase '' "$@"; }
if have gpg; then
  gpgq --quick-gen-key 'Harbour <h@example.org>' rsa2048 sign,encr never >>"$log" 2>&1
fi
gpg_rows=(
  "gpg-clearsign.asc|asc txt|gpgq --clearsign -o gpg-clearsign.asc voyage.md"
  "gpg-encrypted.gpg|gpg pgp|gpgq --trust-model always -r h@example.org -e -o gpg-encrypted.gpg voyage.md"
  "gpg-encrypted.asc|asc|gpgq --trust-model always -r h@example.org -a -e -o gpg-encrypted.asc voyage.md"
  "gpg-secret.asc|asc|gpgq --armor --export-secret-keys > gpg-secret.asc"
  "gpg-public.pgp|pgp gpg|gpgq --export > gpg-public.pgp"
  "gpg-detached.asc|asc sig|gpgq --armor --detach-sign -o gpg-detached.asc voyage.md"
  "gpg-keybox.kbx|kbx gpg|cp $HOME/.gnupg/pubring.kbx gpg-keybox.kbx"
  "gpg-aes.gpg|gpg pgp|gpg --batch --yes --pinentry-mode loopback --passphrase x --cipher-algo AES256 -c -o gpg-aes.gpg noise.bin"
  "gpg-sym-armor.asc|asc|gpg --batch --yes --pinentry-mode loopback --passphrase x -a -c -o gpg-sym-armor.asc voyage.md"
  "gpg-revoke.rev|rev asc|gpgq --gen-revoke --output gpg-revoke.rev h@example.org </dev/null || cp $HOME/.gnupg/openpgp-revocs.d/*.rev gpg-revoke.rev"
)
for entry in "${gpg_rows[@]}"; do
  IFS='|' read -r name accepted command <<<"$entry"
  row "$name" gpg "$accepted" "$command"
done
gpgconf --kill gpg-agent >/dev/null 2>&1 # the agent those rows started, in this run's own home
row base64-noise.b64 base64 "b64 txt base64" "base64 noise.bin > base64-noise.b64"
row base64-oneline.txt base64 "txt b64" "base64 -w0 f-wizard.jpg > base64-oneline.txt"
row base32-noise.txt base32 "txt b32" "head -c 3000 noise.bin | base32 > base32-noise.txt"
row uuencode-b64.uue uuencode "uue uu" "uuencode -m noise.bin noise.bin > uuencode-b64.uue"
row uuencode-text.uue uuencode "uue uu" "uuencode voyage.md voyage.md > uuencode-text.uue"
row xxd-dump.txt xxd "txt hex" "head -c 4000 noise.bin | xxd > xxd-dump.txt"
row xxd-include.h xxd "h c" "head -c 600 noise.bin > blob.bin && xxd -i blob.bin > xxd-include.h"
row xxd-plain.hex xxd "hex txt" "head -c 2000 noise.bin | xxd -p > xxd-plain.hex"
row od-dump.txt od "txt" "head -c 2000 noise.bin | od -A x -t x1z > od-dump.txt"
row hexdump-canonical.txt hexdump "txt" "head -c 2000 noise.bin | hexdump -C > hexdump-canonical.txt"
sed -e 's/force 4/force 6/' -e '/lemons/d' voyage.md >voyage2.md
row diff-context.diff diff "diff patch" "diff -c voyage.md voyage2.md > diff-context.diff; [ \$? -eq 1 ]"
row diff-normal.diff diff "diff patch" "diff voyage.md voyage2.md > diff-normal.diff; [ \$? -eq 1 ]"
row diff-recursive.patch diff "patch diff" "cp -r box box2 && sed -i 's/Day 3/Day 5/' box2/text/voyage.md && printf 'new\n' > box2/new.txt && diff -ruN box box2 > diff-recursive.patch; [ \$? -eq 1 ]"
git_init='rm -rf repo && mkdir repo && cd repo && git init -q && git config user.email s@example.org && git config user.name Sailor && cp ../voyage.md . && git add . && git commit -qm "First log" && cp ../voyage2.md voyage.md && git commit -qam "Second log"'
row git-diff.diff git "diff patch" "($git_init && git diff HEAD~1 > ../git-diff.diff)"
row git-format.patch git "patch diff eml mbox" "($git_init && git format-patch -1 --stdout > ../git-format.patch)"
row git-bundle.bundle git "bundle" "($git_init && git bundle create ../git-bundle.bundle HEAD main 2>/dev/null || git bundle create ../git-bundle.bundle --all)"
row git-log.txt git "txt" "($git_init && git log --stat > ../git-log.txt)"
row git-archive.tar git "tar" "($git_init && git archive --format=tar HEAD > ../git-archive.tar)"
row git-archive.zip git "zip" "($git_init && git archive --format=zip HEAD > ../git-archive.zip)"
row git-pack.pack git "pack" "($git_init && git repack -qa && cp .git/objects/pack/*.pack ../git-pack.pack)"
row git-pack.idx git "idx" "($git_init && git repack -qa && cp .git/objects/pack/*.idx ../git-pack.idx)"
# gettext writers other than .mo
printf '#include <libintl.h>\n#define _(s) gettext(s)\nconst char *q = _("Quay");\nconst char *f = _("Ferry leaves at %%d");\n' >port.c
xgettext -k_ -o port.pot port.c 2>>"$log" && msgen port.pot | sed 's/charset=CHARSET/charset=UTF-8/' >port.po 2>>"$log"
row msgfmt-qt.qm msgfmt "qm" "msgfmt --qt -o msgfmt-qt.qm port.po"
row msgfmt-tcl.msg msgfmt "msg tcl" "msgfmt --tcl -l ja -d . port.po && mv ja.msg msgfmt-tcl.msg"
row msgcat-properties.properties msgcat "properties" "msgcat --properties-output port.po -o msgcat-properties.properties"
row msgcat-stringtable.strings msgcat "strings" "msgcat --stringtable-output port.po -o msgcat-stringtable.strings"
row msgfmt-desktop.desktop msgfmt "desktop" "printf '[Desktop Entry]\nType=Application\nName=Quay\nExec=quay\n' > q.desktop && mkdir -p pod && cp port.po pod/ja.po && printf 'ja\n' > pod/LINGUAS && msgfmt --desktop --template q.desktop -d pod -o msgfmt-desktop.desktop"
# Text in encodings the other corpora leave out.
iconv_rows=("russian.txt|KOI8-R" "russian.txt|CP1251" "russian.txt|ISO-8859-5" "russian.txt|UTF-16LE" "chinese.txt|GB18030"
  "chinese.txt|GBK" "chinese.txt|UTF-32" "latin.txt|LATIN1" "latin.txt|CP1252" "latin.txt|ISO-8859-15"
  "latin.txt|UTF-7" "korean.txt|EUC-KR" "korean.txt|UTF-16" "kaiwa.md|EUC-JP" "kaiwa.md|ISO-2022-JP" "kaiwa.md|UTF-32BE"
  "latin.txt|CP850" "russian.txt|UTF-32LE")
for entry in "${iconv_rows[@]}"; do
  input=${entry%%|*} encoding=${entry#*|}
  row "iconv-${input%%.*}-$encoding.txt" iconv "txt" "iconv -f UTF-8 -t $encoding $input > iconv-${input%%.*}-$encoding.txt"
done
row iconv-bom.txt python3 "txt" "py 'open(\"iconv-bom.txt\", \"w\", encoding=\"utf-8-sig\").write(open(\"russian.txt\").read())'"
row iconv-crlf.md python3 "md markdown" "py 'open(\"iconv-crlf.md\", \"w\", newline=\"\\r\\n\").write(open(\"voyage.md\").read())'"
row iconv-sjis-crlf.txt python3 "txt" "py 'open(\"iconv-sjis-crlf.txt\", \"w\", encoding=\"shift_jis\", newline=\"\\r\\n\").write(open(\"kaiwa.md\").read())'"
row iconv-utf16-csv.csv iconv "csv" "iconv -f UTF-8 -t UTF-16 stations.csv > iconv-utf16-csv.csv"
row iconv-utf16-xml.xml python3 "xml" "py 'import xml.etree.ElementTree as E; r = E.Element(\"log\"); E.SubElement(r, \"day\").text = \"三\"; E.ElementTree(r).write(\"iconv-utf16-xml.xml\", xml_declaration=True, encoding=\"utf-16\")'"
row iconv-latin1.html python3 "html htm" "py 'open(\"iconv-latin1.html\", \"w\", encoding=\"latin-1\").write(\"<!DOCTYPE html>\\n<html><head><meta charset=\\\"iso-8859-1\\\"><title>Caf\\u00e9</title></head><body><p>\" + open(\"latin.txt\").read() + \"</p></body></html>\\n\")'"
# Scripts, build files and configuration as their own tools or their usual authors write them.
cat >py-script.py <<'TEXT'
#!/usr/bin/env python3
"""Summarise a log of depths."""
import argparse
import statistics


def summarise(values):
    return {"mean": statistics.mean(values), "max": max(values)}


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("values", type=float, nargs="+")
    print(summarise(parser.parse_args().values))
TEXT
cat >py-module.py <<'TEXT'
from dataclasses import dataclass


@dataclass
class Buoy:
    name: str
    light: str = "green"

    def describe(self) -> str:
        return f"{self.name} shows {self.light}"
TEXT
cat >sh-script.sh <<'TEXT'
#!/bin/sh
set -e
for f in "$@"; do
  if [ -f "$f" ]; then
    wc -l "$f"
  fi
done
TEXT
cat >sh-noshebang.sh <<'TEXT'
# sourced by the login shell
export HARBOUR_HOME="$HOME/harbour"
alias ll='ls -l'
if [ -d "$HARBOUR_HOME/bin" ]; then
  PATH="$HARBOUR_HOME/bin:$PATH"
fi
case "$TERM" in
  xterm*) PS1='\u@\h:\w\$ ' ;;
esac
TEXT
cat >bash-script.bash <<'TEXT'
#!/usr/bin/env bash
declare -A tides=([mon]=3 [tue]=4)
for day in "${!tides[@]}"; do
  printf '%s %d\n' "$day" "${tides[$day]}"
done
[[ ${#tides[@]} -gt 1 ]] && echo many
TEXT
cat >perl-script.pl <<'TEXT'
#!/usr/bin/perl
use strict;
use warnings;

my %count;
while (my $line = <STDIN>) {
    chomp $line;
    $count{$_}++ for split /\s+/, $line;
}
print "$_ $count{$_}\n" for sort keys %count;
TEXT
cat >perl-module.pm <<'TEXT'
package Harbour::Tide;
use strict;
use warnings;

sub new {
    my ($class, %args) = @_;
    return bless { height => $args{height} // 0 }, $class;
}

sub height { $_[0]->{height} }

1;
TEXT
cat >node-script.js <<'TEXT'
#!/usr/bin/env node
'use strict';
const fs = require('fs');

function countLines(path) {
  return fs.readFileSync(path, 'utf8').split('\n').length;
}

module.exports = { countLines };
if (require.main === module) {
  console.log(countLines(process.argv[2]));
}
TEXT
cat >esm-module.mjs <<'TEXT'
export const depths = [12.5, 30, 55.2];
export default function deepest(values = depths) {
  return Math.max(...values);
}
TEXT
cat >style.css <<'TEXT'
:root { --sea: #0a4d68; }
body { margin: 0; font-family: sans-serif; background: var(--sea); }
.log > h1 { color: white; }
@media (max-width: 600px) {
  .log { padding: 4px; }
}
TEXT
cat >Quay.java <<'TEXT'
package harbour;

import java.util.List;

public final class Quay {
    private final List<String> boats;

    public Quay(List<String> boats) {
        this.boats = boats;
    }

    public int count() {
        return boats.size();
    }
}
TEXT
cat >tide.go <<'TEXT'
package main

import "fmt"

type Tide struct {
	Height float64
}

func main() {
	t := Tide{Height: 3.2}
	fmt.Println(t.Height)
}
TEXT
cat >tide.rs <<'TEXT'
use std::collections::HashMap;

fn main() {
    let mut counts: HashMap<&str, u32> = HashMap::new();
    for word in ["quay", "ferry", "quay"] {
        *counts.entry(word).or_insert(0) += 1;
    }
    println!("{:?}", counts);
}
TEXT
cat >tide.tcl <<'TEXT'
#!/usr/bin/env tclsh
proc depth {name} {
    set table [dict create A1 12.5 A2 30.0]
    return [dict get $table $name]
}
puts [depth A1]
TEXT
cat >Makefile <<'TEXT'
CC ?= cc
CFLAGS += -O2 -Wall

calc: calc.o
	$(CC) $(LDFLAGS) -o $@ $^

%.o: %.c
	$(CC) $(CFLAGS) -c -o $@ $<

.PHONY: clean
clean:
	rm -f calc *.o
TEXT
cat >CMakeLists.txt <<'TEXT'
cmake_minimum_required(VERSION 3.20)
project(harbour LANGUAGES C)
add_executable(calc calc.c)
target_compile_options(calc PRIVATE -Wall)
install(TARGETS calc DESTINATION bin)
TEXT
cat >config.yaml <<'TEXT'
# harbour settings
harbour:
  name: Marguerite
  berths: 12
  open: true
ferries:
  - name: Island
    departs: "09:20"
  - name: Cape
    departs: "14:05"
TEXT
cat >pyproject.toml <<'TEXT'
[build-system]
requires = ["setuptools>=61"]
build-backend = "setuptools.build_meta"

[project]
name = "harbour"
version = "0.3.1"
dependencies = ["requests>=2"]

[tool.pytest.ini_options]
addopts = "-q"
TEXT
cat >quay.desktop <<'TEXT'
[Desktop Entry]
Type=Application
Name=Quay
Name[ja]=岸壁
Comment=Harbour logbook
Exec=quay %f
Icon=quay
Categories=Utility;
TEXT
cat >crontab.txt <<'TEXT'
# m h  dom mon dow   command
15 3 * * * /usr/local/bin/backup --quiet
*/10 * * * * /usr/bin/flock -n /tmp/sync.lock /usr/local/bin/sync
@reboot /usr/local/bin/harbour-start
TEXT
python3 - >app.log <<'PY'
import random
random.seed(8)
for i in range(80):
    level = random.choice(["INFO", "INFO", "WARN", "ERROR"])
    print("2022-04-15 %02d:%02d:%02d,%03d %-5s harbour.%s - %s" % (i // 60 + 8, i % 60, random.randint(0, 59),
          random.randint(0, 999), level, random.choice(["quay", "ferry"]), random.choice(["docked", "late", "ok"])))
PY
printf '<?xml version="1.0" encoding="UTF-8"?>\n<gpx version="1.1" creator="logger" xmlns="http://www.topografix.com/GPX/1/1">\n  <trk><name>Day 3</name><trkseg>\n    <trkpt lat="43.21" lon="5.37"><ele>2</ele></trkpt>\n    <trkpt lat="43.25" lon="5.31"><ele>3</ele></trkpt>\n  </trkseg></trk>\n</gpx>\n' >track.gpx
printf '<?xml version="1.0" encoding="UTF-8"?>\n<kml xmlns="http://www.opengis.net/kml/2.2">\n  <Document><Placemark><name>Quay</name><Point><coordinates>5.37,43.21</coordinates></Point></Placemark></Document>\n</kml>\n' >places.kml
printf '<?xml version="1.0"?>\n<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">\n  <xsl:template match="/"><html><body><xsl:value-of select="log/day"/></body></html></xsl:template>\n</xsl:stylesheet>\n' >log.xsl
printf '<?xml version="1.0"?>\n<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">\n  <xs:element name="log" type="xs:string"/>\n</xs:schema>\n' >log.xsd
printf '<!ELEMENT log (day+)>\n<!ELEMENT day (#PCDATA)>\n<!ATTLIST day n CDATA #REQUIRED>\n' >log.dtd
printf '@article{walker2022,\n  author = {Walker, A.},\n  title = {Tidal pools of the south coast},\n  journal = {Coastal Notes},\n  year = {2022},\n  volume = {7},\n}\n' >refs.bib
written_rows=(
  "py-script.py|py" "py-module.py|py" "sh-script.sh|sh bash" "sh-noshebang.sh|sh bash" "bash-script.bash|bash sh"
  "perl-script.pl|pl" "perl-module.pm|pm pl" "node-script.js|js cjs mjs" "esm-module.mjs|mjs js" "style.css|css"
  "Quay.java|java" "tide.go|go" "tide.rs|rs" "tide.tcl|tcl" "Makefile|mk mak make" "CMakeLists.txt|cmake txt"
  "config.yaml|yaml yml" "pyproject.toml|toml" "quay.desktop|desktop" "crontab.txt|txt" "app.log|log txt"
  "track.gpx|gpx xml" "places.kml|kml xml" "log.xsl|xsl xslt xml" "log.xsd|xsd xml" "log.dtd|dtd" "refs.bib|bib"
)
for entry in "${written_rows[@]}"; do
  name=${entry%%|*}
  case $name in *.*) target=written-$name ;; *) target=written-$name.mk ;; esac
  [ "$name" = CMakeLists.txt ] && target=written-CMakeLists.cmake
  row "$target" cat "${entry#*|}" "cp '$name' '$target'"
done
row py-calendar.ics python3 "ics ical ifb" "py 'open(\"py-calendar.ics\", \"w\", newline=\"\").write(\"\\r\\n\".join([\"BEGIN:VCALENDAR\", \"VERSION:2.0\", \"PRODID:-//Harbour//Log//EN\", \"BEGIN:VEVENT\", \"UID:1@example.org\", \"DTSTAMP:20220415T080000Z\", \"DTSTART:20220416T092000Z\", \"SUMMARY:Ferry to the island\", \"END:VEVENT\", \"END:VCALENDAR\", \"\"]))'"
row py-contact.vcf python3 "vcf vcard" "py 'open(\"py-contact.vcf\", \"w\", newline=\"\").write(\"\\r\\n\".join([\"BEGIN:VCARD\", \"VERSION:3.0\", \"N:Walker;Anne;;;\", \"FN:Anne Walker\", \"TEL;TYPE=CELL:+33 6 00 00 00 00\", \"EMAIL:anne@example.org\", \"END:VCARD\", \"\"]))'"
row py-plist-xml.plist python3 "plist xml" "py 'import plistlib, datetime; plistlib.dump({\"When\": datetime.datetime(2022, 4, 15), \"Depths\": [12.5, 30.0], \"Blob\": b\"\\x00\\x01\"}, open(\"py-plist-xml.plist\", \"wb\"), sort_keys=False)'"
row py-marshal-toml.toml python3 "toml" "py 'open(\"py-marshal-toml.toml\", \"w\").write(\"title = \\\"log\\\"\\n\\n[owner]\\nname = \\\"Anne\\\"\\ndob = 1979-05-27T07:32:00Z\\n\\n[[boats]]\\nname = \\\"Marguerite\\\"\\n\")'"
row py-html.html python3 "html htm" "py 'import html; rows = \"\".join(\"<tr><td>%s</td><td>%d</td></tr>\" % (html.escape(n), c) for n, c in [(\"quay & pier\", 3), (\"ferry\", 2)]); open(\"py-html.html\", \"w\").write(\"<!doctype html>\\n<html lang=en><meta charset=utf-8><title>Log</title><table>\" + rows + \"</table></html>\\n\")'"
row py-mbox-mime.eml python3 "eml" "py 'from email.message import EmailMessage; m = EmailMessage(); m[\"From\"] = \"a@example.org\"; m[\"To\"] = \"b@example.org\"; m[\"Subject\"] = \"Logbook\"; m[\"Date\"] = \"Fri, 15 Apr 2022 08:00:00 +0000\"; m.set_content(\"See attached.\"); m.add_attachment(open(\"f-wizard.jpg\", \"rb\").read(), maintype=\"image\", subtype=\"jpeg\", filename=\"w.jpg\"); open(\"py-mbox-mime.eml\", \"wb\").write(bytes(m))'"
row py-netrc-ini.ini python3 "ini cfg conf" "py 'open(\"py-netrc-ini.ini\", \"w\").write(\"; harbour settings\\n[general]\\nname = Marguerite\\nberths = 12\\n\\n[ferry]\\ndeparts = 09:20\\n\")'"
row py-wav-bext.wav python3 "wav wave" "py 'import wave; w = wave.open(\"py-wav-bext.wav\", \"wb\"); w.setnchannels(1); w.setsampwidth(3); w.setframerate(96000); w.writeframes(bytes(3 * 4000)); w.close()'"
row py-xmlrpc.xml python3 "xml" "py 'import xmlrpc.client; open(\"py-xmlrpc.xml\", \"w\").write(xmlrpc.client.dumps((1, \"quay\", [2.5]), methodname=\"log.add\"))'"
row py-pickle5-big.pkl python3 "pkl pickle" "py 'import pickle; pickle.dump([bytes(range(256)) * 40, list(range(3000))], open(\"py-pickle5-big.pkl\", \"wb\"), protocol=5)'"
row perl-pod.pod perl "pod" "printf '=head1 NAME\n\nHarbour::Tide - tide tables\n\n=head1 SYNOPSIS\n\n  my \$t = Harbour::Tide->new;\n\n=cut\n' > perl-pod.pod"

# ---- Fonts ---------------------------------------------------------------------------
fontforge_font='import fontforge, sys
f = fontforge.font()
f.fontname = sys.argv[2]; f.familyname = sys.argv[2]; f.fullname = sys.argv[2]
for code in range(65, 65 + int(sys.argv[3])):
    g = f.createChar(code)
    pen = g.glyphPen(); pen.moveTo((60, 0)); pen.lineTo((60 + code % 5 * 50, 600)); pen.lineTo((420, 40)); pen.closePath()
    g.width = 500
f.generate(sys.argv[1])'
font_rows=("t42|t42" "pfb|pfb" "ps|pfa ps")
for entry in "${font_rows[@]}"; do
  ext=${entry%%|*}
  row "ff-Quay.$ext" fontforge "${entry#*|}" "fontforge -quiet -lang=py -c \"\$fontforge_font\" ff-Quay.$ext Quay 12"
done

# ---- Layout: three names per file ---------------------------------------------------
lay_out --sniff-text
