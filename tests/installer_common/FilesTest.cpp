#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <set>
#include <sstream>

#include "Files.h"
#include "scratch_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::ScratchDir;
using testsupport::WriteFileBytes;

// Names of the plain files in a folder, as the file system reports them.
std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

class FilesTest : public ::testing::Test {
protected:
    ScratchDir dir;
    std::string src = dir / "src";

    void SetUp() override {
        CreateDirectoryA(src.c_str(), nullptr);
        WriteFileBytes(src + "\\a.txt", "A");
        WriteFileBytes(src + "\\b.txt", "B");
        WriteFileBytes(src + "\\c.log", "C");
    }
    void TearDown() override { SetSearchDrivesForTest(nullptr); }
};

TEST_F(FilesTest, CopyFilesByMask) {
    const std::string t = dir / "t";
    CreateDirectoryA(t.c_str(), nullptr);
    const struct {
        std::string mask, target;
        bool create;
        int count;
        std::string folder;
        std::set<std::string> files;
    } cases[] = {
        {src + "\\*.txt", t, false, 2, t, {"a.txt", "b.txt"}},
        {src + "\\*.txt", t + "\\*.bak", false, 2, t, {"a.txt", "b.txt", "a.bak", "b.bak"}},
        {src + "\\*.*", dir / "new\\deep\\new.*", true, 3, dir / "new\\deep",
         {"new.txt", "new.log"}},
        {src + "\\*.txt", dir / "missing\\*.*", false, 0, dir / "missing", {}},
        {src + "\\a.txt", dir / "one.txt", false, 1, dir.Path(), {"one.txt"}},
        {src + "\\none.txt", dir / "two.txt", false, 0, dir.Path(), {"one.txt"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CopyFiles(c.mask, c.target, c.create), c.count) << c.mask << " -> " << c.target;
        EXPECT_EQ(FilesIn(c.folder), c.files) << c.mask << " -> " << c.target;
    }
    EXPECT_EQ(ReadFileBytes(t + "\\a.bak"), "A");
    // Existing files are replaced.
    WriteFileBytes(src + "\\a.txt", "A2");
    EXPECT_EQ(CopyFiles(src + "\\a.txt", t + "\\a.txt", false), 1);
    EXPECT_EQ(ReadFileBytes(t + "\\a.txt"), "A2");
}

TEST_F(FilesTest, RenameFilesStaysInTheSourceFolder) {
    WriteFileBytes(src + "\\d.log", "D");
    EXPECT_EQ(RenameFiles(src + "\\*.log", dir / "x\\*.old"), 2);
    EXPECT_EQ(FilesIn(src), (std::set<std::string>{"a.txt", "b.txt", "c.old", "d.old"}));
    EXPECT_EQ(RenameFiles(src + "\\a.txt", dir / "moved.txt"), 1);
    EXPECT_EQ(ReadFileBytes(dir / "moved.txt"), "A");
    EXPECT_EQ(RenameFiles(src + "\\a.txt", dir / "again.txt"), 0);
}

TEST_F(FilesTest, DeleteFilesAndTreesWithReadOnlyFiles) {
    const std::string tree = dir / "tree";
    CreateDirectoryA(tree.c_str(), nullptr);
    CreateDirectoryA((tree + "\\sub").c_str(), nullptr);
    WriteFileBytes(tree + "\\sub\\ro.txt", "R");
    SetFileAttributesA((tree + "\\sub\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);

    DeleteTree(tree, false);
    EXPECT_TRUE(FileExists(tree + "\\sub\\ro.txt"));
    DeleteTree(tree, true);
    EXPECT_FALSE(DirectoryExists(tree));

    SetFileAttributesA((src + "\\a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    DeleteFiles(src + "\\*.txt", false);
    EXPECT_EQ(FilesIn(src), (std::set<std::string>{"a.txt", "c.log"}));
    DeleteFiles(src + "\\*.txt", true);
    EXPECT_EQ(FilesIn(src), (std::set<std::string>{"c.log"}));
    DeleteTree("", true);  // nothing to delete, and no crash
}

TEST_F(FilesTest, CopyTree) {
    CreateDirectoryA((src + "\\sub").c_str(), nullptr);
    WriteFileBytes(src + "\\sub\\deep.txt", "deep");
    const std::string copy = dir / "copy\\of\\src";
    CopyTree(src, copy);
    EXPECT_EQ(FilesIn(copy), (std::set<std::string>{"a.txt", "b.txt", "c.log"}));
    EXPECT_EQ(ReadFileBytes(copy + "\\sub\\deep.txt"), "deep");

    // Onto itself (another case) and into itself: nothing happens.
    std::string upper = src;
    for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    CopyTree(src, upper);
    CopyTree(src, src + "\\sub\\inner");
    EXPECT_FALSE(DirectoryExists(src + "\\sub\\inner"));
    EXPECT_EQ(FilesIn(src + "\\sub"), (std::set<std::string>{"deep.txt"}));
    CopyTree(dir / "nothing", dir / "target");
    EXPECT_FALSE(DirectoryExists(dir / "target"));
}

TEST_F(FilesTest, RenameDirWritesItsTraceLine) {
    std::ostringstream trace;
    std::streambuf* previous = std::cout.rdbuf(trace.rdbuf());
    CreateDirectoryA((dir / "other").c_str(), nullptr);
    const bool renamed = RenameDir(src, "renamed");
    const bool moved = RenameDir(dir / "renamed", dir / "other\\moved");
    const bool missing = RenameDir(dir / "nothing", "x");
    const bool noParent = RenameDir(dir / "moved", dir / "no\\such\\x");
    std::cout.rdbuf(previous);

    EXPECT_TRUE(renamed);
    EXPECT_TRUE(moved);
    EXPECT_FALSE(missing);
    EXPECT_FALSE(noParent);
    EXPECT_TRUE(FileExists(dir / "other\\moved\\a.txt"));
    EXPECT_EQ(trace.str(), ">" + src + "<    >" + dir / "renamed" + "<\n>" + dir / "renamed" +
                               "<    >" + dir / "other\\moved" + "<\n");
}

TEST_F(FilesTest, AppendToFile) {
    const std::string file = dir / "log.txt";
    EXPECT_TRUE(AppendToFile(file, "one\r\n", 0));
    EXPECT_TRUE(AppendToFile(file, "two\r\n", 0));
    EXPECT_EQ(ReadFileBytes(file), "one\r\ntwo\r\n");

    const std::uint64_t stamp = 126000000000000000ull;  // in 2000
    EXPECT_TRUE(AppendToFile(file, "three", stamp));
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ((static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                  data.ftLastWriteTime.dwLowDateTime,
              stamp);

    EXPECT_TRUE(AppendToFile(file, "four", 0));  // 0 leaves the write's own stamp
    ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
    EXPECT_GT((static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                  data.ftLastWriteTime.dwLowDateTime,
              stamp);
    EXPECT_FALSE(AppendToFile(dir / "no\\such\\folder.txt", "x", 0));
}

TEST_F(FilesTest, DiskFreeBytes) {
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_GT(DiskFreeBytes(dir.Path()), 0);
    // The empty path is the current drive.
    EXPECT_GT(DiskFreeBytes(""), 0);
    EXPECT_NEAR(DiskFreeBytes(""), DiskFreeBytes(current), 64.0 * 1024 * 1024);
    if (GetDriveTypeA("Q:\\") == DRIVE_NO_ROOT_DIR) {
        EXPECT_EQ(DiskFreeBytes("q:\\nothing"), -1);
    }
}

class SearchTest : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        for (const char* folder : {"fixed", "fixed\\Program Files", "fixed\\Program Files\\App",
                                   "fixed\\MyApp", "fixed\\MyApp\\lib", "net", "net\\share"}) {
            CreateDirectoryA((dir / folder).c_str(), nullptr);
        }
        WriteFileBytes(dir / "fixed\\MyApp\\lib\\tool.dll", "T");
        WriteFileBytes(dir / "net\\share\\remote.dll", "R");
        const std::vector<SearchDrive> drives = {{dir / "fixed", DRIVE_FIXED},
                                                 {dir / "net", DRIVE_REMOTE}};
        SetSearchDrivesForTest(&drives);
    }
};

TEST_F(SearchTest, FindBelow) {
    EXPECT_EQ(FindFileBelow(dir / "fixed", "tool.dll"), dir / "fixed\\MyApp\\lib\\tool.dll");
    EXPECT_EQ(FindFileBelow(dir / "fixed\\", "tool.dll"), dir / "fixed\\MyApp\\lib\\tool.dll");
    EXPECT_EQ(FindFileBelow(dir / "fixed", "lib"), "");  // a directory is no file
    EXPECT_EQ(FindDirBelow(dir / "fixed", "\\App"), dir / "fixed\\Program Files\\App");
    const std::string either = FindDirBelow(dir / "fixed", "app");
    EXPECT_TRUE(either == dir / "fixed\\Program Files\\App" || either == dir / "fixed\\MyApp")
        << either;
    EXPECT_EQ(FindDirBelow(dir / "fixed", "\\Nothing"), "");
    EXPECT_EQ(FindDirBelow(dir / "fixed", ""), "");
    EXPECT_EQ(FindFileBelow(dir / "fixed", ""), "");
}

TEST_F(SearchTest, DrivesOfTheRequestedTypeOnly) {
    EXPECT_EQ(FindFileOnDrives("remote.dll", DRIVE_FIXED), "");
    EXPECT_EQ(FindFileOnDrives("remote.dll", DRIVE_REMOTE), dir / "net\\share\\remote.dll");
    EXPECT_EQ(FindFileOnDrives("tool.dll", DRIVE_FIXED), dir / "fixed\\MyApp\\lib\\tool.dll");
    EXPECT_EQ(FindDirOnDrives("\\share", DRIVE_REMOTE), dir / "net\\share");
    EXPECT_EQ(FindDirOnDrives("\\share", DRIVE_FIXED), "");
}

TEST_F(SearchTest, ASearchCanBeStopped) {
    int visited = 0;
    const SearchProgress stopAfterOne = [&](const std::string&) { return ++visited <= 1; };
    EXPECT_EQ(FindFileOnDrives("remote.dll", DRIVE_REMOTE, stopAfterOne), "");
    EXPECT_EQ(visited, 2);
    const SearchProgress stopAfterTwo = [&](const std::string&) { return ++visited <= 2; };
    visited = 0;
    EXPECT_EQ(FindDirBelow(dir / "fixed", "\\lib", stopAfterTwo), "");
    EXPECT_EQ(visited, 3);
}

TEST(SearchDrivesTest, RealDrivesAreCToZ) {
    SetSearchDrivesForTest(nullptr);
    const std::vector<SearchDrive> drives = SearchDrives();
    ASSERT_EQ(drives.size(), 24u);
    EXPECT_EQ(drives.front().first, "C:\\");
    EXPECT_EQ(drives.back().first, "Z:\\");
    EXPECT_EQ(drives.front().second, GetDriveTypeA("C:\\"));
}

}  // namespace
