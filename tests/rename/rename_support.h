// The renamer tests' shared set-up: a core with a scripted engine that records every
// message, and the same over a real temporary folder with files in it.
#pragma once

#include "rename/rename_core.h"
#include "shell/module1.h"
#include "support/fake_engine.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace renametest {

using Names = std::vector<std::u16string>;
using Marks = std::vector<renamer::Mark>;
using renamer::Mark;
using renamer::RenameState;

inline std::string narrow(const std::u16string &text)
{
    return std::filesystem::path(text).string();
}

// The first line of each message: the run's short English text, without the Japanese
// lines that tell the cause.
inline Names headlines(const Names &messages)
{
    Names lines;
    for (const std::u16string &message : messages)
        lines.push_back(message.substr(0, message.find(u'\n')));
    return lines;
}

// A core whose messages are kept in order. Its dropped paths never reach the disk, so
// they are written in the POSIX form on every platform and split as such.
struct Recorder {
    testsupport::FakeEngine engine;
    Names messages;
    renamer::FormRenameCore core{engine, [this](const std::u16string &text) { messages.push_back(text); }};

    // Names in `taken` stand for unlisted files of the list's folder.
    Names taken;

    Recorder()
    {
        core.setPathSplitter(Module1::splitPosixPath);
        core.setNameTakenFunction([this](const std::u16string &path) {
            return std::find(taken.begin(), taken.end(), path.substr(path.rfind(u'/') + 1)) != taken.end();
        });
    }

    // Drops files of one folder that need not exist: building the list reads no disk.
    void dropNames(const Names &names, const std::u16string &folder = u"/data/",
                   const std::u16string &head = {}, const std::u16string &number = {},
                   const std::u16string &ext = {})
    {
        Names paths;
        for (const std::u16string &name : names)
            paths.push_back(folder + name);
        core.MakeRenameList(paths, head, number, ext);
    }
};

// What a folder holds: each name with a hash of its content (0 for a subfolder).
using FolderContents = std::map<std::u16string, std::size_t>;

// A core over a folder of real files, each with content of its own. The list lives in a
// subfolder so that a test can take the whole folder away.
struct DiskList : Recorder {
    testsupport::CurrentFolderGuard restoreCurrentFolder;
    testsupport::TempFolder temp;
    std::filesystem::path folder = temp.path() / "list";
    // The runs' journals, apart from the list's folder and what lies beside it.
    testsupport::TempFolder state;

    // Real files: paths in the platform's own form.
    DiskList()
    {
        core.setPathSplitter(Module1::mySplitPath);
        core.setNameTakenFunction(nullptr);
        core.setJournalFolder(stateFolderText());
        std::filesystem::create_directory(folder);
    }

    std::u16string stateFolderText() const
    {
        return state.path().u16string() + static_cast<char16_t>(std::filesystem::path::preferred_separator);
    }

    // The list's folder as a dropped path carries it, and a full path in it.
    std::u16string folderText() const
    {
        return folder.u16string() + static_cast<char16_t>(std::filesystem::path::preferred_separator);
    }
    std::u16string pathText(const std::u16string &name) const { return pathOf(name).u16string(); }
    std::filesystem::path pathOf(const std::u16string &name) const { return folder / name; }
    bool exists(const std::u16string &name) const { return std::filesystem::exists(pathOf(name)); }

    void create(const Names &names) const
    {
        for (const std::u16string &name : names)
            testsupport::writeFile(pathOf(name), "content of " + narrow(name));
    }

    void remove(const std::u16string &name) const { std::filesystem::remove(pathOf(name)); }

    void createAndDrop(const Names &names, const std::u16string &head = {},
                       const std::u16string &number = {}, const std::u16string &ext = {})
    {
        create(names);
        dropNames(names, folderText(), head, number, ext);
    }

    FolderContents contents() const
    {
        FolderContents found;
        for (const auto &entry : std::filesystem::directory_iterator(folder)) {
            if (entry.is_directory()) {
                found[entry.path().filename().u16string()] = 0;
                continue;
            }
            const std::string bytes = testsupport::TempFolder::read(entry.path());
            found[entry.path().filename().u16string()] = std::hash<std::string>{}(bytes);
        }
        return found;
    }

    int renameCalls = 0;

    // Renames through the platform, running `before` just ahead of the k-th call (counted
    // from 1) and `after` right after it.
    void interceptCall(int k, std::function<void()> before, std::function<void()> after = {})
    {
        core.setRenameFunction([this, k, before, after](const std::u16string &from,
                                                        const std::u16string &to) {
            ++renameCalls;
            if (renameCalls == k && before)
                before();
            const platform::RenameError result = platform::renameNoReplace(from, to);
            if (renameCalls == k && after)
                after();
            return result;
        });
    }
};

} // namespace renametest
