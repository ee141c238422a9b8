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

// Row order is the order in which TivexWhat lists the descriptions of an extension.
constexpr TypeInfo Types[] = {
    // Images
    {"png", "png", "apng", "", "image/png", "PNG 画像", "PNG image", NoFlags},
    {"jls", "jls", "", "", "image/jls", "JPEG-LS 画像", "JPEG-LS image", NoFlags},
    {"jpg", "jpg", "jpeg jpe jfif jif mjpeg mjpg", "", "image/jpeg", "JPEG 画像", "JPEG image", NoFlags},
    {"gif", "gif", "", "", "image/gif", "GIF 画像", "GIF image", NoFlags},
    {"bmp", "bmp", "dib", "", "image/bmp", "ビットマップ画像（BMP）", "Windows bitmap image", NoFlags},
    {"tiff", "tiff", "tif ptif ptiff", "", "image/tiff", "TIFF 画像", "TIFF image", K},
    {"tiff-big", "tiff", "tif btf tf8", "tiff", "image/tiff", "BigTIFF 画像", "BigTIFF image", NoFlags},
    {"raw-tiff", "dng", "nef nrw arw srf sr2 pef 3fr erf kdc mos iiq rwl srw mef", "tiff", "image/x-dcraw", "デジタルカメラの RAW 画像", "digital camera raw image", N},
    {"cr2", "cr2", "", "tiff", "image/x-canon-cr2", "Canon RAW 画像（CR2）", "Canon raw image (CR2)", P},
    {"orf", "orf", "", "", "image/x-olympus-orf", "Olympus RAW 画像", "Olympus raw image", NoFlags},
    {"rw2", "rw2", "raw", "", "image/x-panasonic-rw2", "Panasonic RAW 画像", "Panasonic raw image", NoFlags},
    {"raf", "raf", "", "", "image/x-fuji-raf", "富士フイルム RAW 画像", "Fujifilm raw image", NoFlags},
    {"crw", "crw", "", "", "image/x-canon-crw", "Canon RAW 画像（CRW）", "Canon raw image (CRW)", NoFlags},
    {"webp", "webp", "", "", "image/webp", "WebP 画像", "WebP image", NoFlags},
    {"ico", "ico", "", "", "image/vnd.microsoft.icon", "Windows アイコン", "Windows icon", NoFlags},
    // A cursor is an icon with hot spots, and writers (ImageMagick among them) store
    // cursors as plain icons: icon content may keep .cur, cursor content is not an .ico.
    {"cur", "cur", "", "ico", "image/x-win-bitmap", "Windows カーソル", "Windows cursor", D},
    {"ani", "ani", "", "", "application/x-navi-animation", "Windows アニメーションカーソル", "Windows animated cursor", NoFlags},
    {"icns", "icns", "", "", "image/x-icns", "macOS アイコン", "macOS icon", NoFlags},
    {"psb", "psb", "", "psd", "image/vnd.adobe.photoshop", "Photoshop 大容量画像（PSB）", "Adobe Photoshop large document", P},
    {"pict", "pict", "pct pic", "", "image/x-pict", "Macintosh PICT 画像", "Macintosh PICT image", NoFlags},
    {"cals", "cals", "cal ct1 ct2 ct3 ct4", "", "image/x-cals", "CALS ラスター画像", "CALS raster image", NoFlags},
    {"psd", "psd", "", "", "image/vnd.adobe.photoshop", "Photoshop 画像", "Adobe Photoshop image", NoFlags},
    {"heif", "heif", "heifs hif", "", "image/heif", "HEIF 画像", "HEIF image", K},
    {"heic", "heic", "heics", "heif", "image/heic", "HEIF 画像（HEIC）", "HEIF image (HEIC)", P},
    {"avif", "avif", "avifs", "", "image/avif", "AVIF 画像", "AVIF image", NoFlags},
    {"jp2", "jp2", "jpg2 j2c", "", "image/jp2", "JPEG 2000 画像", "JPEG 2000 image", K},
    {"jpx", "jpx", "jpf", "jp2", "image/jpx", "JPEG 2000 拡張画像（JPX）", "JPEG 2000 extended image", NoFlags},
    {"jpm", "jpm", "", "jp2", "image/jpm", "JPEG 2000 複合画像（JPM）", "JPEG 2000 compound image", P},
    {"j2k", "j2k", "j2c jpc jpt", "", "image/x-jp2-codestream", "JPEG 2000 コードストリーム", "JPEG 2000 codestream", NoFlags},
    {"jxl", "jxl", "", "", "image/jxl", "JPEG XL 画像", "JPEG XL image", NoFlags},
    {"jxr", "jxr", "wdp hdp", "", "image/jxr", "JPEG XR 画像", "JPEG XR image", NoFlags},
    {"qoi", "qoi", "", "", "image/qoi", "QOI 画像", "QOI image", NoFlags},
    {"xcf", "xcf", "", "", "image/x-xcf", "GIMP 画像", "GIMP image", NoFlags},
    {"dds", "dds", "", "", "image/vnd.ms-dds", "DirectDraw サーフェス画像", "DirectDraw Surface image", NoFlags},
    {"exr", "exr", "", "", "image/x-exr", "OpenEXR 画像", "OpenEXR image", NoFlags},
    {"hdr", "hdr", "rgbe pic", "", "image/vnd.radiance", "Radiance HDR 画像", "Radiance HDR image", NoFlags},
    {"pcx", "pcx", "", "", "image/vnd.zbrush.pcx", "PCX 画像", "PCX image", NoFlags},
    {"dcx", "dcx", "", "", "image/x-dcx", "マルチページ PCX 画像（DCX）", "multi-page PCX image", NoFlags},
    {"tga", "tga", "icb vda vst tpic", "", "image/x-tga", "TGA 画像", "Truevision TGA image", NoFlags},
    {"pnm", "pnm", "", "", "image/x-portable-anymap", "Netpbm 画像", "Netpbm image", K | N},
    {"pbm", "pbm", "", "pnm", "image/x-portable-bitmap", "Netpbm 白黒画像（PBM）", "Netpbm bitmap", P},
    {"pgm", "pgm", "", "pnm", "image/x-portable-graymap", "Netpbm グレースケール画像（PGM）", "Netpbm graymap", P},
    {"ppm", "ppm", "", "pnm", "image/x-portable-pixmap", "Netpbm カラー画像（PPM）", "Netpbm pixmap", P},
    {"pam", "pam", "", "pnm", "image/x-portable-arbitrarymap", "Netpbm 画像（PAM）", "Netpbm arbitrary map", P},
    {"phm", "phm", "", "pnm", "image/x-portable-halfmap", "Netpbm 半精度浮動小数点画像（PHM）", "Portable half-float map", P},
    {"pfm", "pfm", "", "pnm", "image/x-portable-floatmap", "Netpbm 浮動小数点画像（PFM）", "Portable float map", P},
    {"sgi", "sgi", "rgb rgba bw int inta", "", "image/x-sgi", "SGI 画像", "Silicon Graphics image", NoFlags},
    {"ras", "ras", "sun", "", "image/x-sun-raster", "Sun ラスター画像", "Sun raster image", NoFlags},
    {"xwd", "xwd", "", "", "image/x-xwindowdump", "X Window ダンプ画像", "X Window dump image", NoFlags},
    {"fits", "fits", "fit fts", "", "image/fits", "FITS 画像（天文データ）", "FITS astronomical data", NoFlags},
    {"dpx", "dpx", "", "", "image/x-dpx", "DPX 画像", "Digital Picture Exchange image", NoFlags},
    {"cin", "cin", "", "", "image/x-cineon", "Cineon 画像", "Cineon image", NoFlags},
    {"miff", "miff", "mif", "", "image/x-miff", "ImageMagick 画像（MIFF）", "ImageMagick image", NoFlags},
    {"vicar", "vicar", "vic img", "", "image/x-vicar", "VICAR 画像", "VICAR image", NoFlags},
    {"vips", "v", "vips", "", "image/x-vips", "VIPS 画像", "VIPS image", NoFlags},
    {"pgx", "pgx", "", "", "image/x-pgx", "JPEG 2000 PGX 画像", "JPEG 2000 PGX image", NoFlags},
    {"pcd", "pcd", "", "", "image/x-photo-cd", "Kodak Photo CD 画像", "Kodak Photo CD image", NoFlags},
    {"sixel", "six", "sixel", "", "image/x-sixel", "SIXEL 画像（端末用）", "SIXEL terminal image", NoFlags},
    {"ilbm", "iff", "ilbm lbm", "", "image/x-ilbm", "IFF ILBM 画像（Amiga）", "IFF ILBM image (Amiga)", NoFlags},
    {"mng", "mng", "", "", "video/x-mng", "MNG アニメーション", "MNG animation", NoFlags},
    {"jng", "jng", "", "", "image/x-jng", "JNG 画像", "JPEG Network Graphics image", NoFlags},
    {"ff", "ff", "farbfeld", "", "image/x-farbfeld", "farbfeld 画像", "farbfeld image", NoFlags},
    {"viff", "viff", "xv", "", "image/x-viff", "VIFF 画像", "Khoros VIFF image", NoFlags},
    {"wmf", "wmf", "", "", "image/wmf", "Windows メタファイル（WMF）", "Windows metafile", NoFlags},
    {"emf", "emf", "", "", "image/emf", "拡張メタファイル（EMF）", "Enhanced metafile", NoFlags},
    {"ktx", "ktx", "", "", "image/ktx", "KTX テクスチャ", "KTX texture", NoFlags},
    {"ktx2", "ktx2", "", "", "image/ktx2", "KTX2 テクスチャ", "KTX2 texture", NoFlags},
    {"bpg", "bpg", "", "", "image/bpg", "BPG 画像", "BPG image", NoFlags},
    {"jbig2", "jb2", "jbig2 jbg2", "", "image/x-jbig2", "JBIG2 画像", "JBIG2 image", NoFlags},
    {"icc", "icc", "icm", "", "application/vnd.iccprofile", "ICC カラープロファイル", "ICC colour profile", NoFlags},
    {"ora", "ora", "", "zip", "image/openraster", "OpenRaster 画像", "OpenRaster image", P},
    {"kra", "kra", "", "zip", "application/x-krita", "Krita 画像", "Krita image", P},
    {"gbr", "gbr", "", "", "image/x-gimp-gbr", "GIMP ブラシ", "GIMP brush", NoFlags},
    {"pat", "pat", "", "", "image/x-gimp-pat", "GIMP パターン", "GIMP pattern", NoFlags},
    {"djvu", "djvu", "djv", "", "image/vnd.djvu", "DjVu 文書", "DjVu document", NoFlags},

    // Documents
    {"pdf", "pdf", "ai", "", "application/pdf", "PDF 文書", "PDF document", NoFlags},
    {"ps", "ps", "", "", "application/postscript", "PostScript 文書", "PostScript document", K},
    {"t42", "t42", "", "ps", "application/x-font-type42", "Type 42 フォント", "Type 42 font", P},
    {"eps", "eps", "epsf epsi epi", "ps", "application/postscript", "EPS 画像（Encapsulated PostScript）", "Encapsulated PostScript", P},
    {"dvi", "dvi", "", "", "application/x-dvi", "TeX DVI 文書", "TeX DVI document", NoFlags},
    {"rtf", "rtf", "", "text", "application/rtf", "リッチテキスト文書（RTF）", "Rich Text Format document", P},
    {"ole2", "", "", "", "application/x-ole-storage", "OLE2 複合ドキュメント", "OLE2 compound document", K},
    {"doc", "doc", "dot wiz", "ole2", "application/msword", "Word 97-2003 文書", "Microsoft Word 97-2003 document", P},
    {"xls", "xls", "xlt xla xlw", "ole2", "application/vnd.ms-excel", "Excel 97-2003 ブック", "Microsoft Excel 97-2003 workbook", P},
    {"ppt", "ppt", "pps pot", "ole2", "application/vnd.ms-powerpoint", "PowerPoint 97-2003 プレゼンテーション", "Microsoft PowerPoint 97-2003 presentation", P},
    {"msi", "msi", "msp mst", "ole2", "application/x-msi", "Windows インストーラー パッケージ", "Windows Installer package", P | R},
    {"msg", "msg", "oft", "ole2", "application/vnd.ms-outlook", "Outlook メッセージ", "Outlook message", P},
    {"vsd", "vsd", "vss vst", "ole2", "application/vnd.visio", "Visio 2003-2010 図面", "Microsoft Visio 2003-2010 drawing", P},
    {"pub", "pub", "", "ole2", "application/vnd.ms-publisher", "Publisher 文書", "Microsoft Publisher document", P},
    {"hwp", "hwp", "", "ole2", "application/x-hwp", "ハングル文書（HWP）", "Hangul Word Processor document", P},
    {"ooxml-encrypted", "", "docx xlsx pptx docm xlsm pptm", "ole2", "application/x-ole-storage", "暗号化された Office 文書", "encrypted Microsoft Office document", P},
    {"docx", "docx", "", "zip", "application/vnd.openxmlformats-officedocument.wordprocessingml.document", "Word 文書", "Microsoft Word document", P},
    // A macro-enabled document without macros is written (by LibreOffice, for one) with
    // the plain document's content type, and stays valid under its name.
    {"docm", "docm", "", "docx", "application/vnd.ms-word.document.macroEnabled.12", "Word マクロ有効文書", "Microsoft Word macro-enabled document", D},
    {"dotx", "dotx", "", "zip", "application/vnd.openxmlformats-officedocument.wordprocessingml.template", "Word テンプレート", "Microsoft Word template", P},
    {"dotm", "dotm", "", "zip", "application/vnd.ms-word.template.macroEnabled.12", "Word マクロ有効テンプレート", "Microsoft Word macro-enabled template", P},
    {"xlsx", "xlsx", "", "zip", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet", "Excel ブック", "Microsoft Excel workbook", P},
    {"xlsm", "xlsm", "", "xlsx", "application/vnd.ms-excel.sheet.macroEnabled.12", "Excel マクロ有効ブック", "Microsoft Excel macro-enabled workbook", D},
    {"xltx", "xltx", "", "zip", "application/vnd.openxmlformats-officedocument.spreadsheetml.template", "Excel テンプレート", "Microsoft Excel template", P},
    {"xltm", "xltm", "", "zip", "application/vnd.ms-excel.template.macroEnabled.12", "Excel マクロ有効テンプレート", "Microsoft Excel macro-enabled template", P},
    {"xlsb", "xlsb", "", "zip", "application/vnd.ms-excel.sheet.binary.macroEnabled.12", "Excel バイナリ ブック", "Microsoft Excel binary workbook", P},
    {"xlam", "xlam", "", "zip", "application/vnd.ms-excel.addin.macroEnabled.12", "Excel アドイン", "Microsoft Excel add-in", P},
    // LibreOffice writes slide shows with the main part of a presentation, so a
    // presentation may well be one.
    {"pptx", "pptx", "ppsx", "zip", "application/vnd.openxmlformats-officedocument.presentationml.presentation", "PowerPoint プレゼンテーション", "Microsoft PowerPoint presentation", P},
    {"pptm", "pptm", "", "pptx", "application/vnd.ms-powerpoint.presentation.macroEnabled.12", "PowerPoint マクロ有効プレゼンテーション", "Microsoft PowerPoint macro-enabled presentation", D},
    {"ppsx", "ppsx", "", "zip", "application/vnd.openxmlformats-officedocument.presentationml.slideshow", "PowerPoint スライド ショー", "Microsoft PowerPoint slide show", P},
    {"ppsm", "ppsm", "", "zip", "application/vnd.ms-powerpoint.slideshow.macroEnabled.12", "PowerPoint マクロ有効スライド ショー", "Microsoft PowerPoint macro-enabled slide show", P},
    {"potx", "potx", "", "zip", "application/vnd.openxmlformats-officedocument.presentationml.template", "PowerPoint テンプレート", "Microsoft PowerPoint template", P},
    {"potm", "potm", "", "zip", "application/vnd.ms-powerpoint.template.macroEnabled.12", "PowerPoint マクロ有効テンプレート", "Microsoft PowerPoint macro-enabled template", P},
    {"vsdx", "vsdx", "vssx vstx", "zip", "application/vnd.ms-visio.drawing", "Visio 図面", "Microsoft Visio drawing", P},
    {"xps", "xps", "oxps", "zip", "application/vnd.ms-xpsdocument", "XPS 文書", "XML Paper Specification document", P},
    {"odt", "odt", "", "zip", "application/vnd.oasis.opendocument.text", "OpenDocument テキスト", "OpenDocument text", P},
    {"ods", "ods", "", "zip", "application/vnd.oasis.opendocument.spreadsheet", "OpenDocument スプレッドシート", "OpenDocument spreadsheet", P},
    {"odp", "odp", "", "zip", "application/vnd.oasis.opendocument.presentation", "OpenDocument プレゼンテーション", "OpenDocument presentation", P},
    {"odg", "odg", "", "zip", "application/vnd.oasis.opendocument.graphics", "OpenDocument 図形描画", "OpenDocument drawing", P},
    {"odf", "odf", "", "zip", "application/vnd.oasis.opendocument.formula", "OpenDocument 数式", "OpenDocument formula", P},
    {"odb", "odb", "", "zip", "application/vnd.oasis.opendocument.base", "OpenDocument データベース", "OpenDocument database", P},
    {"odc", "odc", "", "zip", "application/vnd.oasis.opendocument.chart", "OpenDocument グラフ", "OpenDocument chart", P},
    {"odm", "odm", "", "zip", "application/vnd.oasis.opendocument.text-master", "OpenDocument マスター文書", "OpenDocument master document", P},
    {"ott", "ott", "", "zip", "application/vnd.oasis.opendocument.text-template", "OpenDocument テキスト テンプレート", "OpenDocument text template", P},
    {"ots", "ots", "", "zip", "application/vnd.oasis.opendocument.spreadsheet-template", "OpenDocument スプレッドシート テンプレート", "OpenDocument spreadsheet template", P},
    {"otp", "otp", "", "zip", "application/vnd.oasis.opendocument.presentation-template", "OpenDocument プレゼンテーション テンプレート", "OpenDocument presentation template", P},
    {"otg", "otg", "", "zip", "application/vnd.oasis.opendocument.graphics-template", "OpenDocument 図形描画テンプレート", "OpenDocument drawing template", P},
    {"sxw", "sxw", "stw", "zip", "application/vnd.sun.xml.writer", "OpenOffice.org 1 文書", "OpenOffice.org 1 text document", P},
    {"sxc", "sxc", "stc", "zip", "application/vnd.sun.xml.calc", "OpenOffice.org 1 スプレッドシート", "OpenOffice.org 1 spreadsheet", P},
    {"sxi", "sxi", "sti", "zip", "application/vnd.sun.xml.impress", "OpenOffice.org 1 プレゼンテーション", "OpenOffice.org 1 presentation", P},
    {"sxd", "sxd", "std", "zip", "application/vnd.sun.xml.draw", "OpenOffice.org 1 図形描画", "OpenOffice.org 1 drawing", P},
    {"oxt", "oxt", "", "zip", "application/vnd.openofficeorg.extension", "LibreOffice 拡張機能", "LibreOffice extension", N},
    {"epub", "epub", "", "zip", "application/epub+zip", "EPUB 電子書籍", "EPUB e-book", P},
    {"mobi", "mobi", "azw azw3 prc", "", "application/x-mobipocket-ebook", "Mobipocket 電子書籍", "Mobipocket e-book", NoFlags},
    {"pdb-palm", "pdb", "prc", "", "application/vnd.palm", "Palm データベース（PDB）", "Palm database", NoFlags},
    {"lit", "lit", "", "", "application/x-ms-reader", "Microsoft Reader 電子書籍", "Microsoft Reader e-book", NoFlags},
    {"chm", "chm", "", "", "application/vnd.ms-htmlhelp", "Windows ヘルプ（CHM）", "Compiled HTML Help", NoFlags},
    {"hlp", "hlp", "", "", "application/winhlp", "Windows ヘルプ（HLP）", "Windows Help file", NoFlags},
    {"pcl", "pcl", "pxl prn", "", "application/vnd.hp-pcl", "プリンター データ（PCL）", "HP PCL printer data", NoFlags},
    {"fodt", "fodt", "", "xml", "application/vnd.oasis.opendocument.text-flat-xml", "OpenDocument テキスト（フラット XML）", "flat OpenDocument text", P},
    {"fods", "fods", "", "xml", "application/vnd.oasis.opendocument.spreadsheet-flat-xml", "OpenDocument スプレッドシート（フラット XML）", "flat OpenDocument spreadsheet", P},
    {"fodp", "fodp", "", "xml", "application/vnd.oasis.opendocument.presentation-flat-xml", "OpenDocument プレゼンテーション（フラット XML）", "flat OpenDocument presentation", P},
    {"fodg", "fodg", "", "xml", "application/vnd.oasis.opendocument.graphics-flat-xml", "OpenDocument 図形描画（フラット XML）", "flat OpenDocument drawing", P},
    {"wpd", "wpd", "wp wp5 wp6", "", "application/vnd.wordperfect", "WordPerfect 文書", "WordPerfect document", NoFlags},

    // Archives and compressed data
    {"zip", "zip", "zipx", "", "application/zip", "ZIP 圧縮ファイル", "ZIP archive", NoFlags},
    {"pyz", "pyz", "pyzw", "zip", "application/x-python-zipapp", "Python zip アプリケーション", "Python zip application", D},
    {"jar", "jar", "", "zip", "application/java-archive", "Java アーカイブ（JAR）", "Java archive", D | R},
    {"war", "war", "", "jar", "application/java-archive", "Java Web アプリケーション（WAR）", "Java web application archive", D | R},
    {"ear", "ear", "", "jar", "application/java-archive", "Java EE アプリケーション（EAR）", "Java enterprise application archive", D | R},
    {"apk", "apk", "apks", "jar", "application/vnd.android.package-archive", "Android アプリ パッケージ", "Android package", P | R},
    {"aab", "aab", "", "zip", "application/x-authorware-bin", "Android App Bundle", "Android App Bundle", P},
    {"aar", "aar", "", "zip", "application/java-archive", "Android ライブラリ（AAR）", "Android library archive", D | R},
    {"cbz", "cbz", "", "zip", "application/vnd.comicbook+zip", "コミックブック アーカイブ（ZIP）", "Comic book archive (ZIP)", N},
    {"xpi", "xpi", "", "zip", "application/x-xpinstall", "Firefox 拡張機能", "Firefox extension", NoFlags},
    {"crx", "crx", "", "", "application/x-chrome-extension", "Chrome 拡張機能", "Chrome extension", NoFlags},
    {"whl", "whl", "", "zip", "application/zip", "Python ホイール パッケージ", "Python wheel package", D},
    {"egg", "egg", "", "zip", "application/zip", "Python egg パッケージ", "Python egg package", D},
    {"nupkg", "nupkg", "snupkg", "zip", "application/zip", "NuGet パッケージ", "NuGet package", NoFlags},
    {"ipa", "ipa", "", "zip", "application/octet-stream", "iOS アプリ パッケージ", "iOS application package", D},
    {"appx", "appx", "msix appxbundle msixbundle", "zip", "application/vnd.ms-appx", "Windows アプリ パッケージ", "Windows app package", NoFlags},
    {"vsix", "vsix", "", "zip", "application/vsix", "Visual Studio 拡張機能", "Visual Studio extension", NoFlags},
    {"kmz", "kmz", "", "zip", "application/vnd.google-earth.kmz", "地図データ（KMZ）", "compressed Keyhole Markup Language", NoFlags},
    {"3mf", "3mf", "", "zip", "model/3mf", "3D 製造データ（3MF）", "3D Manufacturing Format", NoFlags},
    // torch.save writes a ZIP whose members sit in one folder: data.pkl, version and the tensors.
    {"pt", "pt", "pth", "zip", "application/x-pytorch", "PyTorch モデル", "PyTorch model", P},
    {"npz", "npz", "", "zip", "application/zip", "NumPy 配列アーカイブ", "NumPy array archive", NoFlags},
    {"gz", "gz", "tgz gzip", "", "application/gzip", "gzip 圧縮ファイル", "gzip compressed data", K},
    {"gz-drawing", "vmlz", "emz wmz", "gz", "application/gzip", "図形（gzip 圧縮）", "compressed drawing", N},
    {"svgz", "svgz", "", "gz", "image/svg+xml-compressed", "SVG 画像（gzip 圧縮）", "compressed SVG image", N},
    {"emz", "emz", "wmz", "gz", "application/gzip", "圧縮メタファイル", "compressed Windows metafile", N},
    {"dz", "dz", "", "gz", "application/x-dictzip", "dictzip 圧縮ファイル", "dictzip compressed data", N},
    {"bz2", "bz2", "tbz2 tbz tb2 bzip2", "", "application/x-bzip2", "bzip2 圧縮ファイル", "bzip2 compressed data", NoFlags},
    {"bz3", "bz3", "", "", "application/x-bzip3", "bzip3 圧縮ファイル", "bzip3 compressed data", NoFlags},
    {"xz", "xz", "txz", "", "application/x-xz", "xz 圧縮ファイル", "XZ compressed data", NoFlags},
    {"lzma", "lzma", "tlz", "", "application/x-lzma", "LZMA 圧縮ファイル", "LZMA compressed data", NoFlags},
    {"lz", "lz", "tlz", "", "application/x-lzip", "lzip 圧縮ファイル", "lzip compressed data", NoFlags},
    {"zst", "zst", "zstd tzst", "", "application/zstd", "Zstandard 圧縮ファイル", "Zstandard compressed data", NoFlags},
    {"lz4", "lz4", "", "", "application/x-lz4", "LZ4 圧縮ファイル", "LZ4 compressed data", NoFlags},
    {"lzo", "lzo", "tzo", "", "application/x-lzop", "lzop 圧縮ファイル", "lzop compressed data", NoFlags},
    {"lrz", "lrz", "", "", "application/x-lrzip", "lrzip 圧縮ファイル", "lrzip compressed data", NoFlags},
    {"sz", "sz", "", "", "application/x-snappy-framed", "Snappy 圧縮ファイル", "Snappy framed data", NoFlags},
    {"zpaq", "zpaq", "", "", "application/x-zpaq", "ZPAQ 圧縮ファイル", "ZPAQ archive", NoFlags},
    {"z", "z", "taz", "", "application/x-compress", "compress 圧縮ファイル（.Z）", "Unix compress data", NoFlags},
    {"7z", "7z", "", "", "application/x-7z-compressed", "7-Zip 圧縮ファイル", "7-Zip archive", NoFlags},
    {"cb7", "cb7", "", "7z", "application/x-cb7", "コミックブック アーカイブ（7z）", "Comic book archive (7z)", N},
    {"rar", "rar", "", "", "application/vnd.rar", "RAR 圧縮ファイル", "RAR archive", NoFlags},
    {"cbr", "cbr", "", "rar", "application/vnd.comicbook-rar", "コミックブック アーカイブ（RAR）", "Comic book archive (RAR)", N},
    {"tar", "tar", "", "", "application/x-tar", "tar アーカイブ", "tar archive", NoFlags},
    {"cpio", "cpio", "", "", "application/x-cpio", "cpio アーカイブ", "cpio archive", NoFlags},
    {"shar", "shar", "", "sh", "application/x-shar", "シェル アーカイブ（shar）", "shell archive", NoFlags},
    {"cab", "cab", "", "", "application/vnd.ms-cab-compressed", "CAB 圧縮ファイル", "Microsoft Cabinet archive", NoFlags},
    {"cab-installshield", "cab", "hdr", "", "application/x-installshield", "InstallShield CAB 圧縮ファイル", "InstallShield cabinet", NoFlags},
    {"lzh", "lzh", "lha", "", "application/x-lzh-compressed", "LZH 圧縮ファイル", "LHA archive", NoFlags},
    {"arj", "arj", "", "", "application/x-arj", "ARJ 圧縮ファイル", "ARJ archive", NoFlags},
    {"ace", "ace", "", "", "application/x-ace-compressed", "ACE 圧縮ファイル", "ACE archive", NoFlags},
    {"zoo", "zoo", "", "", "application/x-zoo", "ZOO 圧縮ファイル", "Zoo archive", NoFlags},
    {"sit", "sit", "sitx", "", "application/x-stuffit", "StuffIt 圧縮ファイル", "StuffIt archive", NoFlags},
    {"alz", "alz", "", "", "application/x-alz", "ALZip 圧縮ファイル", "ALZip archive", NoFlags},
    {"xar", "xar", "pkg", "", "application/x-xar", "xar アーカイブ（macOS パッケージ）", "xar archive", NoFlags},
    {"ar", "a", "lib ar", "", "application/x-archive", "ar アーカイブ（静的ライブラリ）", "ar archive (static library)", NoFlags},
    {"deb", "deb", "udeb ddeb ipk", "ar", "application/vnd.debian.binary-package", "Debian パッケージ", "Debian package", P},
    {"rpm", "rpm", "srpm", "", "application/x-rpm", "RPM パッケージ", "RPM package", NoFlags},
    {"iso", "iso", "", "", "application/x-iso9660-image", "ISO 9660 ディスクイメージ", "ISO 9660 disc image", NoFlags},
    {"udf", "iso", "udf", "", "application/x-udf-image", "UDF ディスクイメージ", "UDF disc image", NoFlags},
    {"dmg", "dmg", "", "", "application/x-apple-diskimage", "macOS ディスクイメージ", "Apple disk image", NoFlags},
    {"squashfs", "sqfs", "squashfs snap sfs", "", "application/vnd.squashfs", "SquashFS ファイルシステム イメージ", "SquashFS file system image", NoFlags},
    {"cramfs", "cramfs", "img", "", "application/x-cramfs", "cramfs ファイルシステム イメージ", "cramfs file system image", NoFlags},
    {"img", "img", "ima raw", "", "application/x-raw-disk-image", "ディスクイメージ", "disk image", NoFlags},
    {"simg", "img", "simg", "", "application/x-android-sparse", "Android スパース イメージ", "Android sparse image", NoFlags},
    {"qcow2", "qcow2", "qcow img", "", "application/x-qemu-disk", "QEMU ディスクイメージ（qcow）", "QEMU copy-on-write disk image", NoFlags},
    {"vmdk", "vmdk", "", "", "application/x-vmdk", "VMware 仮想ディスク", "VMware virtual disk", NoFlags},
    {"vdi", "vdi", "", "", "application/x-virtualbox-vdi", "VirtualBox 仮想ディスク", "VirtualBox virtual disk", NoFlags},
    {"vhd", "vhd", "", "", "application/x-vhd", "Virtual PC 仮想ディスク（VHD）", "Virtual Hard Disk", NoFlags},
    {"vhdx", "vhdx", "", "", "application/x-vhdx", "Hyper-V 仮想ディスク（VHDX）", "Hyper-V virtual disk", NoFlags},
    {"wim", "wim", "swm esd", "", "application/x-ms-wim", "Windows イメージ（WIM）", "Windows Imaging image", NoFlags},

    // Audio
    {"mp3", "mp3", "", "", "audio/mpeg", "MP3 音声", "MP3 audio", NoFlags},
    {"mp2", "mp2", "mpa m2a mp2a", "", "audio/mpeg", "MPEG オーディオ（レイヤー II）", "MPEG audio layer II", NoFlags},
    {"mp1", "mp1", "mpa", "", "audio/mpeg", "MPEG オーディオ（レイヤー I）", "MPEG audio layer I", NoFlags},
    {"aac", "aac", "adts", "", "audio/aac", "AAC 音声（ADTS）", "AAC audio (ADTS)", NoFlags},
    {"ac3", "ac3", "", "", "audio/ac3", "ドルビーデジタル音声（AC-3）", "Dolby Digital audio (AC-3)", NoFlags},
    {"eac3", "eac3", "ec3", "", "audio/eac3", "ドルビーデジタル プラス音声（E-AC-3）", "Dolby Digital Plus audio (E-AC-3)", NoFlags},
    {"dts", "dts", "", "", "audio/vnd.dts", "DTS 音声", "DTS audio", NoFlags},
    {"wav", "wav", "wave bwf", "", "audio/wav", "WAVE 音声", "WAVE audio", NoFlags},
    {"w64", "w64", "", "", "audio/x-w64", "Sony Wave64 音声", "Sony Wave64 audio", NoFlags},
    {"aiff", "aiff", "aif", "", "audio/aiff", "AIFF 音声", "AIFF audio", K},
    {"aifc", "aifc", "", "aiff", "audio/x-aifc", "AIFF-C 音声", "AIFF-C audio", NoFlags},
    {"8svx", "8svx", "iff svx", "", "audio/x-8svx", "Amiga 8SVX 音声", "Amiga 8SVX audio", NoFlags},
    {"flac", "flac", "", "", "audio/flac", "FLAC 音声", "FLAC audio", NoFlags},
    {"ogg", "ogg", "oga", "", "audio/ogg", "Ogg Vorbis 音声", "Ogg Vorbis audio", K},
    {"oga", "oga", "", "ogg", "audio/ogg", "Ogg FLAC 音声", "Ogg FLAC audio", NoFlags},
    {"opus", "opus", "", "ogg", "audio/opus", "Opus 音声（Ogg）", "Opus audio (Ogg)", P},
    {"ogv", "ogv", "ogm", "ogg", "video/ogg", "Ogg 動画", "Ogg video", P},
    {"spx", "spx", "", "ogg", "audio/ogg", "Speex 音声（Ogg）", "Speex audio (Ogg)", P},
    {"mid", "mid", "midi smf kar", "", "audio/midi", "MIDI 音楽データ", "MIDI music", NoFlags},
    {"rmi", "rmi", "", "", "audio/mid", "RIFF MIDI 音楽データ", "RIFF MIDI music", NoFlags},
    {"amr", "amr", "", "", "audio/amr", "AMR 音声", "AMR audio", NoFlags},
    {"awb", "awb", "amr", "", "audio/amr-wb", "AMR-WB 音声", "AMR-WB audio", NoFlags},
    {"ape", "ape", "", "", "audio/x-ape", "Monkey's Audio 音声", "Monkey's Audio", NoFlags},
    {"wv", "wv", "", "", "audio/x-wavpack", "WavPack 音声", "WavPack audio", NoFlags},
    {"tta", "tta", "", "", "audio/x-tta", "True Audio 音声", "True Audio", NoFlags},
    {"mpc", "mpc", "mpp mp+", "", "audio/x-musepack", "Musepack 音声", "Musepack audio", NoFlags},
    {"au", "au", "snd", "", "audio/basic", "Sun/NeXT 音声（AU）", "Sun/NeXT audio", NoFlags},
    {"voc", "voc", "", "", "audio/x-voc", "Creative Voice 音声", "Creative Voice audio", NoFlags},
    {"sox", "sox", "", "", "audio/x-sox", "SoX 音声", "SoX native audio", NoFlags},
    {"sph", "sph", "nist", "", "audio/x-nist", "NIST SPHERE 音声", "NIST SPHERE audio", NoFlags},
    {"avr", "avr", "", "", "audio/x-avr", "Audio Visual Research 音声", "Audio Visual Research audio", NoFlags},
    {"ircam", "sf", "ircam", "", "audio/x-ircam", "IRCAM 音声", "IRCAM sound", NoFlags},
    {"hcom", "hcom", "", "", "audio/x-hcom", "HCOM 音声", "Macintosh HCOM audio", NoFlags},
    {"maud", "maud", "", "", "audio/x-maud", "Amiga MAUD 音声", "Amiga MAUD audio", NoFlags},
    {"smp", "smp", "", "", "audio/x-smp", "Turtle Beach SampleVision 音声", "SampleVision audio", NoFlags},
    {"sndt", "sndt", "", "", "audio/x-sndt", "SndTool 音声", "SndTool audio", NoFlags},
    {"txw", "txw", "", "", "audio/x-txw", "Yamaha TX-16W 音声", "Yamaha TX-16W sample", NoFlags},
    {"wve", "wve", "", "", "audio/x-psion-wve", "Psion 音声", "Psion audio", NoFlags},
    {"psion-record", "prc", "", "", "audio/x-psion-record", "Psion 録音データ", "Psion record", NoFlags},
    {"caf", "caf", "", "", "audio/x-caf", "Core Audio 音声（CAF）", "Core Audio Format", NoFlags},
    {"dsf", "dsf", "", "", "audio/x-dsf", "DSD 音声（DSF）", "DSD audio (DSF)", NoFlags},
    {"dff", "dff", "", "", "audio/x-dff", "DSD 音声（DSDIFF）", "DSD audio (DSDIFF)", NoFlags},
    {"sf2", "sf2", "sbk", "", "audio/x-soundfont", "SoundFont 音源", "SoundFont bank", NoFlags},
    {"dls", "dls", "", "", "audio/dls", "DLS 音源", "Downloadable Sounds bank", NoFlags},
    {"qcp", "qcp", "", "", "audio/qcelp", "QCELP 音声", "QCELP audio", NoFlags},
    {"truehd", "thd", "truehd", "", "audio/vnd.dolby.mlp", "Dolby TrueHD 音声", "Dolby TrueHD audio", NoFlags},
    {"mlp", "mlp", "", "", "audio/vnd.dolby.mlp", "MLP ロスレス音声", "Meridian Lossless Packing audio", NoFlags},
    {"mmf", "mmf", "smaf", "", "application/vnd.smaf", "SMAF 着信音（Yamaha）", "Yamaha SMAF ringtone", NoFlags},
    {"mod", "mod", "", "", "audio/x-mod", "MOD 音楽（トラッカー）", "tracker module", NoFlags},
    {"s3m", "s3m", "", "", "audio/x-s3m", "S3M 音楽（トラッカー）", "Scream Tracker 3 module", NoFlags},
    {"xm", "xm", "", "", "audio/x-xm", "XM 音楽（トラッカー）", "FastTracker 2 module", NoFlags},
    {"it", "it", "", "", "audio/x-it", "IT 音楽（トラッカー）", "Impulse Tracker module", NoFlags},
    {"ra", "ra", "ram", "", "audio/x-pn-realaudio", "RealAudio 音声", "RealAudio", NoFlags},
    {"m4a", "m4a", "m4p m4r", "mp4", "audio/mp4", "MPEG-4 音声（M4A）", "MPEG-4 audio", NoFlags},
    {"m4b", "m4b", "", "m4a", "audio/mp4", "MPEG-4 オーディオブック（M4B）", "MPEG-4 audiobook", NoFlags},

    // Video and containers
    {"mp4", "mp4", "mp4v mpeg4 m4s ismv isma cmfv cmfa", "", "video/mp4", "MPEG-4 動画", "MPEG-4 video", K},
    {"m4v", "m4v", "", "mp4", "video/x-m4v", "MPEG-4 動画（M4V）", "MPEG-4 video (M4V)", NoFlags},
    {"mov", "mov", "qt", "mp4", "video/quicktime", "QuickTime 動画", "QuickTime movie", NoFlags},
    {"3gp", "3gp", "3gpp", "mp4", "video/3gpp", "3GPP 動画", "3GPP video", NoFlags},
    {"3g2", "3g2", "3gpp2", "mp4", "video/3gpp2", "3GPP2 動画", "3GPP2 video", NoFlags},
    {"f4v", "f4v", "f4a f4p", "mp4", "video/x-f4v", "Flash MP4 動画（F4V）", "Flash MP4 video", NoFlags},
    {"mj2", "mj2", "mjp2", "", "video/mj2", "Motion JPEG 2000 動画", "Motion JPEG 2000 video", NoFlags},
    {"cr3", "cr3", "", "", "image/x-canon-cr3", "Canon RAW 画像（CR3）", "Canon raw image (CR3)", NoFlags},
    {"avi", "avi", "divx", "", "video/x-msvideo", "AVI 動画", "AVI video", NoFlags},
    {"mkv", "mkv", "mka mks mk3d", "", "video/x-matroska", "Matroska 動画", "Matroska video", K},
    {"mka", "mka", "", "mkv", "audio/x-matroska", "Matroska 音声", "Matroska audio", NoFlags},
    {"webm", "webm", "weba", "mkv", "video/webm", "WebM 動画", "WebM video", P},
    {"flv", "flv", "", "", "video/x-flv", "Flash 動画（FLV）", "Flash video", NoFlags},
    {"mpg", "mpg", "mpeg m2p vob mpe ps", "", "video/mpeg", "MPEG 動画（プログラムストリーム）", "MPEG program stream video", NoFlags},
    {"m1v", "m1v", "mpv m2v", "", "video/mpeg", "MPEG-1 ビデオ エレメンタリーストリーム", "MPEG-1 video elementary stream", NoFlags},
    {"m2v", "m2v", "m1v mpv", "", "video/mpeg", "MPEG ビデオ エレメンタリーストリーム", "MPEG video elementary stream", NoFlags},
    {"h264", "h264", "264 avc jsv", "", "video/h264", "H.264 ビデオ ストリーム", "H.264 video stream", NoFlags},
    {"hevc", "hevc", "h265 265", "", "video/h265", "H.265 ビデオ ストリーム", "H.265 video stream", NoFlags},
    {"mts", "ts", "mts m2ts m2t trp", "", "video/mp2t", "MPEG-2 トランスポートストリーム", "MPEG transport stream", NoFlags},
    {"asf", "asf", "wmv wma", "", "video/x-ms-asf", "Windows Media 音声・動画（ASF）", "Windows Media (ASF)", K},
    {"wmv", "wmv", "", "asf", "video/x-ms-wmv", "Windows Media 動画", "Windows Media video", NoFlags},
    {"wma", "wma", "", "asf", "audio/x-ms-wma", "Windows Media 音声", "Windows Media audio", NoFlags},
    {"rm", "rm", "rmvb ra", "", "application/vnd.rn-realmedia", "RealMedia 動画", "RealMedia", NoFlags},
    {"dv", "dv", "dif", "", "video/dv", "DV 動画", "DV video", NoFlags},
    {"ivf", "ivf", "", "", "video/x-ivf", "IVF 動画（VP8/VP9/AV1）", "IVF video", NoFlags},
    {"y4m", "y4m", "", "", "video/x-yuv4mpeg", "YUV4MPEG2 動画", "YUV4MPEG2 video", NoFlags},
    {"nut", "nut", "", "", "video/x-nut", "NUT 動画", "NUT video", NoFlags},
    {"mxf", "mxf", "", "", "application/mxf", "MXF 動画", "Material Exchange Format", NoFlags},
    {"bik", "bik", "bk2", "", "video/vnd.radgamettools.bink", "Bink 動画", "Bink video", NoFlags},
    {"smk", "smk", "", "", "video/vnd.radgamettools.smacker", "Smacker 動画", "Smacker video", NoFlags},
    {"roq", "roq", "", "", "video/x-roq", "RoQ 動画（id Software）", "id Software RoQ video", NoFlags},
    {"fli", "fli", "flc", "", "video/x-flic", "FLIC アニメーション", "FLIC animation", NoFlags},
    {"swf", "swf", "", "", "application/x-shockwave-flash", "Flash ムービー（SWF）", "Shockwave Flash movie", NoFlags},

    // Programs and binary data. Executable ELF files have no customary extension on
    // Linux; "elf" names the format, and the extensions used by firmware tool chains
    // (bin, axf, out) are accepted. Kernel modules are relocatable objects, so "ko"
    // belongs to the object row.
    {"exe", "exe", "scr com", "", "application/vnd.microsoft.portable-executable", "Windows 実行ファイル", "Windows executable", R},
    {"dll", "dll", "ocx cpl drv ax mui pyd tlb acm", "exe", "application/vnd.microsoft.portable-executable", "Windows ダイナミックリンクライブラリ（DLL）", "Windows dynamic link library", P | R},
    {"sys", "sys", "drv", "exe", "application/vnd.microsoft.portable-executable", "Windows ドライバー", "Windows driver", P | R},
    {"efi", "efi", "", "exe", "application/efi", "UEFI アプリケーション", "UEFI application", P | R},
    {"exe-dos", "exe", "com", "", "application/x-dosexec", "MS-DOS 実行ファイル", "MS-DOS executable", R},
    {"elf", "elf", "axf out prx", "", "application/x-executable", "ELF 実行ファイル", "ELF executable", R},
    {"elf-so", "so", "", "", "application/x-sharedlib", "ELF 共有ライブラリ", "ELF shared object", R},
    {"elf-o", "o", "ko obj dwo", "", "application/x-object", "ELF オブジェクトファイル", "ELF relocatable object", NoFlags},
    {"coff-o", "o", "obj", "", "application/x-coff", "COFF オブジェクトファイル", "COFF object file", NoFlags},
    {"elf-core", "core", "", "", "application/x-coredump", "ELF コアダンプ", "ELF core dump", NoFlags},
    {"appimage", "appimage", "", "elf", "application/vnd.appimage", "AppImage アプリケーション", "AppImage application", P | R},
    {"macho", "", "", "", "application/x-mach-binary", "Mach-O 実行ファイル", "Mach-O executable", R},
    {"macho-dylib", "dylib", "", "", "application/x-mach-binary", "Mach-O 共有ライブラリ", "Mach-O dynamic library", R},
    {"macho-bundle", "bundle", "so", "", "application/x-mach-binary", "Mach-O バンドル", "Mach-O bundle", R},
    {"macho-o", "o", "", "", "application/x-mach-binary", "Mach-O オブジェクトファイル", "Mach-O object file", R},
    {"macho-fat", "", "dylib bundle", "", "application/x-mach-binary", "Mach-O ユニバーサルバイナリ", "Mach-O universal binary", R},
    {"class", "class", "", "", "application/java-vm", "Java クラスファイル", "Java class file", NoFlags},
    {"jmod", "jmod", "", "", "application/x-java-jmod", "Java モジュール（JMOD）", "Java module", NoFlags},
    {"jks", "jks", "keystore ks", "", "application/x-java-keystore", "Java キーストア", "Java keystore", NoFlags},
    {"ser", "ser", "", "", "application/java-serialized-object", "Java シリアライズ データ", "Java serialized data", NoFlags},
    {"dex", "dex", "", "", "application/vnd.android.dex", "Android DEX ファイル", "Android Dalvik executable", R},
    {"wasm", "wasm", "o", "", "application/wasm", "WebAssembly バイナリ", "WebAssembly binary", NoFlags},
    {"pyc", "pyc", "pyo", "", "application/x-python-code", "Python バイトコード", "Python bytecode", R},
    {"pickle", "pkl", "pickle pt pth", "", "application/x-python-pickle", "Python pickle データ", "Python pickle data", NoFlags},
    {"gch", "gch", "pch", "", "application/x-precompiled-header", "GCC プリコンパイル済みヘッダー", "GCC precompiled header", NoFlags},
    {"luac", "luac", "", "", "application/x-lua-bytecode", "Lua バイトコード", "Lua bytecode", NoFlags},
    {"elc", "elc", "", "", "application/x-elc", "Emacs Lisp バイトコード", "Emacs Lisp bytecode", NoFlags},
    {"beam", "beam", "", "", "application/x-erlang-beam", "Erlang BEAM ファイル", "Erlang BEAM file", NoFlags},
    {"clang-pch", "pch", "", "", "application/x-clang-pch", "Clang プリコンパイル済みヘッダー", "Clang precompiled header", NoFlags},
    {"res", "res", "", "", "application/x-win-resource", "Windows リソース（コンパイル済み）", "compiled Windows resources", NoFlags},
    {"llvm-bc", "bc", "o", "", "application/x-llvm-bitcode", "LLVM ビットコード", "LLVM bitcode", NoFlags},
    {"pdb-msf", "pdb", "", "", "application/x-ms-pdb", "Windows デバッグ情報（PDB）", "Microsoft program database", NoFlags},
    {"mo", "mo", "gmo", "", "application/x-gettext-translation", "gettext 翻訳カタログ（MO）", "gettext message catalog", NoFlags},
    {"qm", "qm", "", "", "application/x-qt-qm", "Qt 翻訳ファイル", "Qt translation", NoFlags},
    {"typelib", "typelib", "", "", "application/x-gobject-typelib", "GObject 型ライブラリ", "GObject type library", NoFlags},
    {"gvariant", "gresource", "", "", "application/x-gvariant", "GLib リソース（GVariant）", "GLib resource (GVariant)", NoFlags},
    {"mgc", "mgc", "", "", "application/x-file-magic", "file コマンドのマジックデータ", "compiled magic data", NoFlags},
    {"terminfo", "", "", "", "application/x-terminfo", "端末情報（terminfo）", "compiled terminfo entry", NoFlags},
    {"tzif", "", "", "", "application/x-tzif", "タイムゾーン情報（TZif）", "time zone information", NoFlags},
    {"journal", "journal", "", "", "application/x-systemd-journal", "systemd ジャーナル", "systemd journal", NoFlags},
    {"dtb", "dtb", "dtbo", "", "application/x-devicetree", "デバイスツリー（DTB）", "flattened device tree", NoFlags},
    {"sqlite", "sqlite", "sqlite3 db db3 s3db sl3 sqlitedb", "", "application/vnd.sqlite3", "SQLite データベース", "SQLite database", K},
    {"gpkg", "gpkg", "", "sqlite", "application/geopackage+sqlite3", "GeoPackage 地図データ", "GeoPackage", NoFlags},
    {"mdb", "mdb", "", "", "application/x-msaccess", "Access 2003 以前のデータベース", "Microsoft Access database", NoFlags},
    {"accdb", "accdb", "", "", "application/x-msaccess", "Access データベース", "Microsoft Access database", NoFlags},
    {"bdb", "db", "bdb", "", "application/x-berkeley-db", "Berkeley DB データベース", "Berkeley DB database", NoFlags},
    {"gdbm", "gdbm", "db", "", "application/x-gdbm", "GDBM データベース", "GDBM database", NoFlags},
    {"kdbx", "kdbx", "", "", "application/x-keepass2", "KeePass パスワード データベース", "KeePass password database", NoFlags},
    {"kdb", "kdb", "", "", "application/x-keepass", "KeePass 1 パスワード データベース", "KeePass 1 password database", NoFlags},
    {"rdb", "rdb", "", "", "application/x-redis-rdb", "Redis ダンプ", "Redis dump", NoFlags},
    {"parquet", "parquet", "", "", "application/vnd.apache.parquet", "Parquet データ", "Apache Parquet data", NoFlags},
    {"arrow", "arrow", "feather", "", "application/vnd.apache.arrow.file", "Arrow データ", "Apache Arrow data", NoFlags},
    {"avro", "avro", "", "", "application/avro", "Avro データ", "Apache Avro data", NoFlags},
    {"orc", "orc", "", "", "application/x-orc", "ORC データ", "Apache ORC data", N},
    {"hdf5", "h5", "hdf5 hdf he5", "", "application/x-hdf5", "HDF5 データ", "HDF5 data", NoFlags},
    {"netcdf", "nc", "cdf nc4", "", "application/x-netcdf", "NetCDF データ", "NetCDF data", NoFlags},
    {"mat", "mat", "", "", "application/x-matlab-data", "MATLAB データ", "MATLAB data", NoFlags},
    {"npy", "npy", "", "", "application/x-npy", "NumPy 配列", "NumPy array", NoFlags},
    {"gguf", "gguf", "", "", "application/x-gguf", "GGUF モデル", "GGUF model", NoFlags},
    {"tflite", "tflite", "", "", "application/x-tflite", "TensorFlow Lite モデル", "TensorFlow Lite model", NoFlags},
    {"pcap", "pcap", "cap", "", "application/vnd.tcpdump.pcap", "パケットキャプチャ（pcap）", "pcap packet capture", NoFlags},
    {"pcapng", "pcapng", "", "", "application/x-pcapng", "パケットキャプチャ（pcapng）", "pcapng packet capture", NoFlags},
    {"lnk", "lnk", "", "", "application/x-ms-shortcut", "Windows ショートカット", "Windows shortcut", R},
    {"evtx", "evtx", "", "", "application/x-ms-evtx", "Windows イベント ログ", "Windows event log", NoFlags},
    {"regf", "dat", "hiv", "", "application/x-ms-registry", "Windows レジストリ ハイブ", "Windows registry hive", NoFlags},
    {"pst", "pst", "ost", "", "application/vnd.ms-outlook-pst", "Outlook データファイル", "Outlook data file", NoFlags},
    {"dmp", "dmp", "mdmp", "", "application/x-dmp", "Windows ミニダンプ", "Windows minidump", NoFlags},
    {"torrent", "torrent", "", "", "application/x-bittorrent", "BitTorrent シード", "BitTorrent metainfo", NoFlags},
    {"der", "der", "cer crt key csr crl p7b p7c p7m p7s p8 pk8 pub tsq tsr ocsp asn1", "", "application/pkix-cert", "X.509 証明書（DER）", "X.509 certificate (DER)", NoFlags},
    {"p12", "p12", "pfx", "", "application/x-pkcs12", "PKCS #12 証明書ストア", "PKCS #12 certificate store", NoFlags},
    {"gpg", "gpg", "pgp kbx key pub", "", "application/pgp-keys", "OpenPGP 鍵", "OpenPGP key", NoFlags},
    {"gpg-sig", "sig", "gpg pgp", "", "application/pgp-signature", "OpenPGP 署名", "OpenPGP signature", NoFlags},
    {"kbx", "kbx", "", "", "application/x-keybox", "GnuPG 鍵束（keybox）", "GnuPG keybox", NoFlags},
    {"blend", "blend", "", "", "application/x-blender", "Blender データ", "Blender file", NoFlags},
    {"stl", "stl", "", "", "model/stl", "STL 3D モデル", "STL 3D model", NoFlags},
    {"glb", "glb", "", "", "model/gltf-binary", "glTF 3D モデル（バイナリ）", "glTF binary 3D model", NoFlags},
    {"ply", "ply", "", "", "model/x-ply", "PLY 3D モデル", "PLY 3D model", NoFlags},
    {"fbx", "fbx", "", "", "application/x-fbx", "FBX 3D モデル", "FBX 3D model", NoFlags},
    {"dwg", "dwg", "", "", "image/vnd.dwg", "AutoCAD 図面（DWG）", "AutoCAD drawing", NoFlags},
    {"shp", "shp", "shx", "", "application/x-esri-shape", "シェープファイル", "Esri shapefile", NoFlags},
    {"git-pack", "pack", "", "", "application/x-git-pack", "Git パックファイル", "Git pack file", NoFlags},
    {"git-pack-index", "idx", "", "", "application/x-git-pack-index", "Git パック索引", "Git pack index", NoFlags},
    {"git-index", "", "", "", "application/x-git-index", "Git インデックス", "Git index", NoFlags},
    {"nes", "nes", "", "", "application/x-nes-rom", "ファミコン ROM イメージ", "NES ROM image", NoFlags},

    // Fonts
    {"ttf", "ttf", "tte dfont otb", "", "font/ttf", "TrueType フォント", "TrueType font", NoFlags},
    {"otf", "otf", "", "", "font/otf", "OpenType フォント", "OpenType font", NoFlags},
    {"ttc", "ttc", "otc", "", "font/collection", "TrueType フォントコレクション", "TrueType font collection", NoFlags},
    {"woff", "woff", "", "", "font/woff", "WOFF Web フォント", "WOFF web font", NoFlags},
    {"woff2", "woff2", "", "", "font/woff2", "WOFF2 Web フォント", "WOFF2 web font", NoFlags},
    {"eot", "eot", "", "", "application/vnd.ms-fontobject", "Embedded OpenType フォント", "Embedded OpenType font", NoFlags},
    {"pfb", "pfb", "", "", "application/x-font-type1", "Type 1 フォント（PFB）", "Type 1 font (binary)", NoFlags},
    {"pfa", "pfa", "gsf t1", "ps", "application/x-font-type1", "Type 1 フォント（PFA）", "Type 1 font (ASCII)", NoFlags},
    {"pcf", "pcf", "", "", "application/x-font-pcf", "X11 ビットマップフォント（PCF）", "X11 bitmap font (PCF)", NoFlags},
    {"psf", "psf", "psfu", "", "application/x-font-linux-psf", "Linux コンソール フォント", "Linux console font", NoFlags},
    {"tex-pk", "pk", "", "", "application/x-tex-pk", "TeX PK フォント", "TeX packed font", NoFlags},
    {"tex-vf", "vf", "", "", "application/x-tex-virtual-font", "TeX 仮想フォント", "TeX virtual font", NoFlags},

    // Text. Every text format descends from "text", so plain text keeps any of their
    // extensions: the content cannot tell a CSV file or a C source from notes. Rows
    // marked generic name no syntax at all (a template, a backup, a configuration),
    // so whatever text they hold keeps them.
    {"text", "txt", "text utf8 ascii ans me 1st now readme plain", "", "text/plain", "テキストファイル", "text file", C},
    {"log", "log", "out err trace", "text", "text/plain", "ログファイル", "log file", G | N},
    {"cfg", "cfg", "conf config cnf cf rc prefs settings rules lock map manifest menu policy loc gitignore gitattributes gitmodules coveragerc flake8 editorconfig pylintrc npmrc", "text", "text/plain", "設定ファイル", "configuration file", G | N},
    {"template", "in", "tmpl tpl template dist sample example default skel j2 jinja jinja2 mustache hbs handlebars ejs njk twig liquid tt tt2 erb rhtml jet", "text", "text/plain", "テンプレート", "template", G | N},
    {"backup", "bak", "old orig save sav backup prev bkp new tmp temp swp part crdownload dpkg-old dpkg-new dpkg-dist dpkg-bak rpmnew rpmsave rpmorig ucf-dist ucf-old", "", "application/octet-stream", "バックアップ・一時ファイル", "backup or temporary copy", B | N},
    {"dat", "dat", "bin data", "", "application/octet-stream", "データファイル", "data file", Z | N},
    {"list", "lst", "list dir", "text", "text/plain", "一覧", "list", G | N},
    {"nfo", "nfo", "diz", "text", "text/plain", "説明テキスト（NFO）", "information text", G | N},
    {"html", "html", "htm xhtml shtml shtm xht jsp jspf asp aspx ascx ashx asmx master cshtml vbhtml razor cfm cfc vue svelte astro", "text", "text/html", "HTML 文書", "HTML document", C},
    {"xml", "xml", "vdx uot uos uop mpd ism ismc dtd ent rng wsdl xaml xib storyboard resx resw csproj vbproj fsproj vcxproj vcproj filters props targets proj nuspec wxs wxi wxl pom ivy jnlp fxml xul xbl rdf owl gir glade ui kcfg qrc metainfo appdata xbel gml osm dae x3d ditamap dita docbook dbk fo xmp xfdf musicxml xlf xliff tmx ttml dfxp smil mathml mml its rels xba xlb xdl xcu xcs vml jrxml tld xsp pxml iml mxml icml idml lpi lpk", "text", "application/xml", "XML 文書", "XML document", P | K | C},
    {"dtd", "dtd", "ent mod", "text", "application/xml-dtd", "文書型定義（DTD）", "document type definition", NoFlags},
    {"svg", "svg", "", "xml", "image/svg+xml", "SVG 画像", "SVG image", P},
    {"xhtml", "html", "xhtml xht htm", "xml", "application/xhtml+xml", "XHTML 文書", "XHTML document", P},
    // Feeds are published and saved as .xml far more often than as .rss or .atom.
    {"rss", "xml", "rss", "xml", "application/rss+xml", "RSS フィード", "RSS feed", P},
    {"atom", "xml", "atom", "xml", "application/atom+xml", "Atom フィード", "Atom feed", P},
    {"gpx", "gpx", "", "xml", "application/gpx+xml", "GPS データ（GPX）", "GPS exchange data", P},
    {"kml", "kml", "", "xml", "application/vnd.google-earth.kml+xml", "地図データ（KML）", "Keyhole Markup Language", P},
    {"plist", "plist", "", "xml", "application/x-plist", "プロパティリスト（plist）", "property list", P},
    {"plist-binary", "plist", "", "", "application/x-bplist", "バイナリ プロパティリスト", "binary property list", NoFlags},
    {"xsl", "xsl", "xslt", "xml", "application/xslt+xml", "XSLT スタイルシート", "XSLT stylesheet", P},
    {"xsd", "xsd", "", "xml", "application/xml", "XML スキーマ", "XML schema", P},
    {"opml", "opml", "", "xml", "text/x-opml", "アウトライン（OPML）", "OPML outline", P},
    {"fb2", "fb2", "", "xml", "application/x-fictionbook+xml", "FictionBook 電子書籍", "FictionBook e-book", P},
    {"xspf", "xspf", "", "xml", "application/xspf+xml", "プレイリスト（XSPF）", "XSPF playlist", P},
    {"json", "json", "jsonl ndjson geojson topojson har webmanifest gltf avsc jsonld mcmeta tfstate sarif arb", "yaml", "application/json", "JSON データ", "JSON data", P | C},
    // Configuration files in JSON with comments and trailing commas, which JSON parsers refuse.
    {"jsonc", "jsonc", "json5 babelrc eslintrc code-workspace", "json", "application/json", "JSON 系の設定ファイル（コメント付き）", "JSON with comments", N},
    {"ipynb", "ipynb", "", "json", "application/x-ipynb+json", "Jupyter ノートブック", "Jupyter notebook", P},
    {"yaml", "yaml", "yml eyaml raml", "text", "application/yaml", "YAML データ", "YAML data", K | C},
    {"toml", "toml", "", "text", "application/toml", "TOML 設定ファイル", "TOML configuration", C},
    {"ini", "ini", "inf cfg conf theme colors tablet service socket timer target mount automount path slice scope swap link network netdev nspawn preset ovpn repo vbox kdelnk", "text", "text/plain", "設定ファイル（INI）", "INI settings", K | C},
    {"desktop", "desktop", "directory", "ini", "application/x-desktop", "デスクトップ エントリ", "desktop entry", P | R},
    {"url", "url", "website", "ini", "application/x-url", "インターネット ショートカット", "Internet shortcut", P},
    {"reg", "reg", "", "ini", "text/x-ms-regedit", "レジストリ ファイル", "registry file", P | R},
    {"properties", "properties", "prop", "text", "text/x-java-properties", "Java プロパティファイル", "Java properties", N},
    {"csv", "csv", "", "text", "text/csv", "CSV（カンマ区切り）データ", "comma-separated values", C},
    {"tsv", "tsv", "tab psv dsv", "text", "text/tab-separated-values", "タブ区切りデータ", "tab-separated values", C},
    {"slk", "slk", "sylk", "text", "application/x-sylk", "SYLK スプレッドシート", "SYLK spreadsheet", NoFlags},
    {"dif", "dif", "", "text", "text/x-dif", "DIF データ（表計算の交換形式）", "Data Interchange Format", NoFlags},
    {"md", "md", "markdown mdown mkd mkdn mdwn mdtxt mdtext rmd qmd mdx", "text", "text/markdown", "Markdown 文書", "Markdown document", NoFlags},
    {"rst", "rst", "rest", "text", "text/x-rst", "reStructuredText 文書", "reStructuredText document", NoFlags},
    {"adoc", "adoc", "asciidoc asc", "text", "text/asciidoc", "AsciiDoc 文書", "AsciiDoc document", NoFlags},
    {"org", "org", "", "text", "text/org", "Org 文書", "Org document", NoFlags},
    {"wiki", "wiki", "mediawiki creole rdoc", "text", "text/x-wiki", "Wiki 文書（MediaWiki）", "wiki text", NoFlags},
    {"textile", "textile", "", "text", "text/x-textile", "Textile 文書", "Textile document", NoFlags},
    {"pod", "pod", "", "pl", "text/x-pod", "Perl ドキュメント（POD）", "Perl POD documentation", NoFlags},
    {"tex", "tex", "ltx latex sty cls dtx ins bbl clo fd def", "text", "text/x-tex", "TeX 文書", "TeX document", NoFlags},
    {"bib", "bib", "bst", "text", "text/x-bibtex", "参考文献データ（BibTeX）", "BibTeX bibliography", NoFlags},
    {"texinfo", "texi", "texinfo txi", "text", "text/x-texinfo", "Texinfo 文書", "Texinfo document", NoFlags},
    {"info", "info", "", "text", "application/x-info", "Info 文書", "GNU Info document", NoFlags},
    {"man", "1", "2 3 4 5 6 7 8 9 n l man 1p 3p 3pm 3perl 1ssl 3ssl 5ssl 7ssl 3x 1x 8x 3tcl mdoc", "troff", "text/troff", "マニュアルページ（man）", "manual page", NoFlags},
    {"troff", "roff", "tr t ms me mm mom nroff troff tmac pic tbl eqn", "text", "text/troff", "troff 文書", "troff document", K},
    {"css", "css", "scss sass less styl stylus pcss", "text", "text/css", "スタイルシート（CSS）", "CSS stylesheet", S},
    {"js", "js", "mjs cjs jsx es6 jsm gs coffee", "text", "text/javascript", "JavaScript ソース", "JavaScript source", S | R},
    // TypeScript is JavaScript with types: JavaScript may keep .ts, TypeScript named .js is told by its types.
    {"typescript", "ts", "tsx mts cts", "js", "application/typescript", "TypeScript ソース", "TypeScript source", D | S},
    {"c", "c", "h i", "text", "text/x-c", "C ソース", "C source", K | S},
    {"h", "h", "", "c", "text/x-c", "C/C++ ヘッダー", "C/C++ header", N | S},
    {"cpp", "cpp", "cc cxx c++ cp hpp hh hxx h++ inl ipp tcc tpp txx cu cuh ino pde", "c", "text/x-c++", "C++ ソース", "C++ source", S},
    {"objc", "m", "mm", "c", "text/x-objective-c", "Objective-C ソース", "Objective-C source", N | S},
    {"cs", "cs", "csx", "text", "text/x-csharp", "C# ソース", "C# source", S},
    {"java", "java", "jav", "text", "text/x-java", "Java ソース", "Java source", S},
    {"kt", "kt", "kts", "text", "text/x-kotlin", "Kotlin ソース", "Kotlin source", N | S},
    {"scala", "scala", "sc sbt", "text", "text/x-scala", "Scala ソース", "Scala source", N | S},
    {"groovy", "groovy", "gradle gvy gy gsh", "text", "text/x-groovy", "Groovy ソース", "Groovy source", N | S},
    {"clojure", "clj", "cljs cljc edn", "text", "text/x-clojure", "Clojure ソース", "Clojure source", N | S},
    {"go", "go", "", "text", "text/x-go", "Go ソース", "Go source", S},
    {"go-module", "mod", "sum work", "text", "text/plain", "Go モジュール定義", "Go module definition", N},
    {"rs", "rs", "", "text", "text/x-rust", "Rust ソース", "Rust source", S},
    {"swift", "swift", "", "text", "text/x-swift", "Swift ソース", "Swift source", S},
    {"dart", "dart", "", "text", "text/x-dart", "Dart ソース", "Dart source", N | S},
    {"d", "d", "di", "text", "text/x-d", "D ソース", "D source", N | S},
    {"zig", "zig", "", "text", "text/x-zig", "Zig ソース", "Zig source", S},
    {"yara", "yar", "yara", "text", "text/x-yara", "YARA ルール", "YARA rules", S},
    {"smali", "smali", "", "text", "text/x-smali", "Smali（Dalvik アセンブリ）", "Smali Dalvik assembly", S},
    {"nim", "nim", "nims nimble", "text", "text/x-nim", "Nim ソース", "Nim source", N | S},
    {"vala", "vala", "vapi", "text", "text/x-vala", "Vala ソース", "Vala source", N | S},
    {"pascal", "pas", "pp p dpr lpr lfm dfm inc", "text", "text/x-pascal", "Pascal ソース", "Pascal source", N | S},
    {"fortran", "f90", "f f77 f95 f03 f08 for ftn fpp", "text", "text/x-fortran", "Fortran ソース", "Fortran source", N | S},
    {"ada", "adb", "ads ada", "text", "text/x-ada", "Ada ソース", "Ada source", N | S},
    {"cobol", "cob", "cbl cpy", "text", "text/x-cobol", "COBOL ソース", "COBOL source", N | S},
    {"asm", "s", "asm nasm masm a51 inc", "text", "text/x-asm", "アセンブリ ソース", "assembly source", S},
    {"haskell", "hs", "lhs hsc cabal", "text", "text/x-haskell", "Haskell ソース", "Haskell source", N | S},
    {"ocaml", "ml", "mli mll mly re rei", "text", "text/x-ocaml", "OCaml ソース", "OCaml source", N | S},
    {"fsharp", "fs", "fsi fsx", "text", "text/x-fsharp", "F# ソース", "F# source", N | S},
    {"erlang", "erl", "hrl app src escript", "text", "text/x-erlang", "Erlang ソース", "Erlang source", N | S},
    {"elixir", "ex", "exs eex heex leex", "text", "text/x-elixir", "Elixir ソース", "Elixir source", N | S},
    {"lisp", "lisp", "lsp cl scm ss sld rkt fnl hy asd", "text", "text/x-lisp", "Lisp ソース", "Lisp source", N | S},
    {"elisp", "el", "emacs", "text", "text/x-emacs-lisp", "Emacs Lisp ソース", "Emacs Lisp source", S},
    {"r", "r", "rd rprofile rhistory", "text", "text/x-r", "R スクリプト", "R script", N | S | R},
    {"julia", "jl", "", "text", "text/x-julia", "Julia ソース", "Julia source", N | S},
    {"matlab", "m", "", "text", "text/x-matlab", "MATLAB スクリプト", "MATLAB script", N | S | R},
    {"tcl", "tcl", "tk itcl exp tm", "text", "text/x-tcl", "Tcl スクリプト", "Tcl script", S | R},
    {"verilog", "v", "vh sv svh", "text", "text/x-verilog", "Verilog ソース", "Verilog source", N | S},
    {"vhdl", "vhd", "vhdl", "text", "text/x-vhdl", "VHDL ソース", "VHDL source", N | S},
    {"glsl", "glsl", "vert frag geom comp tesc tese hlsl fx cg metal wgsl", "text", "text/x-glsl", "シェーダー ソース", "shader source", N | S},
    {"proto", "proto", "thrift fbs capnp idl odl x", "text", "text/plain", "インターフェース定義", "interface definition", N},
    {"grammar", "y", "yy ypp l ll lex g4 ebnf bnf peg asn asn1", "text", "text/plain", "文法定義（yacc/lex）", "grammar definition", N},
    {"py", "py", "pyw pyi pyx pxd pxi gyp gypi bzl star wsgi cgi rpy sage py3 sconstruct sconscript", "text", "text/x-python", "Python スクリプト", "Python script", S | R},
    {"rb", "rb", "rake gemspec ru thor jbuilder builder podspec rbw cgi", "text", "text/x-ruby", "Ruby スクリプト", "Ruby script", S | R},
    {"pl", "pl", "pm t psgi cgi ph al xs plx perl", "text", "text/x-perl", "Perl スクリプト", "Perl script", S | R},
    {"php", "php", "phtml php3 php4 php5 php7 phps phpt inc", "html", "application/x-php", "PHP スクリプト", "PHP script", S | R},
    {"lua", "lua", "rockspec wlua", "text", "text/x-lua", "Lua スクリプト", "Lua script", S | R},
    {"sh", "sh", "bash zsh ksh csh tcsh fish ash dash command tool bats cgi bashrc zshrc profile subr functions", "text", "application/x-sh", "シェルスクリプト", "shell script", S | R},
    {"awk", "awk", "gawk nawk mawk", "text", "text/x-awk", "AWK スクリプト", "AWK script", S | R},
    {"sed", "sed", "", "text", "text/x-sed", "sed スクリプト", "sed script", S | R},
    {"bat", "bat", "cmd btm", "text", "application/x-bat", "バッチファイル", "batch file", S | R},
    {"ps1", "ps1", "psm1 psd1 pssc ps1xml", "text", "text/x-powershell", "PowerShell スクリプト", "PowerShell script", S | R},
    {"vbs", "vbs", "vba vb bas frm cls bi vbe wsf", "text", "text/vbscript", "VBScript ソース", "VBScript source", S | R},
    {"ahk", "ahk", "au3 nsi nsh iss", "text", "text/plain", "自動化スクリプト", "automation script", N | S | R},
    {"vim", "vim", "vimrc gvimrc exrc", "text", "text/x-vim", "Vim スクリプト", "Vim script", S | R},
    {"sql", "sql", "psql pgsql mysql plsql pks pkb ddl dml hql cql", "text", "application/sql", "SQL スクリプト", "SQL script", S | R},
    {"makefile", "mk", "mak make makefile gmk am mkfile", "text", "text/x-makefile", "Makefile", "Makefile", S},
    {"cmake", "cmake", "", "text", "text/x-cmake", "CMake スクリプト", "CMake script", S | R},
    {"build-script", "ninja", "gn gni bp bazel build mesonbuild jam pri pro prf qbs gyp sbt", "text", "text/plain", "ビルド スクリプト", "build script", N | S | R},
    {"autoconf", "ac", "m4 at", "text", "text/x-m4", "autoconf/m4 スクリプト", "autoconf/m4 script", N | S | R},
    {"dockerfile", "dockerfile", "containerfile", "text", "text/x-dockerfile", "Dockerfile", "Dockerfile", N | S},
    {"nix", "nix", "", "text", "text/x-nix", "Nix 式", "Nix expression", N | S},
    {"hcl", "tf", "tfvars hcl nomad", "text", "text/x-hcl", "HCL 設定（Terraform）", "HCL configuration", N},
    {"config-lang", "jsonnet", "libsonnet dhall cue pkl", "text", "text/plain", "設定言語ソース", "configuration language source", N},
    {"graphql", "graphql", "gql prisma", "text", "application/graphql", "GraphQL スキーマ", "GraphQL schema", N},
    {"rdf-text", "ttl", "n3 nt nq trig sparql rq", "text", "text/turtle", "RDF データ（Turtle）", "RDF data (Turtle)", N},
    {"pc", "pc", "", "text", "text/plain", "pkg-config 定義", "pkg-config definition", NoFlags},
    {"la", "la", "lai", "text", "application/x-libtool", "libtool ライブラリ定義", "libtool library", NoFlags},
    {"spec", "spec", "", "text", "text/x-rpm-spec", "RPM spec ファイル", "RPM spec file", N},
    {"ebuild", "ebuild", "eclass", "sh", "text/plain", "Gentoo ebuild", "Gentoo ebuild", N | S},
    {"debian-control", "dsc", "changes buildinfo control symbols shlibs substvars triggers install dirs docs links manpages postinst preinst prerm postrm lintian-overrides", "text", "text/plain", "Debian パッケージ定義", "Debian package control data", G | N},
    {"linker-script", "ld", "lds so", "text", "text/plain", "リンカー スクリプト", "linker script", N | R},
    {"def", "def", "rc rc2 res2", "text", "text/plain", "Windows 定義ファイル", "Windows definition file", N},
    {"sln", "sln", "", "text", "text/plain", "Visual Studio ソリューション", "Visual Studio solution", P},
    {"patch", "patch", "diff debdiff rej dpatch", "text", "text/x-diff", "差分（パッチ）", "patch", NoFlags},
    {"srt", "srt", "", "text", "application/x-subrip", "字幕（SubRip）", "SubRip subtitles", NoFlags},
    {"vtt", "vtt", "", "text", "text/vtt", "字幕（WebVTT）", "WebVTT subtitles", NoFlags},
    {"ass", "ass", "ssa", "text", "text/x-ssa", "字幕（ASS/SSA）", "Advanced SubStation Alpha subtitles", NoFlags},
    {"sub", "sub", "sbv smi sami", "text", "text/x-microdvd", "字幕（MicroDVD）", "MicroDVD subtitles", NoFlags},
    {"lrc", "lrc", "", "text", "application/x-lrc", "歌詞（LRC）", "lyrics", NoFlags},
    {"m3u", "m3u", "m3u8", "text", "audio/x-mpegurl", "プレイリスト（M3U）", "M3U playlist", NoFlags},
    {"paf", "paf", "fap", "", "audio/x-paf", "PARIS オーディオ（PAF）", "Ensoniq PARIS audio", NoFlags},
    {"pvf", "pvf", "", "", "audio/x-pvf", "ボイスモデム音声（PVF）", "portable voice format", NoFlags},
    {"xi", "xi", "", "", "audio/x-xi", "FastTracker 2 楽器", "FastTracker 2 instrument", NoFlags},
    {"codec2", "c2", "", "", "audio/x-codec2", "Codec 2 音声", "Codec 2 speech", NoFlags},
    {"adx", "adx", "", "", "audio/x-adx", "CRI ADX オーディオ", "CRI ADX audio", NoFlags},
    {"apm", "apm", "", "", "audio/x-apm", "Ubisoft APM オーディオ", "Ubisoft APM audio", NoFlags},
    {"kvag", "vag", "kvag", "", "audio/x-vag", "VAG オーディオ", "VAG audio", NoFlags},
    {"wtv", "wtv", "", "", "video/x-ms-wtv", "Windows テレビ録画（WTV）", "Windows recorded TV show", NoFlags},
    {"smjpeg", "mjpg", "smjpeg", "", "video/x-smjpeg", "SMJPEG 動画", "SDL motion JPEG video", NoFlags},
    {"mpjpeg", "mjpg", "mjpeg mpjpeg", "", "multipart/x-mixed-replace", "Motion JPEG ストリーム（multipart）", "multipart motion JPEG stream", NoFlags},
    {"dirac", "drc", "dirac", "", "video/x-dirac", "Dirac 動画", "Dirac video", NoFlags},
    {"dnxhd", "dnxhd", "dnxhr", "", "video/x-dnxhd", "Avid DNxHD 動画", "Avid DNxHD video", NoFlags},
    {"ast", "ast", "", "", "audio/x-ast", "AST オーディオ（任天堂）", "Nintendo AST audio", NoFlags},
    {"hls", "m3u8", "", "m3u", "application/vnd.apple.mpegurl", "ストリーミング プレイリスト（HLS）", "HTTP live streaming playlist", NoFlags},
    {"pls", "pls", "", "text", "audio/x-scpls", "プレイリスト（PLS）", "PLS playlist", NoFlags},
    {"cue", "cue", "", "text", "application/x-cue", "CD キューシート", "CD cue sheet", NoFlags},
    {"vcf", "vcf", "vcard", "text", "text/vcard", "連絡先（vCard）", "vCard contact", NoFlags},
    {"ics", "ics", "ical ifb vcs icalendar", "text", "text/calendar", "予定表（iCalendar）", "iCalendar data", NoFlags},
    {"eml", "eml", "mime msg nws mail", "text", "message/rfc822", "電子メール", "e-mail message", NoFlags},
    {"mht", "mht", "mhtml", "eml", "multipart/related", "Web アーカイブ（MHTML）", "MHTML web archive", P},
    {"checksum", "md5", "sha1 sha224 sha256 sha384 sha512 b2 crc sfv md5sum sha1sum sha256sum sha512sum", "text", "text/plain", "チェックサム一覧", "checksum list", N},
    {"base64", "b64", "base64", "text", "text/plain", "Base64 テキスト", "Base64-encoded text", N},
    {"pov", "pov", "", "text", "text/x-povray", "POV-Ray シーン", "POV-Ray scene", N},
    {"muse", "muse", "", "text", "text/x-muse", "Muse 文書", "Muse document", N},
    {"pandoc-native", "native", "", "text", "text/plain", "Pandoc 文書構造", "Pandoc native document", N},
    {"metapost", "mp", "mf", "text", "text/x-metapost", "MetaPost 図形", "MetaPost drawing", N},
    {"apple-strings", "strings", "", "text", "text/plain", "ローカライズ文字列（.strings）", "localized strings", N},
    {"mbox", "mbox", "mbx", "text", "application/mbox", "メールボックス（mbox）", "mbox mailbox", NoFlags},
    {"linux-swap", "swap", "img", "", "application/octet-stream", "Linux スワップ領域", "Linux swap space", NoFlags},
    {"openssl-enc", "enc", "", "", "application/octet-stream", "OpenSSL 暗号化データ", "OpenSSL encrypted data", NoFlags},
    {"git-bundle", "bundle", "", "", "application/x-git-bundle", "Git バンドル", "Git bundle", NoFlags},
    {"ssh-sig", "sig", "", "text", "text/plain", "SSH 署名", "SSH signature", NoFlags},
    {"pem", "pem", "crt cer key csr crl p7b p7c chain ca-bundle pub", "text", "application/x-pem-file", "PEM 証明書・鍵", "PEM certificate or key", NoFlags},
    {"asc", "asc", "sig gpg pgp rev", "text", "application/pgp-signature", "OpenPGP テキスト（ASCII 形式）", "ASCII-armored OpenPGP data", NoFlags},
    {"ssh-key", "pub", "", "text", "text/plain", "SSH 公開鍵", "SSH public key", NoFlags},
    {"po", "po", "pot", "text", "text/x-gettext-translation", "gettext 翻訳ソース（PO）", "gettext translation source", NoFlags},
    {"sfd", "sfd", "", "text", "application/vnd.font-fontforge-sfd", "FontForge フォントソース", "FontForge spline font source", NoFlags},
    {"llvm-ir", "ll", "", "text", "text/x-llvm", "LLVM 中間表現", "LLVM intermediate representation", S},
    {"dot", "gv", "dot xdot", "text", "text/vnd.graphviz", "グラフ定義（Graphviz）", "Graphviz graph", NoFlags},
    {"diagram-text", "puml", "plantuml pu mmd mermaid msc", "text", "text/plain", "図の定義テキスト", "diagram source", N},
    {"xbm", "xbm", "", "c", "image/x-xbitmap", "X ビットマップ画像（XBM）", "X bitmap image", P},
    {"xpm", "xpm", "", "c", "image/x-xpixmap", "X ピクスマップ画像（XPM）", "X pixmap image", P},
    // Text tables and scripts that share their extensions with binary formats.
    {"encoding-table", "enc", "", "text", "text/plain", "文字コード表（テキスト）", "character encoding table", N},
    {"bc", "bc", "", "text", "text/x-bc", "bc 計算スクリプト", "bc calculator script", N | S | R},
    {"pfa-afm", "afm", "", "text", "application/x-font-afm", "フォント メトリクス（AFM）", "Adobe font metrics", NoFlags},
    {"bdf", "bdf", "", "text", "application/x-font-bdf", "X11 ビットマップフォント（BDF）", "Glyph Bitmap Distribution Format font", NoFlags},
    {"stl-ascii", "stl", "", "text", "model/stl", "STL 3D モデル（テキスト）", "STL 3D model (text)", NoFlags},
    {"obj-model", "obj", "mtl", "text", "model/obj", "Wavefront 3D モデル", "Wavefront 3D model", N},
    {"dxf", "dxf", "", "text", "image/vnd.dxf", "AutoCAD 交換図面（DXF）", "AutoCAD drawing exchange", NoFlags},
    {"step", "step", "stp p21", "text", "model/step", "STEP 3D モデル", "STEP 3D model", NoFlags},
    {"vrml", "wrl", "vrml", "text", "model/vrml", "VRML 3D モデル", "VRML 3D model", NoFlags},
    {"gcode", "gcode", "nc ngc gco", "text", "text/x-gcode", "G コード（工作機械）", "G-code", N},
    {"ihex", "hex", "ihex ihx", "text", "text/x-hex", "Intel HEX 形式データ", "Intel HEX data", NoFlags},
    {"srec", "srec", "s19 s28 s37 mot", "text", "text/x-srecord", "Motorola S レコード", "Motorola S-record", NoFlags},
    {"bio-seq", "fasta", "fa fna faa ffn frn fas fastq fq gff gff3 gtf bed sam wig nwk newick aln phy gb gbk embl pdb mol sdf cif xyz", "text", "text/plain", "生物・化学データ（テキスト）", "biological or chemical data", N},
    {"uue", "uue", "uu", "text", "text/x-uuencode", "uuencode データ", "uuencoded data", NoFlags},
    {"lyx", "lyx", "", "text", "application/x-lyx", "LyX 文書", "LyX document", NoFlags},
    {"fig", "fig", "", "text", "image/x-xfig", "Xfig 図形", "Xfig drawing", NoFlags},
    {"gpl", "gpl", "", "text", "text/plain", "GIMP パレット", "GIMP palette", NoFlags},
    {"vmdk-descriptor", "vmdk", "", "text", "text/plain", "VMware 仮想ディスク記述子", "VMware disk descriptor", NoFlags},
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
