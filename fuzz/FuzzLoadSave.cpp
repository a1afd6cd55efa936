// Any bytes loaded and saved come back as the same paragraphs: load, check
// the store, save, load the saved file again and compare. The first input
// byte picks the settings (wrap column, tab size, trimming, length limit).

#include "TParagraphStore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace qm;

namespace {

std::string tempName(const char* tag) {
    static const std::string base =
        (std::filesystem::temp_directory_path() / ("qm-fuzz-" + std::to_string(::getpid()))).string();
    return base + tag;
}

void write(const std::string& name, const std::uint8_t* data, std::size_t size) {
    FILE* f = std::fopen(name.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t cfg = data[0];
    const std::string in = tempName(".in"), out = tempName(".out");
    write(in, data + 1, size - 1);

    TParagraphStore a;
    a.setWordWrap(cfg & 1);
    a.setWrapColumn(1 + (cfg >> 1 & 15));
    a.setTabSize(1 + (cfg >> 5 & 3));
    a.setTrimWhiteSpace(cfg & 0x80);
    if (cfg & 0x40) a.setParaLengthLimit(7);
    if (!a.LoadFromFile(in).ok) std::abort();
    a.check();
    if (!a.SaveToFile(out).ok) std::abort();

    TParagraphStore b;
    b.setTrimWhiteSpace(false);  // what was written must come back as it is
    b.setParaLengthLimit(a.ParaLengthLimit());
    if (!b.LoadFromFile(out).ok) std::abort();
    b.check();
    // Paragraph text may hold a lone CR (a line end when read back), so
    // compare the saved text, not the paragraph lists.
    std::string ta = a.text(), tb = b.text();
    for (std::string* t : {&ta, &tb}) {
        std::string norm;
        for (std::size_t i = 0; i < t->size(); ++i) {
            if ((*t)[i] == '\r' && i + 1 < t->size() && (*t)[i + 1] == '\n') continue;
            if ((*t)[i] == '\r') norm += '\n';
            else norm += (*t)[i];
        }
        *t = norm;
    }
    if (ta != tb) std::abort();
    std::remove(in.c_str());
    std::remove(out.c_str());
    return 0;
}
