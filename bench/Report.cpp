#include "Report.h"

#include "Operations.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <set>

namespace bench {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string format(const char* pattern, double v)
{
    if (std::isnan(v))
        return "-";
    char text[64];
    std::snprintf(text, sizeof text, pattern, v);
    return text;
}

std::string pad(const std::string& s, std::size_t width, bool right = true)
{
    if (s.size() >= width)
        return s;
    return right ? std::string(width - s.size(), ' ') + s : s + std::string(width - s.size(), ' ');
}

const SystemRuns* find(const SizeResult& result, const std::string& system)
{
    for (const SystemRuns& s : result.systems)
        if (s.system == system)
            return &s;
    return nullptr;
}

std::string operationLabel(const std::string& key)
{
    static const std::map<std::string, std::string> labels = {
        {"load", "load"},
        {"reads", "random display-line reads"},
        {"rewrap", "wrap all at column 80"},
        {"replace", "replace all <td> by <TD>"},
        {"undo_replace", "one undo of the replace-all"},
        {"inserts", "10,000 one-byte inserts"},
        {"undo", "undo until nothing is left"},
        {"save", "save"},
        {"save_sync", "save + fdatasync"},
    };
    auto it = labels.find(key);
    return it == labels.end() ? key : it->second;
}

// The value every run of every listed system agrees on, or "" when they differ.
std::string agreed(const SizeResult& result, const std::string& key, bool peersAndFloorOnly)
{
    std::set<std::string> values;
    for (const SystemRuns& s : result.systems) {
        if (peersAndFloorOnly && s.system == "store")
            continue;
        for (const Figures& f : s.runs) {
            auto it = f.find(key);
            values.insert(it == f.end() ? "?" : it->second);
        }
    }
    return values.size() == 1 ? *values.begin() : std::string();
}

}  // namespace

bool isPeer(const std::string& system) { return system == "qtextdocument" || system == "scintilla"; }

std::string displayName(const std::string& system)
{
    if (system == "store")
        return "TParagraphStore";
    if (system == "qtextdocument")
        return "QTextDocument";
    if (system == "scintilla")
        return "Scintilla";
    if (system == "vector")
        return "vector floor";
    return system;
}

