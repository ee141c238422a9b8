#include "signatures.h"

#include <array>
#include <vector>

using namespace std::literals;

namespace tivex {

namespace {

using namespace inspect;

// Within one first byte, earlier rows win: longer and more specific magic first.
// Hex escapes are split where a letter follows that could extend them.
constexpr Signature Signatures[] = {
    // Images
    {0, "\x89PNG\r\n\x1A\n"sv, {}, "png"},
    {0, "\x8AMNG\r\n\x1A\n"sv, {}, "mng"},
    {0, "\x8BJNG\r\n\x1A\n"sv, {}, "jng"},
    {0, "\xFF\xD8\xFF\xF7"sv, {}, "jls"}, // the frame marker of JPEG-LS right after the start
    {0, "\xFF\xD8\xFF"sv, {}, "jpg"},
    {0, "GIF87a"sv, {}, "gif"},
    {0, "GIF89a"sv, {}, "gif"},
    {0, "BM"sv, {}, {}, bmp},
    {0, "\x28\x00\x00\x00"sv, {}, {}, deviceIndependentBitmap},
    {0, "II*\x00"sv, {}, {}, tiff},
    {0, "MM\x00*"sv, {}, {}, tiff},
    {0, "II+\x00"sv, {}, "tiff-big"},
    {0, "MM\x00+"sv, {}, "tiff-big"},
    {0, "IIRO\x08\x00"sv, {}, "orf"},
    {0, "IIRS\x08\x00"sv, {}, "orf"},
    {0, "MMOR\x00\x00"sv, {}, "orf"},
    {0, "IIU\x00\x18\x00"sv, {}, "rw2"},
    {0, "II\xBC\x01"sv, {}, "jxr"},
    {0, "II\x1A\x00\x00\x00HEAPCCDR"sv, {}, "crw"},
    {0, "FUJIFILMCCD-RAW"sv, {}, "raf"},
    {0, "\x00\x00\x01\x00"sv, {}, {}, iconDirectory},
    {0, "\x00\x00\x02\x00"sv, {}, {}, iconDirectory},
    {0, "icns"sv, {}, "icns"},
    {0, "8BPS\x00\x02"sv, {}, "psb"}, // the large-document version
    {0, "8BPS"sv, {}, "psd"},
    {522, "\x00\x11\x02\xFF"sv, {}, "pict"}, // version 2 opcode after the 512-byte header and the frame
    {0, "srcdocid:"sv, {}, "cals"},
    {0, " paf\0\0\0\0"sv, {}, "paf"},
    {0, "fap \0\0\0\0"sv, {}, "paf"},
    {0, "PVF1\n"sv, {}, "pvf"},
    {0, "PVF2\n"sv, {}, "pvf"},
    {0, "Extended Instrument: "sv, {}, "xi"},
    {0, "\xC0\xDE\xC2"sv, {}, "codec2"},
    {4, "styp"sv, {}, "mp4"}, // a media segment of fragmented MP4 (DASH, HLS)
    {0, "Salted__"sv, {}, "openssl-enc"},
    {0, "# v2 git bundle\n"sv, {}, "git-bundle"},
    {0, "# v3 git bundle\n"sv, {}, "git-bundle"},
    {0, "CPCH"sv, {}, "clang-pch"},
    {0, "\xDE\xC0\x17\x0B"sv, {}, "llvm-bc"}, // the bitcode wrapper of Apple's tools
    {0, "\0\0\0\0\x20\0\0\0\xFF\xFF\0\0\xFF\xFF\0\0"sv, {}, "res"},
    {0, "\x00\x00\x00\x0CjP  \r\n\x87\n"sv, {}, {}, jpeg2000},
    {0, "\xFF\x4F\xFF\x51"sv, {}, "j2k"},
    {0, "\x00\x00\x00\x0CJXL \r\n\x87\n"sv, {}, "jxl"},
    {0, "\xFF\x0A"sv, {}, "jxl"},
    {0, "qoif"sv, {}, "qoi"},
    {0, "gimp xcf"sv, {}, "xcf"},
    {0, "DDS "sv, {}, "dds"},
    {0, "\x76\x2F\x31\x01"sv, {}, "exr"},
    {0, "#?RADIANCE"sv, {}, "hdr"},
    {0, "#?RGBE"sv, {}, "hdr"},
    {0, "\x0A"sv, {}, {}, pcx},
    {0, "\xB1\x68\xDE\x3A"sv, {}, "dcx"},
    {0, "P7 332"sv, {}, "xv-thumb"}, // an XV thumbnail, not a Netpbm PAM
    {0, "P"sv, {}, {}, netpbm},
    {0, "\x01\xDA"sv, {}, {}, sgi},
    {0, "\x59\xA6\x6A\x95"sv, {}, "ras"},
    {0, "SIMPLE  ="sv, {}, "fits"},
    {0, "SDPX"sv, {}, "dpx"},
    {0, "XPDS"sv, {}, "dpx"},
    {0, "\x80\x2A\x5F\xD7"sv, {}, "cin"},
    {0, "id=ImageMagick"sv, {}, "miff"},
    {0, "farbfeld"sv, {}, "ff"},
    {0, "\xAB\x01"sv, {}, "viff"},
    {0, "\xD7\xCD\xC6\x9A"sv, {}, "wmf"},
    {0, "\x01\x00\x09\x00\x00\x03"sv, {}, "wmf"},
    {0, "\x02\x00\x09\x00\x00\x03"sv, {}, "wmf"},
    {0, "\x01\x00\x00\x00"sv, {}, {}, emf},
    {0, "\xABKTX 11\xBB\r\n\x1A\n"sv, {}, "ktx"},
    {0, "\xABKTX 20\xBB\r\n\x1A\n"sv, {}, "ktx2"},
    {0, "BPG\xFB"sv, {}, "bpg"},
    {0, "\x97JB2\r\n\x1A\n"sv, {}, "jbig2"},
    {0, "AT&TFORM"sv, {}, "djvu"},
    {0, "LBLSIZE="sv, {}, "vicar"},
    {0, "\x08\xF2\xA6\xB6"sv, {}, "vips"},
    {0, "\xB6\xA6\xF2\x08"sv, {}, "vips"},
    {0, "PG ML "sv, {}, "pgx"},
    {0, "PG LM "sv, {}, "pgx"},
    {2048, "PCD_IPI"sv, {}, "pcd"},
    {0, "\x1BP0;0;0q"sv, {}, "sixel"},
    {0, "\x1BPq"sv, {}, "sixel"},
    {0, "\x1BP"sv, {}, {}, sixel},
    {0, "\x90"sv, {}, {}, sixel},
    {0, "MAKI02  "sv, {}, {}, makichan},
    {0, "MAKI01A "sv, {}, "mki"},
    {0, "MAKI01B "sv, {}, "mki"},
    {0, "Pi"sv, {}, {}, yanagisawaPi},
    {0, "FORM\0\0\0\0ILBM"sv, "\xFF\xFF\xFF\xFF\0\0\0\0\xFF\xFF\xFF\xFF"sv, "ilbm"},
    {60, "vIMGView"sv, {}, "pdb-palm"},
    {4, "\x00\x00\x00\x07"sv, {}, {}, xWindowDump},
    {20, "GIMP"sv, {}, "gbr"},
    {20, "GPAT"sv, {}, "pat"},
    {36, "acsp"sv, {}, "icc"},

    // Documents
    {0, "%PDF-"sv, {}, "pdf"},
    {0, "%!PS-TrueTypeFont"sv, {}, "t42"},
    {0, "%!PS"sv, {}, {}, postScript},
    {0, "%!FontType1"sv, {}, "pfa"},
    {0, "%!"sv, {}, "ps"},
    {0, "\xC5\xD0\xD3\xC6"sv, {}, "eps"},
    {0, "{\\rtf"sv, {}, "rtf"},
    {0, "DOC"sv, {}, {}, ichitaroEarly},
    {0, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv, {}, {}, ole2},
    {0, "ITSF\x03\x00\x00\x00"sv, {}, "chm"},
    {0, "ITOLITLS"sv, {}, "lit"},
    {0, "\x3F\x5F\x03\x00"sv, {}, {}, winHelp},
    {0, "\xFFWPC"sv, {}, {}, corelWpc},
    {0, "\x1B%-12345X"sv, {}, "pcl"},
    {0, "\x1B" "E\x1B"sv, {}, "pcl"},
    {0, ") HP-PCL XL"sv, {}, "pcl"},
    {0, "\xF7\x02"sv, {}, "dvi"},
    {0, "\xF7\x59"sv, {}, "tex-pk"},
    {0, "\xF7\xCA"sv, {}, "tex-vf"},
    {60, "BOOKMOBI"sv, {}, "mobi"},
    {60, "TEXtREAd"sv, {}, "pdb-palm"},

    // Office formats of the DOS and early Windows years
    {0, "\x00\x00\x02\x00"sv, {}, {}, lotusClassic}, // after the cursor directory's row
    {0, "\x00\x00\x1A\x00"sv, {}, {}, lotus},
    {4, "\x00\x00\xFF\x99"sv, {}, {}, pageMaker},
    {4, "\x00\x00\x99\xFF"sv, {}, {}, pageMaker},

    // Archives, compressed data and disk images
    {0, "PK\x03\x04"sv, {}, {}, zip},
    {0, "PK\x05\x06"sv, {}, "zip"},
    {0, "PK\x07\x08"sv, {}, {}, zip},
    {0, "\x1F\x8B\x08"sv, {}, {}, gzip},
    {0, "BZh"sv, {}, {}, bzip2},
    {0, "BZ3v1"sv, {}, "bz3"},
    {0, "\xFD" "7zXZ\x00"sv, {}, "xz"},
    {0, "\x5D\x00\x00"sv, {}, {}, lzmaAlone},
    {0, "LZIP"sv, {}, "lz"},
    {0, "\x89LZO\x00\r\n\x1A\n"sv, {}, "lzo"},
    {0, "LRZI"sv, {}, "lrz"},
    {0, "\xFF\x06\x00\x00sNaPpY"sv, {}, "sz"},
    {0, "7kSt"sv, {}, "zpaq"},
    {0, "zPQ"sv, {}, "zpaq"},
    {0, "7z\xBC\xAF\x27\x1C"sv, {}, "7z"},
    {0, "Rar!\x1A\x07"sv, {}, "rar"},
    {0, "\x28\xB5\x2F\xFD"sv, {}, "zst"},
    {0, "\x50\x2A\x4D\x18"sv, "\xF0\xFF\xFF\xFF"sv, "zst"},
    {0, "\x04\x22\x4D\x18"sv, {}, "lz4"},
    {0, "\x02\x21\x4C\x18"sv, {}, "lz4"},
    {0, "\x1F\x9D"sv, {}, "z"},
    {0, "\x1F\x1E"sv, {}, "z"},
    {0, "MSCF\x00\x00\x00\x00"sv, {}, "cab"},
    {0, "ISc("sv, {}, "cab-installshield"},
    {0, "\x60\xEA"sv, {}, {}, arj},
    {7, "**ACE**"sv, {}, "ace"},
    {20, "\xDC\xA7\xC4\xFD"sv, {}, "zoo"},
    {0, "SIT!"sv, {}, "sit"},
    {0, "StuffIt"sv, {}, "sit"},
    {0, "ALZ\x01"sv, {}, "alz"},
    {0, "xar!"sv, {}, "xar"},
    {0, "07070"sv, {}, {}, cpioAscii},
    {0, "\xC7\x71"sv, {}, {}, cpioBinary},
    {0, "\x71\xC7"sv, {}, {}, cpioBinary},
    {0, "!<arch>\ndebian-binary"sv, {}, "deb"},
    {0, "!<arch>\n"sv, {}, "ar"},
    {0, "!<thin>\n"sv, {}, "ar"},
    {0, "\xED\xAB\xEE\xDB"sv, {}, "rpm"},
    {2, "-lh\x00-"sv, "\xFF\xFF\xFF\x00\xFF"sv, "lzh"},
    {2, "-lz\x00-"sv, "\xFF\xFF\xFF\x00\xFF"sv, "lzh"},
    {257, "ustar"sv, {}, {}, ustar},
    {0, "hsqs"sv, {}, "squashfs"},
    {0, "sqsh"sv, {}, "squashfs"},
    {0, "\x45\x3D\xCD\x28"sv, {}, "cramfs"},
    {0, "\x3A\xFF\x26\xED"sv, {}, "simg"},
    {0, "QFI\xFB"sv, {}, "qcow2"},
    {0, "KDMV"sv, {}, "vmdk"},
    {0, "# Disk DescriptorFile"sv, {}, "vmdk-descriptor"},
    {64, "\x7F\x10\xDA\xBE"sv, {}, "vdi"},
    {0, "conectix"sv, {}, "vhd"},
    {0, "vhdxfile"sv, {}, "vhdx"},
    {0, "MSWIM\x00\x00\x00"sv, {}, "wim"},

    // Archives of single programs and systems, and disk images of old computers
    {14, "\x1AJar\x1B"sv, {}, "arj-jar"},
    {0, "\xCE\x24\xB9\xA2\x20\x00\x00\x00"sv, {}, "tib"},
    {0, "XBTF"sv, {}, "xbt"},
    {1, "\xAD\xBE\xEF"sv, {}, {}, synologyArchive},
    {0, "\x0E\x0F"sv, {}, {}, atariMsa},
    {0, "XNB"sv, {}, {}, xnaContent},
    {0, "CAR 2.00"sv, {}, "sar"},
    {0, "CAR 2.01"sv, {}, "sar"},
    {24, "FTCOMP"sv, {}, "pk2"},
    {0, "\x25\x06\x78\x19\x01\x01\x00\x00"sv, {}, "fzip"},
    {0, "\r\n\x1A" "CAZIP"sv, {}, "cazip"},
    {0, "\x04\x00\x00\x00"sv, {}, {}, asar},
    {0, "ZIM\x04"sv, {}, "zim"},
    {0x52, "\x01\x00"sv, {}, {}, diskCopy},

    // Audio and video
    {0, "ID3"sv, {}, {}, id3},
    {0, "\xFF\xE0"sv, "\xFF\xE0"sv, {}, mpegAudio},
    {0, "\x0B\x77"sv, {}, {}, dolbyDigital},
    {0, "\x7F\xFE\x80\x01"sv, {}, "dts"},
    {0, "ADIF"sv, {}, "aac"},
    {0, "fLaC"sv, {}, "flac"},
    {0, "RIFF"sv, {}, {}, riff},
    {0, "RIFX"sv, {}, {}, riff},
    {0, "RF64"sv, {}, {}, riff},
    {0, "BW64"sv, {}, {}, riff},
    {0, "riff\x2E\x91\xCF\x11\xA5\xD6\x28\xDB\x04\xC1\x00\x00"sv, {}, "w64"},
    {0, "FORM"sv, {}, {}, iff},
    {0, "FOR1"sv, {}, {}, iff},
    {0, "FRM8"sv, {}, "dff"},
    {0, "OggS"sv, {}, {}, ogg},
    {0, "MThd"sv, {}, "mid"},
    {0, "#!AMR-WB\n"sv, {}, "awb"},
    {0, "#!AMR"sv, {}, "amr"},
    {4, "\xF8\x72\x6F\xBA"sv, {}, "truehd"},
    {4, "\xF8\x72\x6F\xBB"sv, {}, "mlp"},
    {0, "MMMD\0\0\0\0CNTI"sv, "\xFF\xFF\xFF\xFF\0\0\0\0\xFF\xFF\xFF\xFF"sv, "mmf"},
    {0, "MAC "sv, {}, "ape"},
    {0, "wvpk"sv, {}, "wv"},
    {0, "TTA1"sv, {}, "tta"},
    {0, "MPCK"sv, {}, "mpc"},
    {0, "MP+"sv, {}, "mpc"},
    {0, ".snd"sv, {}, "au"},
    {0, "Creative Voice File\x1A"sv, {}, "voc"},
    {0, ".SoX"sv, {}, "sox"},
    {0, "XoS."sv, {}, "sox"},
    {0, "NIST_1A\n"sv, {}, "sph"},
    {0, "2BIT"sv, {}, "avr"},
    {0, "\x64\xA3\x01\x00"sv, {}, "ircam"},
    {0, "\x64\xA3\x02\x00"sv, {}, "ircam"},
    {0, "\x64\xA3\x03\x00"sv, {}, "ircam"},
    {0, "\x64\xA3\x04\x00"sv, {}, "ircam"},
    {0, "\x00\x01\xA3\x64"sv, {}, "ircam"},
    {0, "\x00\x02\xA3\x64"sv, {}, "ircam"},
    {0, "\x00\x03\xA3\x64"sv, {}, "ircam"},
    {65, "FSSD"sv, {}, "hcom"},
    {0, "SOUND SAMPLE DATA "sv, {}, "smp"},
    {0, "SOUND\x1A"sv, {}, "sndt"},
    {0, "LM8953"sv, {}, "txw"},
    {0, "ALawSoundFile**"sv, {}, "wve"},
    {0, "\x37\x00\x00\x10\x6D\x00\x00\x10\x7E\x00\x00\x10"sv, {}, "psion-record"},
    {0, "caff"sv, {}, "caf"},
    {0, "DSD "sv, {}, "dsf"},
    {0, ".ra\xFD"sv, {}, "ra"},
    {0, ".RMF"sv, {}, "rm"},
    {0, "Extended Module: "sv, {}, "xm"},
    {0, "IMPM"sv, {}, "it"},
    {44, "SCRM"sv, {}, "s3m"},
    {1080, "M.K."sv, {}, "mod"},
    {1080, "M!K!"sv, {}, "mod"},
    {1080, "FLT4"sv, {}, "mod"},
    {1080, "4CHN"sv, {}, "mod"},
    {1080, "6CHN"sv, {}, "mod"},
    {1080, "8CHN"sv, {}, "mod"},
    {0, "\x1A\x45\xDF\xA3"sv, {}, {}, ebml},
    {0, "FLV\x01"sv, {}, "flv"},
    {0, "\x00\x00\x01\xBA"sv, {}, "mpg"},
    {0, "\x00\x00\x01\xB3"sv, {}, {}, mpegVideoStream},
    {0, "\x00\x00\x00\x01"sv, {}, {}, annexB},
    {0, "\x47"sv, {}, {}, mpegTransport},
    {4, "\x47"sv, {}, {}, blurayTransport},
    {0, "\x30\x26\xB2\x75\x8E\x66\xCF\x11"sv, {}, {}, asf},
    {0, "DKIF"sv, {}, "ivf"},
    {0, "\x1F\x07\x00\x3F"sv, {}, "dv"},
    {0, "\x1F\x07\x00\xBF"sv, {}, "dv"},
    {0, "YUV4MPEG2 "sv, {}, "y4m"},
    {0, "nut/multimedia container"sv, {}, "nut"},
    {0, "\x06\x0E\x2B\x34\x02\x05\x01\x01\x0D\x01\x02"sv, {}, "mxf"},
    {0, "BIK"sv, {}, "bik"},
    {0, "KB2"sv, {}, "bik"},
    {0, "SMK2"sv, {}, "smk"},
    {0, "SMK4"sv, {}, "smk"},
    {0, "\x84\x10\xFF\xFF\xFF\xFF"sv, {}, "roq"},
    {4, "\x11\xAF"sv, {}, {}, flic},
    {4, "\x12\xAF"sv, {}, {}, flic},
    {0, "FWS"sv, {}, "swf"},
    {0, "CWS"sv, {}, "swf"},
    {0, "ZWS"sv, {}, "swf"},
    {4, "ftyp"sv, {}, {}, isoBmff},
    {4, "moov"sv, {}, {}, quickTime},
    {4, "mdat"sv, {}, {}, quickTime},
    {4, "wide"sv, {}, {}, quickTime},
    {4, "free"sv, {}, {}, quickTime},
    {4, "skip"sv, {}, {}, quickTime},
    {4, "pnot"sv, {}, {}, quickTime},

    // Programs and data
    {0, "MZ"sv, {}, {}, pe},
    {0, "\x7F" "ELF"sv, {}, {}, elf},
    {0, "STRM"sv, {}, {}, nintendoAst},
    {0, "\x80\x00"sv, {}, {}, criAdx},
    {0, "--"sv, {}, {}, multipartJpeg},
    {20, "vs12"sv, {}, "apm"},
    {0, "KVAG"sv, {}, "kvag"},
    {0, "\xB7\xD8\x00\x20\x37\x49\xDA\x11\xA6\x4E\x00\x07\xE9\x5E\xAD\x8D"sv, {}, "wtv"},
    {0, "\x00\x0ASMJPEG"sv, {}, "smjpeg"},
    {0, "BBCD\x00"sv, {}, "dirac"},
    {0, "\x00\x00\x02\x80\x01"sv, {}, "dnxhd"},
    {0, "\x00\x00\x02\x80\x02"sv, {}, "dnxhd"},
    {0, "\x00\x00\x02\x80\x03"sv, {}, "dnxhd"},
    {4086, "SWAPSPACE2"sv, {}, "linux-swap"},
    {4086, "SWAP-SPACE"sv, {}, "linux-swap"},
    {0, "\x64\x86"sv, {}, {}, coffObject}, // x86-64
    {0, "\x4C\x01"sv, {}, {}, coffObject}, // i386
    {0, "\x64\xAA"sv, {}, {}, coffObject}, // ARM64
    {0, "\xCA\xFE\xBA\xBE"sv, {}, {}, cafeBabe},
    {0, "\xFE\xED\xFA\xCE"sv, {}, {}, machO},
    {0, "\xFE\xED\xFA\xCF"sv, {}, {}, machO},
    {0, "\xCE\xFA\xED\xFE"sv, {}, {}, machO},
    {0, "\xCF\xFA\xED\xFE"sv, {}, {}, machO},
    {0, "JM\x01\x00"sv, {}, "jmod"},
    {0, "\xFE\xED\xFE\xED"sv, {}, "jks"},
    {0, "\xAC\xED\x00\x05"sv, {}, "ser"},
    {0, "dex\n"sv, {}, "dex"},
    {0, "\x00" "asm"sv, {}, "wasm"},
    {2, "\r\n"sv, {}, {}, pythonBytecode},
    {0, "\x1B" "Lua"sv, {}, "luac"},
    {0, ";ELC"sv, {}, "elc"},
    {0, "BC\xC0\xDE"sv, {}, "llvm-bc"},
    {0, "Microsoft C/C++ MSF 7.00\r\n"sv, {}, "pdb-msf"},
    {0, "\xDE\x12\x04\x95"sv, {}, "mo"},
    {0, "\x95\x04\x12\xDE"sv, {}, "mo"},
    {0, "\x3C\xB8\x64\x18\xCA\xEF\x9C\x95"sv, {}, "qm"},
    {0, "GOBJ\nMETADATA\r\n\x1A"sv, {}, "typelib"},
    {0, "GVariant\x00\x00\x00\x00"sv, {}, "gvariant"},
    {0, "bplist0"sv, {}, "plist-binary"},
    {0, "\x1C\x04\x1E\xF1"sv, {}, "mgc"},
    {0, "\xF1\x1E\x04\x1C"sv, {}, "mgc"},
    {0, "\x1A\x01"sv, {}, {}, terminfo},
    {0, "\x1E\x02"sv, {}, {}, terminfo},
    {0, "TZif"sv, {}, "tzif"},
    {0, "LPKSHHRH"sv, {}, "journal"},
    {0, "\xD0\x0D\xFE\xED"sv, {}, "dtb"},
    {0, "SQLite format 3\x00"sv, {}, {}, sqlite},
    {0, "** This file contains an SQLite 2"sv, {}, "sqlite2"},
    {0, "\x37\x7F\x06\x82\x00\x2D\xE2\x18"sv, {}, "sqlite-wal"}, // the magic, then format version 3007000
    {0, "\x37\x7F\x06\x83\x00\x2D\xE2\x18"sv, {}, "sqlite-wal"},
    {0, "\x18\xE2\x2D\x00"sv, {}, {}, sqliteWalIndex}, // version 3007000, little-endian writer
    {0, "\x00\x2D\xE2\x18"sv, {}, {}, sqliteWalIndex},
    {0, "\x00\x01\x00\x00Standard Jet DB"sv, {}, "mdb"},
    {0, "\x00\x01\x00\x00Standard ACE DB"sv, {}, "accdb"},
    {12, "\x00\x06\x15\x61"sv, {}, "bdb"},
    {12, "\x61\x15\x06\x00"sv, {}, "bdb"},
    {12, "\x00\x05\x31\x62"sv, {}, "bdb"},
    {12, "\x62\x31\x05\x00"sv, {}, "bdb"},
    {12, "\x00\x04\x22\x53"sv, {}, "bdb"},
    {12, "\x53\x22\x04\x00"sv, {}, "bdb"},
    {0, "\x13\x57\x9A\xCE"sv, {}, "gdbm"},
    {0, "\xCE\x9A\x57\x13"sv, {}, "gdbm"},
    {0, "\xCD\x9A\x57\x13"sv, {}, "gdbm"},
    {0, "\xCF\x9A\x57\x13"sv, {}, "gdbm"},
    {0, "\x03\xD9\xA2\x9A\x67\xFB\x4B\xB5"sv, {}, "kdbx"},
    {0, "\x03\xD9\xA2\x9A\x65\xFB\x4B\xB5"sv, {}, "kdb"},
    {0, "REDIS0"sv, {}, "rdb"},
    {0, "PAR1"sv, {}, "parquet"},
    {0, "ARROW1\x00\x00"sv, {}, "arrow"},
    {0, "Obj\x01"sv, {}, "avro"},
    {0, "\x89HDF\r\n\x1A\n"sv, {}, "hdf5"},
    {0, "CDF\x01"sv, {}, "netcdf"},
    {0, "CDF\x02"sv, {}, "netcdf"},
    {0, "CDF\x05"sv, {}, "netcdf"},
    {0, "MATLAB 5.0 MAT-file"sv, {}, "mat"},
    {0, "\x93NUMPY"sv, {}, "npy"},
    {0, "GGUF"sv, {}, "gguf"},
    {4, "TFL3"sv, {}, "tflite"},
    {0, "\xD4\xC3\xB2\xA1"sv, {}, "pcap"},
    {0, "\xA1\xB2\xC3\xD4"sv, {}, "pcap"},
    {0, "\x4D\x3C\xB2\xA1"sv, {}, "pcap"},
    {0, "\xA1\xB2\x3C\x4D"sv, {}, "pcap"},
    {0, "\x0A\x0D\x0D\x0A"sv, {}, "pcapng"},
    {0, "L\x00\x00\x00\x01\x14\x02\x00"sv, {}, "lnk"},
    {0, "ElfFile\x00"sv, {}, "evtx"},
    {0, "regf"sv, {}, "regf"},
    {0, "!BDN"sv, {}, {}, outlookFolders},
    {0, "MDMP\x93\xA7"sv, {}, "dmp"},
    {0, "d"sv, {}, {}, torrent},
    {0, "\x30\x82"sv, {}, {}, derCertificate},
    {0, "\x30\x81"sv, {}, {}, derCertificate},
    {0, "\x30"sv, {}, {}, derCertificate}, // short lengths: the inspector checks the whole size
    {0, "\x99"sv, {}, {}, openPgp},
    {0, "\x98"sv, {}, {}, openPgp},
    {0, "\x95"sv, {}, {}, openPgp},
    {0, "\x94"sv, {}, {}, openPgp},
    {0, "\x89"sv, {}, {}, openPgp},
    {0, "\x88"sv, {}, {}, openPgp},
    {0, "\xC6"sv, {}, {}, openPgp},
    {0, "\xC5"sv, {}, {}, openPgp},
    {0, "\xC2"sv, {}, {}, openPgp},
    {0, "\x84"sv, {}, {}, openPgp},
    {0, "\x85"sv, {}, {}, openPgp},
    {0, "\x8C"sv, {}, {}, openPgp},
    {0, "\x8D"sv, {}, {}, openPgp},
    {0, "\xC1"sv, {}, {}, openPgp},
    {0, "\xC3"sv, {}, {}, openPgp},
    {0, "\xA0"sv, {}, {}, openPgpCompressed},
    {0, "\xA1"sv, {}, {}, openPgpCompressed},
    {0, "\xA2"sv, {}, {}, openPgpCompressed},
    {0, "\xA3"sv, {}, {}, openPgpCompressed},
    {0, "\xC8"sv, {}, {}, openPgpCompressed},
    {0, "gpch"sv, {}, "gch"},
    {0, "\x80\x04\x95"sv, {}, "pickle"},
    {0, "\x80\x05\x95"sv, {}, "pickle"},
    {0, "\x80\x02"sv, {}, {}, pickle},
    {0, "\x80\x03"sv, {}, {}, pickle},
    {8, "KBXf"sv, {}, "kbx"},
    {0, "BLENDER"sv, {}, "blend"},
    {0, "glTF\x02\x00\x00\x00"sv, {}, "glb"},
    {0, "ply\n"sv, {}, "ply"},
    {0, "ply\r\n"sv, {}, "ply"},
    {0, "Kaydara FBX Binary"sv, {}, "fbx"},
    {0, "AC10"sv, {}, "dwg"},
    {0, "\x00\x00\x27\x0A"sv, {}, "shp"},
    {0, "NES\x1A"sv, {}, "nes"},
    {0, "PACK\x00\x00\x00"sv, {}, "git-pack"},
    {0, "\xFFtOc\x00\x00\x00"sv, {}, "git-pack-index"},
    {0, "DIRC\x00\x00\x00"sv, {}, "git-index"},
    {0, "Cr24"sv, {}, "crx"},

    // Programs, drivers, tables and system files of MS-DOS, Windows and OS/2
    {0, "\xFF\xFF\xFF\xFF"sv, {}, {}, dosDriver},
    {0x171, "MICROSOFT PIFEX\x00"sv, {}, "pif"},
    {0, "\xB8\xFE\x4C\xCD\x21"sv, {}, "c32"}, // mov eax, 21CD4CFEh: what a COM32 module starts with
    {0, "\xB8\xFF\x4C\xCD\x21"sv, {}, "c32"},
    {0, "\x31\xBE\x00\x00"sv, {}, {}, microsoftWrite},
    {0, "\x32\xBE\x00\x00"sv, {}, {}, microsoftWrite},
    {0, "\xFE\x32\x00\x00\x00\x00\x00\x00"sv, {}, "mcw"}, // Word for the Macintosh 1.0
    {0, "\xFE\x34\x00\x00\x00\x00\x00\x00"sv, {}, "mcw"}, // 3.0
    {0, "\xFE\x37\x00\x1C\x00\x00\x00\x00"sv, {}, "mcw"}, // 4.0
    {0, "\xFE\x37\x00\x23\x00\x00\x00\x00"sv, {}, "mcw"}, // 5.0
    {0, "NG\x00\x01\x00\x00"sv, {}, "ng"},
    {0, "\x02"sv, {}, {}, dbase}, // FoxBase
    {0, "\x03"sv, {}, {}, dbase}, // dBASE III, FoxBase+
    {0, "\x04"sv, {}, {}, dbase}, // dBASE IV
    {0, "\x05"sv, {}, {}, dbase}, // dBASE V
    {0, "\x30"sv, {}, {}, dbase}, // Visual FoxPro
    {0, "\x31"sv, {}, {}, dbase}, // Visual FoxPro with autoincrement fields
    {0, "\x32"sv, {}, {}, dbase}, // Visual FoxPro with variable fields
    {0, "\x43"sv, {}, {}, dbase}, // dBASE IV SQL table
    {0, "\x63"sv, {}, {}, dbase}, // dBASE IV SQL system table
    {0, "\x83"sv, {}, {}, dbase}, // dBASE III with memo
    {0, "\x8B"sv, {}, {}, dbase}, // dBASE IV with memo
    {0, "\xCB"sv, {}, {}, dbase}, // dBASE IV SQL table with memo
    {0, "\xF5"sv, {}, {}, dbase}, // FoxPro 2 with memo
    {0, "\xFB"sv, {}, {}, dbase}, // FoxBASE
    {4, "\xEF\xCD\xAB\x89"sv, {}, {}, extensibleStorage},
    {0, "// <!-- <mdb:mork:z v=\""sv, {}, "mork"},
    {0, "\xCF\xAD\x12\xFE"sv, {}, "dbx"},
    {0, "\x0D\xF0\xAD\xBA"sv, {}, "nk2"},
    {0, "$SDI0001"sv, {}, "sdi"},
    {0, "1giM"sv, {}, "mig"},
    {0, "TAPE\x00\x00\x00\x00"sv, "\xFF\xFF\xFF\xFF\x00\x00\x00\x00"sv, {}, bkf},
    {0, "\xE4\x52\x5C\x7B\x8C\xD8\xA7\x4D\xAE\xB1\x53\x78\xD0\x29\x96\xD3"sv, {}, "one"},
    {0, "\xA1\x2F\xFF\x43\xD9\xEF\x76\x4C\x9E\xE2\x10\xEA\x57\x22\x76\x5F"sv, {}, "onetoc2"},
    {0, "XBF\x00"sv, {}, "xbf"},
    {0, "HyperTerminal "sv, {}, {}, hyperTerminal},
    {0, "JASC-PAL\r\n"sv, {}, "psppalette"},
    {0, "V\0e\0r\0s\0i\0o\0n\0=\0"sv, {}, {}, windowsErrorReport},
    {0, "screen mode id:i:"sv, {}, "rdp"},
    {0, "\xFF\xFEs\0c\0r\0e\0e\0n\0 \0m\0o\0d\0e\0 \0i\0d\0"sv, {}, "rdp"},
    {0, "[Shell]\r\n"sv, {}, "scf"},
    {0, "[OPTIONS]\r\n"sv, {}, "hhp"},
    {0, "[Flatpak Ref]"sv, {}, "flatpakref"},
    {0, "[Languages]"sv, {}, "lid"},
    // Printers and the DTP programs of the time
    {0, "*PPD-Adobe: "sv, {}, "ppd"},
    {0, "IN;"sv, {}, {}, hpgl},
    {0, "\x1B%-1B"sv, {}, "hpgl"},
    {0, "@PJL ENTER LANGUAGE=FWUPDATE2"sv, {}, "ful2"},
    {0, "<MakerFile "sv, {}, "framemaker"},
    {0, "<BookFile "sv, {}, "framemaker-book"},
    {0, "<MIFFile "sv, {}, "mif"},
    {0, "<MakerDictionary "sv, {}, "framemaker-dict"},
    {0, "<MakerScreenFont "sv, {}, "framemaker-font"},
    // Firmware, boot loaders and installers
    {0, "DfuSe\x01"sv, {}, "dfu"},
    {0, "\xEB\x17\xA6\x03"sv, {}, "gbl"}, // the header tag of a Gecko bootloader image
    {0, "\x1E\xF1\xEE\x0B"sv, {}, "ota"}, // the Zigbee OTA upgrade file identifier
    {0, "GRUBLAYO"sv, {}, "gkb"},
    {0, "\x77\x04\x02\xBE"sv, {}, "wpi"},
    {0, "\x11HDD Raw Copy Tool"sv, {}, "imgc"},
    {0, "{\\pwd"sv, {}, "pwd"},
    {0, "SGA3"sv, {}, "sdg"},
    {0, "Manifest-Version: "sv, {}, "mf"},
    // Android
    {0, "ANDROID BACKUP\n"sv, {}, "ab"},
    {0, "\x02\x00\x0C\x00"sv, {}, {}, androidResources},
    {0, "pro\x00"sv, {}, {}, artProfile},
    {0, "prm\x00"sv, {}, {}, artProfile},

    // Data of sciences, games, consoles and tools
    {128, "DICM"sv, {}, "dicom"},
    {0, "GRIB"sv, {}, {}, meteorological},
    {0, "BUFR"sv, {}, {}, meteorological},
    {0, "\x0E\x03\x13\x01"sv, {}, "hdf4"},
    {0, "\xC1\x83\x2A\x9E"sv, {}, "upk"},
    {0, "\x9E\x2A\x83\xC1"sv, {}, "upk"},
    {0, "RPGMV\0\0\0"sv, {}, "rpgmv"},
    {0, "RGSSAD\0"sv, {}, "rgssad"},
    {0, "PATCH"sv, {}, {}, ipsPatch},
    {0, "BPS1"sv, {}, "bps"},
    {0, "UPS1"sv, {}, "ups"},
    {0, "CISO"sv, {}, "cso"},
    {0, "XBEH"sv, {}, "xbe"},
    {0, "XEX2"sv, {}, "xex"},
    {0, "PSAR"sv, {}, "psarc"},
    {0, "VOX "sv, {}, "vox"},
    {0, "GDST"sv, {}, "stex"},
    {0, "ASTM-E57"sv, {}, "e57"},
    {0, "NRRD000"sv, {}, "nrrd"},
    {0, "\x78\x9F\x3E\x22"sv, {}, "tnef"},
    {0, "MOARVM\r\n"sv, {}, "mbc"},
    {0, "BKHD"sv, {}, "bnk"},
    {0, "Vgm "sv, {}, "vgm"},
    {0, "RSTM\xFE\xFF"sv, {}, "brstm"},
    {0, "CSTM\xFF\xFE"sv, {}, "bcstm"},
    {0, "FSTM\xFE\xFF"sv, {}, "bfstm"},
    {0, "FSTM\xFF\xFE"sv, {}, "bfstm"},
    {0, "CWAV\xFF\xFE"sv, {}, "bcwav"},
    {0, "GBS\x01"sv, {}, "gbs"},
    {0, "SAP\r\n"sv, {}, "sap"},
    {0, "\xFF\xFE\xFF\x0ES\0k\0e\0t\0c\0h\0U\0p\0 \0M\0o\0d\0e\0l\0"sv, {}, "skp"},
    {4, "\xE0\xA5"sv, {}, {}, aseprite},
    {0, "DVDVIDEO-VMG"sv, {}, "ifo"},
    {0, "DVDVIDEO-VTS"sv, {}, "ifo"},
    {0, "ClamAV-VDB:"sv, {}, "cvd"},
    {0, "mozLz40\0"sv, {}, "mozlz4"},
    {0, "AutoCAD Slide\r\n\x1A"sv, {}, "sld"},
    {0, "FILE\0\0\0\x04PFF2"sv, {}, "pf2"},
    {0, "C64 tape image file"sv, {}, "t64"},
    {0, "C64-TAPE-RAW"sv, {}, "c64-tap"},
    {0, "DBPF"sv, {}, "dbpf"},
    {0, "CrM!"sv, {}, "crm"},
    {0, "CrM2"sv, {}, "crm"},
    {0, "aspell default speller rowl "sv, {}, "rws"},
    {0, "AES\x01\0"sv, {}, "aes-crypt"},
    {0, "AES\x02\0"sv, {}, "aes-crypt"},
    {0, "RDX2\n"sv, {}, "rda"},
    {0, "RDX3\n"sv, {}, "rda"},
    {0, "MOC3"sv, {}, "moc3"},
    {0, "BB3D"sv, {}, "b3d"},

    {0, "LUKS\xBA\xBE"sv, {}, "luks"},
    {344, "n+1\0"sv, {}, "nifti"},
    {0, "ZXTape!\x1A"sv, {}, "tzx"},
    {0, "UF2\nWQ]\x9E"sv, {}, "uf2"},
    {0, "NetWare Loadable Module"sv, {}, "nlm"},
    {0, "DSDT"sv, {}, {}, acpiTable},
    {0, "SSDT"sv, {}, {}, acpiTable},
    {0, "KXTS"sv, {}, "kmx"},
    {0, "qv4cdata"sv, {}, "qmlc"},
    {0, "rust\0\0\0"sv, {}, "rmeta"},
    {0, "\xF0"sv, {}, {}, systemExclusive},
    {0, "X\n\0\0\0\x02"sv, {}, "rds"},
    {0, "X\n\0\0\0\x03"sv, {}, "rds"},
    {0, "AntiVir Qua"sv, {}, "qua"},
    {0, "BSDIFF40"sv, {}, "bsdiff"},
    {0, "BlockHashLoc\x1A"sv, {}, "bhl"},
    {0, "XIA1\r"sv, {}, "chiasmus"},
    {4, "BOBO"sv, {}, "cwk"},
    {0, "\x4D\x4D"sv, {}, {}, studio3ds},
    {0, "CPT7FILE"sv, {}, "cpt"},
    {0, "CPT8FILE"sv, {}, "cpt"},
    {0, "CPT9FILE"sv, {}, "cpt"},
    {0, "GARMIN BITMAP 01"sv, {}, "garmin-srf"},
    {2, "GARMIN "sv, {}, {}, garminSubfile},
    {65, "PNTGMPNT"sv, {}, "macpaint"},
    {0, "\0\0\x01\0"sv, {}, {}, resourceFork},
    {0, "\x10\0\0\0"sv, {}, {}, playstationTim},
    {16, "XIMG\0"sv, {}, {}, gemXimg},
    {0, "hsi1"sv, {}, "hsi"},
    {0, "APS10"sv, {}, "aps"},
    // Fonts
    {0, "\x00\x01\x00\x00"sv, {}, {}, trueType},
    {0, "true"sv, {}, {}, trueType},
    {0, "OTTO"sv, {}, "otf"},
    {0, "ttcf"sv, {}, "ttc"},
    {0, "wOFF"sv, {}, "woff"},
    {0, "wOF2"sv, {}, "woff2"},
    {34, "LP"sv, {}, {}, embeddedOpenType},
    {0, "\x80\x01"sv, {}, {}, printerFontBinary},
    {0, "\x01" "fcp"sv, {}, "pcf"},
    {0, "\x72\xB5\x4A\x86"sv, {}, "psf"},
    {0, "\x36\x04"sv, {}, {}, consoleFont},

    // Disc images: the volume descriptor sits 32 KiB in.
    {0, ""sv, {}, {}, iso9660},
    // Readers accept a PDF header after some junk, so must we, before the junk is
    // taken for text.
    {0, ""sv, {}, {}, pdfAfterJunk},
};

// Formats told by their end or by their size rather than a leading signature. They
// are tried only when neither a signature nor the text check named the file, so that
// ordinary files never pay for the extra read of the tail.
constexpr Inspector Fallbacks[] = {tarByChecksum, truevisionTga, appleDiskImage, fixedVirtualDisk, binaryStl,
                                   diskImage,     shebangZip};

// Offset-0 signatures whose first byte is fixed, grouped by that byte; everything else
// (other offsets, a masked first byte) is tried after them in table order.
struct Dispatch {
    std::array<std::vector<uint16_t>, 256> byFirstByte;
    std::vector<uint16_t> others;
};

bool keyedByFirstByte(const Signature &signature)
{
    return signature.offset == 0 && !signature.bytes.empty() &&
           (signature.mask.empty() || static_cast<uint8_t>(signature.mask[0]) == 0xFF);
}

Dispatch buildDispatch()
{
    Dispatch dispatch;
    for (uint16_t i = 0; i < std::size(Signatures); ++i) {
        const Signature &signature = Signatures[i];
        if (keyedByFirstByte(signature))
            dispatch.byFirstByte[static_cast<uint8_t>(signature.bytes[0])].push_back(i);
        else
            dispatch.others.push_back(i);
    }
    return dispatch;
}

const Dispatch &dispatch()
{
    static const Dispatch built = buildDispatch();
    return built;
}

std::string_view tryOne(const Signature &signature, Source &source)
{
    if (!source.head().matches(signature.offset, signature.bytes, signature.mask))
        return {};
    return signature.inspector ? signature.inspector(source) : signature.typeId;
}

} // namespace

std::span<const Signature> allSignatures() { return Signatures; }

std::span<const Inspector> fallbackInspectors() { return Fallbacks; }

std::string_view matchFallbacks(Source &source)
{
    for (Inspector inspector : Fallbacks) {
        if (const auto type = inspector(source); !type.empty())
            return type;
    }
    return {};
}

std::string_view matchSignatures(Source &source)
{
    const auto first = source.head().u8(0);
    if (!first)
        return {};
    const Dispatch &table = dispatch();
    for (uint16_t index : table.byFirstByte[*first]) {
        if (const auto type = tryOne(Signatures[index], source); !type.empty())
            return type;
    }
    for (uint16_t index : table.others) {
        if (const auto type = tryOne(Signatures[index], source); !type.empty())
            return type;
    }
    return {};
}

} // namespace tivex
