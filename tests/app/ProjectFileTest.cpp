// The project file format: writing, nesting on reading, and its load errors.

#include <gtest/gtest.h>

#include "ProjectFile.h"
#include "TestSupport.h"

using project::Item;

TEST(ProjectFile, WritesTitleThenItemsIndentedByDepthAndReadsThemBack) {
    qmtest::TempDir dir;
    const std::vector<Item> items{{"a.htm", {{"b.htm", {{"c.htm", {}}}}}}, {"d.htm", {}}};
    ASSERT_TRUE(project::write(dir.file("p.qpr"), "Site", items).ok);
    EXPECT_EQ(qmtest::readFile(dir.file("p.qpr")), "Site\r\na.htm\r\n\tb.htm\r\n\t\tc.htm\r\nd.htm\r\n");

    const project::ReadResult r = project::read(dir.file("p.qpr"));
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.title, "Site");
    ASSERT_EQ(r.items.size(), 2u);
    EXPECT_EQ(r.items[0].children.at(0).children.at(0).text, "c.htm");
    EXPECT_EQ(r.items[1].text, "d.htm");
}

TEST(ProjectFile, ReadingCountsSpacesAsLevelsAndStopsAtErrors) {
    const project::ReadResult spaces = project::parse("T\r\na\r\n b\r\n");
    EXPECT_EQ(spaces.items.at(0).children.at(0).text, "b");

    const project::ReadResult jump = project::parse("T\r\na\r\n\t\tdeep\r\nlater\r\n");
    EXPECT_EQ(jump.error, "File load error");
    EXPECT_EQ(jump.items.size(), 1u) << "what was read before the error stays";

    const project::ReadResult longLine = project::parse("T\r\n" + std::string(5000, 'x') + "\r\n");
    EXPECT_EQ(longLine.error, "Line too long");

    const project::ReadResult eof = project::parse("T\r\na\r\n\x1a" "b\r\n");
    EXPECT_EQ(eof.items.size(), 1u);

    EXPECT_FALSE(project::read("/nonexistent/folder/p.qpr").error.empty());
}

TEST(ProjectFile, AFailedWriteNamesTheFileAndKeepsTheOldOne) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("plain"), "x");
    const project::WriteResult r = project::write(dir.file("plain") / "p.qpr", "T", {});
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("p.qpr"), std::string::npos);
}