double median(std::vector<double> values)
{
    values.erase(std::remove_if(values.begin(), values.end(), [](double v) { return std::isnan(v); }), values.end());
    if (values.empty())
        return kNaN;
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double medianOf(const SystemRuns& runs, const std::string& key)
{
    std::vector<double> values;
    for (const Figures& f : runs.runs) {
        auto it = f.find(key);
        if (it == f.end() || it->second == "na")
            continue;
        values.push_back(std::strtod(it->second.c_str(), nullptr));
    }
    return median(values);
}

std::vector<Ratio> ratiosToBestPeer(const SizeResult& result)
{
    std::vector<Ratio> ratios;
    const SystemRuns* store = find(result, "store");
    if (!store)
        return ratios;
    for (const char* op : kOperations) {
        double ours = medianOf(*store, op);
        double best = kNaN;
        for (const SystemRuns& s : result.systems) {
            if (!isPeer(s.system))
                continue;
            double t = medianOf(s, op);
            if (!std::isnan(t) && (std::isnan(best) || t < best))
                best = t;
        }
        if (std::isnan(ours) || std::isnan(best))
            continue;
        // A peer that took no measurable time makes any cost of ours "infinite";
        // clamp to the timer's resolution instead.
        ratios.push_back({ours / std::max(best, 1e-6), op});
    }
    return ratios;
}

std::string formatReport(const SizeResult& result, int runs)
{
    std::string out;
    char head[256];
    std::snprintf(head, sizeof head, "File: %.1f MB, %lld lines; median of %d run(s); times in seconds\n\n",
                  result.megabytes, result.lines, runs);
    out += head;

    constexpr std::size_t kLabel = 34, kCol = 16;
    out += pad("operation", kLabel, false);
    for (const SystemRuns& s : result.systems)
        out += pad(displayName(s.system), kCol);
    out += pad("store/best peer", kCol) + "\n";

    std::vector<Ratio> ratios = ratiosToBestPeer(result);
    auto ratioOf = [&](const std::string& op) {
        for (const Ratio& r : ratios)
            if (r.operation == op)
                return r.value;
        return kNaN;
    };
    for (const char* op : kOperations) {
        out += pad(operationLabel(op), kLabel, false);
        for (const SystemRuns& s : result.systems) {
            bool na = !s.runs.empty() && s.runs.front().count(op) && s.runs.front().at(op) == "na";
            out += pad(na ? "n/a" : format("%.3f", medianOf(s, op)), kCol);
        }
        out += pad(format("%.2f", ratioOf(op)), kCol) + "\n";
    }

    auto row = [&](const std::string& label, const std::string& key, const char* pattern, double scale) {
        out += pad(label, kLabel, false);
        for (const SystemRuns& s : result.systems)
            out += pad(format(pattern, medianOf(s, key) * scale), kCol);
        out += "\n";
    };
    out += "\n";
    row("memory after load (MB per MB)", "rss_load", "%.2f", 1e-6 / result.megabytes);
    row("display lines at column 80", "display_lines", "%.0f", 1);
    row("replacements made", "replaced", "%.0f", 1);
    row("undo steps taken after inserts", "undo_steps", "%.0f", 1);
    row("memory added by the inserts (KB)", "rss_inserts", "%.0f", 1e-3);

    for (const SystemRuns& s : result.systems)
        if (!s.failure.empty())
            out += "note: " + displayName(s.system) + ": " + s.failure + "\n";

    // Goals.
    out += "\n";
    if (const SystemRuns* store = find(result, "store"); store && !store->runs.empty()) {
        Ratio worst;
        for (const Ratio& r : ratios)
            if (r.value > worst.value)
                worst = r;
        if (!worst.operation.empty()) {
            out += format("goal: every operation as fast as the best peer: worst %.2f", worst.value) + " (" +
                   operationLabel(worst.operation) + ")" + (worst.value <= 1.0 ? " - met\n" : " - missed\n");
        }
        if (const SystemRuns* floor = find(result, "vector"); floor && !floor->runs.empty()) {
            double loadRatio = medianOf(*store, "load") / medianOf(*floor, "load");
            out += format("goal: load within 2x of the vector floor: %.2fx", loadRatio) +
                   (loadRatio <= 2.0 ? " - met\n" : " - missed\n");
        }
        double memory = medianOf(*store, "rss_load") * 1e-6 / result.megabytes;
        out += format("goal: memory <= 2 MB per MB of text: %.2f", memory) + (memory <= 2.0 ? " - met\n" : " - missed\n");
    }

    // Checks that the systems did the same work on the same text.
    auto check = [&](const std::string& what, const std::string& key, bool withoutStore) {
        out += "check: " + what + ": " + (agreed(result, key, withoutStore).empty() ? "NO, they differ" : "yes") + "\n";
    };
    check("every system loaded the same text", "hash_load", false);
    check("same text after replace-all", "hash_replace", false);
    out += std::string("check: one undo took back the whole replace-all: ") +
           (!agreed(result, "hash_undo_replace", false).empty() &&
                    agreed(result, "hash_undo_replace", false) == agreed(result, "hash_load", false)
                ? "yes"
                : "NO") +
           "\n";
    check("every system undid every insert", "hash_final", false);
    check("every system saved the same bytes", "hash_saved", false);
    return out;
}

std::string formatGrowth(const SizeResult& small, const SizeResult& big)
{
    std::string out;
    char head[256];
    std::snprintf(head, sizeof head, "Growth from %.1f MB to %.1f MB (file x%.2f): time ratio per operation\n\n",
                  small.megabytes, big.megabytes, big.megabytes / small.megabytes);
    out += head;
    constexpr std::size_t kLabel = 34, kCol = 16;
    out += pad("operation", kLabel, false);
    for (const SystemRuns& s : big.systems)
        out += pad(displayName(s.system), kCol);
    out += "\n";
    for (const char* op : kOperations) {
        out += pad(operationLabel(op), kLabel, false);
        for (const SystemRuns& s : big.systems) {
            const SystemRuns* before = find(small, s.system);
            double ratio = before ? medianOf(s, op) / medianOf(*before, op) : kNaN;
            out += pad(format("x%.2f", ratio), kCol);
        }
        out += "\n";
    }
    out += "(x1 = independent of size; about the file's factor = linear; above it = worse than linear)\n";
    return out;
}

}  // namespace bench
