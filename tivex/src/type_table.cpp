#include "type_table.h"

#include <string>
#include <unordered_map>

namespace tivex {

namespace {

constexpr uint8_t P = Provable;
constexpr uint8_t K = KeepsDescendants;

// Row order is the order in which TivexWhat lists the descriptions of an extension.
constexpr TypeInfo Types[] = {
    // Images
    {"png", "png", "", "", "image/png", "PNG 画像", "PNG image", NoFlags},
    {"jpg", "jpg", "jpeg jpe jfif", "", "image/jpeg", "JPEG 画像", "JPEG image", NoFlags},
    {"gif", "gif", "", "", "image/gif", "GIF 画像", "GIF image", NoFlags},
    {"bmp", "bmp", "dib", "", "image/bmp", "ビットマップ画像（BMP）", "Windows bitmap image", NoFlags},
    {"tiff", "tiff", "tif", "", "image/tiff", "TIFF 画像", "TIFF image", NoFlags},
    {"webp", "webp", "", "", "image/webp", "WebP 画像", "WebP image", NoFlags},
    {"ico", "ico", "", "", "image/vnd.microsoft.icon", "Windows アイコン", "Windows icon", NoFlags},
    {"cur", "cur", "", "", "image/x-win-bitmap", "Windows カーソル", "Windows cursor", NoFlags},
    {"ani", "ani", "", "", "application/x-navi-animation", "Windows アニメーションカーソル", "Windows animated cursor", NoFlags},
    {"psd", "psd", "psb", "", "image/vnd.adobe.photoshop", "Photoshop 画像", "Adobe Photoshop image", NoFlags},
    {"heic", "heic", "heif hif", "mp4", "image/heic", "HEIF 画像（HEIC）", "HEIF image (HEIC)", P},
    {"avif", "avif", "", "mp4", "image/avif", "AVIF 画像", "AVIF image", P},
    {"jp2", "jp2", "j2k jpf jpx", "", "image/jp2", "JPEG 2000 画像", "JPEG 2000 image", NoFlags},
    {"jxl", "jxl", "", "", "image/jxl", "JPEG XL 画像", "JPEG XL image", NoFlags},
    {"qoi", "qoi", "", "", "image/qoi", "QOI 画像", "QOI image", NoFlags},
    {"xcf", "xcf", "", "", "image/x-xcf", "GIMP 画像", "GIMP image", NoFlags},
    {"dds", "dds", "", "", "image/vnd.ms-dds", "DirectDraw サーフェス画像", "DirectDraw Surface image", NoFlags},
    {"exr", "exr", "", "", "image/x-exr", "OpenEXR 画像", "OpenEXR image", NoFlags},
    {"djvu", "djvu", "djv", "", "image/vnd.djvu", "DjVu 文書", "DjVu document", NoFlags},

    // Documents
    {"pdf", "pdf", "", "", "application/pdf", "PDF 文書", "PDF document", NoFlags},
    {"ps", "ps", "", "", "application/postscript", "PostScript 文書", "PostScript document", NoFlags},
    {"eps", "eps", "epsf epsi", "ps", "application/postscript", "EPS 画像（Encapsulated PostScript）", "Encapsulated PostScript", P},
    {"rtf", "rtf", "", "text", "application/rtf", "リッチテキスト文書（RTF）", "Rich Text Format document", P},
    {"ole2", "", "", "", "application/x-ole-storage", "OLE2 複合ドキュメント", "OLE2 compound document", NoFlags},
    {"doc", "doc", "dot", "ole2", "application/msword", "Word 97-2003 文書", "Microsoft Word 97-2003 document", NoFlags},
    {"xls", "xls", "xlt", "ole2", "application/vnd.ms-excel", "Excel 97-2003 ブック", "Microsoft Excel 97-2003 workbook", NoFlags},
    {"ppt", "ppt", "pps pot", "ole2", "application/vnd.ms-powerpoint", "PowerPoint 97-2003 プレゼンテーション", "Microsoft PowerPoint 97-2003 presentation", NoFlags},
    {"msi", "msi", "msp", "ole2", "application/x-msi", "Windows インストーラー パッケージ", "Windows Installer package", NoFlags},
    {"msg", "msg", "", "ole2", "application/vnd.ms-outlook", "Outlook メッセージ", "Outlook message", NoFlags},
    {"docx", "docx", "docm dotx dotm", "zip", "application/vnd.openxmlformats-officedocument.wordprocessingml.document", "Word 文書", "Microsoft Word document", P},
    {"xlsx", "xlsx", "xlsm xltx xltm", "zip", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet", "Excel ブック", "Microsoft Excel workbook", P},
    {"pptx", "pptx", "pptm ppsx potx", "zip", "application/vnd.openxmlformats-officedocument.presentationml.presentation", "PowerPoint プレゼンテーション", "Microsoft PowerPoint presentation", P},
    {"odt", "odt", "", "zip", "application/vnd.oasis.opendocument.text", "OpenDocument テキスト", "OpenDocument text", P},
    {"ods", "ods", "", "zip", "application/vnd.oasis.opendocument.spreadsheet", "OpenDocument スプレッドシート", "OpenDocument spreadsheet", P},
    {"odp", "odp", "", "zip", "application/vnd.oasis.opendocument.presentation", "OpenDocument プレゼンテーション", "OpenDocument presentation", P},
    {"epub", "epub", "", "zip", "application/epub+zip", "EPUB 電子書籍", "EPUB e-book", P},
    {"chm", "chm", "", "", "application/vnd.ms-htmlhelp", "Windows ヘルプ（CHM）", "Compiled HTML Help", NoFlags},

    // Archives and compressed data
    {"zip", "zip", "", "", "application/zip", "ZIP 圧縮ファイル", "ZIP archive", NoFlags},
    {"jar", "jar", "war ear", "zip", "application/java-archive", "Java アーカイブ（JAR）", "Java archive", NoFlags},
    {"apk", "apk", "", "jar", "application/vnd.android.package-archive", "Android アプリ パッケージ", "Android package", NoFlags},
    {"cbz", "cbz", "", "zip", "application/vnd.comicbook+zip", "コミックブック アーカイブ（ZIP）", "Comic book archive (ZIP)", NoFlags},
    {"xpi", "xpi", "", "zip", "application/x-xpinstall", "Firefox 拡張機能", "Firefox extension", NoFlags},
    {"whl", "whl", "", "zip", "application/zip", "Python ホイール パッケージ", "Python wheel package", NoFlags},
    {"ipa", "ipa", "", "zip", "application/octet-stream", "iOS アプリ パッケージ", "iOS application package", NoFlags},
    {"gz", "gz", "tgz gzip", "", "application/gzip", "gzip 圧縮ファイル", "gzip compressed data", NoFlags},
    {"bz2", "bz2", "tbz2 tbz", "", "application/x-bzip2", "bzip2 圧縮ファイル", "bzip2 compressed data", NoFlags},
    {"xz", "xz", "txz", "", "application/x-xz", "xz 圧縮ファイル", "XZ compressed data", NoFlags},
    {"zst", "zst", "zstd tzst", "", "application/zstd", "Zstandard 圧縮ファイル", "Zstandard compressed data", NoFlags},
    {"lz4", "lz4", "", "", "application/x-lz4", "LZ4 圧縮ファイル", "LZ4 compressed data", NoFlags},
    {"z", "z", "taz", "", "application/x-compress", "compress 圧縮ファイル（.Z）", "Unix compress data", NoFlags},
    {"7z", "7z", "", "", "application/x-7z-compressed", "7-Zip 圧縮ファイル", "7-Zip archive", NoFlags},
    {"rar", "rar", "", "", "application/vnd.rar", "RAR 圧縮ファイル", "RAR archive", NoFlags},
    {"cbr", "cbr", "", "rar", "application/vnd.comicbook-rar", "コミックブック アーカイブ（RAR）", "Comic book archive (RAR)", NoFlags},
    {"tar", "tar", "", "", "application/x-tar", "tar アーカイブ", "tar archive", NoFlags},
    {"cab", "cab", "", "", "application/vnd.ms-cab-compressed", "CAB 圧縮ファイル", "Microsoft Cabinet archive", NoFlags},
    {"lzh", "lzh", "lha", "", "application/x-lzh-compressed", "LZH 圧縮ファイル", "LHA archive", NoFlags},
    {"ar", "a", "lib", "", "application/x-archive", "ar アーカイブ（静的ライブラリ）", "ar archive (static library)", NoFlags},
    {"deb", "deb", "udeb", "ar", "application/vnd.debian.binary-package", "Debian パッケージ", "Debian package", P},
    {"rpm", "rpm", "", "", "application/x-rpm", "RPM パッケージ", "RPM package", NoFlags},
    {"iso", "iso", "", "", "application/x-iso9660-image", "ISO 9660 ディスクイメージ", "ISO 9660 disc image", NoFlags},

    // Audio
    {"mp3", "mp3", "", "", "audio/mpeg", "MP3 音声", "MP3 audio", NoFlags},
    {"mp2", "mp2", "mpa", "", "audio/mpeg", "MPEG オーディオ（レイヤー II）", "MPEG audio layer II", NoFlags},
    {"aac", "aac", "adts", "", "audio/aac", "AAC 音声（ADTS）", "AAC audio (ADTS)", NoFlags},
    {"wav", "wav", "wave", "", "audio/wav", "WAVE 音声", "WAVE audio", NoFlags},
    {"aiff", "aiff", "aif aifc", "", "audio/aiff", "AIFF 音声", "AIFF audio", NoFlags},
    {"flac", "flac", "", "", "audio/flac", "FLAC 音声", "FLAC audio", NoFlags},
    {"ogg", "ogg", "oga", "", "audio/ogg", "Ogg Vorbis 音声", "Ogg Vorbis audio", K},
    {"opus", "opus", "", "ogg", "audio/opus", "Opus 音声（Ogg）", "Opus audio (Ogg)", P},
    {"ogv", "ogv", "", "ogg", "video/ogg", "Ogg Theora 動画", "Ogg Theora video", P},
    {"spx", "spx", "", "ogg", "audio/ogg", "Speex 音声（Ogg）", "Speex audio (Ogg)", P},
    {"mid", "mid", "midi smf", "", "audio/midi", "MIDI 音楽データ", "MIDI music", NoFlags},
    {"rmi", "rmi", "", "", "audio/mid", "RIFF MIDI 音楽データ", "RIFF MIDI music", NoFlags},
    {"amr", "amr", "", "", "audio/amr", "AMR 音声", "AMR audio", NoFlags},
    {"ape", "ape", "", "", "audio/x-ape", "Monkey's Audio 音声", "Monkey's Audio", NoFlags},
    {"m4a", "m4a", "m4b m4p m4r", "mp4", "audio/mp4", "MPEG-4 音声（M4A）", "MPEG-4 audio", NoFlags},

    // Video and containers
    {"mp4", "mp4", "m4v", "", "video/mp4", "MPEG-4 動画", "MPEG-4 video", NoFlags},
    {"mov", "mov", "qt", "mp4", "video/quicktime", "QuickTime 動画", "QuickTime movie", NoFlags},
    {"3gp", "3gp", "3gpp", "mp4", "video/3gpp", "3GPP 動画", "3GPP video", NoFlags},
    {"3g2", "3g2", "3gpp2", "mp4", "video/3gpp2", "3GPP2 動画", "3GPP2 video", NoFlags},
    {"avi", "avi", "", "", "video/x-msvideo", "AVI 動画", "AVI video", NoFlags},
    {"mkv", "mkv", "mka mks mk3d", "", "video/x-matroska", "Matroska 動画", "Matroska video", K},
    {"webm", "webm", "", "mkv", "video/webm", "WebM 動画", "WebM video", P},
    {"flv", "flv", "", "", "video/x-flv", "Flash 動画（FLV）", "Flash video", NoFlags},
    {"mpg", "mpg", "mpeg m2p vob", "", "video/mpeg", "MPEG 動画（プログラムストリーム）", "MPEG program stream video", NoFlags},
    {"mts", "ts", "mts m2ts m2t", "", "video/mp2t", "MPEG-2 トランスポートストリーム", "MPEG transport stream", NoFlags},
    {"asf", "asf", "wmv wma", "", "video/x-ms-asf", "Windows Media 音声・動画（ASF）", "Windows Media (ASF)", NoFlags},
    {"swf", "swf", "", "", "application/x-shockwave-flash", "Flash ムービー（SWF）", "Shockwave Flash movie", NoFlags},

    // Programs and binary data. Executable ELF files have no customary extension on
    // Linux; "elf" names the format, and the extensions used by firmware tool chains
    // (bin, axf, out) are accepted. Kernel modules are relocatable objects, so "ko"
    // belongs to the object row.
    {"exe", "exe", "scr sys efi com", "", "application/vnd.microsoft.portable-executable", "Windows 実行ファイル", "Windows executable", NoFlags},
    {"dll", "dll", "ocx cpl drv ax mui", "exe", "application/vnd.microsoft.portable-executable", "Windows ダイナミックリンクライブラリ（DLL）", "Windows dynamic link library", P},
    {"exe-dos", "exe", "com", "", "application/x-dosexec", "MS-DOS 実行ファイル", "MS-DOS executable", NoFlags},
    {"elf", "elf", "bin axf out", "", "application/x-executable", "ELF 実行ファイル", "ELF executable", NoFlags},
    {"elf-so", "so", "", "", "application/x-sharedlib", "ELF 共有ライブラリ", "ELF shared object", NoFlags},
    {"elf-o", "o", "ko obj", "", "application/x-object", "ELF オブジェクトファイル", "ELF relocatable object", NoFlags},
    {"elf-core", "core", "", "", "application/x-coredump", "ELF コアダンプ", "ELF core dump", NoFlags},
    {"macho", "", "dylib bundle", "", "application/x-mach-binary", "Mach-O 実行ファイル", "Mach-O binary", NoFlags},
    {"macho-fat", "", "dylib bundle", "", "application/x-mach-binary", "Mach-O ユニバーサルバイナリ", "Mach-O universal binary", NoFlags},
    {"class", "class", "", "", "application/java-vm", "Java クラスファイル", "Java class file", NoFlags},
    {"dex", "dex", "", "", "application/vnd.android.dex", "Android DEX ファイル", "Android Dalvik executable", NoFlags},
    {"wasm", "wasm", "", "", "application/wasm", "WebAssembly バイナリ", "WebAssembly binary", NoFlags},
    {"luac", "luac", "", "", "application/x-lua-bytecode", "Lua バイトコード", "Lua bytecode", NoFlags},
    {"sqlite", "sqlite", "sqlite3 db db3", "", "application/vnd.sqlite3", "SQLite データベース", "SQLite database", NoFlags},
    {"pcap", "pcap", "cap dmp", "", "application/vnd.tcpdump.pcap", "パケットキャプチャ（pcap）", "pcap packet capture", NoFlags},
    {"pcapng", "pcapng", "", "", "application/x-pcapng", "パケットキャプチャ（pcapng）", "pcapng packet capture", NoFlags},
    {"lnk", "lnk", "", "", "application/x-ms-shortcut", "Windows ショートカット", "Windows shortcut", NoFlags},

    // Fonts
    {"ttf", "ttf", "", "", "font/ttf", "TrueType フォント", "TrueType font", NoFlags},
    {"otf", "otf", "", "", "font/otf", "OpenType フォント", "OpenType font", NoFlags},
    {"ttc", "ttc", "otc", "", "font/collection", "TrueType フォントコレクション", "TrueType font collection", NoFlags},
    {"woff", "woff", "", "", "font/woff", "WOFF Web フォント", "WOFF web font", NoFlags},
    {"woff2", "woff2", "", "", "font/woff2", "WOFF2 Web フォント", "WOFF2 web font", NoFlags},

    // Text. Every text format descends from "text", so plain text keeps any of their
    // extensions: the content cannot tell a CSV file or a C source from notes.
    {"text", "txt", "text", "", "text/plain", "テキストファイル", "text file", NoFlags},
    {"html", "html", "htm xhtml xht shtml", "text", "text/html", "HTML 文書", "HTML document", NoFlags},
    {"xml", "xml", "", "text", "application/xml", "XML 文書", "XML document", K},
    {"svg", "svg", "", "xml", "image/svg+xml", "SVG 画像", "SVG image", P},
    {"rss", "rss", "", "xml", "application/rss+xml", "RSS フィード", "RSS feed", NoFlags},
    {"atom", "atom", "", "xml", "application/atom+xml", "Atom フィード", "Atom feed", NoFlags},
    {"gpx", "gpx", "", "xml", "application/gpx+xml", "GPS データ（GPX）", "GPS exchange data", NoFlags},
    {"kml", "kml", "", "xml", "application/vnd.google-earth.kml+xml", "地図データ（KML）", "Keyhole Markup Language", NoFlags},
    {"plist", "plist", "", "xml", "application/x-plist", "プロパティリスト（plist）", "property list", NoFlags},
    {"xsl", "xsl", "xslt", "xml", "application/xslt+xml", "XSLT スタイルシート", "XSLT stylesheet", NoFlags},
    {"xsd", "xsd", "", "xml", "application/xml", "XML スキーマ", "XML schema", NoFlags},
    {"json", "json", "geojson jsonl webmanifest", "text", "application/json", "JSON データ", "JSON data", NoFlags},
    {"csv", "csv", "", "text", "text/csv", "CSV（カンマ区切り）データ", "comma-separated values", NoFlags},
    {"tsv", "tsv", "tab", "text", "text/tab-separated-values", "タブ区切りデータ", "tab-separated values", NoFlags},
    {"log", "log", "", "text", "text/plain", "ログファイル", "log file", NoFlags},
    {"md", "md", "markdown mkd", "text", "text/markdown", "Markdown 文書", "Markdown document", NoFlags},
    {"rst", "rst", "", "text", "text/x-rst", "reStructuredText 文書", "reStructuredText document", NoFlags},
    {"ini", "ini", "inf", "text", "text/plain", "設定ファイル（INI）", "INI settings", NoFlags},
    {"cfg", "cfg", "conf config cnf", "text", "text/plain", "設定ファイル", "configuration file", NoFlags},
    {"yaml", "yaml", "yml", "text", "application/yaml", "YAML データ", "YAML data", NoFlags},
    {"toml", "toml", "", "text", "application/toml", "TOML 設定ファイル", "TOML configuration", NoFlags},
    {"properties", "properties", "", "text", "text/plain", "Java プロパティファイル", "Java properties", NoFlags},
    {"css", "css", "scss less", "text", "text/css", "スタイルシート（CSS）", "CSS stylesheet", NoFlags},
    {"js", "js", "mjs cjs jsx", "text", "text/javascript", "JavaScript ソース", "JavaScript source", NoFlags},
    {"typescript", "ts", "tsx mts cts", "text", "application/typescript", "TypeScript ソース", "TypeScript source", NoFlags},
    {"c", "c", "", "text", "text/x-c", "C ソース", "C source", NoFlags},
    {"h", "h", "", "text", "text/x-c", "C/C++ ヘッダー", "C/C++ header", NoFlags},
    {"cpp", "cpp", "cc cxx c++ hpp hh hxx inl ipp", "text", "text/x-c++", "C++ ソース", "C++ source", NoFlags},
    {"cs", "cs", "", "text", "text/x-csharp", "C# ソース", "C# source", NoFlags},
    {"java", "java", "", "text", "text/x-java", "Java ソース", "Java source", NoFlags},
    {"kt", "kt", "kts", "text", "text/x-kotlin", "Kotlin ソース", "Kotlin source", NoFlags},
    {"go", "go", "", "text", "text/x-go", "Go ソース", "Go source", NoFlags},
    {"rs", "rs", "", "text", "text/x-rust", "Rust ソース", "Rust source", NoFlags},
    {"swift", "swift", "", "text", "text/x-swift", "Swift ソース", "Swift source", NoFlags},
    {"py", "py", "pyw pyi", "text", "text/x-python", "Python スクリプト", "Python script", NoFlags},
    {"rb", "rb", "", "text", "text/x-ruby", "Ruby スクリプト", "Ruby script", NoFlags},
    {"pl", "pl", "pm", "text", "text/x-perl", "Perl スクリプト", "Perl script", NoFlags},
    {"php", "php", "phtml", "text", "application/x-php", "PHP スクリプト", "PHP script", NoFlags},
    {"lua", "lua", "", "text", "text/x-lua", "Lua スクリプト", "Lua script", NoFlags},
    {"sh", "sh", "bash zsh ksh command", "text", "application/x-sh", "シェルスクリプト", "shell script", NoFlags},
    {"bat", "bat", "cmd", "text", "application/x-bat", "バッチファイル", "batch file", NoFlags},
    {"ps1", "ps1", "psm1 psd1", "text", "text/plain", "PowerShell スクリプト", "PowerShell script", NoFlags},
    {"vbs", "vbs", "vba bas", "text", "text/vbscript", "VBScript ソース", "VBScript source", NoFlags},
    {"sql", "sql", "", "text", "application/sql", "SQL スクリプト", "SQL script", NoFlags},
    {"tex", "tex", "sty cls bib", "text", "text/x-tex", "TeX 文書", "TeX document", NoFlags},
    {"srt", "srt", "", "text", "application/x-subrip", "字幕（SubRip）", "SubRip subtitles", NoFlags},
    {"vtt", "vtt", "", "text", "text/vtt", "字幕（WebVTT）", "WebVTT subtitles", NoFlags},
    {"patch", "patch", "diff", "text", "text/x-diff", "差分（パッチ）", "patch", NoFlags},
    {"vcf", "vcf", "vcard", "text", "text/vcard", "連絡先（vCard）", "vCard contact", NoFlags},
    {"ics", "ics", "ical ifb", "text", "text/calendar", "予定表（iCalendar）", "iCalendar data", NoFlags},
    {"pem", "pem", "crt cer key csr", "text", "application/x-pem-file", "PEM 証明書・鍵", "PEM certificate or key", NoFlags},
    {"url", "url", "", "text", "application/x-url", "インターネット ショートカット", "Internet shortcut", NoFlags},
    {"reg", "reg", "", "text", "text/plain", "レジストリ ファイル", "registry file", NoFlags},
    {"nfo", "nfo", "diz", "text", "text/plain", "説明テキスト（NFO）", "information text", NoFlags},
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
