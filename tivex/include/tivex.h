/* tivex: tells what a file's content is. The program's only contract with the engine.
 *
 * Every output buffer of width N is N + 1 bytes long: the engine writes at most N bytes
 * of text and a terminating NUL, and never cuts a multi-byte character in half. Text is
 * NUL-terminated: UTF-8 on POSIX, the ANSI code page on Windows. Extensions carry no
 * leading period. A folder, base name or extension that does not fit its buffer makes
 * the check fail (result 0) with the reason in the description buffer; the engine never
 * hands back a truncated name. */
#ifndef TIVEX_H
#define TIVEX_H

#include <stdint.h>

#if defined(_WIN32)
#define TIVEX_CALL __stdcall
#define TIVEX_API
#else
#define TIVEX_CALL
#define TIVEX_API __attribute__((visibility("default")))
#endif

/* Output widths in bytes of text. Windows keeps the widths the program was written for,
 * in the ANSI code page. POSIX text is UTF-8, where a Japanese character takes three
 * bytes, so there the widths hold every name the file system allows (a name of 255
 * bytes, a path of 4,096): a file that exists can always be checked. */
#if defined(_WIN32)
#define TIVEX_EXT_WIDTH 16
#define TIVEX_FOLDER_WIDTH 256
#define TIVEX_BASE_WIDTH 64
#else
#define TIVEX_EXT_WIDTH 255
#define TIVEX_FOLDER_WIDTH 4096
#define TIVEX_BASE_WIDTH 255
#endif
#define TIVEX_DESC_WIDTH 512
#define TIVEX_DRIVE_WIDTH 4

#ifdef __cplusplus
extern "C" {
#endif

/* Checks the file at the full path. Result 1 on success; 0 when the file could not be
 * checked (the description says why). An empty trueExt after success means the type was
 * not recognised. reserved points to an int32_t set to 0 and is never read back. */
TIVEX_API int32_t TIVEX_CALL TivexCheck(const char *path, char *trueExt, char *desc,
                                        char *drive, char *folder, char *base,
                                        char *presentExt, int32_t *reserved);

/* Descriptions of an extension, one per call: mode 0 gives the first, mode 1 the next
 * after the last given. Result -1 when there is no (further) description. */
TIVEX_API int32_t TIVEX_CALL TivexWhat(int32_t mode, const char *ext, char *desc);

/* The extension the file's content calls for. Result 1 when one was written. */
TIVEX_API int32_t TIVEX_CALL TivexCheckExt(const char *path, char *ext);

#ifdef __cplusplus
}
#endif

#endif
