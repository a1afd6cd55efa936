#pragma once
// Turns the figures reported by the child runs into the printed table:
// medians per operation and system, the ratio of our store to the best peer,
// the goals, consistency checks between the systems, and the growth from one
// file size to the next. Plain C++.

#include <map>
#include <string>
#include <vector>

namespace bench {

using Figures = std::map<std::string, std::string>;  // one child run

struct SystemRuns {
    std::string system;         // command-line name: store, qtextdocument, scintilla, vector
    std::vector<Figures> runs;  // successful runs only
    std::string failure;        // why runs are missing (empty when none failed)
};

struct SizeResult {
    double megabytes = 0;  // file size in MB (10^6 bytes)
    long long lines = 0;   // lines in the file
    std::vector<SystemRuns> systems;
};

// Our store against the best peer for one operation.
struct Ratio {
    double value = 0;       // store time / best peer time; 0 when not comparable
    std::string operation;  // operation key
};

// The peers the store is measured against; the vector split is a floor only.
bool isPeer(const std::string& system);
std::string displayName(const std::string& system);

// Median of a numeric figure over the runs; NaN when missing or "na".
double median(std::vector<double> values);
double medianOf(const SystemRuns& runs, const std::string& key);

// Per operation, the store's time over the best peer's (operations that no
// peer or not the store measured are left out).
std::vector<Ratio> ratiosToBestPeer(const SizeResult& result);

// The table for one file size, with goals and checks.
std::string formatReport(const SizeResult& result, int runs);

// Time growth per system and operation from `small` to `big`, against the
// growth of the file itself.
std::string formatGrowth(const SizeResult& small, const SizeResult& big);

}  // namespace bench
