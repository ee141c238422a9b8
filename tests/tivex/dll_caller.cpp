// Calls tivex.dll as any Windows program would: loaded by full path, entry points found
// by their exported names and called through standard-call pointers, text in the ANSI
// code page, every buffer fenced by canaries. A program of its own, linked statically, so
// that it can be copied beside tivex.dll onto a real Windows machine and run there:
//   tivex_dll_caller.exe [FULL\PATH\TO\tivex.dll]
// Exit 0 when every check passed, 1 when one failed, 77 when the code page is not 932.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using CheckFn = int32_t(__stdcall *)(const char *, char *, char *, char *, char *, char *, char *, int32_t *);
using WhatFn = int32_t(__stdcall *)(int32_t, const char *, char *);
using CheckExtFn = int32_t(__stdcall *)(const char *, char *);

int passed = 0;
int failed = 0;

void expect(bool condition, const char *what)
{
    if (condition) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s\n", what);
    }
}

// A buffer of the contract's width plus its NUL, with canaries on both sides that the
// engine must never touch.
template <int Width>
struct Fenced {
    static constexpr int CanarySize = 16;
    static constexpr char Canary = '\xA5';
    char before[CanarySize];
    char text[Width + 1];
    char after[CanarySize];

    Fenced() { std::memset(this, Canary, sizeof *this); }
    char *data() { return text; }
    bool canariesIntact() const
    {
        for (int i = 0; i < CanarySize; ++i) {
            if (before[i] != Canary || after[i] != Canary)
                return false;
        }
        return true;
    }
    bool terminated() const { return std::memchr(text, '\0', Width + 1) != nullptr; }
    std::string str() const { return text; }
};

std::wstring programFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::string toAnsi(const std::wstring &wide)
{
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                          nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), bytes, nullptr,
                        nullptr);
    return text;
}

// Text is well-formed code page 932 that holds at least one Japanese character.
bool isJapaneseCp932(const std::string &text)
{
    const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    if (length <= 0)
        return false;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(), length);
    for (const wchar_t c : wide) {
        if (c >= 0x3000)
            return true;
    }
    return false;
}

bool writeFile(const std::wstring &path, const void *bytes, DWORD size)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes, size, &written, nullptr) && written == size;
    CloseHandle(file);
    return ok;
}

const unsigned char TinyPng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00, 0x00, 0x00,
    0x0D, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x00, 0x01, 0x00, 0x00, 0x05, 0x00, 0x01, 0x0D, 0x0A, 0x2D,
    0xB4, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

