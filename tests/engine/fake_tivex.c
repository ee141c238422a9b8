/* Stand-ins for the engine library, to test the program's side of the boundary with
 * answers the real engine never gives: results beyond 16 bits and buffers filled to the
 * last byte. Built twice: once complete, once without two of its entry points. */
#include <tivex.h>

#include <stdint.h>
#include <string.h>

#define EXPORT TIVEX_API
#define CALL TIVEX_CALL

/* 説明 ("description") in the engine's text of the platform. */
#ifdef FAKE_TEXT_CP932
#define DESCRIPTION "\x90\xE0\x96\xBE"
#else
#define DESCRIPTION "\xE8\xAA\xAC\xE6\x98\x8E"
#endif

static void fill(char *buffer, int width, char letter)
{
    memset(buffer, letter, (size_t)width);
    buffer[width] = '\0';
}

EXPORT int32_t CALL TivexCheck(const char *path, char *trueExt, char *desc, char *drive, char *folder,
                          char *base, char *presentExt, int32_t *reserved)
{
    (void)path;
    (void)reserved;
    fill(trueExt, TIVEX_EXT_WIDTH, 'e');
    fill(desc, TIVEX_DESC_WIDTH, 'd');
    drive[0] = '\0';
    strcpy(folder, "/folder/");
    fill(base, TIVEX_BASE_WIDTH, 'b');
    strcpy(presentExt, "dat");
    return 0x10001; /* reads as 1 in 16 bits */
}

#ifndef FAKE_PARTIAL
EXPORT int32_t CALL TivexWhat(int32_t mode, const char *ext, char *desc)
{
    (void)mode;
    if (strcmp(ext, "none") == 0)
        return 0xFFFF; /* reads as -1 in 16 bits */
    strcpy(desc, DESCRIPTION);
    return 0x10000;
}

EXPORT int32_t CALL TivexCheckExt(const char *path, char *ext)
{
    (void)path;
    strcpy(ext, "png");
    return 1;
}
#endif
