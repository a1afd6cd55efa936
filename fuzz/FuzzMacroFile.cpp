// Any bytes as a macro file, and as a document scanned with its own entries.
#include <cstdio>
#include <cstdlib>

#include "MacroChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string failed = fuzzchecks::checkMacroBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!failed.empty()) {
        std::fprintf(stderr, "%s\n", failed.c_str());
        std::abort();
    }
    return 0;
}