// GetProcAddress gives every entry the same type; the cast through a function without
// arguments says that the real type is known to the caller.
template <typename Fn>
Fn entry(HMODULE library, const char *name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

struct Entries {
    CheckFn check;
    WhatFn what;
    CheckExtFn checkExt;
};

struct CheckCall {
    Fenced<16> trueExt;
    Fenced<512> desc;
    Fenced<4> drive;
    Fenced<256> folder;
    Fenced<64> base;
    Fenced<16> presentExt;
    int32_t reserved = 0;
    int32_t result = 0;

    CheckCall(const Entries &e, const std::string &path)
    {
        result = e.check(path.c_str(), trueExt.data(), desc.data(), drive.data(), folder.data(), base.data(),
                         presentExt.data(), &reserved);
    }
    bool fencesHold() const
    {
        return trueExt.canariesIntact() && desc.canariesIntact() && drive.canariesIntact()
               && folder.canariesIntact() && base.canariesIntact() && presentExt.canariesIntact()
               && trueExt.terminated() && desc.terminated() && drive.terminated() && folder.terminated()
               && base.terminated() && presentExt.terminated();
    }
};

// "表" and "ソ" end in the byte 5C, a backslash: a path split byte by byte would cut
// the name there.
std::wstring checkJapaneseName(const Entries &e, const std::wstring &folder)
{
    const std::wstring name = L"\u30BD\u30FC\u30B9\u8868";  // ソース表
    const std::wstring path = folder + L"\\" + name + L".dat";
    expect(writeFile(path, TinyPng, sizeof TinyPng), "the sample file is written");
    const CheckCall c(e, toAnsi(path));
    expect(c.result == 1, "TivexCheck succeeds on a Japanese name");
    expect(c.trueExt.str() == "png", "the true extension is png");
    expect(c.presentExt.str() == "dat", "the present extension is dat");
    expect(c.base.str() == toAnsi(name), "the base name comes back whole, in code page 932");
    expect(c.drive.str() == toAnsi(folder.substr(0, 2)), "the drive is the path's");
    expect(c.folder.str() == toAnsi(folder.substr(2) + L"\\"), "the folder is the path's, with its separator");
    expect(isJapaneseCp932(c.desc.str()), "the description is Japanese text in code page 932");
    expect(c.fencesHold(), "no TivexCheck buffer is overrun or left unterminated");

    Fenced<16> ext;
    expect(e.checkExt(toAnsi(path).c_str(), ext.data()) == 1, "TivexCheckExt proposes an extension");
    expect(ext.str() == "png" && ext.canariesIntact(), "the proposal is png, inside its buffer");
    return path;
}

// 33 Japanese characters are 66 bytes in code page 932: too long for the 64-byte base.
std::wstring checkNameTooLongForItsBuffer(const Entries &e, const std::wstring &folder)
{
    const std::wstring path = folder + L"\\" + std::wstring(33, L'\u8868') + L".dat";
    expect(writeFile(path, TinyPng, sizeof TinyPng), "the long-named file is written");
    const CheckCall c(e, toAnsi(path));
    expect(c.result == 0, "a base name over 64 bytes fails the check");
    expect(c.base.str().empty() && c.folder.str().empty(), "no shortened name is handed back");
    expect(isJapaneseCp932(c.desc.str()), "the description says why, in Japanese");
    expect(c.fencesHold(), "no buffer is overrun on the failed check");
    return path;
}

void checkDescriptions(const Entries &e)
{
    Fenced<512> desc;
    expect(e.what(0, "png", desc.data()) != -1, "TivexWhat knows png");
    expect(isJapaneseCp932(desc.str()) && desc.canariesIntact(), "its description is code page 932");
    int more = 0;
    while (more < 100 && e.what(1, "png", desc.data()) != -1)
        ++more;
    expect(more < 100, "TivexWhat mode 1 comes to an end");
    expect(e.what(1, "png", desc.data()) == -1, "after the last one mode 1 says -1");
    expect(e.what(0, "no-such-extension", desc.data()) == -1, "an unknown extension has no description");
    expect(desc.canariesIntact(), "TivexWhat never overruns its buffer");
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (GetACP() != 932) {
        std::printf("SKIPPED: the ANSI code page is %u, not 932. Run this under a Japanese "
                    "system locale (Wine: LANG=ja_JP.UTF-8).\n", GetACP());
        return 77;
    }
    const std::wstring dll = argc > 1 ? std::wstring(argv[1]) : programFolder() + L"\\tivex.dll";
    HMODULE library = LoadLibraryW(dll.c_str());
    if (!library) {
        std::printf("FAILED: cannot load %ls (error %lu)\n", dll.c_str(), GetLastError());
        return 1;
    }
    const Entries e{entry<CheckFn>(library, "_TivexCheck@32"), entry<WhatFn>(library, "_TivexWhat@12"),
                    entry<CheckExtFn>(library, "_TivexCheckExt@8")};
    expect(e.check && e.what && e.checkExt, "the three decorated entry points are found");
    expect(!GetProcAddress(library, "TivexCheck"), "no undecorated name is exported");
    if (!e.check || !e.what || !e.checkExt)
        return 1;

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"tivex-caller-\u8868\u793A-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const std::wstring &file : {checkJapaneseName(e, folder), checkNameTooLongForItsBuffer(e, folder)})
        DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
    checkDescriptions(e);

    FreeLibrary(library);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
