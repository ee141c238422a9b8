// Checks paths and writes their lines in the order the paths arrived, on one thread or
// on several; the errors that go to standard error keep that order too.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "report_format.h"

namespace tivex::cli {

class Checker {
public:
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

    void checkOne(Item &item) const;
    void queue(Item item);
    void checkBatch();
    void write(const Item &item);

    LineStyle m_style;
    unsigned m_threads;
    std::FILE *m_out;
    std::vector<Item> m_batch;
    bool m_allChecked = true;
};

} // namespace tivex::cli
