// The files that show what the module holds.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "StateFiles.h"
#include "TransferFixtures.h"
#include "scratch_dir.h"

namespace {

using testsupport::ReadFileBytes;

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

TEST(StateFiles, StateFileHoldsOneLinePerSettingAndIsReplacedWhole) {
    testsupport::ScratchDir dir;
    std::string error;
    ASSERT_TRUE(sim::WriteStateFile(dir / "state.txt", {"BA1", "NI1.2.3.4"}, error)) << error;
    ASSERT_TRUE(sim::WriteStateFile(dir / "state.txt", {"BA2"}, error)) << error;
    EXPECT_EQ(ReadFileBytes(dir / "state.txt"), "BA2\n");
    EXPECT_FALSE(Exists(dir / "state.txt.new"));
}

TEST(StateFiles, StateFileInAMissingFolderIsAnError) {
    testsupport::ScratchDir dir;
    std::string error;
    EXPECT_FALSE(sim::WriteStateFile(dir / "missing/state.txt", {"BA1"}, error));
    EXPECT_NE(error.find("missing/state.txt"), std::string::npos) << error;
}

TEST(StateFiles, UnpackShowsOnlyTheLatestImage) {
    testsupport::ScratchDir dir;
    const std::string out = dir / "pages";
    std::vector<std::string> written;
    std::vector<std::string> problems;
    std::string first = fixtures::PackPages({{"index.htm", "<p>\r\nhi</p>"}, {"a.gif", "GIF"}}, 32);
    sim::UnpackToFolder(out, first, written, problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(ReadFileBytes(out + "/INDEX.HTM"), "<p>hi</p>");
    EXPECT_EQ(ReadFileBytes(out + "/A.GIF"), "GIF");
    EXPECT_EQ(ReadFileBytes(out + "/image.bin"), first);

    std::string second = fixtures::PackPages({{"b.gif", "B"}}, 32);
    sim::UnpackToFolder(out, second, written, problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_FALSE(Exists(out + "/INDEX.HTM"));
    EXPECT_FALSE(Exists(out + "/A.GIF"));
    EXPECT_EQ(ReadFileBytes(out + "/B.GIF"), "B");
    EXPECT_EQ(ReadFileBytes(out + "/image.bin"), second);
}

TEST(StateFiles, UnpackNeverWritesOutsideItsFolder) {
    testsupport::ScratchDir dir;
    const std::string out = dir / "pages";
    std::vector<std::string> written;
    std::vector<std::string> problems;
    std::string image = fixtures::PackPages({{"../x.htm", "up"}, {"..", "dots"}, {"ok.htm", "k"}}, 0);
    sim::UnpackToFolder(out, image, written, problems);
    EXPECT_EQ(problems.size(), 2u);
    EXPECT_FALSE(Exists(dir / "X.HTM"));
    EXPECT_EQ(ReadFileBytes(out + "/OK.HTM"), "k");
}

}  // namespace
