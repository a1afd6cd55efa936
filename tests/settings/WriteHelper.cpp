// Writes one settings value, so a test can run the write as another user or
// under an injected fault. Prints "ok" or the error's text; exit code 0 or 1.
// usage: settings_write_helper <file> <section> <key> <value>

#include <cstdio>
#include <exception>

#include "IniFile.h"

namespace {

// Flushed at once: a sanitizer that stops the process at exit (it cannot
// work under a tracer) must not swallow the answer.
void say(const char* text) {
    std::puts(text);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: settings_write_helper <file> <section> <key> <value>\n", stderr);
        return 2;
    }
    try {
        IniFile(argv[1]).WriteString(argv[2], argv[3], argv[4]);
        say("ok");
        return 0;
    } catch (const std::exception& e) {
        say(e.what());
        return 1;
    }
}
