// The IMG tag text, the error texts, and the header readers' refusal of
// damaged headers (every prefix of every corpus file, and the corpus itself).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ImageInfo.h"
#include "ImgTag.h"

namespace {

TEST(ImgTag, BuildsTheStartAndEndTexts) {
    struct Case {
        const char* what;
        ImgTagFields fields;
        const char* start;
    } cases[] = {
        {"both sizes, each followed by two blanks", {"a.gif", true, 400, 200, 1},
         "<IMG SRC=\"a.gif\" BORDER=1 WIDTH=400  HEIGHT=200  ALT=\""},
        {"sizes at 0 are left out", {"a.gif", true, 0, 0, 1}, "<IMG SRC=\"a.gif\" BORDER=1 ALT=\""},
        {"width alone", {"a.gif", true, 16, 0, 0}, "<IMG SRC=\"a.gif\" BORDER=0 WIDTH=16  ALT=\""},
        {"backslashes become slashes", {"C:\\web\\a.gif", true, 0, 0, 1}, "<IMG SRC=\"C:/web/a.gif\" BORDER=1 ALT=\""},
        {"or stay without the option", {"C:\\web\\a.gif", false, 0, 0, 50},
         "<IMG SRC=\"C:\\web\\a.gif\" BORDER=50 ALT=\""},
    };
    for (const Case& c : cases) {
        const auto [start, end] = imgTagPair(c.fields);
        EXPECT_EQ(start, c.start) << c.what;
        EXPECT_EQ(end, "\">") << c.what;
    }
}

TEST(ImageInfo, ErrorTextFollowsTheExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/p/a.BMP", "Reading bmp file failed"},   {"a.jpeg", "Reading jpg file failed"},
        {"a.jpg", "Reading jpg file failed"},      {"a.tiff", "Reading tif file failed"},
        {"a.pcx", "Reading pcx file failed"},      {"a.png", "Reading png file failed"},
        {"a.gif", "Reading gif file failed"},      {"a.webp", "Reading webp file failed"},
        {"a.txt", "Non TIF, JPeg, BMP, GIF, PNG or PCX Image"},
        {"dir.png/noext", "Non TIF, JPeg, BMP, GIF, PNG or PCX Image"},
    };
    for (const auto& [name, text] : cases) EXPECT_EQ(imageErrorText(name), text) << name;
}

std::string readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Each corpus file is named after its format and holds a valid header; its
// first line of facts is checked by the browser test on files made by Qt.
TEST(ImageInfo, CorpusHeadersAreReadAndEveryShortenedCopyIsRefusedOrRead) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QM_IMAGE_CORPUS)) {
        const std::string bytes = readAll(entry.path());
        ++files;
        const auto whole = readImageInfo(bytes);
        ASSERT_TRUE(whole) << entry.path();
        EXPECT_EQ(whole->sizeBytes, bytes.size());
        EXPECT_GT(whole->width, 0) << entry.path();
        EXPECT_GT(whole->height, 0) << entry.path();
        // A shortened file either still holds the header, with the same
        // facts, or is refused; it never reads past its end (ASan builds).
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            const auto part = readImageInfo(std::string_view(bytes).substr(0, n));
            if (part && part->fileType == whole->fileType) {
                EXPECT_EQ(part->width, whole->width) << entry.path() << " cut at " << n;
            }
        }
    }
    EXPECT_GE(files, 7);
}

}  // namespace
