// Any bytes as a plug-in file: sorting and splitting of every command line.
#include <cstdio>
#include <cstdlib>

#include "PluginChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string failed = fuzzchecks::checkPluginBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!failed.empty()) {
        std::fprintf(stderr, "%s\n", failed.c_str());
        std::abort();
    }
    return 0;
}
