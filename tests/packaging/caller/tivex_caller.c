/* A program of someone else's that links libtivex: it checks the file it is given through
 * all three entry points and prints what they agree on, as
 *   BASE<TAB>PRESENT-EXT<TAB>PROPER-EXT<TAB>DESCRIPTION
 * Exit status 1 when a call fails or the entry points disagree. */
#include <tivex.h>

#include <stdio.h>
#include <string.h>

int main(int argc, char **argv)
{
    char trueExt[TIVEX_EXT_WIDTH + 1], desc[TIVEX_DESC_WIDTH + 1], drive[TIVEX_DRIVE_WIDTH + 1];
    char folder[TIVEX_FOLDER_WIDTH + 1], base[TIVEX_BASE_WIDTH + 1], presentExt[TIVEX_EXT_WIDTH + 1];
    char ext[TIVEX_EXT_WIDTH + 1], what[TIVEX_DESC_WIDTH + 1];
    int32_t reserved = 0;

    if (argc != 2) {
        fprintf(stderr, "usage: tivex_caller FULL-PATH\n");
        return 2;
    }
    if (TivexCheck(argv[1], trueExt, desc, drive, folder, base, presentExt, &reserved) != 1) {
        fprintf(stderr, "TivexCheck failed: %s\n", desc);
        return 1;
    }
    if (TivexCheckExt(argv[1], ext) != 1 || strcmp(ext, trueExt) != 0) {
        fprintf(stderr, "TivexCheckExt does not agree with TivexCheck (%s)\n", trueExt);
        return 1;
    }
    if (TivexWhat(0, trueExt, what) == -1) {
        fprintf(stderr, "TivexWhat knows nothing of %s\n", trueExt);
        return 1;
    }
    printf("%s\t%s\t%s\t%s\n", base, presentExt, trueExt, what);
    return 0;
}
