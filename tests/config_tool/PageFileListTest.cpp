#include "PageFileList.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace {

using Lines = std::vector<std::string>;

TEST(PageFileList, LoadSortsDropsDuplicatesInAnyCaseAndBlankLines) {
    testsupport::ScratchDir dir;
    ASSERT_TRUE(testsupport::WriteFileBytes(
        dir / "list.txt",
        "C:\\b\\two.htm\r\nC:\\A\\one.htm\r\n\r\nc:\\a\\ONE.HTM\nC:\\b\\two.htm\r\n"));
    ui::SortedStringList list;
    list.Add("C:\\old\\page.htm");
    ASSERT_TRUE(korvan::LoadPageListFile(dir / "list.txt", list));
    EXPECT_EQ(list.Items(), (Lines{"C:\\A\\one.htm", "C:\\b\\two.htm"}));
}

TEST(PageFileList, UnreadableFileLeavesTheListAlone) {
    testsupport::ScratchDir dir;
    ui::SortedStringList list;
    list.Add("C:\\web\\a.htm");
    EXPECT_FALSE(korvan::LoadPageListFile(dir / "missing.txt", list));
    EXPECT_EQ(list.Items(), (Lines{"C:\\web\\a.htm"}));
}

TEST(PageFileList, RemoveNeedsTheExactPath) {
    ui::SortedStringList list;
    list.Add("C:\\web\\a.htm");
    list.Add("C:\\web\\b.htm");
    EXPECT_FALSE(korvan::RemovePagePath(list, "c:\\WEB\\a.htm"));
    EXPECT_TRUE(korvan::RemovePagePath(list, "C:\\web\\a.htm"));
    EXPECT_FALSE(korvan::RemovePagePath(list, "C:\\web\\a.htm"));
    EXPECT_EQ(list.Items(), (Lines{"C:\\web\\b.htm"}));
}

}  // namespace
