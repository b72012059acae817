// Which files an image packs, in which order, and the paths used to open and show them.
#include "PageListing.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "PageFixture.h"
#include "scratch_dir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using testsupport::ScratchDir;

std::vector<std::string> OpenPaths(const std::vector<voka::PageFile>& pages) {
    std::vector<std::string> paths;
    for (const voka::PageFile& page : pages) paths.push_back(page.OpenPath);
    return paths;
}

TEST(PageListing, SkipsFoldersAndHiddenFilesAndSortsByName) {
    ScratchDir scratch;
    vokatest::WritePages(scratch.Path(), {{"b.htm", "b"}, {"A.gif", "a"}, {"sub/inner.htm", "i"},
                                          {"c", ""}});
    vokatest::MakeHiddenPage(scratch.Path(), "secret.htm", "s");
#ifdef _WIN32
    ASSERT_TRUE(testsupport::WriteFileBytes(scratch / "system.htm", "s"));
    ASSERT_TRUE(SetFileAttributesA((scratch / "system.htm").c_str(), FILE_ATTRIBUTE_SYSTEM));
#endif
    std::vector<voka::PageFile> pages;

    ASSERT_TRUE(voka::ListPages(scratch.Path(), pages));

    EXPECT_EQ(OpenPaths(pages), (std::vector<std::string>{scratch / "A.gif", scratch / "b.htm",
                                                           scratch / "c"}));
#ifdef _WIN32
    SetFileAttributesA((scratch / "system.htm").c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
}

TEST(PageListing, OpensByTheRealNameAndShowsItUpperCased) {
    ScratchDir scratch;
    vokatest::WritePages(scratch.Path(), {{"Index.Html", "x"}});
    std::vector<voka::PageFile> pages;

    ASSERT_TRUE(voka::ListPages(scratch.Path(), pages));

    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].OpenPath, scratch / "Index.Html");
    EXPECT_EQ(pages[0].ShownPath, scratch / "INDEX.HTML");
    EXPECT_EQ(pages[0].ShownName, "INDEX.HTML");
    EXPECT_EQ(std::string(pages[0].Name.data(), 12), "INDEX.HTML  ");
}

TEST(PageListing, PatternListsMatchesFromItsFolder) {
    ScratchDir scratch;
    vokatest::WritePages(scratch.Path(), {{"a.htm", ""}, {"b.gif", ""}, {"C.HTM", ""}});
    std::vector<voka::PageFile> pages;

    ASSERT_TRUE(voka::ListPages(scratch / "*.htm", pages));

    EXPECT_EQ(OpenPaths(pages), (std::vector<std::string>{scratch / "C.HTM", scratch / "a.htm"}));
}

TEST(PageListing, PatternWithoutFolderListsTheCurrentFolder) {
    ScratchDir scratch;
    vokatest::WritePages(scratch.Path(), {{"a.htm", ""}, {"b.gif", ""}});
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch.Path());
    std::vector<voka::PageFile> pages;

    bool listed = voka::ListPages("*.gif", pages);
    std::filesystem::current_path(previous);

    ASSERT_TRUE(listed);
    const std::string here = std::string(".") + testsupport::Separator();
    EXPECT_EQ(OpenPaths(pages), (std::vector<std::string>{here + "b.gif"}));
}

TEST(PageListing, UnreadableFolderIsAFailureButAnEmptyOneIsNot) {
    ScratchDir scratch;
    std::vector<voka::PageFile> pages;
    EXPECT_TRUE(voka::ListPages(scratch.Path(), pages));
    EXPECT_TRUE(pages.empty());
    EXPECT_TRUE(voka::ListPages(scratch / "*.none", pages));
    EXPECT_FALSE(voka::ListPages(scratch / "missing", pages));
    ASSERT_TRUE(testsupport::WriteFileBytes(scratch / "plain.txt", "x"));
    EXPECT_FALSE(voka::ListPages(scratch / "plain.txt", pages));
}

}  // namespace
