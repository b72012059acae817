// Unpacking a received page image back into its pages.
#include <gtest/gtest.h>

#include "PageImage.h"
#include "TransferFixtures.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) bytes.push_back(static_cast<char>(value));
    return bytes;
}

TEST(PageImage, UnpacksAnImageWrittenByHand) {
    // index.htm holding A, CR, LF, B packed with reserve 32: its data starts at 30 + 32 = 62.
    std::string image = Bytes({0x00, 0x3E, 0x00}) + "INDEX.HTM   " + Bytes({0x04, 0xFF, 0xFF}) +
                        "END OF FAT  " + Bytes({'A', 'B', 0x04, 0xFF, 0xFF});
    ASSERT_EQ(image.size(), 35u);
    sim::UnpackedImage unpacked = sim::UnpackImage(image + std::string(93, '\xFF'));
    EXPECT_TRUE(unpacked.problems.empty());
    EXPECT_EQ(unpacked.reserve, 32);
    ASSERT_EQ(unpacked.files.size(), 1u);
    EXPECT_EQ(unpacked.files[0].name, "INDEX.HTM");
    EXPECT_EQ(unpacked.files[0].data, "AB");
}

TEST(PageImage, RemovesEscapesAndStopsAtEachEndMarker) {
    const std::string binary = Bytes({0x03, 0x04, 0x05, 0x00, 0xFF, 0x03, 0x03});
    for (unsigned reserve : {0u, 32u, 1000u}) {
        std::string image = fixtures::PackPages(
            {{"logo.gif", "A\r\nB"}, {"data.bin", binary}, {"empty.txt", ""}}, reserve);
        sim::UnpackedImage unpacked = sim::UnpackImage(image);
        EXPECT_TRUE(unpacked.problems.empty()) << reserve;
        EXPECT_EQ(unpacked.reserve, static_cast<int>(reserve));
        ASSERT_EQ(unpacked.files.size(), 3u) << reserve;
        EXPECT_EQ(unpacked.files[0].name, "LOGO.GIF");
        EXPECT_EQ(unpacked.files[0].data, "A\r\nB");
        EXPECT_EQ(unpacked.files[1].data, binary);
        EXPECT_EQ(unpacked.files[2].name, "EMPTY.TXT");
        EXPECT_EQ(unpacked.files[2].data, "");
    }
}

TEST(PageImage, AnEmptyTableHoldsNoFiles) {
    sim::UnpackedImage unpacked = sim::UnpackImage(Bytes({0x04, 0xFF, 0xFF}) + "END OF FAT  ");
    EXPECT_TRUE(unpacked.files.empty());
    EXPECT_TRUE(unpacked.problems.empty());
}

TEST(PageImage, ReportsDamagedImagesWithoutReadingOutsideThem) {
    const std::string good = fixtures::PackPages({{"a.htm", "alpha"}, {"b.gif", "beta"}}, 32);
    std::string badAddress = good;
    badAddress[16] = '\x7F';  // second entry's address far beyond the end
    struct Case {
        const char* name;
        std::string image;
        size_t files;
        size_t problems;
    } cases[] = {
        {"empty", "", 0, 1},
        {"table cut short", good.substr(0, 20), 0, 1},
        {"no end entry", std::string(45, 'x'), 0, 1},
        {"address outside", badAddress, 1, 1},
        {"data cut short", good.substr(0, good.size() - 5), 1, 1},
        {"escape at the very end", good.substr(0, 45) + Bytes({'a', 0x03}), 0, 2},
    };
    for (const Case& c : cases) {
        sim::UnpackedImage unpacked = sim::UnpackImage(c.image);
        EXPECT_EQ(unpacked.files.size(), c.files) << c.name;
        EXPECT_EQ(unpacked.problems.size(), c.problems) << c.name;
    }
}

TEST(PageImage, TellsSafeFileNamesFromUnsafeOnes) {
    for (const char* safe : {"INDEX.HTM", "A", "..X", "AB\\CD"}) {
        EXPECT_TRUE(sim::IsSafeFileName(safe)) << safe;
    }
    for (const std::string& unsafe :
         std::vector<std::string>{"", ".", "..", "../ETC", "A/B", std::string("A\0B", 3)}) {
        EXPECT_FALSE(sim::IsSafeFileName(unsafe)) << unsafe;
    }
}

}  // namespace
