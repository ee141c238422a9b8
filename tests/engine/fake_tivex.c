/* Stand-ins for the engine library, to test the program's side of the boundary with
 * answers the real engine never gives: results beyond 16 bits and buffers filled to the
 * last byte. Built twice: once complete, once without two of its entry points. */
#include <tivex.h>

#include <stdint.h>
#include <string.h>

#define EXPORT __attribute__((visibility("default")))

static void fill(char *buffer, int width, char letter)
{
    memset(buffer, letter, (size_t)width);
    buffer[width] = '\0';
}

EXPORT int32_t TivexCheck(const char *path, char *trueExt, char *desc, char *drive, char *folder,
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
EXPORT int32_t TivexWhat(int32_t mode, const char *ext, char *desc)
{
    (void)mode;
    if (strcmp(ext, "none") == 0)
        return 0xFFFF; /* reads as -1 in 16 bits */
    strcpy(desc, "\xE8\xAA\xAC\xE6\x98\x8E"); /* 説明 */
    return 0x10000;
}

EXPORT int32_t TivexCheckExt(const char *path, char *ext)
{
    (void)path;
    strcpy(ext, "png");
    return 1;
}
#endif
