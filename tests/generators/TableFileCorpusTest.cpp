// The table file fuzz corpus replayed: every input is read from its file and
// from memory that ends at an inaccessible page, so a read past the input
// crashes the test instead of passing unseen.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

#include "TableGrid.h"
#include "TestSupport.h"

namespace {

// bytes copied so that they end exactly where a PROT_NONE page begins.
class GuardedBytes {
public:
    explicit GuardedBytes(const std::string& bytes) {
        const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        const std::size_t dataPages = (bytes.size() + page - 1) / page + 1;
        length_ = (dataPages + 1) * page;
        void* p = ::mmap(nullptr, length_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) return;
        base_ = static_cast<char*>(p);
        char* guard = base_ + dataPages * page;
        if (::mprotect(guard, page, PROT_NONE) != 0) return;
        data_ = guard - bytes.size();
        std::memcpy(data_, bytes.data(), bytes.size());
        size_ = bytes.size();
    }
    ~GuardedBytes() {
        if (base_) ::munmap(base_, length_);
    }
    GuardedBytes(const GuardedBytes&) = delete;  // owns the mapping
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    bool ok() const { return data_ != nullptr; }
    std::string_view view() const { return {data_, size_}; }

private:
    char* base_ = nullptr;
    char* data_ = nullptr;
    std::size_t length_ = 0, size_ = 0;
};

}  // namespace

TEST(TableFileCorpus, EveryInputReadsSafely) {
    const std::filesystem::path corpus = qmtest::sourceDir() / "fuzz" / "corpus" / "qtb";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = qmtest::readFile(entry.path());
        GuardedBytes guarded(bytes);
        ASSERT_TRUE(guarded.ok());
        tHTMLStringGrid fromMemory, fromFile;
        fromMemory.AutoSave = fromFile.AutoSave = false;
        const TableFileResult a = fromMemory.LoadFromText(guarded.view());
        const TableFileResult b = fromFile.LoadFromFile(entry.path().string());
        // The file reader reads exactly these bytes and nothing else.
        EXPECT_EQ(a.ok, b.ok);
        EXPECT_EQ(fromMemory.FileText(), fromFile.FileText());
        EXPECT_GE(fromMemory.RowCount(), 1);
        EXPECT_LE(fromMemory.RowCount(), tHTMLStringGrid::kMaxRows);
        EXPECT_GE(fromMemory.ColCount(), 1);
        EXPECT_LE(fromMemory.ColCount(), tHTMLStringGrid::kMaxCols);
        ++inputs;
    }
    EXPECT_GE(inputs, 8);
}
