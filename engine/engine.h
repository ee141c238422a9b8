// The program's side of the type-check engine: the library is loaded by name from the
// program's own folder at the first call, and its three entry points are called with
// the buffer widths of its contract. Text crosses as narrow engine text and comes back
// as UTF-16, cut at the first NUL.
#pragma once

#include <tivex.h>

#include <cstdint>
#include <memory>
#include <string>

namespace engine {

// Widths of the engine's output buffers, in bytes of text (each buffer has one more
// byte for the terminating NUL). They are the engine's own, per platform.
inline constexpr int ExtWidth = TIVEX_EXT_WIDTH;
inline constexpr int DescWidth = TIVEX_DESC_WIDTH;
inline constexpr int DriveWidth = TIVEX_DRIVE_WIDTH;
inline constexpr int FolderWidth = TIVEX_FOLDER_WIDTH;
inline constexpr int BaseWidth = TIVEX_BASE_WIDTH;

// The engine's results are read as signed 16-bit values, as the program always has.
inline int16_t low16(int32_t value)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFFu));
}

struct CheckResult {
    bool loaded = false;  // false: the engine could not be called at all
    int16_t result = 0;   // the engine's result, read as a signed 16-bit value
    std::u16string trueExt, desc, drive, folder, base, presentExt;
};

struct WhatResult {
    bool loaded = false;
    int16_t result = -1;
    std::u16string desc;
};

struct CheckExtResult {
    bool loaded = false;
    int16_t result = 0;
    std::u16string ext;
};

// What the windows ask of the engine. Tests give deterministic answers through it.
class Engine {
public:
    virtual ~Engine() = default;
    virtual CheckResult check(const std::u16string &path) = 0;
    virtual WhatResult what(int32_t mode, const std::u16string &ext) = 0;
    virtual CheckExtResult checkExt(const std::u16string &path) = 0;
};

// The real engine, loaded from a folder by full path (never through the library search
// path, so no other copy can be picked up) at the first call.
class LibraryEngine final : public Engine {
public:
    explicit LibraryEngine(std::u16string folder);
    ~LibraryEngine() override;
    LibraryEngine(const LibraryEngine &) = delete;
    LibraryEngine &operator=(const LibraryEngine &) = delete;

    CheckResult check(const std::u16string &path) override;
    WhatResult what(int32_t mode, const std::u16string &ext) override;
    CheckExtResult checkExt(const std::u16string &path) override;

    // Full path of the library file this engine loads.
    std::u16string libraryPath() const;

private:
    struct Loaded;
    bool ensureLoaded();
    std::u16string m_folder;
    std::unique_ptr<Loaded> m_lib;
    bool m_tried = false;
};

// The engine linked into the program, through its wide-character path (built where the
// program links the engine in: Windows). Names reach it in UTF-16, so every name the file
// system holds can be checked, whatever the ANSI code page.
class LinkedEngine final : public Engine {
public:
    CheckResult check(const std::u16string &path) override;
    WhatResult what(int32_t mode, const std::u16string &ext) override;
    CheckExtResult checkExt(const std::u16string &path) override;
};

// The engine the program uses: on Windows the one linked into it; elsewhere the library
// beside the running program.
Engine &programEngine();

// Texts the program shows when the engine cannot be used.
inline constexpr char16_t NotLoadedText[] =
    u"型判定エンジン（tivex）を読み込めません。プログラムと同じフォルダーにあるか確かめてください";
inline constexpr char16_t UnencodablePathText[] =
    u"このファイル名は型判定エンジンに渡せない文字を含んでいます";

} // namespace engine
