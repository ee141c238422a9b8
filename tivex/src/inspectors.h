// Inspectors look past a signature into a format's structure and name the exact type.
// Each answers a type id from the type table, or an empty id when the bytes do not hold
// up (the search then goes on with the next signature).
#pragma once

#include <string_view>

#include "source.h"

namespace tivex {

using Inspector = std::string_view (*)(Source &source);

namespace inspect {

// Containers
std::string_view zip(Source &source);
std::string_view ole2(Source &source);

// Archives, compressed data and disk images
std::string_view bzip2(Source &source);
std::string_view lzmaAlone(Source &source);
std::string_view arj(Source &source);
std::string_view cpioAscii(Source &source);
std::string_view cpioBinary(Source &source);
std::string_view iso9660(Source &source);
std::string_view tarByChecksum(Source &source);
std::string_view appleDiskImage(Source &source);
std::string_view fixedVirtualDisk(Source &source);
std::string_view diskImage(Source &source);

// Media
std::string_view isoBmff(Source &source);
std::string_view quickTime(Source &source);
std::string_view jpeg2000(Source &source);
std::string_view riff(Source &source);
std::string_view iff(Source &source);
std::string_view ebml(Source &source);
std::string_view ogg(Source &source);
std::string_view mpegAudio(Source &source);
std::string_view id3(Source &source);
std::string_view dolbyDigital(Source &source);
std::string_view mpegTransport(Source &source);
std::string_view blurayTransport(Source &source);
std::string_view annexB(Source &source);
std::string_view asf(Source &source);
std::string_view flic(Source &source);

// Programs
std::string_view pe(Source &source);
std::string_view elf(Source &source);
std::string_view coffObject(Source &source);
std::string_view nintendoAst(Source &source);
std::string_view shebangZip(Source &source);
std::string_view criAdx(Source &source);
std::string_view multipartJpeg(Source &source);
std::string_view mpegVideoStream(Source &source);
std::string_view cafeBabe(Source &source);
std::string_view machO(Source &source);
std::string_view pythonBytecode(Source &source);
std::string_view terminfo(Source &source);

// Images, fonts, documents and data with short or weak signatures
std::string_view bmp(Source &source);
std::string_view deviceIndependentBitmap(Source &source);
std::string_view tiff(Source &source);
std::string_view pcx(Source &source);
std::string_view netpbm(Source &source);
std::string_view sgi(Source &source);
std::string_view emf(Source &source);
std::string_view xWindowDump(Source &source);
std::string_view iconDirectory(Source &source);
std::string_view trueType(Source &source);
std::string_view embeddedOpenType(Source &source);
std::string_view printerFontBinary(Source &source);
std::string_view consoleFont(Source &source);
std::string_view postScript(Source &source);
std::string_view sqlite(Source &source);
std::string_view sqliteWalIndex(Source &source);
std::string_view torrent(Source &source);
std::string_view derCertificate(Source &source);
std::string_view openPgp(Source &source);
std::string_view openPgpCompressed(Source &source);
std::string_view pickle(Source &source);
std::string_view sixel(Source &source);
std::string_view makichan(Source &source);
std::string_view yanagisawaPi(Source &source);
std::string_view ichitaroEarly(Source &source);
std::string_view meteorological(Source &source);
std::string_view ipsPatch(Source &source);
std::string_view aseprite(Source &source);
std::string_view acpiTable(Source &source);
std::string_view systemExclusive(Source &source);
std::string_view studio3ds(Source &source);
std::string_view garminSubfile(Source &source);
std::string_view resourceFork(Source &source);
std::string_view playstationTim(Source &source);
std::string_view gemXimg(Source &source);
std::string_view truevisionTga(Source &source);
std::string_view binaryStl(Source &source);
std::string_view pdfAfterJunk(Source &source);

// Office formats of the DOS and early Windows years
std::string_view corelWpc(Source &source);
std::string_view pageMaker(Source &source);
std::string_view lotusClassic(Source &source);
std::string_view lotus(Source &source);

// What a gzip stream or a tar archive holds
std::string_view gzip(Source &source);
std::string_view ustar(Source &source);
std::string_view synologyArchive(Source &source);
std::string_view atariMsa(Source &source);
std::string_view xnaContent(Source &source);
std::string_view asar(Source &source);
std::string_view diskCopy(Source &source);

// Programs, drivers and tables of MS-DOS, 16-bit Windows and OS/2
std::string_view newExecutable(ByteView header); // the header at the MZ header's pointer
std::string_view dosDriver(Source &source);
std::string_view dbase(Source &source);
std::string_view extensibleStorage(Source &source);
std::string_view microsoftWrite(Source &source);
std::string_view outlookFolders(Source &source);
std::string_view bkf(Source &source);
std::string_view windowsErrorReport(Source &source);
std::string_view hpgl(Source &source);
std::string_view androidResources(Source &source);
std::string_view artProfile(Source &source);
std::string_view hyperTerminal(Source &source);
std::string_view winHelp(Source &source);

} // namespace inspect
} // namespace tivex
