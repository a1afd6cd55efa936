// bench_engine: times the same operations on our paragraph store, Qt's
// QTextDocument, Scintilla's document and a vector-of-strings floor, on one
// seeded HTML file, and prints medians, ratios and goals.
//
//   bench_engine [--mb 20[,200]] [--runs 3] [--systems store,qtextdocument,...]
//                [--dir FOLDER] [--seed 1] [--keep]
//
// Memory method: every run of every system is its own child process (this
// program started again with --child). The child creates what the system
// needs before it holds text (the QApplication for the Qt systems, the empty
// document), reads its resident size from /proc/self/statm, loads the file
// and reads it again; the growth is the system's cost for the text. No system
// runs after another in the same heap, so none is charged for another's
// freed-but-kept memory, and the order of the systems does not matter. Runs
// are interleaved (every system once, then again) to spread machine noise.

#include "BenchSubject.h"
#include "ChildProcess.h"
#include "HtmlGenerator.h"
#include "Operations.h"
#include "Report.h"

#include <QApplication>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <limits>
#include <sstream>
#include <unistd.h>

namespace {

std::vector<std::string> splitList(const std::string& s)
{
    std::vector<std::string> out;
    std::stringstream in(s);
    std::string item;
    while (std::getline(in, item, ','))
        if (!item.empty())
            out.push_back(item);
    return out;
}

std::unique_ptr<bench::BenchSubject> makeSubject(const std::string& system)
{
    if (system == "store")
        return bench::makeStoreSubject();
    if (system == "qtextdocument")
        return bench::makeTextDocumentSubject();
    if (system == "scintilla")
        return bench::makeScintillaSubject();
    if (system == "vector")
        return bench::makeVectorSubject();
    return nullptr;
}

std::vector<std::string> builtSystems()
{
    std::vector<std::string> systems = {"store", "qtextdocument"};
#ifdef QUILLMAR_BENCH_SCINTILLA
    systems.push_back("scintilla");
#endif
    systems.push_back("vector");
    return systems;
}

int childMain(int argc, char** argv, const std::string& system, const bench::RunConfig& config)
{
    // The Qt systems need an application object (fonts, the Scintilla widget);
    // it exists before the memory baseline is taken.
    std::unique_ptr<QApplication> app;
    if (system == "qtextdocument" || system == "scintilla") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    }
    std::unique_ptr<bench::BenchSubject> subject = makeSubject(system);
    if (!subject) {
        std::cerr << "bench_engine: system not built: " << system << "\n";
        return 2;
    }
    for (const auto& [key, value] : bench::runOperations(*subject, config))
        std::cout << key << ' ' << value << '\n';
    std::cout.flush();
    // The text is large; the process ends anyway, so skip freeing it piece by piece.
    _exit(0);
}

bench::Figures parseFigures(const std::string& output)
{
    bench::Figures figures;
    std::istringstream in(output);
    std::string key, value;
    while (in >> key >> value)
        figures[key] = value;
    return figures;
}

