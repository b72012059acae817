// The image as C source, line for line (written here with "\n"; the file has CR LF).
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ImageWriter.h"
#include "CSourceText.h"
#include "PageFixture.h"
#include "scratch_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::ScratchDir;
using vokatest::Array;
using vokatest::CrLf;
using vokatest::kArrayEnd;
using vokatest::kEmptyArrayEnd;
using vokatest::kEndRecord;
using vokatest::kFatEnd;
using vokatest::kFatStart;
using vokatest::Page;

const char kDate[] = "Thu Jan  1 00:00:00 1970\n";

const std::string kHeader = vokatest::CHeader(kDate);

voka::Options COptions(const std::string& inputDir, const std::string& outputFile) {
    voka::Options options;
    options.InputDir = inputDir;
    options.OutputFile = outputFile;
    options.Format = voka::OutputFormat::C;
    options.UsageRequested = false;
    return options;
}

struct CCase {
    const char* title;
    std::vector<Page> pages;
    std::string body;  // everything between the header and the FAT's start
    std::string records;  // the FAT's file records
};

class CImageTest : public ::testing::TestWithParam<CCase> {};

TEST_P(CImageTest, WritesTheSource) {
    const CCase& c = GetParam();
    ScratchDir scratch;
    std::string pages = scratch / "pages";
    std::filesystem::create_directories(pages);
    vokatest::WritePages(pages, c.pages);
    std::ostringstream console;

    voka::WriteResult result = voka::WriteImage(COptions(pages, scratch / "out.c"), kDate, console);

    EXPECT_EQ(result, voka::WriteResult::Written) << console.str();
    EXPECT_EQ(ReadFileBytes(scratch / "out.c"),
              kHeader + CrLf(c.body + kFatStart + c.records + kEndRecord + kFatEnd));
}

const std::string k16Items =
    "\t0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, "
    "0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41,\n";

const CCase kSources[] = {
    {"EmptyFolder", {}, "", ""},
    {"EmptyPage", {{"empty.txt", ""}},
     Array("VOKA_0000", "EMPTY.TXT", kEmptyArrayEnd),
     "\t{ 0x00, VOKA_0000, 'E', 'M', 'P', 'T', 'Y', '.', 'T', 'X', 'T', ' ', ' ', ' ' },\n"},
    {"TextPageOfLineBreaksOnlyIsEmpty", {{"a.htm", "\r\n\r\n"}},
     Array("VOKA_0000", "A.HTM", kEmptyArrayEnd),
     "\t{ 0x00, VOKA_0000, 'A', '.', 'H', 'T', 'M', ' ', ' ', ' ', ' ', ' ', ' ', ' ' },\n"},
    {"SixteenBytesFillOneLine", {{"a.bin", std::string(16, 'A')}},
     Array("VOKA_0000", "A.BIN", k16Items + kArrayEnd),
     "\t{ 0x00, VOKA_0000, 'A', '.', 'B', 'I', 'N', ' ', ' ', ' ', ' ', ' ', ' ', ' ' },\n"},
    {"SeventeenthByteStartsALine", {{"a.bin", std::string(16, 'A') + "\xff"}},
     Array("VOKA_0000", "A.BIN", k16Items + "\t0xff,\n" + kArrayEnd),
     "\t{ 0x00, VOKA_0000, 'A', '.', 'B', 'I', 'N', ' ', ' ', ' ', ' ', ' ', ' ', ' ' },\n"},
    {"SingleEndByteIsEscaped", {{"a.bin", "\x04"}},
     Array("VOKA_0000", "A.BIN", "\t0x03, 0x04,\n" + kArrayEnd),
     "\t{ 0x00, VOKA_0000, 'A', '.', 'B', 'I', 'N', ' ', ' ', ' ', ' ', ' ', ' ', ' ' },\n"},
    // Fifteen items and an escaped pair make a line of 17; the next byte starts a new line.
    {"EscapedPairCanMakeSeventeen", {{"a.bin", std::string(15, 'A') + "\x03" "B"}},
     Array("VOKA_0000", "A.BIN",
           "\t0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, "
           "0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x03, 0x03,\n"
           "\t0x42,\n" + kArrayEnd),
     "\t{ 0x00, VOKA_0000, 'A', '.', 'B', 'I', 'N', ' ', ' ', ' ', ' ', ' ', ' ', ' ' },\n"},
    {"TwoPagesTextRuleAndLabels", {{"index.htm", "A\r\nB"}, {"logo.gif", "\r\n"}},
     Array("VOKA_0000", "INDEX.HTM", "\t0x41, 0x42,\n" + kArrayEnd) +
         Array("VOKA_0001", "LOGO.GIF", "\t0x0d, 0x0a,\n" + kArrayEnd),
     "\t{ 0x00, VOKA_0000, 'I', 'N', 'D', 'E', 'X', '.', 'H', 'T', 'M', ' ', ' ', ' ' },\n"
     "\t{ 0x00, VOKA_0001, 'L', 'O', 'G', 'O', '.', 'G', 'I', 'F', ' ', ' ', ' ', ' ' },\n"},
    {"QuoteInANameStaysValidC", {{"it's.txt", "x"}},
     Array("VOKA_0000", "IT'S.TXT", "\t0x78,\n" + kArrayEnd),
     "\t{ 0x00, VOKA_0000, 'I', 'T', '\\'', 'S', '.', 'T', 'X', 'T', ' ', ' ', ' ', ' ' },\n"},
#ifndef _WIN32
    {"ControlCharacterInANameIsOctal", {{"a\tb.txt", "x"}},
     Array("VOKA_0000", "A\tB.TXT", "\t0x78,\n" + kArrayEnd),
     "\t{ 0x00, VOKA_0000, 'A', '\\011', 'B', '.', 'T', 'X', 'T', ' ', ' ', ' ', ' ', ' ' },\n"},
#endif
};

