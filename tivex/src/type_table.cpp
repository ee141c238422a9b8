#include "type_table.h"

#include <string>
#include <unordered_map>

namespace tivex {

namespace {

constexpr uint16_t P = Provable;
constexpr uint16_t K = KeepsDescendants;
constexpr uint16_t G = Generic;
constexpr uint16_t N = NameOnly;
constexpr uint16_t D = Distinct;
constexpr uint16_t R = Runnable;
constexpr uint16_t S = SourceCode;
constexpr uint16_t C = Carrier;
constexpr uint16_t Z = SaysNothing;
constexpr uint16_t B = MarksACopy;
constexpr uint16_t M = Markup;

// Row order is the order in which TivexWhat lists the descriptions of an extension.
constexpr TypeInfo Types[] = {
    // Images
    {"png", "png", "apng", "", "image/png", "PNG 画像", "PNG image", NoFlags, "PNG specification (W3C, ISO/IEC 15948)"},
    {"jls", "jls", "", "", "image/jls", "JPEG-LS 画像", "JPEG-LS image", NoFlags, "ITU-T T.87 (JPEG-LS)"},
    {"jpg", "jpg", "jpeg jpe jfif jif mjpeg mjpg", "", "image/jpeg", "JPEG 画像", "JPEG image", NoFlags, "ITU-T T.81 (JPEG), JFIF 1.02"},
    {"gif", "gif", "", "", "image/gif", "GIF 画像", "GIF image", NoFlags, "GIF89a specification (CompuServe)"},
    {"bmp", "bmp", "dib", "", "image/bmp", "ビットマップ画像（BMP）", "Windows bitmap image", NoFlags, "Microsoft BITMAPFILEHEADER documentation"},
    {"tiff", "tiff", "tif ptif ptiff", "", "image/tiff", "TIFF 画像", "TIFF image", K, "TIFF 6.0 specification (Adobe)"},
    {"tiff-big", "tiff", "tif btf tf8", "tiff", "image/tiff", "BigTIFF 画像", "BigTIFF image", NoFlags, "BigTIFF design (AWare Systems)"},
    {"raw-tiff", "dng", "nef nrw arw srf sr2 pef 3fr erf kdc mos iiq rwl srw mef", "tiff", "image/x-dcraw", "デジタルカメラの RAW 画像", "digital camera raw image", N, "TIFF/EP (ISO 12234-2), Adobe DNG specification"},
    {"cr2", "cr2", "", "tiff", "image/x-canon-cr2", "Canon RAW 画像（CR2）", "Canon raw image (CR2)", P, "libmagic Magdir/images (Canon CR2)"},
    {"orf", "orf", "", "", "image/x-olympus-orf", "Olympus RAW 画像", "Olympus raw image", NoFlags, "libmagic Magdir/images (Olympus ORF)"},
    {"rw2", "rw2", "raw", "", "image/x-panasonic-rw2", "Panasonic RAW 画像", "Panasonic raw image", NoFlags, "ExifTool PanasonicRaw documentation"},
    {"raf", "raf", "", "", "image/x-fuji-raf", "富士フイルム RAW 画像", "Fujifilm raw image", NoFlags, "libmagic Magdir/images (Fujifilm RAF)"},
    {"crw", "crw", "", "", "image/x-canon-crw", "Canon RAW 画像（CRW）", "Canon raw image (CRW)", NoFlags, "CIFF specification (Canon), libmagic Magdir/images"},
    {"webp", "webp", "", "", "image/webp", "WebP 画像", "WebP image", NoFlags, "WebP container specification (Google)"},
    {"ico", "ico", "", "", "image/vnd.microsoft.icon", "Windows アイコン", "Windows icon", NoFlags, "Microsoft ICONDIR documentation"},
    // A cursor is an icon with hot spots, and writers (ImageMagick among them) store
    // cursors as plain icons: icon content may keep .cur, cursor content is not an .ico.
    {"cur", "cur", "", "ico", "image/x-win-bitmap", "Windows カーソル", "Windows cursor", D, "Microsoft ICONDIR documentation (type 2)"},
    {"ani", "ani", "", "", "application/x-navi-animation", "Windows アニメーションカーソル", "Windows animated cursor", NoFlags, "libmagic Magdir/riff (ACON)"},
    {"icns", "icns", "", "", "image/x-icns", "macOS アイコン", "macOS icon", NoFlags, "Apple Icon Image format, libmagic Magdir/images"},
    {"psb", "psb", "", "psd", "image/vnd.adobe.photoshop", "Photoshop 大容量画像（PSB）", "Adobe Photoshop large document", P, "Adobe Photoshop File Formats Specification"},
    {"pict", "pict", "pct pic", "", "image/x-pict", "Macintosh PICT 画像", "Macintosh PICT image", NoFlags, "Inside Macintosh: Imaging With QuickDraw (PICT 2)"},
    {"cals", "cals", "cal ct1 ct2 ct3 ct4", "", "image/x-cals", "CALS ラスター画像", "CALS raster image", NoFlags, "MIL-R-28002 (CALS raster)"},
    {"psd", "psd", "", "", "image/vnd.adobe.photoshop", "Photoshop 画像", "Adobe Photoshop image", NoFlags, "Adobe Photoshop File Formats Specification"},
    {"heif", "heif", "heifs hif", "", "image/heif", "HEIF 画像", "HEIF image", K, "ISO/IEC 23008-12 (HEIF)"},
    {"heic", "heic", "heics", "heif", "image/heic", "HEIF 画像（HEIC）", "HEIF image (HEIC)", P, "ISO/IEC 23008-12 (HEIF)"},
    {"avif", "avif", "avifs", "", "image/avif", "AVIF 画像", "AVIF image", NoFlags, "AV1 Image File Format (AOMedia)"},
    {"jp2", "jp2", "jpg2 j2c", "", "image/jp2", "JPEG 2000 画像", "JPEG 2000 image", K, "ISO/IEC 15444-1 annex I (JP2)"},
    {"jpx", "jpx", "jpf", "jp2", "image/jpx", "JPEG 2000 拡張画像（JPX）", "JPEG 2000 extended image", NoFlags, "ISO/IEC 15444-2 (JPX)"},
    {"jpm", "jpm", "", "jp2", "image/jpm", "JPEG 2000 複合画像（JPM）", "JPEG 2000 compound image", P, "ISO/IEC 15444-6 (JPM)"},
    {"j2k", "j2k", "j2c jpc jpt", "", "image/x-jp2-codestream", "JPEG 2000 コードストリーム", "JPEG 2000 codestream", NoFlags, "ISO/IEC 15444-1 (codestream)"},
    {"jxl", "jxl", "", "", "image/jxl", "JPEG XL 画像", "JPEG XL image", NoFlags, "ISO/IEC 18181-2 (JPEG XL)"},
    {"jxr", "jxr", "wdp hdp", "", "image/jxr", "JPEG XR 画像", "JPEG XR image", NoFlags, "ITU-T T.832 (JPEG XR)"},
    {"qoi", "qoi", "", "", "image/qoi", "QOI 画像", "QOI image", NoFlags, "QOI specification (qoiformat.org)"},
    {"xcf", "xcf", "", "", "image/x-xcf", "GIMP 画像", "GIMP image", NoFlags, "GIMP xcf.txt (devel-docs)"},
    {"dds", "dds", "", "", "image/vnd.ms-dds", "DirectDraw サーフェス画像", "DirectDraw Surface image", NoFlags, "Microsoft DDS programming guide"},
    {"exr", "exr", "", "", "image/x-exr", "OpenEXR 画像", "OpenEXR image", NoFlags, "OpenEXR file layout documentation"},
    {"hdr", "hdr", "rgbe pic", "", "image/vnd.radiance", "Radiance HDR 画像", "Radiance HDR image", NoFlags, "Radiance file formats (Greg Ward)"},
    {"pcx", "pcx", "", "", "image/vnd.zbrush.pcx", "PCX 画像", "PCX image", NoFlags, "ZSoft PCX technical reference"},
    {"dcx", "dcx", "", "", "image/x-dcx", "マルチページ PCX 画像（DCX）", "multi-page PCX image", NoFlags, "libmagic Magdir/images (DCX)"},
    {"tga", "tga", "icb vda vst tpic", "", "image/x-tga", "TGA 画像", "Truevision TGA image", NoFlags, "Truevision TGA 2.0 specification"},
    {"pnm", "pnm", "", "", "image/x-portable-anymap", "Netpbm 画像", "Netpbm image", K | N, "Netpbm documentation (pnm)"},
    {"pbm", "pbm", "", "pnm", "image/x-portable-bitmap", "Netpbm 白黒画像（PBM）", "Netpbm bitmap", P, "Netpbm documentation (pbm)"},
    {"pgm", "pgm", "", "pnm", "image/x-portable-graymap", "Netpbm グレースケール画像（PGM）", "Netpbm graymap", P, "Netpbm documentation (pgm)"},
    {"ppm", "ppm", "", "pnm", "image/x-portable-pixmap", "Netpbm カラー画像（PPM）", "Netpbm pixmap", P, "Netpbm documentation (ppm)"},
    {"pam", "pam", "", "pnm", "image/x-portable-arbitrarymap", "Netpbm 画像（PAM）", "Netpbm arbitrary map", P, "Netpbm documentation (pam)"},
    {"phm", "phm", "", "pnm", "image/x-portable-halfmap", "Netpbm 半精度浮動小数点画像（PHM）", "Portable half-float map", P, "Netpbm documentation (pfm), half-float variant"},
    {"pfm", "pfm", "", "pnm", "image/x-portable-floatmap", "Netpbm 浮動小数点画像（PFM）", "Portable float map", P, "Netpbm documentation (pfm)"},
    {"sgi", "sgi", "rgb rgba bw int inta", "", "image/x-sgi", "SGI 画像", "Silicon Graphics image", NoFlags, "SGI image file format specification (Haeberli)"},
    {"ras", "ras", "sun", "", "image/x-sun-raster", "Sun ラスター画像", "Sun raster image", NoFlags, "Sun rasterfile.h documentation"},
    {"xwd", "xwd", "", "", "image/x-xwindowdump", "X Window ダンプ画像", "X Window dump image", NoFlags, "X11 XWDFile.h documentation"},
    {"fits", "fits", "fit fts", "", "image/fits", "FITS 画像（天文データ）", "FITS astronomical data", NoFlags, "FITS standard 4.0 (IAU)"},
    {"dpx", "dpx", "", "", "image/x-dpx", "DPX 画像", "Digital Picture Exchange image", NoFlags, "SMPTE 268M (DPX)"},
    {"cin", "cin", "", "", "image/x-cineon", "Cineon 画像", "Cineon image", NoFlags, "Kodak Cineon file format documentation"},
    {"miff", "miff", "mif", "", "image/x-miff", "ImageMagick 画像（MIFF）", "ImageMagick image", NoFlags, "ImageMagick MIFF documentation"},
    {"vicar", "vicar", "vic img", "", "image/x-vicar", "VICAR 画像", "VICAR image", NoFlags, "VICAR file format (NASA JPL)"},
    {"vips", "v", "vips", "", "image/x-vips", "VIPS 画像", "VIPS image", NoFlags, "libvips file format documentation"},
    {"pgx", "pgx", "", "", "image/x-pgx", "JPEG 2000 PGX 画像", "JPEG 2000 PGX image", NoFlags, "ISO/IEC 15444-4 (PGX)"},
    {"pcd", "pcd", "", "", "image/x-photo-cd", "Kodak Photo CD 画像", "Kodak Photo CD image", NoFlags, "libmagic Magdir/images (Photo CD)"},
    {"sixel", "six", "sixel", "", "image/x-sixel", "SIXEL 画像（端末用）", "SIXEL terminal image", NoFlags, "DEC VT330/VT340 programmer reference (sixel)"},
    {"ilbm", "iff", "ilbm lbm", "", "image/x-ilbm", "IFF ILBM 画像（Amiga）", "IFF ILBM image (Amiga)", NoFlags, "EA IFF 85 and ILBM specifications"},
    {"mag", "mag", "max", "", "image/x-mag", "MAG 画像（まきちゃん）", "MAKI-chan Graphics (MAG) image", NoFlags, "MAGBIBLE (Woody RINN), Mooncore makichan.htm, libmagic Magdir/pc98"},
    {"mki", "mki", "", "", "image/x-mki", "MKI 画像（まきちゃん v1）", "MAKI-chan v1 (MKI) image", NoFlags, "Mooncore makichan.htm, libmagic Magdir/pc98"},
    {"pi", "pi", "", "", "image/x-pi", "Pi 画像", "Yanagisawa Pi image", NoFlags, "PITECH.TXT (Yanagisawa), Mooncore pi-pic.htm, libmagic Magdir/pc98"},
    {"mng", "mng", "", "", "video/x-mng", "MNG アニメーション", "MNG animation", NoFlags, "MNG 1.0 specification (libpng.org)"},
    {"jng", "jng", "", "", "image/x-jng", "JNG 画像", "JPEG Network Graphics image", NoFlags, "JNG specification (libpng.org)"},
    {"ff", "ff", "farbfeld", "", "image/x-farbfeld", "farbfeld 画像", "farbfeld image", NoFlags, "farbfeld specification (suckless.org)"},
    {"viff", "viff", "xv", "", "image/x-viff", "VIFF 画像", "Khoros VIFF image", NoFlags, "libmagic Magdir/images (Khoros VIFF)"},
    {"wmf", "wmf", "", "", "image/wmf", "Windows メタファイル（WMF）", "Windows metafile", NoFlags, "Microsoft [MS-WMF]"},
    {"emf", "emf", "", "", "image/emf", "拡張メタファイル（EMF）", "Enhanced metafile", NoFlags, "Microsoft [MS-EMF]"},
    {"ktx", "ktx", "", "", "image/ktx", "KTX テクスチャ", "KTX texture", NoFlags, "KTX 1.1 specification (Khronos)"},
    {"ktx2", "ktx2", "", "", "image/ktx2", "KTX2 テクスチャ", "KTX2 texture", NoFlags, "KTX 2.0 specification (Khronos)"},
    {"bpg", "bpg", "", "", "image/bpg", "BPG 画像", "BPG image", NoFlags, "BPG specification (bellard.org)"},
    {"jbig2", "jb2", "jbig2 jbg2", "", "image/x-jbig2", "JBIG2 画像", "JBIG2 image", NoFlags, "ITU-T T.88 annex D (JBIG2 file format)"},
    {"icc", "icc", "icm", "", "application/vnd.iccprofile", "ICC カラープロファイル", "ICC colour profile", NoFlags, "ICC.1 specification (International Color Consortium)"},
    {"ora", "ora", "", "zip", "image/openraster", "OpenRaster 画像", "OpenRaster image", P, "OpenRaster specification (freedesktop.org)"},
    {"kra", "kra", "", "zip", "application/x-krita", "Krita 画像", "Krita image", P, "Krita file format documentation (KDE)"},
    {"gbr", "gbr", "", "", "image/x-gimp-gbr", "GIMP ブラシ", "GIMP brush", NoFlags, "GIMP gbr.txt (devel-docs)"},
    {"pat", "pat", "", "", "image/x-gimp-pat", "GIMP パターン", "GIMP pattern", NoFlags, "GIMP pat.txt (devel-docs)"},
    {"djvu", "djvu", "djv", "", "image/vnd.djvu", "DjVu 文書", "DjVu document", NoFlags, "DjVu v3 specification (Lizardtech)"},

    // Documents
    {"pdf", "pdf", "ai", "", "application/pdf", "PDF 文書", "PDF document", NoFlags, "ISO 32000 (PDF)"},
    {"ps", "ps", "", "", "application/postscript", "PostScript 文書", "PostScript document", K, "PostScript Language Reference and DSC 3.0 (Adobe)"},
    {"t42", "t42", "", "ps", "application/x-font-type42", "Type 42 フォント", "Type 42 font", P, "Adobe Technical Note 5012 (Type 42)"},
    {"eps", "eps", "epsf epsi epi", "ps", "application/postscript", "EPS 画像（Encapsulated PostScript）", "Encapsulated PostScript", P, "Adobe Technical Note 5002 (EPSF 3.0)"},
    {"dvi", "dvi", "", "", "application/x-dvi", "TeX DVI 文書", "TeX DVI document", NoFlags, "TeX DVI format (tex.web, dvitype.web)"},
    {"rtf", "rtf", "", "text", "application/rtf", "リッチテキスト文書（RTF）", "Rich Text Format document", P, "Microsoft RTF specification 1.9.1"},
    {"ole2", "", "", "", "application/x-ole-storage", "OLE2 複合ドキュメント", "OLE2 compound document", K, "Microsoft [MS-CFB]"},
    {"doc", "doc", "dot wiz", "ole2", "application/msword", "Word 97-2003 文書", "Microsoft Word 97-2003 document", P, "Microsoft [MS-CFB], [MS-DOC]"},
    {"xls", "xls", "xlt xla xlw", "ole2", "application/vnd.ms-excel", "Excel 97-2003 ブック", "Microsoft Excel 97-2003 workbook", P, "Microsoft [MS-CFB], [MS-XLS]"},
    {"ppt", "ppt", "pps pot", "ole2", "application/vnd.ms-powerpoint", "PowerPoint 97-2003 プレゼンテーション", "Microsoft PowerPoint 97-2003 presentation", P, "Microsoft [MS-CFB], [MS-PPT]"},
    {"msi", "msi", "msp mst", "ole2", "application/x-msi", "Windows インストーラー パッケージ", "Windows Installer package", P | R, "Microsoft [MS-CFB], Windows Installer SDK"},
    {"msg", "msg", "oft", "ole2", "application/vnd.ms-outlook", "Outlook メッセージ", "Outlook message", P, "Microsoft [MS-OXMSG]"},
    {"vsd", "vsd", "vss vst", "ole2", "application/vnd.visio", "Visio 2003-2010 図面", "Microsoft Visio 2003-2010 drawing", P, "Microsoft [MS-CFB], libmagic Magdir/ole2compounddocs"},
    {"pub", "pub", "", "ole2", "application/vnd.ms-publisher", "Publisher 文書", "Microsoft Publisher document", P, "Microsoft [MS-CFB], libmagic Magdir/ole2compounddocs"},
    {"hwp", "hwp", "", "ole2", "application/x-hwp", "ハングル文書（HWP）", "Hangul Word Processor document", P, "Hancom HWP 5.0 file format documentation"},
    {"jtd", "jtd", "jtt jtdc", "ole2", "application/x-js-taro", "一太郎文書", "Ichitaro document", P, "TrID jtd definition (JSRV streams), ezpzjtd JTD-FORMAT notes"},
    {"ichitaro-early", "", "", "", "application/x-ichitaro5", "一太郎 Ver.4〜6 文書", "Ichitaro 4 to 6 document", NoFlags, "libmagic Magdir/wordprocessors (ichitaro456)"},
    {"jhd", "jhd", "", "", "application/x-js-hanako", "花子 図形ファイル", "Hanako drawing", N, "JustSystems Hanako (extension only; no structure published)"},
    {"xdw", "xdw", "", "", "application/vnd.fujixerox.docuworks", "DocuWorks 文書", "DocuWorks document", N, "IANA media type application/vnd.fujixerox.docuworks"},
    {"xbd", "xbd", "", "", "application/vnd.fujixerox.docuworks.binder", "DocuWorks バインダー", "DocuWorks binder", N, "IANA media type application/vnd.fujixerox.docuworks.binder"},
    {"oas", "oas", "", "", "application/vnd.fujitsu.oasys", "OASYS 文書", "OASYS document", N, "IANA media type application/vnd.fujitsu.oasys"},
    {"ooxml-encrypted", "", "docx xlsx pptx docm xlsm pptm", "ole2", "application/x-ole-storage", "暗号化された Office 文書", "encrypted Microsoft Office document", P, "Microsoft [MS-OFFCRYPTO]"},
    {"docx", "docx", "", "zip", "application/vnd.openxmlformats-officedocument.wordprocessingml.document", "Word 文書", "Microsoft Word document", P, "ECMA-376 (Office Open XML)"},
    // A macro-enabled document without macros is written (by LibreOffice, for one) with
    // the plain document's content type, and stays valid under its name.
    {"docm", "docm", "", "docx", "application/vnd.ms-word.document.macroEnabled.12", "Word マクロ有効文書", "Microsoft Word macro-enabled document", D, "ECMA-376, Microsoft [MS-OFFMACRO2]"},
    {"dotx", "dotx", "", "zip", "application/vnd.openxmlformats-officedocument.wordprocessingml.template", "Word テンプレート", "Microsoft Word template", P, "ECMA-376 (Office Open XML)"},
    {"dotm", "dotm", "", "zip", "application/vnd.ms-word.template.macroEnabled.12", "Word マクロ有効テンプレート", "Microsoft Word macro-enabled template", P, "ECMA-376, Microsoft [MS-OFFMACRO2]"},
    {"xlsx", "xlsx", "", "zip", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet", "Excel ブック", "Microsoft Excel workbook", P, "ECMA-376 (Office Open XML)"},
    {"xlsm", "xlsm", "", "xlsx", "application/vnd.ms-excel.sheet.macroEnabled.12", "Excel マクロ有効ブック", "Microsoft Excel macro-enabled workbook", D, "ECMA-376, Microsoft [MS-OFFMACRO2]"},
    {"xltx", "xltx", "", "zip", "application/vnd.openxmlformats-officedocument.spreadsheetml.template", "Excel テンプレート", "Microsoft Excel template", P, "ECMA-376 (Office Open XML)"},
    {"xltm", "xltm", "", "zip", "application/vnd.ms-excel.template.macroEnabled.12", "Excel マクロ有効テンプレート", "Microsoft Excel macro-enabled template", P, "ECMA-376, Microsoft [MS-OFFMACRO2]"},
    {"xlsb", "xlsb", "", "zip", "application/vnd.ms-excel.sheet.binary.macroEnabled.12", "Excel バイナリ ブック", "Microsoft Excel binary workbook", P, "Microsoft [MS-XLSB]"},
    {"xlam", "xlam", "", "zip", "application/vnd.ms-excel.addin.macroEnabled.12", "Excel アドイン", "Microsoft Excel add-in", P, "ECMA-376, Microsoft [MS-OFFMACRO2]"},
    // LibreOffice writes slide shows with the main part of a presentation, so a
    // presentation may well be one.
    {"pptx", "pptx", "ppsx", "zip", "application/vnd.openxmlformats-officedocument.presentationml.presentation", "PowerPoint プレゼンテーション", "Microsoft PowerPoint presentation", P, "ECMA-376 (Office Open XML)"},
    {"pptm", "pptm", "", "pptx", "application/vnd.ms-powerpoint.presentation.macroEnabled.12", "PowerPoint マクロ有効プレゼンテーション", "Microsoft PowerPoint macro-enabled presentation", D, "ECMA-376, Microsoft [MS-OFFMACRO2]"},
    {"ppsx", "ppsx", "", "zip", "application/vnd.openxmlformats-officedocument.presentationml.slideshow", "PowerPoint スライド ショー", "Microsoft PowerPoint slide show", P, "ECMA-376 (Office Open XML)"},
    {"ppsm", "ppsm", "", "zip", "application/vnd.ms-powerpoint.slideshow.macroEnabled.12", "PowerPoint マクロ有効スライド ショー", "Microsoft PowerPoint macro-enabled slide show", P, "ECMA-376, Microsoft [MS-OFFMACRO2]"},
    {"potx", "potx", "", "zip", "application/vnd.openxmlformats-officedocument.presentationml.template", "PowerPoint テンプレート", "Microsoft PowerPoint template", P, "ECMA-376 (Office Open XML)"},
    {"potm", "potm", "", "zip", "application/vnd.ms-powerpoint.template.macroEnabled.12", "PowerPoint マクロ有効テンプレート", "Microsoft PowerPoint macro-enabled template", P, "ECMA-376, Microsoft [MS-OFFMACRO2]"},
    {"vsdx", "vsdx", "vssx vstx", "zip", "application/vnd.ms-visio.drawing", "Visio 図面", "Microsoft Visio drawing", P, "Microsoft [MS-VSDX]"},
    {"xps", "xps", "oxps", "zip", "application/vnd.ms-xpsdocument", "XPS 文書", "XML Paper Specification document", P, "ECMA-388 (Open XML Paper Specification)"},
    {"odt", "odt", "", "zip", "application/vnd.oasis.opendocument.text", "OpenDocument テキスト", "OpenDocument text", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"ods", "ods", "", "zip", "application/vnd.oasis.opendocument.spreadsheet", "OpenDocument スプレッドシート", "OpenDocument spreadsheet", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"odp", "odp", "", "zip", "application/vnd.oasis.opendocument.presentation", "OpenDocument プレゼンテーション", "OpenDocument presentation", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"odg", "odg", "", "zip", "application/vnd.oasis.opendocument.graphics", "OpenDocument 図形描画", "OpenDocument drawing", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"odf", "odf", "", "zip", "application/vnd.oasis.opendocument.formula", "OpenDocument 数式", "OpenDocument formula", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"odb", "odb", "", "zip", "application/vnd.oasis.opendocument.base", "OpenDocument データベース", "OpenDocument database", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"odc", "odc", "", "zip", "application/vnd.oasis.opendocument.chart", "OpenDocument グラフ", "OpenDocument chart", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"odm", "odm", "", "zip", "application/vnd.oasis.opendocument.text-master", "OpenDocument マスター文書", "OpenDocument master document", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"ott", "ott", "", "zip", "application/vnd.oasis.opendocument.text-template", "OpenDocument テキスト テンプレート", "OpenDocument text template", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"ots", "ots", "", "zip", "application/vnd.oasis.opendocument.spreadsheet-template", "OpenDocument スプレッドシート テンプレート", "OpenDocument spreadsheet template", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"otp", "otp", "", "zip", "application/vnd.oasis.opendocument.presentation-template", "OpenDocument プレゼンテーション テンプレート", "OpenDocument presentation template", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"otg", "otg", "", "zip", "application/vnd.oasis.opendocument.graphics-template", "OpenDocument 図形描画テンプレート", "OpenDocument drawing template", P, "OASIS OpenDocument 1.3, part 2 (packages)"},
    {"sxw", "sxw", "stw", "zip", "application/vnd.sun.xml.writer", "OpenOffice.org 1 文書", "OpenOffice.org 1 text document", P, "OpenOffice.org XML file format 1.0"},
    {"sxc", "sxc", "stc", "zip", "application/vnd.sun.xml.calc", "OpenOffice.org 1 スプレッドシート", "OpenOffice.org 1 spreadsheet", P, "OpenOffice.org XML file format 1.0"},
    {"sxi", "sxi", "sti", "zip", "application/vnd.sun.xml.impress", "OpenOffice.org 1 プレゼンテーション", "OpenOffice.org 1 presentation", P, "OpenOffice.org XML file format 1.0"},
    {"sxd", "sxd", "std", "zip", "application/vnd.sun.xml.draw", "OpenOffice.org 1 図形描画", "OpenOffice.org 1 drawing", P, "OpenOffice.org XML file format 1.0"},
    {"oxt", "oxt", "", "zip", "application/vnd.openofficeorg.extension", "LibreOffice 拡張機能", "LibreOffice extension", N, "LibreOffice extension documentation"},
    {"epub", "epub", "", "zip", "application/epub+zip", "EPUB 電子書籍", "EPUB e-book", P, "EPUB 3 Open Container Format (W3C)"},
    {"mobi", "mobi", "azw azw3 prc", "", "application/x-mobipocket-ebook", "Mobipocket 電子書籍", "Mobipocket e-book", NoFlags, "MobileRead wiki: MOBI"},
    {"pdb-palm", "pdb", "prc", "", "application/vnd.palm", "Palm データベース（PDB）", "Palm database", NoFlags, "Palm File Format Specification"},
    {"lit", "lit", "", "", "application/x-ms-reader", "Microsoft Reader 電子書籍", "Microsoft Reader e-book", NoFlags, "libmagic Magdir/msdos (ITOLITLS)"},
    {"chm", "chm", "", "", "application/vnd.ms-htmlhelp", "Windows ヘルプ（CHM）", "Compiled HTML Help", NoFlags, "libmagic Magdir/msdos (ITSF)"},
    {"hlp", "hlp", "", "", "application/winhlp", "Windows ヘルプ（HLP）", "Windows Help file", NoFlags, "libmagic Magdir/msdos (Windows Help)"},
    {"pcl", "pcl", "pxl prn", "", "application/vnd.hp-pcl", "プリンター データ（PCL）", "HP PCL printer data", NoFlags, "HP PCL 5 and PCL XL technical references"},
    {"fodt", "fodt", "", "xml", "application/vnd.oasis.opendocument.text-flat-xml", "OpenDocument テキスト（フラット XML）", "flat OpenDocument text", P, "OASIS OpenDocument 1.3, part 3 (flat XML)"},
    {"fods", "fods", "", "xml", "application/vnd.oasis.opendocument.spreadsheet-flat-xml", "OpenDocument スプレッドシート（フラット XML）", "flat OpenDocument spreadsheet", P, "OASIS OpenDocument 1.3, part 3 (flat XML)"},
    {"fodp", "fodp", "", "xml", "application/vnd.oasis.opendocument.presentation-flat-xml", "OpenDocument プレゼンテーション（フラット XML）", "flat OpenDocument presentation", P, "OASIS OpenDocument 1.3, part 3 (flat XML)"},
    {"fodg", "fodg", "", "xml", "application/vnd.oasis.opendocument.graphics-flat-xml", "OpenDocument 図形描画（フラット XML）", "flat OpenDocument drawing", P, "OASIS OpenDocument 1.3, part 3 (flat XML)"},
    {"wpd", "wpd", "wp wp5 wp6", "", "application/vnd.wordperfect", "WordPerfect 文書", "WordPerfect document", NoFlags, "WordPerfect file format documentation (Corel SDK)"},

    // Archives and compressed data
    {"zip", "zip", "zipx", "", "application/zip", "ZIP 圧縮ファイル", "ZIP archive", NoFlags, "PKWARE APPNOTE.TXT"},
    {"pyz", "pyz", "pyzw", "zip", "application/x-python-zipapp", "Python zip アプリケーション", "Python zip application", D, "Python zipapp documentation (PEP 441)"},
    {"jar", "jar", "", "zip", "application/java-archive", "Java アーカイブ（JAR）", "Java archive", D | R, "JAR file specification (Oracle)"},
    {"war", "war", "", "jar", "application/java-archive", "Java Web アプリケーション（WAR）", "Java web application archive", D | R, "Jakarta Servlet specification (WAR layout)"},
    {"ear", "ear", "", "jar", "application/java-archive", "Java EE アプリケーション（EAR）", "Java enterprise application archive", D | R, "Jakarta EE platform specification (EAR layout)"},
    {"apk", "apk", "apks", "jar", "application/vnd.android.package-archive", "Android アプリ パッケージ", "Android package", P | R, "Android application package documentation"},
    {"aab", "aab", "", "zip", "application/x-authorware-bin", "Android App Bundle", "Android App Bundle", P, "Android App Bundle format documentation"},
    {"aar", "aar", "", "zip", "application/java-archive", "Android ライブラリ（AAR）", "Android library archive", D | R, "Android library (AAR) documentation"},
    {"cbz", "cbz", "", "zip", "application/vnd.comicbook+zip", "コミックブック アーカイブ（ZIP）", "Comic book archive (ZIP)", N, "comic book archive conventions (MobileRead wiki)"},
    {"xpi", "xpi", "", "zip", "application/x-xpinstall", "Firefox 拡張機能", "Firefox extension", NoFlags, "Mozilla WebExtensions documentation"},
    {"crx", "crx", "", "", "application/x-chrome-extension", "Chrome 拡張機能", "Chrome extension", NoFlags, "Chromium CRX3 format (crx3.proto)"},
    {"whl", "whl", "", "zip", "application/zip", "Python ホイール パッケージ", "Python wheel package", D, "PEP 427 (wheel)"},
    {"egg", "egg", "", "zip", "application/zip", "Python egg パッケージ", "Python egg package", D, "setuptools egg format documentation"},
    {"nupkg", "nupkg", "snupkg", "zip", "application/zip", "NuGet パッケージ", "NuGet package", NoFlags, "NuGet package documentation (OPC)"},
    {"ipa", "ipa", "", "zip", "application/octet-stream", "iOS アプリ パッケージ", "iOS application package", D, "Apple IPA layout, libmagic Magdir/archive"},
    {"appx", "appx", "msix appxbundle msixbundle", "zip", "application/vnd.ms-appx", "Windows アプリ パッケージ", "Windows app package", NoFlags, "Microsoft APPX package documentation"},
    {"vsix", "vsix", "", "zip", "application/vsix", "Visual Studio 拡張機能", "Visual Studio extension", NoFlags, "Visual Studio VSIX documentation"},
    {"kmz", "kmz", "", "zip", "application/vnd.google-earth.kmz", "地図データ（KMZ）", "compressed Keyhole Markup Language", NoFlags, "OGC KML 2.3 (KMZ)"},
    {"3mf", "3mf", "", "zip", "model/3mf", "3D 製造データ（3MF）", "3D Manufacturing Format", NoFlags, "3MF Core Specification (3MF Consortium)"},
    // torch.save writes a ZIP whose members sit in one folder: data.pkl, version and the tensors.
    {"pt", "pt", "pth", "zip", "application/x-pytorch", "PyTorch モデル", "PyTorch model", P, "PyTorch serialization documentation"},
    {"npz", "npz", "", "zip", "application/zip", "NumPy 配列アーカイブ", "NumPy array archive", NoFlags, "NumPy format documentation (npz)"},
    {"gz", "gz", "tgz gzip", "", "application/gzip", "gzip 圧縮ファイル", "gzip compressed data", K, "RFC 1952 (gzip)"},
    {"gz-drawing", "vmlz", "emz wmz", "gz", "application/gzip", "図形（gzip 圧縮）", "compressed drawing", N, "RFC 1952 (gzip)"},
    {"svgz", "svgz", "", "gz", "image/svg+xml-compressed", "SVG 画像（gzip 圧縮）", "compressed SVG image", N, "RFC 1952 (gzip), SVG 1.1"},
    {"emz", "emz", "wmz", "gz", "application/gzip", "圧縮メタファイル", "compressed Windows metafile", N, "RFC 1952 (gzip), Microsoft [MS-EMF]"},
    {"dz", "dz", "", "gz", "application/x-dictzip", "dictzip 圧縮ファイル", "dictzip compressed data", N, "dictzip documentation (dictd)"},
    {"bz2", "bz2", "tbz2 tbz tb2 bzip2", "", "application/x-bzip2", "bzip2 圧縮ファイル", "bzip2 compressed data", NoFlags, "bzip2 format (Seward), libmagic Magdir/compress"},
    {"bz3", "bz3", "", "", "application/x-bzip3", "bzip3 圧縮ファイル", "bzip3 compressed data", NoFlags, "bzip3 documentation (kspalaiologos)"},
    {"xz", "xz", "txz", "", "application/x-xz", "xz 圧縮ファイル", "XZ compressed data", NoFlags, "XZ file format 1.1 (tukaani.org)"},
    {"lzma", "lzma", "tlz", "", "application/x-lzma", "LZMA 圧縮ファイル", "LZMA compressed data", NoFlags, "LZMA SDK lzma.txt"},
    {"lz", "lz", "tlz", "", "application/x-lzip", "lzip 圧縮ファイル", "lzip compressed data", NoFlags, "lzip manual (file format)"},
    {"zst", "zst", "zstd tzst", "", "application/zstd", "Zstandard 圧縮ファイル", "Zstandard compressed data", NoFlags, "RFC 8878 (Zstandard)"},
    {"lz4", "lz4", "", "", "application/x-lz4", "LZ4 圧縮ファイル", "LZ4 compressed data", NoFlags, "LZ4 frame format description"},
    {"lzo", "lzo", "tzo", "", "application/x-lzop", "lzop 圧縮ファイル", "lzop compressed data", NoFlags, "lzop file format, libmagic Magdir/compress"},
    {"lrz", "lrz", "", "", "application/x-lrzip", "lrzip 圧縮ファイル", "lrzip compressed data", NoFlags, "lrzip documentation"},
    {"sz", "sz", "", "", "application/x-snappy-framed", "Snappy 圧縮ファイル", "Snappy framed data", NoFlags, "Snappy framing format (Google)"},
    {"zpaq", "zpaq", "", "", "application/x-zpaq", "ZPAQ 圧縮ファイル", "ZPAQ archive", NoFlags, "ZPAQ specification (Mahoney)"},
    {"z", "z", "taz", "", "application/x-compress", "compress 圧縮ファイル（.Z）", "Unix compress data", NoFlags, "libmagic Magdir/compress (compress)"},
    {"7z", "7z", "", "", "application/x-7z-compressed", "7-Zip 圧縮ファイル", "7-Zip archive", NoFlags, "7-Zip 7zFormat.txt"},
    {"cb7", "cb7", "", "7z", "application/x-cb7", "コミックブック アーカイブ（7z）", "Comic book archive (7z)", N, "comic book archive conventions (MobileRead wiki)"},
    {"rar", "rar", "", "", "application/vnd.rar", "RAR 圧縮ファイル", "RAR archive", NoFlags, "RARLAB technote (RAR 4 and 5)"},
    {"cbr", "cbr", "", "rar", "application/vnd.comicbook-rar", "コミックブック アーカイブ（RAR）", "Comic book archive (RAR)", N, "comic book archive conventions (MobileRead wiki)"},
    {"tar", "tar", "", "", "application/x-tar", "tar アーカイブ", "tar archive", NoFlags, "POSIX.1-2017 pax and ustar formats"},
    {"cpio", "cpio", "", "", "application/x-cpio", "cpio アーカイブ", "cpio archive", NoFlags, "POSIX.1 cpio format, cpio(5)"},
    {"shar", "shar", "", "sh", "application/x-shar", "シェル アーカイブ（shar）", "shell archive", NoFlags, "GNU sharutils documentation"},
    {"cab", "cab", "", "", "application/vnd.ms-cab-compressed", "CAB 圧縮ファイル", "Microsoft Cabinet archive", NoFlags, "Microsoft [MS-CAB]"},
    {"cab-installshield", "cab", "hdr", "", "application/x-installshield", "InstallShield CAB 圧縮ファイル", "InstallShield cabinet", NoFlags, "libmagic Magdir/archive (InstallShield)"},
    {"lzh", "lzh", "lha", "", "application/x-lzh-compressed", "LZH 圧縮ファイル", "LHA archive", NoFlags, "LHA header documentation, libmagic Magdir/archive"},
    {"arj", "arj", "", "", "application/x-arj", "ARJ 圧縮ファイル", "ARJ archive", NoFlags, "ARJ technote (Jung)"},
    {"ace", "ace", "", "", "application/x-ace-compressed", "ACE 圧縮ファイル", "ACE archive", NoFlags, "libmagic Magdir/archive (ACE)"},
    {"zoo", "zoo", "", "", "application/x-zoo", "ZOO 圧縮ファイル", "Zoo archive", NoFlags, "libmagic Magdir/archive (Zoo)"},
    {"sit", "sit", "sitx", "", "application/x-stuffit", "StuffIt 圧縮ファイル", "StuffIt archive", NoFlags, "libmagic Magdir/macintosh (StuffIt)"},
    {"alz", "alz", "", "", "application/x-alz", "ALZip 圧縮ファイル", "ALZip archive", NoFlags, "libmagic Magdir/archive (ALZip)"},
    {"xar", "xar", "pkg", "", "application/x-xar", "xar アーカイブ（macOS パッケージ）", "xar archive", NoFlags, "xar file format (GitHub mackyle/xar wiki)"},
    {"ar", "a", "lib ar", "", "application/x-archive", "ar アーカイブ（静的ライブラリ）", "ar archive (static library)", NoFlags, "ar(5), libmagic Magdir/archive"},
    {"deb", "deb", "udeb ddeb ipk", "ar", "application/vnd.debian.binary-package", "Debian パッケージ", "Debian package", P, "deb(5) (Debian)"},
    {"rpm", "rpm", "srpm", "", "application/x-rpm", "RPM パッケージ", "RPM package", NoFlags, "RPM package file format (rpm.org)"},
    {"iso", "iso", "", "", "application/x-iso9660-image", "ISO 9660 ディスクイメージ", "ISO 9660 disc image", NoFlags, "ECMA-119 (ISO 9660)"},
    {"udf", "iso", "udf", "", "application/x-udf-image", "UDF ディスクイメージ", "UDF disc image", NoFlags, "ECMA-167 (UDF volume recognition)"},
    {"dmg", "dmg", "", "", "application/x-apple-diskimage", "macOS ディスクイメージ", "Apple disk image", NoFlags, "Apple UDIF (koly trailer), libmagic Magdir/macintosh"},
    {"squashfs", "sqfs", "squashfs snap sfs", "", "application/vnd.squashfs", "SquashFS ファイルシステム イメージ", "SquashFS file system image", NoFlags, "SquashFS format documentation (kernel.org)"},
    {"cramfs", "cramfs", "img", "", "application/x-cramfs", "cramfs ファイルシステム イメージ", "cramfs file system image", NoFlags, "cramfs format (linux/cramfs_fs.h)"},
    {"img", "img", "ima raw", "", "application/x-raw-disk-image", "ディスクイメージ", "disk image", NoFlags, "libmagic Magdir/filesystems"},
    {"simg", "img", "simg", "", "application/x-android-sparse", "Android スパース イメージ", "Android sparse image", NoFlags, "Android sparse image format (AOSP)"},
    {"qcow2", "qcow2", "qcow img", "", "application/x-qemu-disk", "QEMU ディスクイメージ（qcow）", "QEMU copy-on-write disk image", NoFlags, "QEMU qcow2 specification"},
    {"vmdk", "vmdk", "", "", "application/x-vmdk", "VMware 仮想ディスク", "VMware virtual disk", NoFlags, "VMware Virtual Disk Format 5.0"},
    {"vdi", "vdi", "", "", "application/x-virtualbox-vdi", "VirtualBox 仮想ディスク", "VirtualBox virtual disk", NoFlags, "VirtualBox VDI header (libmagic Magdir/virtual)"},
    {"vhd", "vhd", "", "", "application/x-vhd", "Virtual PC 仮想ディスク（VHD）", "Virtual Hard Disk", NoFlags, "Microsoft Virtual Hard Disk Image Format Specification"},
    {"vhdx", "vhdx", "", "", "application/x-vhdx", "Hyper-V 仮想ディスク（VHDX）", "Hyper-V virtual disk", NoFlags, "Microsoft [MS-VHDX]"},
    {"wim", "wim", "swm esd", "", "application/x-ms-wim", "Windows イメージ（WIM）", "Windows Imaging image", NoFlags, "Microsoft WIM format documentation"},

    // Audio
    {"mp3", "mp3", "", "", "audio/mpeg", "MP3 音声", "MP3 audio", NoFlags, "ISO/IEC 11172-3 (MPEG-1 audio), ID3v2 specification"},
    {"mp2", "mp2", "mpa m2a mp2a", "", "audio/mpeg", "MPEG オーディオ（レイヤー II）", "MPEG audio layer II", NoFlags, "ISO/IEC 11172-3 (MPEG-1 audio)"},
    {"mp1", "mp1", "mpa", "", "audio/mpeg", "MPEG オーディオ（レイヤー I）", "MPEG audio layer I", NoFlags, "ISO/IEC 11172-3 (MPEG-1 audio)"},
    {"aac", "aac", "adts", "", "audio/aac", "AAC 音声（ADTS）", "AAC audio (ADTS)", NoFlags, "ISO/IEC 13818-7 (ADTS)"},
    {"ac3", "ac3", "", "", "audio/ac3", "ドルビーデジタル音声（AC-3）", "Dolby Digital audio (AC-3)", NoFlags, "ATSC A/52 (AC-3)"},
    {"eac3", "eac3", "ec3", "", "audio/eac3", "ドルビーデジタル プラス音声（E-AC-3）", "Dolby Digital Plus audio (E-AC-3)", NoFlags, "ATSC A/52 annex E (E-AC-3)"},
    {"dts", "dts", "", "", "audio/vnd.dts", "DTS 音声", "DTS audio", NoFlags, "ETSI TS 102 114 (DTS)"},
    {"wav", "wav", "wave bwf", "", "audio/wav", "WAVE 音声", "WAVE audio", NoFlags, "Microsoft RIFF/WAVE (Multimedia Programming Interface)"},
    {"w64", "w64", "", "", "audio/x-w64", "Sony Wave64 音声", "Sony Wave64 audio", NoFlags, "Sony Wave64 documentation, libmagic Magdir/riff"},
    {"aiff", "aiff", "aif", "", "audio/aiff", "AIFF 音声", "AIFF audio", K, "Apple AIFF 1.3 specification"},
    {"aifc", "aifc", "", "aiff", "audio/x-aifc", "AIFF-C 音声", "AIFF-C audio", NoFlags, "Apple AIFF-C specification"},
    {"8svx", "8svx", "iff svx", "", "audio/x-8svx", "Amiga 8SVX 音声", "Amiga 8SVX audio", NoFlags, "EA IFF 8SVX specification"},
    {"flac", "flac", "", "", "audio/flac", "FLAC 音声", "FLAC audio", NoFlags, "RFC 9639 (FLAC)"},
    {"ogg", "ogg", "oga", "", "audio/ogg", "Ogg Vorbis 音声", "Ogg Vorbis audio", K, "RFC 3533 (Ogg), Vorbis I specification"},
    {"oga", "oga", "", "ogg", "audio/ogg", "Ogg FLAC 音声", "Ogg FLAC audio", NoFlags, "RFC 3533 (Ogg), Ogg FLAC mapping"},
    {"opus", "opus", "", "ogg", "audio/opus", "Opus 音声（Ogg）", "Opus audio (Ogg)", P, "RFC 7845 (Ogg Opus)"},
    {"ogv", "ogv", "ogm", "ogg", "video/ogg", "Ogg 動画", "Ogg video", P, "RFC 3533 (Ogg), Theora specification"},
    {"spx", "spx", "", "ogg", "audio/ogg", "Speex 音声（Ogg）", "Speex audio (Ogg)", P, "RFC 3533 (Ogg), Speex manual"},
    {"mid", "mid", "midi smf kar", "", "audio/midi", "MIDI 音楽データ", "MIDI music", NoFlags, "MIDI 1.0 Standard MIDI Files (MMA)"},
    {"rmi", "rmi", "", "", "audio/mid", "RIFF MIDI 音楽データ", "RIFF MIDI music", NoFlags, "Microsoft RIFF RMID (Multimedia Programming Interface)"},
    {"amr", "amr", "", "", "audio/amr", "AMR 音声", "AMR audio", NoFlags, "RFC 4867 section 5 (AMR file)"},
    {"awb", "awb", "amr", "", "audio/amr-wb", "AMR-WB 音声", "AMR-WB audio", NoFlags, "RFC 4867 section 5 (AMR-WB file)"},
    {"ape", "ape", "", "", "audio/x-ape", "Monkey's Audio 音声", "Monkey's Audio", NoFlags, "libmagic Magdir/audio (Monkey's Audio)"},
    {"wv", "wv", "", "", "audio/x-wavpack", "WavPack 音声", "WavPack audio", NoFlags, "WavPack file format documentation"},
    {"tta", "tta", "", "", "audio/x-tta", "True Audio 音声", "True Audio", NoFlags, "TTA format description (tausoft.org)"},
    {"mpc", "mpc", "mpp mp+", "", "audio/x-musepack", "Musepack 音声", "Musepack audio", NoFlags, "Musepack SV8 specification"},
    {"au", "au", "snd", "", "audio/basic", "Sun/NeXT 音声（AU）", "Sun/NeXT audio", NoFlags, "Sun audio file (audio_filehdr), libmagic Magdir/audio"},
    {"voc", "voc", "", "", "audio/x-voc", "Creative Voice 音声", "Creative Voice audio", NoFlags, "Creative Voice file format documentation"},
    {"sox", "sox", "", "", "audio/x-sox", "SoX 音声", "SoX native audio", NoFlags, "SoX native format (sox(1)), libmagic Magdir/audio"},
    {"sph", "sph", "nist", "", "audio/x-nist", "NIST SPHERE 音声", "NIST SPHERE audio", NoFlags, "NIST SPHERE header documentation"},
    {"avr", "avr", "", "", "audio/x-avr", "Audio Visual Research 音声", "Audio Visual Research audio", NoFlags, "libmagic Magdir/audio (AVR)"},
    {"ircam", "sf", "ircam", "", "audio/x-ircam", "IRCAM 音声", "IRCAM sound", NoFlags, "libmagic Magdir/audio (IRCAM)"},
    {"hcom", "hcom", "", "", "audio/x-hcom", "HCOM 音声", "Macintosh HCOM audio", NoFlags, "libmagic Magdir/macintosh (HCOM)"},
    {"maud", "maud", "", "", "audio/x-maud", "Amiga MAUD 音声", "Amiga MAUD audio", NoFlags, "EA IFF MAUD specification"},
    {"smp", "smp", "", "", "audio/x-smp", "Turtle Beach SampleVision 音声", "SampleVision audio", NoFlags, "libmagic Magdir/audio (SampleVision)"},
    {"sndt", "sndt", "", "", "audio/x-sndt", "SndTool 音声", "SndTool audio", NoFlags, "libmagic Magdir/audio (SndTool)"},
    {"txw", "txw", "", "", "audio/x-txw", "Yamaha TX-16W 音声", "Yamaha TX-16W sample", NoFlags, "libmagic Magdir/audio (TX-16W)"},
    {"wve", "wve", "", "", "audio/x-psion-wve", "Psion 音声", "Psion audio", NoFlags, "libmagic Magdir/audio (Psion)"},
    {"psion-record", "prc", "", "", "audio/x-psion-record", "Psion 録音データ", "Psion record", NoFlags, "libmagic Magdir/epoc (Psion)"},
    {"caf", "caf", "", "", "audio/x-caf", "Core Audio 音声（CAF）", "Core Audio Format", NoFlags, "Apple Core Audio Format Specification 1.0"},
    {"dsf", "dsf", "", "", "audio/x-dsf", "DSD 音声（DSF）", "DSD audio (DSF)", NoFlags, "Sony DSF File Format Specification"},
    {"dff", "dff", "", "", "audio/x-dff", "DSD 音声（DSDIFF）", "DSD audio (DSDIFF)", NoFlags, "Philips DSDIFF 1.5 specification"},
    {"sf2", "sf2", "sbk", "", "audio/x-soundfont", "SoundFont 音源", "SoundFont bank", NoFlags, "SoundFont 2.04 specification (E-mu)"},
    {"dls", "dls", "", "", "audio/dls", "DLS 音源", "Downloadable Sounds bank", NoFlags, "MMA DLS Level 2 specification"},
    {"qcp", "qcp", "", "", "audio/qcelp", "QCELP 音声", "QCELP audio", NoFlags, "RFC 3625 (QCP)"},
    {"truehd", "thd", "truehd", "", "audio/vnd.dolby.mlp", "Dolby TrueHD 音声", "Dolby TrueHD audio", NoFlags, "libmagic Magdir/audio (TrueHD)"},
    {"mlp", "mlp", "", "", "audio/vnd.dolby.mlp", "MLP ロスレス音声", "Meridian Lossless Packing audio", NoFlags, "libmagic Magdir/audio (MLP)"},
    {"mmf", "mmf", "smaf", "", "application/vnd.smaf", "SMAF 着信音（Yamaha）", "Yamaha SMAF ringtone", NoFlags, "Yamaha SMAF specification"},
    {"mod", "mod", "", "", "audio/x-mod", "MOD 音楽（トラッカー）", "tracker module", NoFlags, "libmagic Magdir/audio (ProTracker M.K.)"},
    {"s3m", "s3m", "", "", "audio/x-s3m", "S3M 音楽（トラッカー）", "Scream Tracker 3 module", NoFlags, "Scream Tracker 3 documentation (SCRM)"},
    {"xm", "xm", "", "", "audio/x-xm", "XM 音楽（トラッカー）", "FastTracker 2 module", NoFlags, "FastTracker 2 XM documentation"},
    {"it", "it", "", "", "audio/x-it", "IT 音楽（トラッカー）", "Impulse Tracker module", NoFlags, "Impulse Tracker ITTECH.TXT"},
    {"ra", "ra", "ram", "", "audio/x-pn-realaudio", "RealAudio 音声", "RealAudio", NoFlags, "libmagic Magdir/audio (RealAudio)"},
    {"m4a", "m4a", "m4p m4r", "mp4", "audio/mp4", "MPEG-4 音声（M4A）", "MPEG-4 audio", NoFlags, "ISO/IEC 14496-12 and -14 (ISO base media, MP4)"},
    {"m4b", "m4b", "", "m4a", "audio/mp4", "MPEG-4 オーディオブック（M4B）", "MPEG-4 audiobook", NoFlags, "ISO/IEC 14496-12 and -14 (ISO base media, MP4)"},

    // Video and containers
    {"mp4", "mp4", "mp4v mpeg4 m4s ismv isma cmfv cmfa", "", "video/mp4", "MPEG-4 動画", "MPEG-4 video", K, "ISO/IEC 14496-12 and -14 (ISO base media, MP4)"},
    {"m4v", "m4v", "", "mp4", "video/x-m4v", "MPEG-4 動画（M4V）", "MPEG-4 video (M4V)", NoFlags, "ISO/IEC 14496-12 and -14 (ISO base media, MP4)"},
    {"mov", "mov", "qt", "mp4", "video/quicktime", "QuickTime 動画", "QuickTime movie", NoFlags, "Apple QuickTime File Format Specification"},
    {"3gp", "3gp", "3gpp", "mp4", "video/3gpp", "3GPP 動画", "3GPP video", NoFlags, "3GPP TS 26.244"},
    {"3g2", "3g2", "3gpp2", "mp4", "video/3gpp2", "3GPP2 動画", "3GPP2 video", NoFlags, "3GPP2 C.S0050"},
    {"f4v", "f4v", "f4a f4p", "mp4", "video/x-f4v", "Flash MP4 動画（F4V）", "Flash MP4 video", NoFlags, "Adobe Flash Video File Format Specification 10.1 (F4V)"},
    {"mj2", "mj2", "mjp2", "", "video/mj2", "Motion JPEG 2000 動画", "Motion JPEG 2000 video", NoFlags, "ISO/IEC 15444-3 (Motion JPEG 2000)"},
    {"cr3", "cr3", "", "", "image/x-canon-cr3", "Canon RAW 画像（CR3）", "Canon raw image (CR3)", NoFlags, "ExifTool Canon CR3 documentation"},
    {"avi", "avi", "divx", "", "video/x-msvideo", "AVI 動画", "AVI video", NoFlags, "Microsoft AVI RIFF File Reference"},
    {"mkv", "mkv", "mka mks mk3d", "", "video/x-matroska", "Matroska 動画", "Matroska video", K, "RFC 9559 (Matroska)"},
    {"mka", "mka", "", "mkv", "audio/x-matroska", "Matroska 音声", "Matroska audio", NoFlags, "RFC 9559 (Matroska)"},
    {"webm", "webm", "weba", "mkv", "video/webm", "WebM 動画", "WebM video", P, "WebM container guidelines (webmproject.org)"},
    {"flv", "flv", "", "", "video/x-flv", "Flash 動画（FLV）", "Flash video", NoFlags, "Adobe Flash Video File Format Specification 10.1"},
    {"mpg", "mpg", "mpeg m2p vob mpe ps", "", "video/mpeg", "MPEG 動画（プログラムストリーム）", "MPEG program stream video", NoFlags, "ISO/IEC 13818-1 (program stream)"},
    {"m1v", "m1v", "mpv m2v", "", "video/mpeg", "MPEG-1 ビデオ エレメンタリーストリーム", "MPEG-1 video elementary stream", NoFlags, "ISO/IEC 11172-2 (MPEG-1 video)"},
    {"m2v", "m2v", "m1v mpv", "", "video/mpeg", "MPEG ビデオ エレメンタリーストリーム", "MPEG video elementary stream", NoFlags, "ISO/IEC 13818-2 (MPEG-2 video)"},
    {"h264", "h264", "264 avc jsv", "", "video/h264", "H.264 ビデオ ストリーム", "H.264 video stream", NoFlags, "ITU-T H.264 annex B"},
    {"hevc", "hevc", "h265 265", "", "video/h265", "H.265 ビデオ ストリーム", "H.265 video stream", NoFlags, "ITU-T H.265 annex B"},
    {"mts", "ts", "mts m2ts m2t trp", "", "video/mp2t", "MPEG-2 トランスポートストリーム", "MPEG transport stream", NoFlags, "ISO/IEC 13818-1 (transport stream), Blu-ray BDAV"},
    {"asf", "asf", "wmv wma", "", "video/x-ms-asf", "Windows Media 音声・動画（ASF）", "Windows Media (ASF)", K, "Microsoft ASF specification 1.20"},
    {"wmv", "wmv", "", "asf", "video/x-ms-wmv", "Windows Media 動画", "Windows Media video", NoFlags, "Microsoft ASF specification 1.20"},
    {"wma", "wma", "", "asf", "audio/x-ms-wma", "Windows Media 音声", "Windows Media audio", NoFlags, "Microsoft ASF specification 1.20"},
    {"rm", "rm", "rmvb ra", "", "application/vnd.rn-realmedia", "RealMedia 動画", "RealMedia", NoFlags, "RealMedia file format (multimedia.cx wiki)"},
    {"dv", "dv", "dif", "", "video/dv", "DV 動画", "DV video", NoFlags, "IEC 61834 (DV), SMPTE 314M"},
    {"ivf", "ivf", "", "", "video/x-ivf", "IVF 動画（VP8/VP9/AV1）", "IVF video", NoFlags, "IVF container (libvpx)"},
    {"y4m", "y4m", "", "", "video/x-yuv4mpeg", "YUV4MPEG2 動画", "YUV4MPEG2 video", NoFlags, "YUV4MPEG2 (multimedia.cx wiki)"},
    {"nut", "nut", "", "", "video/x-nut", "NUT 動画", "NUT video", NoFlags, "NUT container specification (FFmpeg)"},
    {"mxf", "mxf", "", "", "application/mxf", "MXF 動画", "Material Exchange Format", NoFlags, "SMPTE 377M (MXF)"},
    {"bik", "bik", "bk2", "", "video/vnd.radgamettools.bink", "Bink 動画", "Bink video", NoFlags, "Bink container (multimedia.cx wiki)"},
    {"smk", "smk", "", "", "video/vnd.radgamettools.smacker", "Smacker 動画", "Smacker video", NoFlags, "Smacker (multimedia.cx wiki)"},
    {"roq", "roq", "", "", "video/x-roq", "RoQ 動画（id Software）", "id Software RoQ video", NoFlags, "RoQ (multimedia.cx wiki)"},
    {"fli", "fli", "flc", "", "video/x-flic", "FLIC アニメーション", "FLIC animation", NoFlags, "FLIC file format (Autodesk Animator)"},
    {"swf", "swf", "", "", "application/x-shockwave-flash", "Flash ムービー（SWF）", "Shockwave Flash movie", NoFlags, "SWF File Format Specification 19 (Adobe)"},

    // Programs and binary data. Executable ELF files have no customary extension on
    // Linux; "elf" names the format, and the extensions used by firmware tool chains
    // (bin, axf, out) are accepted. Kernel modules are relocatable objects, so "ko"
    // belongs to the object row.
    {"exe", "exe", "scr com", "", "application/vnd.microsoft.portable-executable", "Windows 実行ファイル", "Windows executable", R, "Microsoft PE/COFF specification"},
    {"dll", "dll", "ocx cpl drv ax mui pyd tlb acm", "exe", "application/vnd.microsoft.portable-executable", "Windows ダイナミックリンクライブラリ（DLL）", "Windows dynamic link library", P | R, "Microsoft PE/COFF specification"},
    {"sys", "sys", "drv", "exe", "application/vnd.microsoft.portable-executable", "Windows ドライバー", "Windows driver", P | R, "Microsoft PE/COFF specification"},
    {"efi", "efi", "", "exe", "application/efi", "UEFI アプリケーション", "UEFI application", P | R, "Microsoft PE/COFF specification, UEFI specification"},
    {"exe-dos", "exe", "com", "", "application/x-dosexec", "MS-DOS 実行ファイル", "MS-DOS executable", R, "MS-DOS EXE header (libmagic Magdir/msdos)"},
    {"elf", "elf", "axf out prx", "", "application/x-executable", "ELF 実行ファイル", "ELF executable", R, "System V ABI (ELF)"},
    {"elf-so", "so", "", "", "application/x-sharedlib", "ELF 共有ライブラリ", "ELF shared object", R, "System V ABI (ELF)"},
    {"elf-o", "o", "ko obj dwo", "", "application/x-object", "ELF オブジェクトファイル", "ELF relocatable object", NoFlags, "System V ABI (ELF)"},
    {"coff-o", "o", "obj", "", "application/x-coff", "COFF オブジェクトファイル", "COFF object file", NoFlags, "Microsoft PE/COFF specification (object files)"},
    {"elf-core", "core", "", "", "application/x-coredump", "ELF コアダンプ", "ELF core dump", NoFlags, "System V ABI (ELF)"},
    {"appimage", "appimage", "", "elf", "application/vnd.appimage", "AppImage アプリケーション", "AppImage application", P | R, "AppImage specification (type 2)"},
    {"macho", "", "", "", "application/x-mach-binary", "Mach-O 実行ファイル", "Mach-O executable", R, "Apple mach-o/loader.h"},
    {"macho-dylib", "dylib", "", "", "application/x-mach-binary", "Mach-O 共有ライブラリ", "Mach-O dynamic library", R, "Apple mach-o/loader.h"},
    {"macho-bundle", "bundle", "so", "", "application/x-mach-binary", "Mach-O バンドル", "Mach-O bundle", R, "Apple mach-o/loader.h"},
    {"macho-o", "o", "", "", "application/x-mach-binary", "Mach-O オブジェクトファイル", "Mach-O object file", R, "Apple mach-o/loader.h"},
    {"macho-fat", "", "dylib bundle", "", "application/x-mach-binary", "Mach-O ユニバーサルバイナリ", "Mach-O universal binary", R, "Apple mach-o/fat.h"},
    {"class", "class", "", "", "application/java-vm", "Java クラスファイル", "Java class file", NoFlags, "Java Virtual Machine Specification, chapter 4"},
    {"jmod", "jmod", "", "", "application/x-java-jmod", "Java モジュール（JMOD）", "Java module", NoFlags, "libmagic Magdir/java (JMOD)"},
    {"jks", "jks", "keystore ks", "", "application/x-java-keystore", "Java キーストア", "Java keystore", NoFlags, "libmagic Magdir/java (Java KeyStore)"},
    {"ser", "ser", "", "", "application/java-serialized-object", "Java シリアライズ データ", "Java serialized data", NoFlags, "Java Object Serialization Specification"},
    {"dex", "dex", "", "", "application/vnd.android.dex", "Android DEX ファイル", "Android Dalvik executable", R, "Android Dalvik executable format (AOSP)"},
    {"wasm", "wasm", "o", "", "application/wasm", "WebAssembly バイナリ", "WebAssembly binary", NoFlags, "WebAssembly Core Specification (W3C)"},
    {"pyc", "pyc", "pyo", "", "application/x-python-code", "Python バイトコード", "Python bytecode", R, "CPython importlib documentation (pyc header)"},
    {"pickle", "pkl", "pickle pt pth", "", "application/x-python-pickle", "Python pickle データ", "Python pickle data", NoFlags, "Python pickletools documentation"},
    {"gch", "gch", "pch", "", "application/x-precompiled-header", "GCC プリコンパイル済みヘッダー", "GCC precompiled header", NoFlags, "libmagic Magdir/gnu (GCC precompiled header)"},
    {"luac", "luac", "", "", "application/x-lua-bytecode", "Lua バイトコード", "Lua bytecode", NoFlags, "libmagic Magdir/lua (Lua bytecode)"},
    {"elc", "elc", "", "", "application/x-elc", "Emacs Lisp バイトコード", "Emacs Lisp bytecode", NoFlags, "GNU Emacs Lisp manual (byte compilation)"},
    {"beam", "beam", "", "", "application/x-erlang-beam", "Erlang BEAM ファイル", "Erlang BEAM file", NoFlags, "Erlang BEAM file format (IFF FOR1)"},
    {"clang-pch", "pch", "", "", "application/x-clang-pch", "Clang プリコンパイル済みヘッダー", "Clang precompiled header", NoFlags, "Clang precompiled header documentation"},
    {"res", "res", "", "", "application/x-win-resource", "Windows リソース（コンパイル済み）", "compiled Windows resources", NoFlags, "Microsoft resource file format (RESOURCEHEADER)"},
    {"llvm-bc", "bc", "o", "", "application/x-llvm-bitcode", "LLVM ビットコード", "LLVM bitcode", NoFlags, "LLVM bitcode file format documentation"},
    {"pdb-msf", "pdb", "", "", "application/x-ms-pdb", "Windows デバッグ情報（PDB）", "Microsoft program database", NoFlags, "LLVM PDB documentation (MSF)"},
    {"mo", "mo", "gmo", "", "application/x-gettext-translation", "gettext 翻訳カタログ（MO）", "gettext message catalog", NoFlags, "GNU gettext manual (MO files)"},
    {"qm", "qm", "", "", "application/x-qt-qm", "Qt 翻訳ファイル", "Qt translation", NoFlags, "libmagic Magdir/qt (Qt QM)"},
    {"typelib", "typelib", "", "", "application/x-gobject-typelib", "GObject 型ライブラリ", "GObject type library", NoFlags, "GObject introspection gitypelib documentation"},
    {"gvariant", "gresource", "", "", "application/x-gvariant", "GLib リソース（GVariant）", "GLib resource (GVariant)", NoFlags, "GLib GVDB and GResource documentation"},
    {"mgc", "mgc", "", "", "application/x-file-magic", "file コマンドのマジックデータ", "compiled magic data", NoFlags, "libmagic magic(5) (compiled magic)"},
    {"terminfo", "", "", "", "application/x-terminfo", "端末情報（terminfo）", "compiled terminfo entry", NoFlags, "term(5) (compiled terminfo)"},
    {"tzif", "", "", "", "application/x-tzif", "タイムゾーン情報（TZif）", "time zone information", NoFlags, "RFC 8536 (TZif)"},
    {"journal", "journal", "", "", "application/x-systemd-journal", "systemd ジャーナル", "systemd journal", NoFlags, "systemd journal file format documentation"},
    {"dtb", "dtb", "dtbo", "", "application/x-devicetree", "デバイスツリー（DTB）", "flattened device tree", NoFlags, "Devicetree Specification (flattened tree)"},
    {"sqlite", "sqlite", "sqlite3 db db3 s3db sl3 sqlitedb", "", "application/vnd.sqlite3", "SQLite データベース", "SQLite database", K, "SQLite database file format documentation"},
    {"gpkg", "gpkg", "", "sqlite", "application/geopackage+sqlite3", "GeoPackage 地図データ", "GeoPackage", NoFlags, "OGC GeoPackage encoding standard"},
    {"mdb", "mdb", "", "", "application/x-msaccess", "Access 2003 以前のデータベース", "Microsoft Access database", NoFlags, "libmagic Magdir/database (Jet)"},
    {"accdb", "accdb", "", "", "application/x-msaccess", "Access データベース", "Microsoft Access database", NoFlags, "libmagic Magdir/database (ACE)"},
    {"bdb", "db", "bdb", "", "application/x-berkeley-db", "Berkeley DB データベース", "Berkeley DB database", NoFlags, "libmagic Magdir/database (Berkeley DB)"},
    {"gdbm", "gdbm", "db", "", "application/x-gdbm", "GDBM データベース", "GDBM database", NoFlags, "libmagic Magdir/database (GDBM)"},
    {"kdbx", "kdbx", "", "", "application/x-keepass2", "KeePass パスワード データベース", "KeePass password database", NoFlags, "KeePass KDBX format documentation"},
    {"kdb", "kdb", "", "", "application/x-keepass", "KeePass 1 パスワード データベース", "KeePass 1 password database", NoFlags, "libmagic Magdir/database (KeePass 1)"},
    {"rdb", "rdb", "", "", "application/x-redis-rdb", "Redis ダンプ", "Redis dump", NoFlags, "Redis RDB file format documentation"},
    {"parquet", "parquet", "", "", "application/vnd.apache.parquet", "Parquet データ", "Apache Parquet data", NoFlags, "Apache Parquet file format"},
    {"arrow", "arrow", "feather", "", "application/vnd.apache.arrow.file", "Arrow データ", "Apache Arrow data", NoFlags, "Apache Arrow IPC file format"},
    {"avro", "avro", "", "", "application/avro", "Avro データ", "Apache Avro data", NoFlags, "Apache Avro specification (object container files)"},
    {"orc", "orc", "", "", "application/x-orc", "ORC データ", "Apache ORC data", N, "Apache ORC specification"},
    {"hdf5", "h5", "hdf5 hdf he5", "", "application/x-hdf5", "HDF5 データ", "HDF5 data", NoFlags, "HDF5 file format specification"},
    {"netcdf", "nc", "cdf nc4", "", "application/x-netcdf", "NetCDF データ", "NetCDF data", NoFlags, "NetCDF file format specification (Unidata)"},
    {"mat", "mat", "", "", "application/x-matlab-data", "MATLAB データ", "MATLAB data", NoFlags, "MATLAB MAT-file format (MathWorks)"},
    {"npy", "npy", "", "", "application/x-npy", "NumPy 配列", "NumPy array", NoFlags, "NumPy format documentation (npy)"},
    {"gguf", "gguf", "", "", "application/x-gguf", "GGUF モデル", "GGUF model", NoFlags, "GGUF specification (ggml)"},
    {"tflite", "tflite", "", "", "application/x-tflite", "TensorFlow Lite モデル", "TensorFlow Lite model", NoFlags, "TensorFlow Lite FlatBuffers schema (TFL3)"},
    {"pcap", "pcap", "cap", "", "application/vnd.tcpdump.pcap", "パケットキャプチャ（pcap）", "pcap packet capture", NoFlags, "pcap file format (tcpdump.org, IETF draft)"},
    {"pcapng", "pcapng", "", "", "application/x-pcapng", "パケットキャプチャ（pcapng）", "pcapng packet capture", NoFlags, "pcapng specification (IETF draft)"},
    {"lnk", "lnk", "", "", "application/x-ms-shortcut", "Windows ショートカット", "Windows shortcut", R, "Microsoft [MS-SHLLINK]"},
    {"evtx", "evtx", "", "", "application/x-ms-evtx", "Windows イベント ログ", "Windows event log", NoFlags, "libevtx documentation (EVTX format)"},
    {"regf", "dat", "hiv", "", "application/x-ms-registry", "Windows レジストリ ハイブ", "Windows registry hive", NoFlags, "libregf documentation (REGF format)"},
    {"pst", "pst", "ost", "", "application/vnd.ms-outlook-pst", "Outlook データファイル", "Outlook data file", NoFlags, "Microsoft [MS-PST]"},
    {"dmp", "dmp", "mdmp", "", "application/x-dmp", "Windows ミニダンプ", "Windows minidump", NoFlags, "Microsoft minidump documentation (MDMP)"},
    {"torrent", "torrent", "", "", "application/x-bittorrent", "BitTorrent シード", "BitTorrent metainfo", NoFlags, "BitTorrent BEP 3"},
    {"der", "der", "cer crt key csr crl p7b p7c p7m p7s p8 pk8 pub tsq tsr ocsp asn1", "", "application/pkix-cert", "X.509 証明書（DER）", "X.509 certificate (DER)", NoFlags, "ITU-T X.690 (DER), RFC 5280"},
    {"p12", "p12", "pfx", "", "application/x-pkcs12", "PKCS #12 証明書ストア", "PKCS #12 certificate store", NoFlags, "RFC 7292 (PKCS #12)"},
    {"gpg", "gpg", "pgp kbx key pub", "", "application/pgp-keys", "OpenPGP 鍵", "OpenPGP key", NoFlags, "RFC 4880 (OpenPGP)"},
    {"gpg-sig", "sig", "gpg pgp", "", "application/pgp-signature", "OpenPGP 署名", "OpenPGP signature", NoFlags, "RFC 4880 (OpenPGP)"},
    {"kbx", "kbx", "", "", "application/x-keybox", "GnuPG 鍵束（keybox）", "GnuPG keybox", NoFlags, "GnuPG keybox format (kbx/keybox-blob.c documentation)"},
    {"blend", "blend", "", "", "application/x-blender", "Blender データ", "Blender file", NoFlags, "Blender file format documentation"},
    {"stl", "stl", "", "", "model/stl", "STL 3D モデル", "STL 3D model", NoFlags, "STL format (3D Systems)"},
    {"glb", "glb", "", "", "model/gltf-binary", "glTF 3D モデル（バイナリ）", "glTF binary 3D model", NoFlags, "glTF 2.0 specification (Khronos), GLB container"},
    {"ply", "ply", "", "", "model/x-ply", "PLY 3D モデル", "PLY 3D model", NoFlags, "PLY format (Greg Turk)"},
    {"fbx", "fbx", "", "", "application/x-fbx", "FBX 3D モデル", "FBX 3D model", NoFlags, "libmagic Magdir/cad (Kaydara FBX)"},
    {"dwg", "dwg", "", "", "image/vnd.dwg", "AutoCAD 図面（DWG）", "AutoCAD drawing", NoFlags, "Open Design Alliance DWG specification"},
    {"shp", "shp", "shx", "", "application/x-esri-shape", "シェープファイル", "Esri shapefile", NoFlags, "Esri Shapefile technical description"},
    {"git-pack", "pack", "", "", "application/x-git-pack", "Git パックファイル", "Git pack file", NoFlags, "Git pack-format documentation"},
    {"git-pack-index", "idx", "", "", "application/x-git-pack-index", "Git パック索引", "Git pack index", NoFlags, "Git pack-format documentation (idx v2)"},
    {"git-index", "", "", "", "application/x-git-index", "Git インデックス", "Git index", NoFlags, "Git index-format documentation"},
    {"nes", "nes", "", "", "application/x-nes-rom", "ファミコン ROM イメージ", "NES ROM image", NoFlags, "iNES format (NESdev wiki)"},

    // Fonts
    {"ttf", "ttf", "tte dfont otb", "", "font/ttf", "TrueType フォント", "TrueType font", NoFlags, "OpenType specification (Microsoft), Apple TrueType reference"},
    {"otf", "otf", "", "", "font/otf", "OpenType フォント", "OpenType font", NoFlags, "OpenType specification (Microsoft)"},
    {"ttc", "ttc", "otc", "", "font/collection", "TrueType フォントコレクション", "TrueType font collection", NoFlags, "OpenType specification (font collections)"},
    {"woff", "woff", "", "", "font/woff", "WOFF Web フォント", "WOFF web font", NoFlags, "WOFF 1.0 (W3C)"},
    {"woff2", "woff2", "", "", "font/woff2", "WOFF2 Web フォント", "WOFF2 web font", NoFlags, "WOFF 2.0 (W3C)"},
    {"eot", "eot", "", "", "application/vnd.ms-fontobject", "Embedded OpenType フォント", "Embedded OpenType font", NoFlags, "Embedded OpenType (W3C member submission)"},
    {"pfb", "pfb", "", "", "application/x-font-type1", "Type 1 フォント（PFB）", "Type 1 font (binary)", NoFlags, "Adobe Type 1 Font Format, Technical Note 5040"},
    {"pfa", "pfa", "gsf t1", "ps", "application/x-font-type1", "Type 1 フォント（PFA）", "Type 1 font (ASCII)", NoFlags, "Adobe Type 1 Font Format"},
    {"pcf", "pcf", "", "", "application/x-font-pcf", "X11 ビットマップフォント（PCF）", "X11 bitmap font (PCF)", NoFlags, "X11 PCF format (FontForge documentation)"},
    {"psf", "psf", "psfu", "", "application/x-font-linux-psf", "Linux コンソール フォント", "Linux console font", NoFlags, "Linux kbd PSF documentation"},
    {"tex-pk", "pk", "", "", "application/x-tex-pk", "TeX PK フォント", "TeX packed font", NoFlags, "TeX PK format (gftopk.web)"},
    {"tex-vf", "vf", "", "", "application/x-tex-virtual-font", "TeX 仮想フォント", "TeX virtual font", NoFlags, "TeX VF format (vftovp.web)"},

    // Text. Every text format descends from "text", so plain text keeps any of their
    // extensions: the content cannot tell a CSV file or a C source from notes. Rows
    // marked generic name no syntax at all (a template, a backup, a configuration),
    // so whatever text they hold keeps them.
    {"text", "txt", "text utf8 ascii ans me 1st now readme plain", "", "text/plain", "テキストファイル", "text file", C, "Unicode Standard, encodings (UTF-8, UTF-16, Shift_JIS, EUC-JP)"},
    {"log", "log", "out err trace", "text", "text/plain", "ログファイル", "log file", G | N, "common usage"},
    {"cfg", "cfg", "conf config cnf cf rc prefs settings rules lock map manifest menu policy loc gitignore gitattributes gitmodules coveragerc flake8 editorconfig pylintrc npmrc", "text", "text/plain", "設定ファイル", "configuration file", G | N, "common usage"},
    {"template", "in", "tmpl tpl template dist sample example default skel j2 jinja jinja2 mustache hbs handlebars ejs njk twig liquid tt tt2 erb rhtml jet", "text", "text/plain", "テンプレート", "template", G | N, "common usage"},
    {"backup", "bak", "old orig save sav backup prev bkp new tmp temp swp part crdownload dpkg-old dpkg-new dpkg-dist dpkg-bak rpmnew rpmsave rpmorig ucf-dist ucf-old", "", "application/octet-stream", "バックアップ・一時ファイル", "backup or temporary copy", B | N, "common usage"},
    {"dat", "dat", "bin data", "", "application/octet-stream", "データファイル", "data file", Z | N, "common usage"},
    {"list", "lst", "list dir", "text", "text/plain", "一覧", "list", G | N, "common usage"},
    {"nfo", "nfo", "diz", "text", "text/plain", "説明テキスト（NFO）", "information text", G | N, "common usage"},
    {"html", "html", "htm xhtml shtml shtm xht jsp jspf asp aspx ascx ashx asmx master cshtml vbhtml razor cfm cfc vue svelte astro", "text", "text/html", "HTML 文書", "HTML document", C | M, "WHATWG HTML Living Standard"},
    {"xml", "xml", "vdx uot uos uop mpd ism ismc dtd ent rng wsdl xaml xib storyboard resx resw csproj vbproj fsproj vcxproj vcproj filters props targets proj nuspec wxs wxi wxl pom ivy jnlp fxml xul xbl rdf owl gir glade ui kcfg qrc metainfo appdata xbel gml osm dae x3d ditamap dita docbook dbk fo xmp xfdf musicxml xlf xliff tmx ttml dfxp smil mathml mml its rels xba xlb xdl xcu xcs vml jrxml tld xsp pxml iml mxml icml idml lpi lpk", "text", "application/xml", "XML 文書", "XML document", P | K | C, "W3C XML 1.0"},
    {"dtd", "dtd", "ent mod", "text", "application/xml-dtd", "文書型定義（DTD）", "document type definition", NoFlags, "W3C XML 1.0 (document type declarations)"},
    {"svg", "svg", "", "xml", "image/svg+xml", "SVG 画像", "SVG image", P, "W3C SVG 1.1"},
    {"xhtml", "html", "xhtml xht htm", "xml", "application/xhtml+xml", "XHTML 文書", "XHTML document", P, "W3C XHTML 1.0"},
    // Feeds are published and saved as .xml far more often than as .rss or .atom.
    {"rss", "xml", "rss", "xml", "application/rss+xml", "RSS フィード", "RSS feed", P, "RSS 2.0 specification (RSS Advisory Board)"},
    {"atom", "xml", "atom", "xml", "application/atom+xml", "Atom フィード", "Atom feed", P, "RFC 4287 (Atom)"},
    {"gpx", "gpx", "", "xml", "application/gpx+xml", "GPS データ（GPX）", "GPS exchange data", P, "GPX 1.1 schema (Topografix)"},
    {"kml", "kml", "", "xml", "application/vnd.google-earth.kml+xml", "地図データ（KML）", "Keyhole Markup Language", P, "OGC KML 2.3"},
    {"plist", "plist", "", "xml", "application/x-plist", "プロパティリスト（plist）", "property list", P, "Apple property list DTD"},
    {"plist-binary", "plist", "", "", "application/x-bplist", "バイナリ プロパティリスト", "binary property list", NoFlags, "Apple CFBinaryPList documentation"},
    {"xsl", "xsl", "xslt", "xml", "application/xslt+xml", "XSLT スタイルシート", "XSLT stylesheet", P, "W3C XSLT 1.0"},
    {"xsd", "xsd", "", "xml", "application/xml", "XML スキーマ", "XML schema", P, "W3C XML Schema 1.1"},
    {"opml", "opml", "", "xml", "text/x-opml", "アウトライン（OPML）", "OPML outline", P, "OPML 2.0 specification"},
    {"fb2", "fb2", "", "xml", "application/x-fictionbook+xml", "FictionBook 電子書籍", "FictionBook e-book", P, "FictionBook 2.0 schema"},
    {"xspf", "xspf", "", "xml", "application/xspf+xml", "プレイリスト（XSPF）", "XSPF playlist", P, "XSPF version 1 specification"},
    {"json", "json", "jsonl ndjson geojson topojson har webmanifest gltf avsc jsonld mcmeta tfstate sarif arb", "yaml", "application/json", "JSON データ", "JSON data", P | C, "RFC 8259 (JSON), JSON Lines"},
    // Configuration files in JSON with comments and trailing commas, which JSON parsers refuse.
    {"jsonc", "jsonc", "json5 babelrc eslintrc code-workspace", "json", "application/json", "JSON 系の設定ファイル（コメント付き）", "JSON with comments", N, "JSONC (VS Code documentation)"},
    {"ipynb", "ipynb", "", "json", "application/x-ipynb+json", "Jupyter ノートブック", "Jupyter notebook", P, "Jupyter nbformat documentation"},
    {"yaml", "yaml", "yml eyaml raml", "text", "application/yaml", "YAML データ", "YAML data", K | C, "YAML 1.2 specification"},
    {"toml", "toml", "", "text", "application/toml", "TOML 設定ファイル", "TOML configuration", C, "TOML 1.0 specification"},
    {"ini", "ini", "inf cfg conf theme colors tablet service socket timer target mount automount path slice scope swap link network netdev nspawn preset ovpn repo vbox kdelnk", "text", "text/plain", "設定ファイル（INI）", "INI settings", K | C, "Microsoft GetPrivateProfileString documentation"},
    {"desktop", "desktop", "directory", "ini", "application/x-desktop", "デスクトップ エントリ", "desktop entry", P | R, "freedesktop.org Desktop Entry Specification"},
    {"url", "url", "website", "ini", "application/x-url", "インターネット ショートカット", "Internet shortcut", P, "Windows Internet shortcut (InternetShortcut section)"},
    {"reg", "reg", "", "ini", "text/x-ms-regedit", "レジストリ ファイル", "registry file", P | R, "Windows Registry Editor file format documentation"},
    {"properties", "properties", "prop", "text", "text/x-java-properties", "Java プロパティファイル", "Java properties", N, "java.util.Properties documentation"},
    {"csv", "csv", "", "text", "text/csv", "CSV（カンマ区切り）データ", "comma-separated values", C, "RFC 4180 (CSV)"},
    {"tsv", "tsv", "tab psv dsv", "text", "text/tab-separated-values", "タブ区切りデータ", "tab-separated values", C, "IANA text/tab-separated-values"},
    {"slk", "slk", "sylk", "text", "application/x-sylk", "SYLK スプレッドシート", "SYLK spreadsheet", NoFlags, "SYLK format (Microsoft Multiplan documentation)"},
    {"dif", "dif", "", "text", "text/x-dif", "DIF データ（表計算の交換形式）", "Data Interchange Format", NoFlags, "DIF specification (Software Arts)"},
    {"md", "md", "markdown mdown mkd mkdn mdwn mdtxt mdtext rmd qmd mdx", "text", "text/markdown", "Markdown 文書", "Markdown document", NoFlags, "CommonMark specification"},
    {"rst", "rst", "rest", "text", "text/x-rst", "reStructuredText 文書", "reStructuredText document", NoFlags, "Docutils reStructuredText specification"},
    {"adoc", "adoc", "asciidoc asc", "text", "text/asciidoc", "AsciiDoc 文書", "AsciiDoc document", NoFlags, "AsciiDoc language documentation"},
    {"org", "org", "", "text", "text/org", "Org 文書", "Org document", NoFlags, "Org mode manual"},
    {"wiki", "wiki", "mediawiki creole rdoc", "text", "text/x-wiki", "Wiki 文書（MediaWiki）", "wiki text", NoFlags, "MediaWiki Help:Formatting"},
    {"textile", "textile", "", "text", "text/x-textile", "Textile 文書", "Textile document", NoFlags, "Textile language documentation"},
    {"pod", "pod", "", "pl", "text/x-pod", "Perl ドキュメント（POD）", "Perl POD documentation", NoFlags, "perlpod"},
    {"tex", "tex", "ltx latex sty cls dtx ins bbl clo fd def", "text", "text/x-tex", "TeX 文書", "TeX document", NoFlags, "TeX and LaTeX manuals"},
    {"bib", "bib", "bst", "text", "text/x-bibtex", "参考文献データ（BibTeX）", "BibTeX bibliography", NoFlags, "BibTeX documentation"},
    {"texinfo", "texi", "texinfo txi", "text", "text/x-texinfo", "Texinfo 文書", "Texinfo document", NoFlags, "GNU Texinfo manual"},
    {"info", "info", "", "text", "application/x-info", "Info 文書", "GNU Info document", NoFlags, "GNU Texinfo manual (Info format)"},
    {"man", "1", "2 3 4 5 6 7 8 9 n l man 1p 3p 3pm 3perl 1ssl 3ssl 5ssl 7ssl 3x 1x 8x 3tcl mdoc", "troff", "text/troff", "マニュアルページ（man）", "manual page", NoFlags, "man(7), groff_man(7)"},
    {"troff", "roff", "tr t ms me mm mom nroff troff tmac pic tbl eqn", "text", "text/troff", "troff 文書", "troff document", K, "groff(7)"},
    {"css", "css", "scss sass less styl stylus pcss", "text", "text/css", "スタイルシート（CSS）", "CSS stylesheet", S, "W3C CSS 2.1"},
    {"js", "js", "mjs cjs jsx es6 jsm gs coffee", "text", "text/javascript", "JavaScript ソース", "JavaScript source", S | R, "ECMA-262"},
    // TypeScript is JavaScript with types: JavaScript may keep .ts, TypeScript named .js is told by its types.
    {"typescript", "ts", "tsx mts cts", "js", "application/typescript", "TypeScript ソース", "TypeScript source", D | S, "TypeScript language documentation"},
    {"c", "c", "h i", "text", "text/x-c", "C ソース", "C source", K | S, "ISO/IEC 9899 (C)"},
    {"h", "h", "", "c", "text/x-c", "C/C++ ヘッダー", "C/C++ header", N | S, "ISO/IEC 9899 (C)"},
    {"cpp", "cpp", "cc cxx c++ cp hpp hh hxx h++ inl ipp tcc tpp txx cu cuh ino pde", "c", "text/x-c++", "C++ ソース", "C++ source", S, "ISO/IEC 14882 (C++)"},
    {"objc", "m", "mm", "c", "text/x-objective-c", "Objective-C ソース", "Objective-C source", N | S, "Apple Objective-C documentation"},
    {"cs", "cs", "csx", "text", "text/x-csharp", "C# ソース", "C# source", S, "ECMA-334 (C#)"},
    {"java", "java", "jav", "text", "text/x-java", "Java ソース", "Java source", S, "Java Language Specification"},
    {"kt", "kt", "kts", "text", "text/x-kotlin", "Kotlin ソース", "Kotlin source", N | S, "Kotlin language specification"},
    {"scala", "scala", "sc sbt", "text", "text/x-scala", "Scala ソース", "Scala source", N | S, "Scala language specification"},
    {"groovy", "groovy", "gradle gvy gy gsh", "text", "text/x-groovy", "Groovy ソース", "Groovy source", N | S, "Groovy language documentation"},
    {"clojure", "clj", "cljs cljc edn", "text", "text/x-clojure", "Clojure ソース", "Clojure source", N | S, "Clojure reference"},
    {"go", "go", "", "text", "text/x-go", "Go ソース", "Go source", S, "Go language specification"},
    {"go-module", "mod", "sum work", "text", "text/plain", "Go モジュール定義", "Go module definition", N, "Go modules reference (go.mod)"},
    {"rs", "rs", "", "text", "text/x-rust", "Rust ソース", "Rust source", S, "Rust reference"},
    {"swift", "swift", "", "text", "text/x-swift", "Swift ソース", "Swift source", S, "Swift language reference"},
    {"dart", "dart", "", "text", "text/x-dart", "Dart ソース", "Dart source", N | S, "Dart language specification"},
    {"d", "d", "di", "text", "text/x-d", "D ソース", "D source", N | S, "D language specification"},
    {"zig", "zig", "", "text", "text/x-zig", "Zig ソース", "Zig source", S, "Zig language reference"},
    {"yara", "yar", "yara", "text", "text/x-yara", "YARA ルール", "YARA rules", S, "YARA documentation"},
    {"smali", "smali", "", "text", "text/x-smali", "Smali（Dalvik アセンブリ）", "Smali Dalvik assembly", S, "smali documentation (JesusFreke)"},
    {"nim", "nim", "nims nimble", "text", "text/x-nim", "Nim ソース", "Nim source", N | S, "Nim manual"},
    {"vala", "vala", "vapi", "text", "text/x-vala", "Vala ソース", "Vala source", N | S, "Vala reference manual"},
    {"pascal", "pas", "pp p dpr lpr lfm dfm inc", "text", "text/x-pascal", "Pascal ソース", "Pascal source", N | S, "Pascal (ISO 7185) and Free Pascal documentation"},
    {"fortran", "f90", "f f77 f95 f03 f08 for ftn fpp", "text", "text/x-fortran", "Fortran ソース", "Fortran source", N | S, "ISO/IEC 1539 (Fortran)"},
    {"ada", "adb", "ads ada", "text", "text/x-ada", "Ada ソース", "Ada source", N | S, "Ada reference manual"},
    {"cobol", "cob", "cbl cpy", "text", "text/x-cobol", "COBOL ソース", "COBOL source", N | S, "ISO/IEC 1989 (COBOL)"},
    {"asm", "s", "asm nasm masm a51 inc", "text", "text/x-asm", "アセンブリ ソース", "assembly source", S, "GNU as manual"},
    {"haskell", "hs", "lhs hsc cabal", "text", "text/x-haskell", "Haskell ソース", "Haskell source", N | S, "Haskell 2010 report"},
    {"ocaml", "ml", "mli mll mly re rei", "text", "text/x-ocaml", "OCaml ソース", "OCaml source", N | S, "OCaml manual"},
    {"fsharp", "fs", "fsi fsx", "text", "text/x-fsharp", "F# ソース", "F# source", N | S, "F# language specification"},
    {"erlang", "erl", "hrl app src escript", "text", "text/x-erlang", "Erlang ソース", "Erlang source", N | S, "Erlang reference manual"},
    {"elixir", "ex", "exs eex heex leex", "text", "text/x-elixir", "Elixir ソース", "Elixir source", N | S, "Elixir documentation"},
    {"lisp", "lisp", "lsp cl scm ss sld rkt fnl hy asd", "text", "text/x-lisp", "Lisp ソース", "Lisp source", N | S, "Common Lisp HyperSpec"},
    {"elisp", "el", "emacs", "text", "text/x-emacs-lisp", "Emacs Lisp ソース", "Emacs Lisp source", S, "GNU Emacs Lisp manual"},
    {"r", "r", "rd rprofile rhistory", "text", "text/x-r", "R スクリプト", "R script", N | S | R, "R language definition"},
    {"julia", "jl", "", "text", "text/x-julia", "Julia ソース", "Julia source", N | S, "Julia documentation"},
    {"matlab", "m", "", "text", "text/x-matlab", "MATLAB スクリプト", "MATLAB script", N | S | R, "MATLAB documentation"},
    {"tcl", "tcl", "tk itcl exp tm", "text", "text/x-tcl", "Tcl スクリプト", "Tcl script", S | R, "Tcl manual"},
    {"verilog", "v", "vh sv svh", "text", "text/x-verilog", "Verilog ソース", "Verilog source", N | S, "IEEE 1364 (Verilog)"},
    {"vhdl", "vhd", "vhdl", "text", "text/x-vhdl", "VHDL ソース", "VHDL source", N | S, "IEEE 1076 (VHDL)"},
    {"glsl", "glsl", "vert frag geom comp tesc tese hlsl fx cg metal wgsl", "text", "text/x-glsl", "シェーダー ソース", "shader source", N | S, "GLSL specification (Khronos)"},
    {"proto", "proto", "thrift fbs capnp idl odl x", "text", "text/plain", "インターフェース定義", "interface definition", N, "Protocol Buffers language guide"},
    {"grammar", "y", "yy ypp l ll lex g4 ebnf bnf peg asn asn1", "text", "text/plain", "文法定義（yacc/lex）", "grammar definition", N, "ANTLR and Bison manuals"},
    {"py", "py", "pyw pyi pyx pxd pxi gyp gypi bzl star wsgi cgi rpy sage py3 sconstruct sconscript", "text", "text/x-python", "Python スクリプト", "Python script", S | R, "Python language reference"},
    {"rb", "rb", "rake gemspec ru thor jbuilder builder podspec rbw cgi", "text", "text/x-ruby", "Ruby スクリプト", "Ruby script", S | R, "Ruby documentation"},
    {"pl", "pl", "pm t psgi cgi ph al xs plx perl", "text", "text/x-perl", "Perl スクリプト", "Perl script", S | R, "perlsyn"},
    {"php", "php", "phtml php3 php4 php5 php7 phps phpt inc", "html", "application/x-php", "PHP スクリプト", "PHP script", S | R, "PHP manual"},
    {"lua", "lua", "rockspec wlua", "text", "text/x-lua", "Lua スクリプト", "Lua script", S | R, "Lua 5.4 reference manual"},
    {"sh", "sh", "bash zsh ksh csh tcsh fish ash dash command tool bats cgi bashrc zshrc profile subr functions", "text", "application/x-sh", "シェルスクリプト", "shell script", S | R, "POSIX.1-2017 shell command language"},
    {"awk", "awk", "gawk nawk mawk", "text", "text/x-awk", "AWK スクリプト", "AWK script", S | R, "POSIX.1-2017 awk"},
    {"sed", "sed", "", "text", "text/x-sed", "sed スクリプト", "sed script", S | R, "POSIX.1-2017 sed"},
    {"bat", "bat", "cmd btm", "text", "application/x-bat", "バッチファイル", "batch file", S | R, "Microsoft cmd documentation"},
    {"ps1", "ps1", "psm1 psd1 pssc ps1xml", "text", "text/x-powershell", "PowerShell スクリプト", "PowerShell script", S | R, "PowerShell language specification"},
    {"vbs", "vbs", "vba vb bas frm cls bi vbe wsf", "text", "text/vbscript", "VBScript ソース", "VBScript source", S | R, "Microsoft VBScript documentation"},
    {"ahk", "ahk", "au3 nsi nsh iss", "text", "text/plain", "自動化スクリプト", "automation script", N | S | R, "AutoHotkey documentation"},
    {"vim", "vim", "vimrc gvimrc exrc", "text", "text/x-vim", "Vim スクリプト", "Vim script", S | R, "Vim reference manual (eval.txt)"},
    {"sql", "sql", "psql pgsql mysql plsql pks pkb ddl dml hql cql", "text", "application/sql", "SQL スクリプト", "SQL script", S | R, "ISO/IEC 9075 (SQL)"},
    {"makefile", "mk", "mak make makefile gmk am mkfile", "text", "text/x-makefile", "Makefile", "Makefile", S, "POSIX.1-2017 make, GNU make manual"},
    {"cmake", "cmake", "", "text", "text/x-cmake", "CMake スクリプト", "CMake script", S | R, "CMake language documentation"},
    {"build-script", "ninja", "gn gni bp bazel build mesonbuild jam pri pro prf qbs gyp sbt", "text", "text/plain", "ビルド スクリプト", "build script", N | S | R, "Meson, Ninja and Bazel manuals"},
    {"autoconf", "ac", "m4 at", "text", "text/x-m4", "autoconf/m4 スクリプト", "autoconf/m4 script", N | S | R, "GNU Autoconf and m4 manuals"},
    {"dockerfile", "dockerfile", "containerfile", "text", "text/x-dockerfile", "Dockerfile", "Dockerfile", N | S, "Dockerfile reference"},
    {"nix", "nix", "", "text", "text/x-nix", "Nix 式", "Nix expression", N | S, "Nix language reference"},
    {"hcl", "tf", "tfvars hcl nomad", "text", "text/x-hcl", "HCL 設定（Terraform）", "HCL configuration", N, "HCL native syntax specification"},
    {"config-lang", "jsonnet", "libsonnet dhall cue pkl", "text", "text/plain", "設定言語ソース", "configuration language source", N, "Dhall, Jsonnet and CUE documentation"},
    {"graphql", "graphql", "gql prisma", "text", "application/graphql", "GraphQL スキーマ", "GraphQL schema", N, "GraphQL specification"},
    {"rdf-text", "ttl", "n3 nt nq trig sparql rq", "text", "text/turtle", "RDF データ（Turtle）", "RDF data (Turtle)", N, "W3C RDF 1.1 Turtle"},
    {"pc", "pc", "", "text", "text/plain", "pkg-config 定義", "pkg-config definition", NoFlags, "pkg-config documentation"},
    {"la", "la", "lai", "text", "application/x-libtool", "libtool ライブラリ定義", "libtool library", NoFlags, "GNU Libtool manual"},
    {"spec", "spec", "", "text", "text/x-rpm-spec", "RPM spec ファイル", "RPM spec file", N, "RPM spec file documentation"},
    {"ebuild", "ebuild", "eclass", "sh", "text/plain", "Gentoo ebuild", "Gentoo ebuild", N | S, "Gentoo ebuild(5)"},
    {"debian-control", "dsc", "changes buildinfo control symbols shlibs substvars triggers install dirs docs links manpages postinst preinst prerm postrm lintian-overrides", "text", "text/plain", "Debian パッケージ定義", "Debian package control data", G | N, "Debian Policy Manual, control files"},
    {"linker-script", "ld", "lds so", "text", "text/plain", "リンカー スクリプト", "linker script", N | R, "GNU ld manual (scripts)"},
    {"def", "def", "rc rc2 res2", "text", "text/plain", "Windows 定義ファイル", "Windows definition file", N, "Microsoft module-definition file documentation"},
    {"sln", "sln", "", "text", "text/plain", "Visual Studio ソリューション", "Visual Studio solution", P, "Visual Studio solution file documentation"},
    {"patch", "patch", "diff debdiff rej dpatch", "text", "text/x-diff", "差分（パッチ）", "patch", NoFlags, "POSIX.1-2017 diff, GNU diffutils manual"},
    {"srt", "srt", "", "text", "application/x-subrip", "字幕（SubRip）", "SubRip subtitles", NoFlags, "SubRip format (Matroska subtitle documentation)"},
    {"vtt", "vtt", "", "text", "text/vtt", "字幕（WebVTT）", "WebVTT subtitles", NoFlags, "W3C WebVTT"},
    {"ass", "ass", "ssa", "text", "text/x-ssa", "字幕（ASS/SSA）", "Advanced SubStation Alpha subtitles", NoFlags, "Advanced SubStation Alpha v4+ specification"},
    {"sub", "sub", "sbv smi sami", "text", "text/x-microdvd", "字幕（MicroDVD）", "MicroDVD subtitles", NoFlags, "MicroDVD format (Matroska subtitle documentation)"},
    {"lrc", "lrc", "", "text", "application/x-lrc", "歌詞（LRC）", "lyrics", NoFlags, "LRC format (Wikipedia: LRC file format)"},
    {"m3u", "m3u", "m3u8", "text", "audio/x-mpegurl", "プレイリスト（M3U）", "M3U playlist", NoFlags, "RFC 8216 (extended M3U)"},
    {"paf", "paf", "fap", "", "audio/x-paf", "PARIS オーディオ（PAF）", "Ensoniq PARIS audio", NoFlags, "libsndfile PARIS format, libmagic Magdir/audio"},
    {"pvf", "pvf", "", "", "audio/x-pvf", "ボイスモデム音声（PVF）", "portable voice format", NoFlags, "libmagic Magdir/audio (portable voice format)"},
    {"xi", "xi", "", "", "audio/x-xi", "FastTracker 2 楽器", "FastTracker 2 instrument", NoFlags, "FastTracker 2 XI documentation"},
    {"codec2", "c2", "", "", "audio/x-codec2", "Codec 2 音声", "Codec 2 speech", NoFlags, "Codec 2 file header (codec2 project)"},
    {"adx", "adx", "", "", "audio/x-adx", "CRI ADX オーディオ", "CRI ADX audio", NoFlags, "CRI ADX (multimedia.cx wiki)"},
    {"apm", "apm", "", "", "audio/x-apm", "Ubisoft APM オーディオ", "Ubisoft APM audio", NoFlags, "Ubisoft APM (multimedia.cx wiki)"},
    {"kvag", "vag", "kvag", "", "audio/x-vag", "VAG オーディオ", "VAG audio", NoFlags, "Konami VAG (FFmpeg documentation)"},
    {"wtv", "wtv", "", "", "video/x-ms-wtv", "Windows テレビ録画（WTV）", "Windows recorded TV show", NoFlags, "Windows TV file (multimedia.cx wiki)"},
    {"smjpeg", "mjpg", "smjpeg", "", "video/x-smjpeg", "SMJPEG 動画", "SDL motion JPEG video", NoFlags, "SDL SMJPEG format documentation"},
    {"mpjpeg", "mjpg", "mjpeg mpjpeg", "", "multipart/x-mixed-replace", "Motion JPEG ストリーム（multipart）", "multipart motion JPEG stream", NoFlags, "RFC 2046 multipart, RFC 2046 multipart/x-mixed-replace practice"},
    {"dirac", "drc", "dirac", "", "video/x-dirac", "Dirac 動画", "Dirac video", NoFlags, "Dirac specification 2.2.3 (BBC)"},
    {"dnxhd", "dnxhd", "dnxhr", "", "video/x-dnxhd", "Avid DNxHD 動画", "Avid DNxHD video", NoFlags, "SMPTE ST 2019-1 (VC-3)"},
    {"ast", "ast", "", "", "audio/x-ast", "AST オーディオ（任天堂）", "Nintendo AST audio", NoFlags, "Nintendo AST (multimedia.cx wiki)"},
    {"hls", "m3u8", "", "m3u", "application/vnd.apple.mpegurl", "ストリーミング プレイリスト（HLS）", "HTTP live streaming playlist", NoFlags, "RFC 8216 (HTTP Live Streaming)"},
    {"pls", "pls", "", "text", "audio/x-scpls", "プレイリスト（PLS）", "PLS playlist", NoFlags, "PLS format (Winamp)"},
    {"cue", "cue", "", "text", "application/x-cue", "CD キューシート", "CD cue sheet", NoFlags, "CDRWIN cue sheet documentation"},
    {"vcf", "vcf", "vcard", "text", "text/vcard", "連絡先（vCard）", "vCard contact", NoFlags, "RFC 6350 (vCard)"},
    {"ics", "ics", "ical ifb vcs icalendar", "text", "text/calendar", "予定表（iCalendar）", "iCalendar data", NoFlags, "RFC 5545 (iCalendar)"},
    {"eml", "eml", "mime msg nws mail", "text", "message/rfc822", "電子メール", "e-mail message", NoFlags, "RFC 5322 (Internet Message Format)"},
    {"mht", "mht", "mhtml", "eml", "multipart/related", "Web アーカイブ（MHTML）", "MHTML web archive", P, "RFC 2557 (MHTML)"},
    {"checksum", "md5", "sha1 sha224 sha256 sha384 sha512 b2 crc sfv md5sum sha1sum sha256sum sha512sum", "text", "text/plain", "チェックサム一覧", "checksum list", N, "GNU coreutils sha256sum manual"},
    {"base64", "b64", "base64", "text", "text/plain", "Base64 テキスト", "Base64-encoded text", N, "RFC 4648 (Base64)"},
    {"pov", "pov", "", "text", "text/x-povray", "POV-Ray シーン", "POV-Ray scene", N, "POV-Ray scene description language"},
    {"muse", "muse", "", "text", "text/x-muse", "Muse 文書", "Muse document", N, "Emacs Muse manual"},
    {"pandoc-native", "native", "", "text", "text/plain", "Pandoc 文書構造", "Pandoc native document", N, "Pandoc manual (native format)"},
    {"metapost", "mp", "mf", "text", "text/x-metapost", "MetaPost 図形", "MetaPost drawing", N, "MetaPost manual"},
    {"apple-strings", "strings", "", "text", "text/plain", "ローカライズ文字列（.strings）", "localized strings", NoFlags, "Apple String Resources documentation"},
    {"mbox", "mbox", "mbx", "text", "application/mbox", "メールボックス（mbox）", "mbox mailbox", NoFlags, "RFC 4155 (mbox)"},
    {"linux-swap", "swap", "img", "", "application/octet-stream", "Linux スワップ領域", "Linux swap space", NoFlags, "Linux swap header (linux/swap.h)"},
    {"openssl-enc", "enc", "", "", "application/octet-stream", "OpenSSL 暗号化データ", "OpenSSL encrypted data", NoFlags, "OpenSSL enc(1) documentation"},
    {"git-bundle", "bundle", "", "", "application/x-git-bundle", "Git バンドル", "Git bundle", NoFlags, "Git gitformat-bundle documentation"},
    {"ssh-sig", "sig", "", "text", "text/plain", "SSH 署名", "SSH signature", NoFlags, "OpenSSH PROTOCOL.sshsig"},
    {"pem", "pem", "crt cer key csr crl p7b p7c chain ca-bundle pub", "text", "application/x-pem-file", "PEM 証明書・鍵", "PEM certificate or key", NoFlags, "RFC 7468 (textual encodings)"},
    {"asc", "asc", "sig gpg pgp rev", "text", "application/pgp-signature", "OpenPGP テキスト（ASCII 形式）", "ASCII-armored OpenPGP data", NoFlags, "RFC 4880 section 6 (ASCII armor)"},
    {"ssh-key", "pub", "", "text", "text/plain", "SSH 公開鍵", "SSH public key", NoFlags, "OpenSSH sshd(8) AUTHORIZED_KEYS format"},
    {"po", "po", "pot", "text", "text/x-gettext-translation", "gettext 翻訳ソース（PO）", "gettext translation source", NoFlags, "GNU gettext manual (PO files)"},
    {"sfd", "sfd", "", "text", "application/vnd.font-fontforge-sfd", "FontForge フォントソース", "FontForge spline font source", NoFlags, "FontForge sfd format documentation"},
    {"llvm-ir", "ll", "", "text", "text/x-llvm", "LLVM 中間表現", "LLVM intermediate representation", NoFlags, "LLVM Language Reference Manual"},
    {"dot", "gv", "dot xdot", "text", "text/vnd.graphviz", "グラフ定義（Graphviz）", "Graphviz graph", NoFlags, "Graphviz DOT language"},
    {"diagram-text", "puml", "plantuml pu mmd mermaid msc", "text", "text/plain", "図の定義テキスト", "diagram source", N, "Mermaid and PlantUML documentation"},
    {"xbm", "xbm", "", "c", "image/x-xbitmap", "X ビットマップ画像（XBM）", "X bitmap image", P, "X11 Xlib bitmap file format"},
    {"xpm", "xpm", "", "c", "image/x-xpixmap", "X ピクスマップ画像（XPM）", "X pixmap image", P, "XPM manual (Groupe Bull)"},
    // Text tables and scripts that share their extensions with binary formats.
    {"encoding-table", "enc", "", "text", "text/plain", "文字コード表（テキスト）", "character encoding table", N, "X11 encoding file documentation"},
    {"bc", "bc", "", "text", "text/x-bc", "bc 計算スクリプト", "bc calculator script", N | S | R, "POSIX.1-2017 bc"},
    {"pfa-afm", "afm", "", "text", "application/x-font-afm", "フォント メトリクス（AFM）", "Adobe font metrics", NoFlags, "Adobe Technical Note 5004 (AFM)"},
    {"bdf", "bdf", "", "text", "application/x-font-bdf", "X11 ビットマップフォント（BDF）", "Glyph Bitmap Distribution Format font", NoFlags, "Adobe Technical Note 5005 (BDF)"},
    {"stl-ascii", "stl", "", "text", "model/stl", "STL 3D モデル（テキスト）", "STL 3D model (text)", NoFlags, "STL format (3D Systems)"},
    {"obj-model", "obj", "mtl", "text", "model/obj", "Wavefront 3D モデル", "Wavefront 3D model", N, "Wavefront OBJ specification"},
    {"dxf", "dxf", "", "text", "image/vnd.dxf", "AutoCAD 交換図面（DXF）", "AutoCAD drawing exchange", NoFlags, "Autodesk DXF reference"},
    {"step", "step", "stp p21", "text", "model/step", "STEP 3D モデル", "STEP 3D model", NoFlags, "ISO 10303-21 (STEP)"},
    {"vrml", "wrl", "vrml", "text", "model/vrml", "VRML 3D モデル", "VRML 3D model", NoFlags, "ISO/IEC 14772 (VRML97)"},
    {"gcode", "gcode", "nc ngc gco", "text", "text/x-gcode", "G コード（工作機械）", "G-code", N, "RepRap G-code documentation"},
    {"ihex", "hex", "ihex ihx", "text", "text/x-hex", "Intel HEX 形式データ", "Intel HEX data", NoFlags, "Intel Hexadecimal Object File Format Specification"},
    {"srec", "srec", "s19 s28 s37 mot", "text", "text/x-srecord", "Motorola S レコード", "Motorola S-record", NoFlags, "Motorola S-record (srec(5))"},
    {"tekhex", "tek", "", "text", "text/x-tekhex", "Tektronix 拡張 HEX 形式データ", "Tektronix extended HEX data", NoFlags, "Tektronix extended hex (GNU binutils documentation)"},
    {"bio-seq", "fasta", "fa fna faa ffn frn fas fastq fq gff gff3 gtf bed sam wig nwk newick aln phy gb gbk embl pdb mol sdf cif xyz", "text", "text/plain", "生物・化学データ（テキスト）", "biological or chemical data", N, "FASTA and PDB format documentation"},
    {"ish", "ish", "", "text", "text/x-ish", "ish 形式のテキスト化データ", "ish-encoded data", N, "ish converter documentation (ports.to converters/ish)"},
    {"uue", "uue", "uu", "text", "text/x-uuencode", "uuencode データ", "uuencoded data", NoFlags, "POSIX.1-2017 uuencode"},
    {"lyx", "lyx", "", "text", "application/x-lyx", "LyX 文書", "LyX document", NoFlags, "LyX file format documentation"},
    {"fig", "fig", "", "text", "image/x-xfig", "Xfig 図形", "Xfig drawing", NoFlags, "Xfig FORMAT3.2"},
    {"gpl", "gpl", "", "text", "text/plain", "GIMP パレット", "GIMP palette", NoFlags, "GIMP palette format (devel-docs)"},
    {"vmdk-descriptor", "vmdk", "", "text", "text/plain", "VMware 仮想ディスク記述子", "VMware disk descriptor", NoFlags, "VMware Virtual Disk Format 5.0"},
};

struct Index {
    std::unordered_map<std::string_view, const TypeInfo *> byId;
    std::unordered_map<std::string_view, std::vector<const TypeInfo *>> byExtension;
};

template <typename Visit>
void forEachWord(std::string_view words, Visit visit)
{
    while (!words.empty()) {
        const size_t blank = words.find(' ');
        const std::string_view word = words.substr(0, blank);
        if (!word.empty())
            visit(word);
        if (blank == std::string_view::npos)
            break;
        words.remove_prefix(blank + 1);
    }
}

Index buildIndex()
{
    Index index;
    for (const TypeInfo &type : Types) {
        index.byId.emplace(type.id, &type);
        auto add = [&](std::string_view ext) {
            auto &list = index.byExtension[ext];
            if (list.empty() || list.back() != &type)
                list.push_back(&type);
        };
        if (!type.ext.empty())
            add(type.ext);
        forEachWord(type.aliases, add);
    }
    return index;
}

const Index &index()
{
    static const Index built = buildIndex();
    return built;
}

} // namespace

bool TypeInfo::claimsExtension(std::string_view wanted) const
{
    if (wanted.empty())
        return false;
    if (wanted == ext)
        return true;
    bool found = false;
    forEachWord(aliases, [&](std::string_view alias) { found = found || alias == wanted; });
    return found;
}

std::span<const TypeInfo> allTypes() { return Types; }

const TypeInfo *typeById(std::string_view id)
{
    const auto &byId = index().byId;
    const auto found = byId.find(id);
    return found == byId.end() ? nullptr : found->second;
}

const TypeInfo *parentOf(const TypeInfo &type)
{
    return type.parent.empty() ? nullptr : typeById(type.parent);
}

bool isDescendantOf(const TypeInfo &type, const TypeInfo &ancestor)
{
    // The depth bound guards against a cycle slipped into the table.
    const TypeInfo *step = parentOf(type);
    for (int depth = 0; step && depth < 16; ++depth, step = parentOf(*step)) {
        if (step == &ancestor)
            return true;
    }
    return false;
}

const std::vector<const TypeInfo *> &typesForExtension(std::string_view ext)
{
    static const std::vector<const TypeInfo *> none;
    const auto &byExtension = index().byExtension;
    const auto found = byExtension.find(ext);
    return found == byExtension.end() ? none : found->second;
}

bool isTextual(const TypeInfo &type)
{
    const TypeInfo *text = typeById(TextTypeId);
    return text && (&type == text || isDescendantOf(type, *text));
}

} // namespace tivex
