#include "PageFileList.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace {

using korvan::SortedTextList;
using Lines = std::vector<std::string>;

struct SplitCase {
    const char* path;
    const char* name;
    const char* folder;
};

TEST(PageFileList, SplitsIntoNameAndFolderWithItsSeparator) {
    const SplitCase cases[] = {
        {"C:\\Pages\\index.htm", "index.htm", "C:\\Pages\\"},
        {"C:\\index.htm", "index.htm", "C:\\"},
        {"C:index.htm", "index.htm", "C:"},
        {"Z:\\tmp\\pages/form.cgi", "form.cgi", "Z:\\tmp\\pages/"},
        {"index.htm", "index.htm", ""},
        {"C:\\Pages\\", "", "C:\\Pages\\"},
    };
    for (const auto& c : cases) {
        auto parts = korvan::SplitPagePath(c.path);
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.folder + parts.name, c.path);
    }
}

TEST(PageFileList, LoadSortsDropsDuplicatesInAnyCaseAndBlankLines) {
    testsupport::ScratchDir dir;
    ASSERT_TRUE(testsupport::WriteFileBytes(
        dir / "list.txt",
        "C:\\b\\two.htm\r\nC:\\A\\one.htm\r\n\r\nc:\\a\\ONE.HTM\nC:\\b\\two.htm\r\n"));
    SortedTextList list;
    ASSERT_TRUE(korvan::LoadPageListFile(dir / "list.txt", list));
    EXPECT_EQ(list.Lines(), (Lines{"C:\\A\\one.htm", "C:\\b\\two.htm"}));
}

TEST(PageFileList, SaveWritesOnePathPerLineAndLoadsBack) {
    testsupport::ScratchDir dir;
    SortedTextList list;
    list.Add("D:\\web\\z.htm");
    list.Add("C:\\web\\a.cgi");
    ASSERT_TRUE(korvan::SavePageListFile(dir / "list.txt", list));
    EXPECT_EQ(testsupport::ReadFileBytes(dir / "list.txt"),
              "C:\\web\\a.cgi\r\nD:\\web\\z.htm\r\n");
    SortedTextList loaded;
    ASSERT_TRUE(korvan::LoadPageListFile(dir / "list.txt", loaded));
    EXPECT_EQ(loaded.Lines(), list.Lines());
}

TEST(PageFileList, UnreadableFileLeavesTheListAlone) {
    testsupport::ScratchDir dir;
    SortedTextList list;
    list.Add("C:\\web\\a.htm");
    EXPECT_FALSE(korvan::LoadPageListFile(dir / "missing.txt", list));
    EXPECT_EQ(list.Lines(), (Lines{"C:\\web\\a.htm"}));
}

TEST(PageFileList, RemoveNeedsTheExactPath) {
    SortedTextList list;
    list.Add("C:\\web\\a.htm");
    list.Add("C:\\web\\b.htm");
    EXPECT_FALSE(list.RemoveExact("c:\\WEB\\a.htm"));
    EXPECT_TRUE(list.RemoveExact("C:\\web\\a.htm"));
    EXPECT_FALSE(list.RemoveExact("C:\\web\\a.htm"));
    EXPECT_EQ(list.Lines(), (Lines{"C:\\web\\b.htm"}));
}

}  // namespace
