// Checks paths and writes their lines in the order the paths arrived, on one thread or
// on several; the errors that go to standard error keep that order too.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "report_format.h"

namespace tivex::cli {

class Checker {
public:
    // With more than one thread, a bounded number of paths wait between being read and
    // being written; while they fill the window the reading thread checks too, so a slow
    // file holds up the output, never the memory.
    Checker(const LineStyle &style, unsigned threads, std::FILE *out);
    ~Checker();
    Checker(const Checker &) = delete;
    Checker &operator=(const Checker &) = delete;

    void add(std::string path);
    // An error met while finding the paths, written to standard error in its place among
    // the checks' own.
    void note(std::string message);
    // Checks and writes whatever is still waiting.
    void finish();
    // False once some file could not be checked.
    bool allChecked() const { return m_allChecked; }

private:
    struct Item {
        std::string path;
        std::string line;
        std::string error; // for standard error, "tivex: " and the line end left out
        bool ok = false;
        bool isNote = false;
    };
    // One place in the ring of waiting items, alone on its cache line so that two
    // threads filling neighbouring items do not slow each other down.
    struct alignas(64) Slot {
        Item item;
        std::atomic<bool> done = false;
    };

    void checkOne(Item &item) const;
    void queue(Item &&item);
    void write(const Item &item);

    // The threaded path. The reading thread fills the ring and writes it out in order;
    // every thread, the reading one included, takes the oldest item nobody has taken.
    void startHelper();
    void helpUntilDone();
    bool checkNextWaiting();
    void markDone(Slot &checked);
    void writeFinished();
    void waitForOldest();
    Slot &slot(size_t index) { return m_ring[index % m_ring.size()]; }

    LineStyle m_style;
    unsigned m_threads;
    std::FILE *m_out;
    bool m_allChecked = true;

    std::vector<Slot> m_ring;
    std::mutex m_lock;
    std::condition_variable m_itemsArrived; // for helpers out of work
    std::condition_variable m_oldestDone;   // for the reading thread waiting to write
    size_t m_added = 0;                     // guarded by m_lock
    size_t m_taken = 0;                     // guarded by m_lock
    size_t m_written = 0;                   // the reading thread's own
    unsigned m_idleHelpers = 0;             // guarded by m_lock
    std::atomic<bool> m_waitingForOldest = false;
    bool m_noMoreItems = false; // guarded by m_lock
    bool m_noMoreHelpers = false;
    std::vector<std::jthread> m_helpers;
};

} // namespace tivex::cli
