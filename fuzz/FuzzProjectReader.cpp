// Any bytes read as a project file: the reader stops cleanly at its errors,
// and what it reads whole is written and read back unchanged.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ProjectReaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault =
        projectcheck::readerFault(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
