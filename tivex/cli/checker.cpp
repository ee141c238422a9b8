#include "checker.h"

#include <optional>
#include <system_error>

#include "os.h"

namespace tivex::cli {

namespace {

// Items in flight per thread: far more than one slow file takes to check among fast
// ones, so no thread waits for the writer, and few enough that memory stays small.
// The command's ordering test lists several windows' worth of files.
constexpr size_t WindowPerThread = 256;

} // namespace

Checker::Checker(const LineStyle &style, unsigned threads, std::FILE *out)
    : m_style(style), m_threads(threads == 0 ? 1 : threads), m_out(out)
{
    if (m_threads > 1)
        m_ring = std::vector<Slot>(m_threads * WindowPerThread);
}

Checker::~Checker() { finish(); }

void Checker::add(std::string path)
{
    queue({std::move(path), {}, {}, false, false});
}

void Checker::note(std::string message)
{
    queue({{}, {}, std::move(message), true, true});
}

void Checker::checkOne(Item &item) const
{
    if (item.isNote)
        return;
    Report report;
    if (const std::optional<std::string> path = os::absolutePath(item.path)) {
        report = checkFile(*path);
    } else {
        // Without the current folder's path a relative name cannot be made a full one.
        report.failure = Failure::FolderTooLong;
        report.reason = failureReason(Failure::FolderTooLong, os::maxPathLength());
    }
    item.ok = report.ok();
    // Copied into the item's own buffers rather than moved: on several threads those
    // were made by whichever thread used the slot before, and freeing another thread's
    // memory takes that thread's heap lock.
    item.line.assign(formatLine(item.path, report, m_style));
    if (!item.ok && m_style.mode == OutputMode::Extension)
        item.error.assign(printablePath(item.path) + ": " + report.reason);
}

void Checker::write(const Item &item)
{
    if (!item.error.empty())
        os::writeOutput(stderr, "tivex: " + item.error + "\n");
    if (item.isNote)
        return;
    os::writeOutput(m_out, item.line, m_style.mode == OutputMode::Json);
    m_allChecked = m_allChecked && item.ok;
}

void Checker::queue(Item &&item)
{
    if (m_threads == 1) {
        checkOne(item);
        write(item);
        return;
    }
    // A helper for each item up to the number asked for: a short list starts no more
    // threads than it has files.
    if (m_helpers.size() + 1 < m_threads && !m_noMoreHelpers)
        startHelper();
    while (m_added - m_written == m_ring.size()) {
        writeFinished();
        if (m_added - m_written < m_ring.size())
            break;
        if (!checkNextWaiting())
            waitForOldest();
    }
    // The slot's last item is written and no thread looks at it until it is counted in.
    // Its buffers are kept for the new item (see checkOne).
    Slot &free = slot(m_added);
    free.item.path.assign(item.path);
    free.item.line.clear();
    free.item.error.assign(item.error);
    free.item.ok = item.ok;
    free.item.isNote = item.isNote;
    free.done.store(false, std::memory_order_relaxed);
    {
        const std::lock_guard lock(m_lock);
        ++m_added;
        if (m_idleHelpers > 0)
            m_itemsArrived.notify_one();
    }
    writeFinished();
}

void Checker::finish()
{
    if (!m_ring.empty()) {
        {
            const std::lock_guard lock(m_lock);
            m_noMoreItems = true;
        }
        m_itemsArrived.notify_all();
        while (m_written < m_added) {
            writeFinished();
            if (m_written < m_added && !checkNextWaiting())
                waitForOldest();
        }
        m_helpers.clear();
    }
    std::fflush(m_out);
}

void Checker::startHelper()
{
    try {
        m_helpers.emplace_back([this] { helpUntilDone(); });
    } catch (const std::system_error &) {
        // The system gives no more threads (a limit on processes, say): the ones that
        // run, the reading thread at least, check the rest.
        m_noMoreHelpers = true;
    }
}

void Checker::helpUntilDone()
{
    // A helper only opens and closes the files it checks; the reading thread keeps the
    // shared table for the lists and the output.
    os::useOwnFileTable();
    std::unique_lock lock(m_lock);
    for (;;) {
        if (m_taken == m_added) {
            if (m_noMoreItems)
                return;
            ++m_idleHelpers;
            m_itemsArrived.wait(lock, [this] { return m_taken < m_added || m_noMoreItems; });
            --m_idleHelpers;
            continue;
        }
        Slot &taken = slot(m_taken++);
        lock.unlock();
        checkOne(taken.item);
        markDone(taken);
        lock.lock();
    }
}

// The reading thread's share of the checks: false when every waiting item is taken.
bool Checker::checkNextWaiting()
{
    Slot *taken = nullptr;
    {
        const std::lock_guard lock(m_lock);
        if (m_taken == m_added)
            return false;
        taken = &slot(m_taken++);
    }
    checkOne(taken->item);
    markDone(*taken);
    return true;
}

// Hands a checked item to the writing thread, waking it when it waits. Either it sees
// the item done or this sees it waiting: both flags are sequentially consistent, and
// the lock keeps the wake-up from coming between its last look and its sleep.
void Checker::markDone(Slot &checked)
{
    checked.done.store(true);
    if (m_waitingForOldest.load()) {
        { const std::lock_guard lock(m_lock); }
        m_oldestDone.notify_one();
    }
}

// Writes the oldest items as far as they are checked, in the order they came.
void Checker::writeFinished()
{
    for (; m_written < m_added; ++m_written) {
        const Slot &oldest = slot(m_written);
        if (!oldest.done.load(std::memory_order_acquire))
            break;
        write(oldest.item);
    }
}

void Checker::waitForOldest()
{
    std::unique_lock lock(m_lock);
    m_waitingForOldest.store(true);
    m_oldestDone.wait(lock, [this] { return slot(m_written).done.load(); });
    m_waitingForOldest.store(false);
}

} // namespace tivex::cli
