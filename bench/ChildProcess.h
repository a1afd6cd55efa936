#pragma once
// Runs a program (this one, in its child mode) and collects what it prints.
// Each measured system runs in its own process so that its memory figure is
// its own and no system inherits another's heap or caches.

#include <string>
#include <vector>

namespace bench {

struct ChildResult {
    int exitCode = -1;  // -1: did not exit normally (signal)
    std::string output; // standard output; standard error passes through
};

ChildResult runChild(const std::string& program, const std::vector<std::string>& args);

// Resident set size of this process in bytes (from /proc/self/statm).
long long residentBytes();

}  // namespace bench
