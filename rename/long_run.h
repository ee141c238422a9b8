// A stretch of work on the program's one thread that may take seconds: a proposal that asks
// the engine about thousands of files, or a rename run over them. While it lasts the cursor
// says the program is busy and the windows keep painting, and every click, key, drop or
// close request that arrives meanwhile is refused, not queued. Acted on at once it could
// replace the arrays the run is walking, or move the current folder away from the bare
// names the run renames; acted on afterwards it would answer a screen the user no longer
// sees.
#pragma once

#include "engine/engine.h"

#include <QElapsedTimer>
#include <QObject>

#include <chrono>
#include <functional>

namespace renamer {

class LongRun : public QObject {
public:
    explicit LongRun(QObject *parent = nullptr);
    ~LongRun() override;

    bool running() const { return m_depth > 0; }

    // Runs `work` as a long stretch. A stretch asked for while one is under way is refused
    // (false): it could only come from input that slipped past the guard.
    bool run(const std::function<void()> &work);

    // Called by the work at each step: lets the windows repaint when the last chance to do
    // so is longer ago than the interval.
    void keepPainted();

    // How long the windows may go without painting during a run.
    void setPaintInterval(std::chrono::milliseconds interval) { m_interval = interval; }

    // A message box shown during a run must take the user's click and show the normal
    // cursor; while a Pause lives the guard lets clicks and keys through, and Qt's own
    // modality keeps them from the other windows. Drops stay refused: a file dropped on
    // any window meanwhile could move the current folder away from the bare names that
    // the run goes on renaming once the box is closed.
    class Pause {
    public:
        explicit Pause(LongRun &run);
        ~Pause();
        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;

    private:
        LongRun &m_run;
        bool m_wasPaused;
    };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void guard(bool on);

    int m_depth = 0;
    bool m_guarding = false;
    bool m_paused = false;
    std::chrono::milliseconds m_interval{50};
    QElapsedTimer m_sincePaint;
};

// The engine as a long run asks it: every call first gives the windows their chance to
// paint.
class EngineInLongRun final : public engine::Engine {
public:
    EngineInLongRun(engine::Engine &engine, LongRun &run) : m_engine(engine), m_run(run) {}

    engine::CheckResult check(const std::u16string &path) override;
    engine::WhatResult what(int32_t mode, const std::u16string &ext) override;
    engine::CheckExtResult checkExt(const std::u16string &path) override;

private:
    engine::Engine &m_engine;
    LongRun &m_run;
};

} // namespace renamer
