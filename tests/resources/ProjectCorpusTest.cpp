// The project reader's fuzz corpus, replayed on every run: each input stops
// cleanly or reads back unchanged once written.

#include <gtest/gtest.h>

#include <filesystem>

#include "../../fuzz/ProjectReaderCheck.h"
#include "TestSupport.h"

TEST(ProjectCorpus, EveryInputReadsSoundly) {
    const std::filesystem::path corpus = qmtest::sourceDir() / "fuzz" / "corpus" / "qpr";
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        EXPECT_EQ(projectcheck::readerFault(qmtest::readFile(entry.path())), "") << entry.path().filename();
        ++replayed;
    }
    EXPECT_GE(replayed, 5) << "the corpus is missing";
}
