// The recovery journal on the 20 MB document: what journaling adds to a
// keystroke (the same typing into the store with and without its journal,
// flushes excluded, and the listener call alone), and what a flush after 200
// keys writes and costs (a titled document above the stand-alone size, so
// the flush holds the edits, not the text). Median of the runs.
// Not a test: timings depend on the machine. Usage: journal_bench [MB] [runs]

#include "DocumentJournal.h"
#include "HtmlGenerator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

constexpr int kKeys = 20000;

// Types kKeys characters into the middle of the text as a user does: one
// byte after another, Enter every 60. onKey runs after each key, untimed
// when it flushes (its time is returned apart in flushMs).
double typeKeys(qm::TParagraphStore& store, recovery::DocumentJournal* journal, std::vector<double>* flushMs,
                std::vector<double>* flushBytes) {
    const qm::ParaNum start(store.ParagraphCount() / 2);
    qm::ParaNum para = start;
    std::int32_t pos = 1;
    double typingMs = 0;
    for (int k = 1; k <= kKeys; ++k) {
        const auto t0 = Clock::now();
        if (k % 60 == 0) {
            store.split({para, qm::ParaPos(pos)}, false, 0, 0);
            para = para + 1;
            pos = 1;
        } else {
            store.insertBytes(para, qm::ParaPos(pos), "k");
            ++pos;
        }
        typingMs += std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        if (journal && k % recovery::DocumentJournal::kFlushEdits == 0) {
            const auto f0 = Clock::now();
            if (!journal->flush()) {
                std::fprintf(stderr, "flush failed\n");
                std::exit(2);
            }
            flushMs->push_back(std::chrono::duration<double, std::milli>(Clock::now() - f0).count());
            flushBytes->push_back(double(journal->lastFlushBytes()));
        }
    }
    return typingMs;
}

}  // namespace

int main(int argc, char** argv) {
    const int mb = argc > 1 ? std::atoi(argv[1]) : 20;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    const fs::path dir = fs::temp_directory_path() / ("journal_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string file = (dir / "big.html").string();
    const bench::HtmlFileStats stats = bench::writeHtmlFile(file, std::uint64_t(mb) << 20, 20);
    std::printf("document: %llu bytes, %llu lines; %d keys per run, %d runs\n", (unsigned long long)stats.bytes,
                (unsigned long long)stats.lines, kKeys, runs);

    std::vector<double> plainUs, journalUs, hookUs, flushMs, flushBytes;
    for (int run = 0; run < runs; ++run) {
        {
            qm::TParagraphStore store;
            store.setWordWrap(true);
            store.LoadFromFile(file);
            plainUs.push_back(1000 * typeKeys(store, nullptr, nullptr, nullptr) / kKeys);
        }
        {
            qm::TParagraphStore store;
            store.setWordWrap(true);
            store.LoadFromFile(file);
            recovery::DocumentJournal journal(store, (dir / "recovery").string());
            journal.restart(file, recovery::identityOf(file));
            journalUs.push_back(1000 * typeKeys(store, &journal, &flushMs, &flushBytes) / kKeys);

            // The listener alone, as a keystroke calls it.
            const auto t0 = Clock::now();
            for (int k = 0; k < kKeys; ++k) journal.bytesReplaced(qm::ParaNum(1000), k, 0, "k");
            hookUs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count() / kKeys);
        }
    }
    fs::remove_all(dir);
    const double plain = median(plainUs), with = median(journalUs);
    std::printf("keystroke us: without journal %.3f, with journal %.3f, journaling %.3f (listener alone %.3f)\n", plain,
                with, with - plain, median(hookUs));
    std::printf("flush after 200 keys: %.0f bytes (median; max %.0f), %.2f ms median, %.2f ms max\n",
                median(flushBytes), *std::max_element(flushBytes.begin(), flushBytes.end()), median(flushMs),
                *std::max_element(flushMs.begin(), flushMs.end()));
    std::printf("per keystroke with the flushes spread over it: %.3f us\n",
                with + 1000 * median(flushMs) / recovery::DocumentJournal::kFlushEdits);
    return 0;
}
