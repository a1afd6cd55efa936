// Built when QScintilla for Qt 6 is not installed: Scintilla is left out.
#include "BenchSubject.h"

namespace bench {
std::unique_ptr<BenchSubject> makeScintillaSubject() { return nullptr; }
}  // namespace bench
