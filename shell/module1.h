// Shared data-file paths and the two path and string helpers.
#pragma once

#include <cstdint>
#include <string>

namespace Module1 {

extern std::u16string ReadmePath;
extern std::u16string ExtCsvPath;
extern std::u16string ProgCsvPath;

// Sets the three data-file paths from the program folder.
void mySetPath();

// Takes an absolute file path apart. 0 on success, -1 when the path has not the required
// form (then no output is written). On POSIX the path begins with '/' and does not end
// with '/'; the drive is empty and the folder runs from the first '/' to the last '/'.
// On Windows it is the drive-letter form "X:\...\name". A path with a character that no
// name may hold (NUL; on Windows also a control character or < > : " / | ? *) is refused.
int16_t mySplitPath(const std::u16string &path, std::u16string &drive, std::u16string &folder,
                    std::u16string &name, std::u16string &base, std::u16string &ext);

// The two forms, callable on any platform so both can be tested everywhere.
int16_t splitDriveLetterPath(const std::u16string &path, std::u16string &drive,
                             std::u16string &folder, std::u16string &name,
                             std::u16string &base, std::u16string &ext);
int16_t splitPosixPath(const std::u16string &path, std::u16string &drive,
                       std::u16string &folder, std::u16string &name, std::u16string &base,
                       std::u16string &ext);

// Sets result to the part of text before its first NUL character.
void myCutNull(std::u16string &result, const std::u16string &text);

} // namespace Module1
