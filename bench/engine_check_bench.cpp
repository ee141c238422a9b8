// The time of one engine check on a warm file, through the exported entry point of the
// library loaded as the program loads it, next to libmagic's check of the same file in the
// same process when libmagic is available.
#include "platform/library.h"
#include "platform/platform.h"

#include <tivex.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#ifdef HAVE_LIBMAGIC
#include <magic.h>
#endif

namespace {

template <typename Fn>
double medianMicroseconds(Fn &&fn, int rounds, int perRound)
{
    std::vector<double> samples;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < perRound; ++i)
            fn();
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(end - start).count() / perRound);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: engine_check_bench FILE\n");
        return 2;
    }
    const char *path = argv[1];
    using CheckFn = int32_t(TIVEX_CALL *)(const char *, char *, char *, char *, char *, char *, char *, int32_t *);
    const auto library = platform::SharedLibrary::open(platform::programFolder() + platform::pathSeparator()
                                                       + platform::engineLibraryFileName());
    const auto check = library ? reinterpret_cast<CheckFn>(library->symbol(
                                     platform::engineSymbolName("TivexCheck", 32).c_str()))
                               : nullptr;
    if (!check) {
        std::fprintf(stderr, "engine_check_bench: the engine library beside the program cannot be used\n");
        return 1;
    }
    char trueExt[17], desc[513], drive[5], folder[257], base[65], presentExt[17];
    int32_t reserved = 0;
    const double tivexUs = medianMicroseconds(
        [&] { check(path, trueExt, desc, drive, folder, base, presentExt, &reserved); }, 9, 2000);
    std::printf("one engine check on a warm file: tivex %.1f us", tivexUs);
#ifdef HAVE_LIBMAGIC
    magic_t cookie = magic_open(MAGIC_EXTENSION);
    if (cookie && magic_load(cookie, nullptr) == 0) {
        const double magicUs = medianMicroseconds([&] { magic_file(cookie, path); }, 9, 200);
        std::printf(", libmagic %.1f us (%.1fx)", magicUs, magicUs / tivexUs);
    }
    if (cookie)
        magic_close(cookie);
#endif
    std::printf("\n");
    return 0;
}