INSTANTIATE_TEST_SUITE_P(Folders, CImageTest, ::testing::ValuesIn(kSources),
                         [](const auto& info) { return std::string(info.param.title); });

TEST(CImage, PrintsProgressCountingEightPerPage) {
    ScratchDir scratch;
    std::string pages = scratch / "pages";
    vokatest::WritePages(pages, {{"a.bin", "\x03\x01"}, {"b.htm", "\r\n"}});
    std::ostringstream console;

    voka::WriteImage(COptions(pages, scratch / "out.c"), kDate, console);

    const std::string sep(1, testsupport::Separator());
    // Three records count 60; a.bin writes 3 bytes and 8, b.htm none and 8.
    EXPECT_EQ(console.str(), "Adding '" + pages + sep + "A.BIN'...\nVOKA Size so far 71...\n"
                             "Adding '" + pages + sep + "B.HTM'...\nVOKA Size so far 79...\n");
}

TEST(CImage, UnreadablePageLeavesLaterRecordsUnlabelled) {
    ScratchDir scratch;
    std::string pages = scratch / "pages";
    vokatest::WritePages(pages, {{"a.txt", "A"}, {"c.txt", "C"}});
    std::vector<voka::PageFile> listed;
    ASSERT_TRUE(voka::ListPages(pages, listed));
    voka::PageFile missing = listed[0];
    missing.OpenPath = pages + testsupport::Separator() + "b.txt";
    missing.ShownName = "B.TXT";
    missing.Name = voka::MakeEntryName("b.txt");
    listed.insert(listed.begin() + 1, missing);
    std::ostringstream console;

    voka::WriteResult result = voka::WriteCImage(listed, scratch / "out.c", kDate, console);

    EXPECT_EQ(result, voka::WriteResult::PageUnreadable);
    EXPECT_EQ(ReadFileBytes(scratch / "out.c"),
              kHeader + CrLf(Array("VOKA_0000", "A.TXT", "\t0x41,\n" + kArrayEnd) + kFatStart +
                   "\t{ 0x00, VOKA_0000, 'A', '.', 'T', 'X', 'T', ' ', ' ', ' ', ' ', ' ', ' ', ' ' },\n"
                   "\t{ 0x00, VOKA_0001, 'B', '.', 'T', 'X', 'T', ' ', ' ', ' ', ' ', ' ', ' ', ' ' },\n"
                   "\t{ 0x00, VOKA_xxxx, 'C', '.', 'T', 'X', 'T', ' ', ' ', ' ', ' ', ' ', ' ', ' ' },\n" +
                   kEndRecord + kFatEnd));
}

TEST(CImage, MoreThan99FilesLeaveTheOutputAlone) {
    ScratchDir scratch;
    std::string pages = scratch / "pages";
    std::vector<Page> many;
    for (int i = 0; i < 100; ++i) many.push_back({"p" + std::to_string(i) + ".txt", "x"});
    vokatest::WritePages(pages, many);
    ASSERT_TRUE(testsupport::WriteFileBytes(scratch / "out.c", "previous"));
    std::ostringstream console;

    voka::WriteResult result = voka::WriteImage(COptions(pages, scratch / "out.c"), kDate, console);

    EXPECT_EQ(result, voka::WriteResult::TooManyFiles);
    EXPECT_EQ(voka::ExitCodeFor(result), 4);
    EXPECT_EQ(console.str(), "Fatal Error: 100 files found; a 'C' image holds at most 99.\n");
    EXPECT_EQ(ReadFileBytes(scratch / "out.c"), "previous");
}

TEST(CImage, NinetyNineFilesFit) {
    ScratchDir scratch;
    std::string pages = scratch / "pages";
    std::vector<Page> many;
    for (int i = 10; i < 109; ++i) many.push_back({"p" + std::to_string(i) + ".txt", ""});
    vokatest::WritePages(pages, many);
    std::ostringstream console;

    voka::WriteResult result = voka::WriteImage(COptions(pages, scratch / "out.c"), kDate, console);

    EXPECT_EQ(result, voka::WriteResult::Written);
    std::string source = ReadFileBytes(scratch / "out.c");
    EXPECT_NE(source.find("\t{ 0x00, VOKA_0098, 'P', '9', '9', '.', 'T', 'X', 'T', ' ', ' ', ' ', "
                          "' ', ' ' },\r\n" + CrLf(kEndRecord)),
              std::string::npos);
}

}  // namespace
