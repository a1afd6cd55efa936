#pragma once
// The measured operations, in the order one child process runs them on one
// system, and the figures it reports ("key value" lines on standard output).

#include "BenchSubject.h"

#include <cstdint>
#include <map>
#include <string>

namespace bench {

struct RunConfig {
    std::string file;           // the generated HTML file
    std::string savePath;       // where the save operation writes
    std::uint64_t seed = 1;     // seeds the random reads and inserts
    int reads = 10000;
    int inserts = 10000;
    int wrapColumn = 80;
};

// Operation keys, in table order; each is reported as seconds.
inline constexpr const char* kOperations[] = {"load",    "reads", "rewrap", "replace", "undo_replace",
                                              "inserts", "undo",  "save",   "save_sync"};

// Runs every operation once on a fresh, empty subject; residentBefore is the
// process's resident size just before the load (the caller measures it, so
// that it includes whatever the system needs before it holds any text).
// Keys: the operations (seconds; "na" when the system cannot), "rss_load"
// (bytes the load added), "rss_inserts" (bytes the inserts and their undo
// history added), "lines", "display_lines", "replaced", "undo_steps",
// "hash_load", "hash_replace", "hash_undo_replace", "hash_final", "hash_saved".
std::map<std::string, std::string> runOperations(BenchSubject& subject, const RunConfig& config);

}  // namespace bench
