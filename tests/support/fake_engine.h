// An engine with scripted answers, so window rules can be tested without the real one.
#pragma once

#include "engine/engine.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

class FakeEngine : public engine::Engine {
public:
    // Answers for check() by path; a path without an answer fails as the engine does for
    // a missing file.
    std::map<std::u16string, engine::CheckResult> checks;
    // Descriptions for what() by extension, in the order the engine gives them.
    std::map<std::u16string, std::vector<std::u16string>> descriptions;
    bool loaded = true;

    // Answers for checkExt() by path, taken before those derived from `checks`, so a test
    // can script any result code and extension.
    std::map<std::u16string, engine::CheckExtResult> extAnswers;

    std::vector<std::u16string> checkedPaths;
    std::vector<std::u16string> extCheckedPaths;
    std::vector<std::pair<int32_t, std::u16string>> whatCalls;

    void answer(const std::u16string &path, std::u16string folder, std::u16string base,
                std::u16string presentExt, std::u16string trueExt, std::u16string desc = u"説明")
    {
        engine::CheckResult r;
        r.loaded = true;
        r.result = 1;
        // The engine reports a drive-letter path's drive ("C:"); POSIX paths have none.
        r.drive = path.size() >= 2 && path[1] == u':' ? path.substr(0, 2) : std::u16string();
        r.folder = std::move(folder);
        r.base = std::move(base);
        r.presentExt = std::move(presentExt);
        r.trueExt = std::move(trueExt);
        r.desc = std::move(desc);
        checks[path] = r;
    }

    engine::CheckResult check(const std::u16string &path) override
    {
        checkedPaths.push_back(path);
        engine::CheckResult r;
        r.loaded = loaded;
        if (!loaded)
            return r;
        const auto it = checks.find(path);
        if (it != checks.end())
            return it->second;
        r.result = 0;
        r.desc = u"ファイルが見つかりません";
        return r;
    }

    engine::WhatResult what(int32_t mode, const std::u16string &ext) override
    {
        whatCalls.emplace_back(mode, ext);
        engine::WhatResult r;
        r.loaded = loaded;
        if (!loaded)
            return r;
        const auto it = descriptions.find(ext);
        if (mode == 0)
            m_position = 0;
        else
            ++m_position;
        if (it == descriptions.end() || m_position >= it->second.size()) {
            r.result = -1;
            return r;
        }
        r.result = static_cast<int16_t>(m_position);
        r.desc = it->second[m_position];
        return r;
    }

    engine::CheckExtResult checkExt(const std::u16string &path) override
    {
        extCheckedPaths.push_back(path);
        engine::CheckExtResult r;
        r.loaded = loaded;
        if (const auto scripted = extAnswers.find(path); scripted != extAnswers.end()) {
            r = scripted->second;
            r.loaded = loaded;
            return r;
        }
        const auto it = checks.find(path);
        if (it != checks.end() && !it->second.trueExt.empty()) {
            r.result = 1;
            r.ext = it->second.trueExt;
        }
        return r;
    }

private:
    std::size_t m_position = 0;
};

} // namespace testsupport
