// The command line: switches in any order, names, the reserve value and the warnings.
#include "VokaOptions.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using voka::OutputFormat;

const char kNegativeReserve[] =
    "Warning: Negative reserve block size found.\n         Using default size\n";
const char kTwoFormats[] =
    "Warning: More than one output file format detected.\n"
    "         Using default format of Binary file.\n";

struct OptionsCase {
    const char* title;
    std::vector<std::string> arguments;
    std::string inputDir;
    std::string outputFile;
    int reserve;
    OutputFormat format;
    bool usage;
    std::string console;
};

class ParseOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(ParseOptionsTest, FillsTheRecord) {
    const OptionsCase& c = GetParam();
    std::ostringstream console;
    voka::Options options = voka::ParseOptions(c.arguments, console);
    EXPECT_EQ(options.InputDir, c.inputDir);
    EXPECT_EQ(options.OutputFile, c.outputFile);
    EXPECT_EQ(options.ReserveSize, c.reserve);
    EXPECT_EQ(options.Format, c.format);
    EXPECT_EQ(options.UsageRequested, c.usage);
    EXPECT_EQ(console.str(), c.console);
}

const OptionsCase kCases[] = {
    {"NoArguments", {}, "", "", 32, OutputFormat::Binary, true, ""},
    {"InputOnly", {"pages"}, "pages", "", 32, OutputFormat::Binary, true, ""},
    {"Help", {"/?"}, "", "", 32, OutputFormat::Binary, true, ""},
    {"HelpAfterNamesIgnored", {"pages", "out.bin", "/?"}, "pages", "out.bin", 32,
     OutputFormat::Binary, false, ""},
    {"BinaryAloneClearsUsage", {"/b"}, "", "", 32, OutputFormat::Binary, false, ""},
    {"CAloneClearsUsage", {"-c"}, "", "", 32, OutputFormat::C, false, ""},
    {"SwitchesFirst", {"/c", "pages", "out.c"}, "pages", "out.c", 32, OutputFormat::C, false, ""},
    {"UpperCaseDash", {"pages", "-C", "out.c"}, "pages", "out.c", 32, OutputFormat::C, false, ""},
    {"BothFormats", {"pages", "out.c", "/c", "/b"}, "pages", "out.c", 32, OutputFormat::Binary,
     false, kTwoFormats},
    {"UnknownSwitchIgnored", {"/x", "pages", "-Z", "out.bin"}, "pages", "out.bin", 32,
     OutputFormat::Binary, false, ""},
    {"ThirdNameIgnored", {"pages", "out.bin", "extra"}, "pages", "out.bin", 32,
     OutputFormat::Binary, false, ""},
    {"Reserve256", {"/r256", "pages", "out.bin"}, "pages", "out.bin", 256, OutputFormat::Binary,
     false, ""},
    {"ReserveZero", {"pages", "out.bin", "-R0"}, "pages", "out.bin", 0, OutputFormat::Binary,
     false, ""},
    {"ReserveNoDigits", {"/r", "pages", "out.bin"}, "pages", "out.bin", 0, OutputFormat::Binary,
     false, ""},
    {"ReserveBlanksAndSign", {"/r +77", "pages", "out.bin"}, "pages", "out.bin", 77,
     OutputFormat::Binary, false, ""},
    {"ReserveMaximum", {"/r32767", "pages", "out.bin"}, "pages", "out.bin", 32767,
     OutputFormat::Binary, false, ""},
    {"Reserve40000IsNegative", {"/r40000", "pages", "out.bin"}, "pages", "out.bin", 32,
     OutputFormat::Binary, false, kNegativeReserve},
    {"Reserve70000Wraps", {"/r70000", "pages", "out.bin"}, "pages", "out.bin", 4464,
     OutputFormat::Binary, false, ""},
    {"ReserveMinusOne", {"/r-1", "pages", "out.bin"}, "pages", "out.bin", 32,
     OutputFormat::Binary, false, kNegativeReserve},
    {"ReserveMinus65536IsZero", {"/r-65536", "pages", "out.bin"}, "pages", "out.bin", 0,
     OutputFormat::Binary, false, ""},
    {"ReserveManyDigits", {"/r99999999999999999999", "pages", "out.bin"}, "pages", "out.bin",
     32, OutputFormat::Binary, false, kNegativeReserve},
    {"ReserveStopsAtNonDigit", {"/r12k", "pages", "out.bin"}, "pages", "out.bin", 12,
     OutputFormat::Binary, false, ""},
#ifndef _WIN32
    {"AbsolutePathsAreNames", {"/tmp/pages", "/tmp/out.c", "/c"}, "/tmp/pages", "/tmp/out.c", 32,
     OutputFormat::C, false, ""},
    {"PathLikeReserveIsAName", {"/rootpages", "out.bin"}, "/rootpages", "out.bin", 32,
     OutputFormat::Binary, false, ""},
#endif
};

INSTANTIATE_TEST_SUITE_P(CommandLines, ParseOptionsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.title); });

TEST(ParseOptions, CutsNamesAt256Characters) {
    std::ostringstream console;
    std::string longName(300, 'd');
    voka::Options options = voka::ParseOptions({longName, longName + "x"}, console);
    EXPECT_EQ(options.InputDir, std::string(256, 'd'));
    EXPECT_EQ(options.OutputFile, std::string(256, 'd'));
}

}  // namespace
