// The binary image byte for byte, and what the writer prints while building it.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ImageWriter.h"
#include "PageFixture.h"
#include "scratch_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::ScratchDir;
using vokatest::BlockEnd;
using vokatest::EndEntry;
using vokatest::Entry;
using vokatest::Page;

const char kNoDate[] = "Thu Jan  1 00:00:00 1970\n";

voka::Options BinaryOptions(const std::string& inputDir, const std::string& outputFile,
                            int reserve) {
    voka::Options options;
    options.InputDir = inputDir;
    options.OutputFile = outputFile;
    options.ReserveSize = static_cast<std::int16_t>(reserve);
    options.Format = voka::OutputFormat::Binary;
    options.UsageRequested = false;
    return options;
}

struct ImageCase {
    const char* title;
    std::vector<Page> pages;
    int reserve;
    std::string image;
};

class BinaryImageTest : public ::testing::TestWithParam<ImageCase> {};

TEST_P(BinaryImageTest, WritesTheImage) {
    const ImageCase& c = GetParam();
    ScratchDir scratch;
    std::string pages = scratch / "pages";
    std::filesystem::create_directories(pages);
    vokatest::WritePages(pages, c.pages);
    std::ostringstream console;

    voka::WriteResult result =
        voka::WriteImage(BinaryOptions(pages, scratch / "out.bin", c.reserve), kNoDate, console);

    EXPECT_EQ(result, voka::WriteResult::Written) << console.str();
    EXPECT_EQ(ReadFileBytes(scratch / "out.bin"), c.image);
}

const std::string kABCrLf = "A\r\nB";
const std::string k65500(65500, 'a');

const ImageCase kImages[] = {
    {"EmptyFolder", {}, 32, EndEntry()},
    {"TextPageLosesLineBreaks", {{"index.htm", kABCrLf}}, 32,
     Entry(62, "INDEX.HTM   ") + EndEntry() + "AB" + BlockEnd()},
    {"OtherPageKeepsLineBreaks", {{"logo.gif", kABCrLf}}, 32,
     Entry(62, "LOGO.GIF    ") + EndEntry() + kABCrLf + BlockEnd()},
    {"EscapesThreeAndFour", {{"data.bin", "\x03\x04\x05"}}, 32,
     Entry(62, "DATA.BIN    ") + EndEntry() + "\x03\x03\x03\x04\x05" + BlockEnd()},
    {"EscapesInTextPage", {{"a.cgi", "\x04\r\n\x03"}}, 32,
     Entry(62, "A.CGI       ") + EndEntry() + "\x03\x04\x03\x03" + BlockEnd()},
    {"EmptyPage", {{"empty.txt", ""}}, 32, Entry(62, "EMPTY.TXT   ") + EndEntry() + BlockEnd()},
    // Sorted: averylongfilename.htm, htmlhelp.png, mycgi.gif; FAT 60 bytes, reserve 0.
    {"TextRuleReadsTheStoredName",
     {{"mycgi.gif", "z\r\n"}, {"htmlhelp.png", "y\r\n"}, {"averylongfilename.htm", "x\r\n"}},
     0,
     Entry(60, "AVERYLONGFIL") + Entry(66, "HTMLHELP.PNG") + Entry(70, "MYCGI.GIF   ") +
         EndEntry() + "x\r\n" + BlockEnd() + "y" + BlockEnd() + "z" + BlockEnd()},
    {"SameTwelveCharactersTwice",
     {{"averylongname1.gif", "1"}, {"averylongname2.gif", "2"}}, 32,
     Entry(77, "AVERYLONGNAM") + Entry(81, "AVERYLONGNAM") + EndEntry() + "1" + BlockEnd() +
         "2" + BlockEnd()},
    {"ReserveZeroPointsAtTheFatEnd", {{"a.txt", "q"}}, 0,
     Entry(30, "A.TXT       ") + EndEntry() + "q" + BlockEnd()},
    {"Reserve256", {{"a.txt", "q"}, {"b.txt", ""}}, 256,
     Entry(301, "A.TXT       ") + Entry(305, "B.TXT       ") + EndEntry() + "q" + BlockEnd() +
         BlockEnd()},
    {"LowerAndMixedCaseNames", {{"Page.Htm", "<p>\n</p>"}}, 32,
     Entry(62, "PAGE.HTM    ") + EndEntry() + "<p></p>" + BlockEnd()},
    // The second page starts at 45 + 65503 + 32 = 65580, stored as 65580 - 65536 = 44.
    {"AddressWrapsAbove64K", {{"big.bin", k65500}, {"small.txt", "s"}}, 32,
     Entry(77, "BIG.BIN     ") + Entry(44, "SMALL.TXT   ") + EndEntry() + k65500 + BlockEnd() +
         "s" + BlockEnd()},
};

INSTANTIATE_TEST_SUITE_P(Folders, BinaryImageTest, ::testing::ValuesIn(kImages),
                         [](const auto& info) { return std::string(info.param.title); });

