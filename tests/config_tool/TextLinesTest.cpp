#include "TextLines.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace {

using Lines = std::vector<std::string>;

struct ReadCase {
    std::string bytes;
    Lines lines;
};

TEST(TextLines, ReadsEveryLineEnd) {
    testsupport::ScratchDir dir;
    const ReadCase cases[] = {
        {"ba3012\r\n\r\nbb15\r\n", {"ba3012", "", "bb15"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"", {}},
        {"\r\n", {""}},
        {"only", {"only"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(testsupport::WriteFileBytes(dir / "f.txt", c.bytes));
        auto lines = korvan::ReadTextLines(dir / "f.txt");
        ASSERT_TRUE(lines.has_value());
        EXPECT_EQ(*lines, c.lines) << c.bytes;
    }
}

TEST(TextLines, WritesCrLfAndReportsMissingFiles) {
    testsupport::ScratchDir dir;
    ASSERT_TRUE(korvan::WriteTextLines(dir / "mac.txt", {"0A", "FF"}));
    EXPECT_EQ(testsupport::ReadFileBytes(dir / "mac.txt"), "0A\r\nFF\r\n");
    EXPECT_TRUE(korvan::FileExists(dir / "mac.txt"));
    EXPECT_FALSE(korvan::FileExists(dir / "none.txt"));
    EXPECT_FALSE(korvan::ReadTextLines(dir / "none.txt").has_value());
    EXPECT_FALSE(korvan::WriteTextLines(dir / "no-such-folder" + "/x.txt", {"a"}));
}

}  // namespace
