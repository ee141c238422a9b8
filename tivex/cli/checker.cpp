#include "checker.h"

#include <atomic>
#include <optional>
#include <thread>

#include "os.h"

namespace tivex::cli {

namespace {

// Enough work per thread that starting them is cheap against the checks, few enough
// that the first lines of a long list appear soon.
constexpr size_t ItemsPerThreadInBatch = 64;

} // namespace

Checker::Checker(const LineStyle &style, unsigned threads, std::FILE *out)
    : m_style(style), m_threads(threads == 0 ? 1 : threads), m_out(out)
{
    m_batch.reserve(m_threads * ItemsPerThreadInBatch);
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

void Checker::queue(Item item)
{
    m_batch.push_back(std::move(item));
    if (m_threads == 1 || m_batch.size() >= m_threads * ItemsPerThreadInBatch)
        checkBatch();
}

void Checker::finish()
{
    if (!m_batch.empty())
        checkBatch();
    std::fflush(m_out);
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
    item.line = formatLine(item.path, report, m_style);
    if (!item.ok && m_style.mode == OutputMode::Extension)
        item.error = printablePath(item.path) + ": " + report.reason;
}

void Checker::checkBatch()
{
    if (m_threads == 1 || m_batch.size() == 1) {
        for (Item &item : m_batch)
            checkOne(item);
    } else {
        std::atomic<size_t> next{0};
        const auto work = [&] {
            for (size_t i = next++; i < m_batch.size(); i = next++)
                checkOne(m_batch[i]);
        };
        std::vector<std::jthread> workers;
        const size_t helpers = std::min<size_t>(m_threads, m_batch.size()) - 1;
        for (size_t i = 0; i < helpers; ++i)
            workers.emplace_back(work);
        work();
    }
    for (const Item &item : m_batch)
        write(item);
    m_batch.clear();
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

} // namespace tivex::cli
