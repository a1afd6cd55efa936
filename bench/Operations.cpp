#include "Operations.h"

#include "ChildProcess.h"
#include "HtmlGenerator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace bench {
namespace {

class Stopwatch {
public:
    double seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::string number(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", v);
    return text;
}

// FNV-1a of a file's bytes (0 when it cannot be read).
std::uint64_t fileHash(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return 0;
    std::uint64_t h = 1469598103934665603ull;
    unsigned char block[1 << 16];
    std::size_t n;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0)
        for (std::size_t i = 0; i < n; ++i)
            h = (h ^ block[i]) * 1099511628211ull;
    std::fclose(f);
    return h;
}

}  // namespace

std::map<std::string, std::string> runOperations(BenchSubject& subject, const RunConfig& config)
{
    std::map<std::string, std::string> out;

    // Memory: resident growth across the load alone, in this fresh process.
    long long before = residentBytes();
    Stopwatch load;
    subject.load(config.file);
    out["load"] = number(load.seconds());
    out["rss_load"] = std::to_string(residentBytes() - before);
    out["hash_load"] = std::to_string(textHash(subject));

    const std::int64_t lines = subject.lineCount();
    out["lines"] = std::to_string(lines);

    Rng readRng(config.seed * 7919 + 1);
    std::uint64_t sink = 0;
    Stopwatch reads;
    for (int i = 0; i < config.reads; ++i)
        sink += subject.readDisplayLine(static_cast<std::int64_t>(readRng.below(static_cast<std::uint64_t>(lines))));
    out["reads"] = number(reads.seconds());
    out["read_sum"] = std::to_string(sink);

    Stopwatch wrap;
    std::int64_t displayLines = subject.rewrap(config.wrapColumn);
    out["rewrap"] = displayLines < 0 ? "na" : number(wrap.seconds());
    out["display_lines"] = std::to_string(displayLines);

    Stopwatch replace;
    std::int64_t replaced = subject.replaceAll("<td>", "<TD>");
    out["replace"] = number(replace.seconds());
    out["replaced"] = std::to_string(replaced);
    out["hash_replace"] = std::to_string(textHash(subject));

    Stopwatch undoReplace;
    subject.undoOnce();
    out["undo_replace"] = number(undoReplace.seconds());
    out["hash_undo_replace"] = std::to_string(textHash(subject));

    // The inserts start from an empty history, so that every system counts
    // undo steps of the inserts alone.
    subject.clearUndo();
    // Memory: resident growth across the inserts, their undo history included.
    const long long beforeInserts = residentBytes();
    Rng insertRng(config.seed * 7919 + 2);
    Stopwatch inserts;
    for (int i = 0; i < config.inserts; ++i) {
        auto line = static_cast<std::int64_t>(insertRng.below(static_cast<std::uint64_t>(lines)));
        auto column = static_cast<std::size_t>(insertRng.below(subject.lineLength(line) + 1));
        subject.insertChar(line, column, static_cast<char>('a' + insertRng.below(26)));
    }
    out["inserts"] = number(inserts.seconds());
    out["rss_inserts"] = std::to_string(residentBytes() - beforeInserts);

    Stopwatch undo;
    out["undo_steps"] = std::to_string(subject.undoAll());
    out["undo"] = number(undo.seconds());
    out["hash_final"] = std::to_string(textHash(subject));

    Stopwatch save;
    subject.save(config.savePath);
    out["save"] = number(save.seconds());
    // What careful editors add to a save: the bytes on the disk before done.
    // (Our store's save syncs already; this sync then finds nothing to do.)
    Stopwatch sync;
    if (const int fd = ::open(config.savePath.c_str(), O_WRONLY | O_CLOEXEC); fd >= 0) {
        ::fdatasync(fd);
        ::close(fd);
    }
    out["save_sync"] = number(std::strtod(out["save"].c_str(), nullptr) + sync.seconds());
    out["hash_saved"] = std::to_string(fileHash(config.savePath));
    std::remove(config.savePath.c_str());
    return out;
}

}  // namespace bench