TEST(BinaryImage, PrintsProgressAndThe64KWarning) {
    ScratchDir scratch;
    std::string pages = scratch / "pages";
    vokatest::WritePages(pages, {{"big.bin", k65500}, {"small.htm", "s\r\n"}, {"z.txt", ""}});
    std::ostringstream console;

    voka::WriteImage(BinaryOptions(pages, scratch / "out.bin", 32), kNoDate, console);

    const std::string sep(1, testsupport::Separator());
    const std::string warning =
        "Warning: VOKA Binary Image exceeds 64KB. \n"
        "       Remove some files or use program memory for storage.\n";
    // Four entries count 80; each page adds its bytes and 4.
    EXPECT_EQ(console.str(), "Adding '" + pages + sep + "BIG.BIN'...\n"
                             "VOKA Size so far 65584...\n" +
                             warning + "Adding '" + pages + sep + "SMALL.HTM'...\n"
                             "VOKA Size so far 65589...\n" +
                             warning + "Adding '" + pages + sep + "Z.TXT'...\n"
                             "VOKA Size so far 65593...\n");
}

TEST(BinaryImage, UnreadablePageEndsTheImage) {
    ScratchDir scratch;
    std::string pages = scratch / "pages";
    vokatest::WritePages(pages, {{"a.txt", "A"}, {"c.txt", "C"}});
    std::vector<voka::PageFile> listed;
    ASSERT_TRUE(voka::ListPages(pages, listed));
    // A page that vanished between listing and reading.
    voka::PageFile missing = listed[0];
    missing.OpenPath = scratch / "pages" + testsupport::Separator() + "b.txt";
    missing.ShownPath = "SHOWN-B";
    missing.Name = voka::MakeEntryName("b.txt");
    listed.insert(listed.begin() + 1, missing);
    std::ostringstream console;

    voka::WriteResult result =
        voka::WriteBinaryImage(listed, scratch / "out.bin", 32, console);

    EXPECT_EQ(result, voka::WriteResult::PageUnreadable);
    // b keeps the address its block would have had; c was never reached.
    EXPECT_EQ(ReadFileBytes(scratch / "out.bin"),
              Entry(92, "A.TXT       ") + Entry(96, "B.TXT       ") + Entry(0, "C.TXT       ") +
                  EndEntry() + "A" + BlockEnd());
    EXPECT_NE(console.str().find("Adding 'SHOWN-B'...\n"
                                 "Fatal Error: Could not open 'SHOWN-B' file for reading.\n"),
              std::string::npos)
        << console.str();
    EXPECT_EQ(console.str().find("C.TXT"), std::string::npos);
}

TEST(BinaryImage, FailsWhenTheOutputCannotBeCreated) {
    ScratchDir scratch;
    std::string output = scratch / "no-such-folder" + testsupport::Separator() + "out.bin";
    std::ostringstream console;

    voka::WriteResult result =
        voka::WriteImage(BinaryOptions(scratch.Path(), output, 32), kNoDate, console);

    EXPECT_EQ(result, voka::WriteResult::CannotCreate);
    EXPECT_EQ(voka::ExitCodeFor(result), 4);
    EXPECT_EQ(console.str(), "Fatal Error: Could not create/open '" + output + "' for writing.\n");
}

TEST(BinaryImage, MissingInputFolderCreatesNoImage) {
    ScratchDir scratch;
    std::string missing = scratch / "missing";
    std::ostringstream console;

    voka::WriteResult result =
        voka::WriteImage(BinaryOptions(missing, scratch / "out.bin", 32), kNoDate, console);

    EXPECT_EQ(result, voka::WriteResult::DirectoryUnreadable);
    EXPECT_EQ(voka::ExitCodeFor(result), 4);
    EXPECT_EQ(console.str(), "Fatal Error: Could not read directory '" + missing + "'.\n");
    EXPECT_FALSE(std::filesystem::exists(scratch / "out.bin"));
}

TEST(BinaryImage, OutputInsideTheInputFolderIsNotPackedIntoItself) {
    ScratchDir scratch;
    vokatest::WritePages(scratch.Path(), {{"a.txt", "A"}, {"out.bin", "stale image"}});
    std::ostringstream console;

    voka::WriteResult result = voka::WriteImage(
        BinaryOptions(scratch.Path(), scratch / "out.bin", 0), kNoDate, console);

    EXPECT_EQ(result, voka::WriteResult::Written);
    EXPECT_EQ(ReadFileBytes(scratch / "out.bin"),
              Entry(30, "A.TXT       ") + EndEntry() + "A" + BlockEnd());
}

#ifndef _WIN32
// On Linux a folder opens like a file and fails only when read.
TEST(BinaryImage, PageFailingWhileReadIsAFailure) {
    ScratchDir scratch;
    vokatest::WritePages(scratch.Path(), {{"a.txt", "A"}});
    std::vector<voka::PageFile> listed;
    ASSERT_TRUE(voka::ListPages(scratch.Path(), listed));
    listed[0].OpenPath = scratch.Path();
    std::ostringstream console;

    voka::WriteResult result = voka::WriteBinaryImage(listed, scratch / "out.bin", 0, console);

    EXPECT_EQ(result, voka::WriteResult::PageUnreadable);
    EXPECT_NE(console.str().find("Fatal Error: Could not read '" + listed[0].ShownPath +
                                 "' file.\n"),
              std::string::npos)
        << console.str();
}

TEST(BinaryImage, FullDiskIsAFailure) {
    ScratchDir scratch;
    vokatest::WritePages(scratch.Path(), {{"a.txt", std::string(200000, 'x')}});
    std::ostringstream console;

    voka::WriteResult result =
        voka::WriteImage(BinaryOptions(scratch.Path(), "/dev/full", 0), kNoDate, console);

    EXPECT_EQ(result, voka::WriteResult::WriteFailed);
    EXPECT_NE(console.str().find("Fatal Error: Could not write '/dev/full'.\n"), std::string::npos)
        << console.str();
}
#endif

}  // namespace