int usage()
{
    std::cerr << "usage: bench_engine [--mb 20[,200,...]] [--runs 3] [--systems store,qtextdocument,scintilla,vector]\n"
                 "                    [--dir FOLDER] [--seed 1] [--keep] [--reads 10000] [--long-lines N]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string child;
    bench::RunConfig config;
    std::vector<double> sizes = {20};
    int runs = 3;
    std::vector<std::string> systems = builtSystems();
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "quillmar-bench";
    bool keep = false;
    int longLines = 0;  // > 0: that many 1 MB lines of minified HTML instead of the normal file

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) {
                std::cerr << "bench_engine: " << a << " needs a value\n";
                std::exit(usage());
            }
            return args[++i];
        };
        if (a == "--child")
            child = value();
        else if (a == "--file")
            config.file = value();
        else if (a == "--save")
            config.savePath = value();
        else if (a == "--seed")
            config.seed = std::stoull(value());
        else if (a == "--reads")
            config.reads = std::max(1, std::stoi(value()));
        else if (a == "--long-lines")
            longLines = std::max(1, std::stoi(value()));
        else if (a == "--mb") {
            sizes.clear();
            for (const std::string& s : splitList(value()))
                sizes.push_back(std::stod(s));
        } else if (a == "--runs")
            runs = std::max(1, std::stoi(value()));
        else if (a == "--systems")
            systems = splitList(value());
        else if (a == "--dir")
            dir = value();
        else if (a == "--keep")
            keep = true;
        else
            return usage();
    }
    if (!child.empty())
        return childMain(argc, argv, child, config);

    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::filesystem::create_directories(dir);
    std::vector<bench::SizeResult> results;
    for (double mb : sizes) {
        char name[96];
        std::snprintf(name, sizeof name, "bench-%gmb-seed%llu.html", mb, static_cast<unsigned long long>(config.seed));
        if (longLines > 0)
            std::snprintf(name, sizeof name, "bench-%dx1mb-seed%llu.html", longLines,
                          static_cast<unsigned long long>(config.seed));
        const std::string file = (dir / name).string();
        bench::HtmlFileStats stats =
            longLines > 0 ? bench::writeLongLineHtmlFile(file, longLines, 1000000, config.seed)
                          : bench::writeHtmlFile(file, static_cast<std::uint64_t>(mb * 1e6), config.seed);
        std::cerr << "generated " << file << ": " << stats.bytes << " bytes, " << stats.lines << " lines, "
                  << stats.longLines << " lines of 2000+ bytes (longest " << stats.maxLineLength << "), "
                  << stats.tabLines << " lines with tabs, " << stats.lowerTdCount << " <td>\n";

        bench::SizeResult result;
        result.megabytes = static_cast<double>(stats.bytes) / 1e6;
        result.lines = static_cast<long long>(stats.lines);
        for (const std::string& s : systems)
            result.systems.push_back({s, {}, {}});
        for (int run = 0; run < runs; ++run) {
            for (bench::SystemRuns& s : result.systems) {
                std::cerr << "  " << mb << " MB run " << run + 1 << "/" << runs << ": " << s.system << "..." << std::flush;
                bench::ChildResult r = bench::runChild(
                    self, {"--child", s.system, "--file", file, "--save", (dir / ("saved-" + s.system + ".html")).string(),
                           "--seed", std::to_string(config.seed), "--reads", std::to_string(config.reads)});
                bench::Figures figures = parseFigures(r.output);
                if (r.exitCode != 0 || !figures.count("save")) {
                    s.failure = "run " + std::to_string(run + 1) + " failed (exit " + std::to_string(r.exitCode) + ")";
                    std::cerr << " failed\n";
                    continue;
                }
                std::cerr << " load " << figures["load"] << " s\n";
                s.runs.push_back(std::move(figures));
            }
        }
        if (!keep)
            std::filesystem::remove(file);
        std::cout << "\n" << bench::formatReport(result, runs) << std::flush;
        results.push_back(std::move(result));
    }
    for (std::size_t i = 1; i < results.size(); ++i)
        std::cout << "\n" << bench::formatGrowth(results[0], results[i]);

    // Last line: the worst ratio of the store to the best peer, over every size.
    bench::Ratio worst;
    double worstSize = 0;
    for (const bench::SizeResult& r : results)
        for (const bench::Ratio& ratio : bench::ratiosToBestPeer(r))
            if (ratio.value > worst.value) {
                worst = ratio;
                worstSize = r.megabytes;
            }
    if (worst.operation.empty()) {
        std::cout << "\nworst ratio vs best peer: n/a (no store and peer figures)\n";
        return 1;
    }
    std::printf("\nworst ratio vs best peer: %.2f (%s%s)\n", worst.value, worst.operation.c_str(),
                results.size() > 1 ? (" at " + std::to_string(static_cast<int>(std::lround(worstSize))) + " MB").c_str() : "");
    return 0;
}
