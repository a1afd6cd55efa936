// Replace in Files over many files: N files of 20 KB of HTML (default
// 1,000), each with a few matches, replaced and saved (with backups) through
// the file tools; prints the wall time of each run, their median and the
// machine's load average (the files' creation and syncs share the disk).
// Run filetools_bench [files] [runs] [search]: "search" counts only.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "DurableFile.h"
#include "FileTools.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    const bool search = argc > 3 && std::string(argv[3]) == "search";
    const fs::path dir = fs::temp_directory_path() / ("qm-filetools-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string page;
    for (int line = 0; page.size() < 20 * 1024; ++line)
        page += "<p class=\"row\">Line " + std::to_string(line) + " of the page, with a <a href=\"x.htm\">link</a>.</p>\r\n";
    std::vector<std::string> paths;
    for (int i = 0; i < files; ++i) {
        paths.push_back((dir / ("page" + std::to_string(i) + ".htm")).string());
    }
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        for (const std::string& p : paths) durable::writeFile(p, page);
        filetools::Options o;
        o.backup = true;
        const auto t0 = std::chrono::steady_clock::now();
        const auto out = search ? filetools::searchInFiles(paths, "x.htm", o)
                                : filetools::replaceInFiles(paths, "x.htm", "y.htm", o);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        times.push_back(ms);
        long total = 0;
        for (const auto& f : out) total += f.count;
        std::printf(search ? "search in %d files of %zu bytes: %ld matches, %.0f ms\n" : "replace in %d files of %zu bytes: %ld replacements, %.0f ms\n", files, page.size(), total, ms);
    }
    fs::remove_all(dir);
    std::sort(times.begin(), times.end());
    std::string load;
    std::getline(std::ifstream("/proc/loadavg"), load);
    load = load.substr(0, load.find(' ', load.find(' ', load.find(' ') + 1) + 1));  // the 1, 5 and 15 minute figures
    if (!times.empty()) std::printf("median %.0f ms (load average %s)\n", times[times.size() / 2], load.c_str());
    return 0;
}
