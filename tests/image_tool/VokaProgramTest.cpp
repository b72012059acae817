// The built program itself, started as a child process: VOKA.exe under Wine in the Windows
// trees, voka on Linux. The same cases run in both, so both builds are held to one behaviour.
#include <gtest/gtest.h>

#include <filesystem>
#include <cctype>

#include "CSourceText.h"
#include "ChildProcess.h"
#include "PageFixture.h"
#include "scratch_dir.h"

namespace {

using testsupport::ReadFileBytes;
using vokatest::BlockEnd;
using vokatest::EndEntry;
using vokatest::Entry;

std::string ProgramPath() {
#ifdef _WIN32
    return testsupport::BinaryPath("image_tool/VOKA.exe");
#else
    return testsupport::BinaryPath("image_tool/voka");
#endif
}

const char kUsage[] =
    "\n"
    "Creates Fennex File System(VOKA) 'C'/binary file from a given directory.\n"
    "\n"
    "VOKA [/?] [/c] [/b] [/r<Block>] <InputDir> <OutputFile>\n"
    "\n"
    "InputDir   : Directory that will be converted.\n"
    "OutputFile : Output file name.\n"
    "       /c  : Generate 'C' file\n"
    "       /b  : Generate binary file upto 64KB in size (Default)\n"
    "       /r  : Reserve a <Block> of memory at begining (Default=32)\n"
    "             Used in /b mode only.\n"
    "       /?  : Display this message.\n"
    "\n"
    "Example   1 : VOKA c:\\WebPages VOKAImg.c /c\n"
    "          2 : VOKA c:\\WebPages VOKAImg.bin\n"
    "          3 : VOKA c:\\WebPages VOKAImg.bin /r256\n"
    "\n";

const char kNegativeReserve[] =
    "Warning: Negative reserve block size found.\n         Using default size\n";
const char kTwoFormats[] =
    "Warning: More than one output file format detected.\n"
    "         Using default format of Binary file.\n";

// The fixture folder "in": two pages, plus a folder and a hidden file that are not packed.
class VokaProgram : public ::testing::Test {
protected:
    void SetUp() override {
        in_ = scratch_ / "in";
        out_ = scratch_ / "out.img";
        vokatest::WritePages(in_, {{"index.htm", "A\r\nB"}, {"data.bin", "\x03\x04\x05"},
                                   {"sub/inner.htm", "not packed"}});
        vokatest::MakeHiddenPage(in_, "hidden.htm", "not packed");
    }

    // "{in}" and "{out}" in an argument stand for the fixture folder and the output file.
    vokatest::ProgramRun Run(std::vector<std::string> arguments) {
        for (std::string& argument : arguments) argument = Expand(argument);
        return vokatest::RunProgram(ProgramPath(), arguments, scratch_ / "stdout.txt");
    }

    std::string Expand(std::string text) const {
        for (auto [token, value] : {std::pair<std::string, std::string>{"{in}", in_},
                                    std::pair<std::string, std::string>{"{out}", out_}}) {
            for (std::size_t at; (at = text.find(token)) != std::string::npos;)
                text.replace(at, token.size(), value);
        }
        return text;
    }

    // The fixture's binary image: FAT of 45 bytes, DATA.BIN's block of 8, then INDEX.HTM's.
    static std::string Image(unsigned reserve) {
        return Entry(45 + reserve, "DATA.BIN    ") + Entry(53 + reserve, "INDEX.HTM   ") +
               EndEntry() + "\x03\x03\x03\x04\x05" + BlockEnd() + "AB" + BlockEnd();
    }

    std::string Progress() const {
        const std::string sep(1, testsupport::Separator());
        return "Adding '" + in_ + sep + "DATA.BIN'...\nVOKA Size so far 69...\n"
               "Adding '" + in_ + sep + "INDEX.HTM'...\nVOKA Size so far 75...\n";
    }

    testsupport::ScratchDir scratch_;
    std::string in_;
    std::string out_;
};

// The text after " * Generated on " up to and including its LF.
std::string DateTextIn(const std::string& source) {
    const std::string lead = " * Generated on ";
    std::size_t start = source.find(lead);
    if (start == std::string::npos) return "";
    start += lead.size();
    std::size_t end = source.find('\n', start);
    return end == std::string::npos ? "" : source.substr(start, end + 1 - start);
}

// ctime()'s form: "Www Mmm dd hh:mm:ss yyyy" and a LF ('#' a digit, ' ' or digit at '_').
bool LooksLikeCtime(const std::string& text) {
    const std::string shape = "Aaa Aaa _# ##:##:## ####\n";
    if (text.size() != shape.size()) return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        bool fits = shape[i] == 'A'   ? std::isupper(c)
                    : shape[i] == 'a' ? std::islower(c)
                    : shape[i] == '#' ? std::isdigit(c)
                    : shape[i] == '_' ? (c == ' ' || std::isdigit(c))
                                      : c == static_cast<unsigned char>(shape[i]);
        if (!fits) return false;
    }
    return true;
}

struct ProgramCase {
    const char* title;
    std::vector<std::string> arguments;
    int exitCode;
    std::string console;      // "{progress}" stands for the fixture's progress lines
    bool imageWritten;
    unsigned reserve;
};

class VokaProgramCases : public VokaProgram, public ::testing::WithParamInterface<ProgramCase> {};

TEST_P(VokaProgramCases, ExitCodeConsoleAndImage) {
    const ProgramCase& c = GetParam();
    vokatest::ProgramRun run = Run(c.arguments);

    EXPECT_EQ(run.ExitCode, c.exitCode);
    std::string console = Expand(c.console);
    std::size_t at = console.find("{progress}");
    if (at != std::string::npos) console.replace(at, 10, Progress());
    EXPECT_EQ(run.Output, console);
    if (c.imageWritten)
        EXPECT_EQ(ReadFileBytes(out_), Image(c.reserve));
    else
        EXPECT_FALSE(std::filesystem::exists(out_));
}

const ProgramCase kRuns[] = {
    {"NoArguments", {}, 1, kUsage, false, 0},
    {"InputOnly", {"{in}"}, 1, kUsage, false, 0},
    {"Help", {"/?"}, 1, kUsage, false, 0},
    {"HelpAfterNamesIsIgnored", {"{in}", "{out}", "/?"}, 0, "{progress}", true, 32},
    {"BinaryAloneCannotCreateAnEmptyName", {"/b"}, 4,
     "Fatal Error: Could not create/open '' for writing.\n", false, 0},
    {"SwitchFirst", {"/b", "{in}", "{out}"}, 0, "{progress}", true, 32},
    {"DoubleFormatMeansBinary", {"{in}", "{out}", "/c", "/b"}, 0,
     std::string(kTwoFormats) + "{progress}", true, 32},
    {"UnknownSwitchIgnored", {"/x", "{in}", "{out}"}, 0, "{progress}", true, 32},
    {"Reserve256", {"{in}", "/r256", "{out}"}, 0, "{progress}", true, 256},
    {"ReserveZero", {"{in}", "{out}", "-R0"}, 0, "{progress}", true, 0},
    {"Reserve40000WarnsAndUses32", {"/r40000", "{in}", "{out}"}, 0,
     std::string(kNegativeReserve) + "{progress}", true, 32},
    {"Reserve70000Wraps", {"/r70000", "{in}", "{out}"}, 0, "{progress}", true, 4464},
    {"MissingInputFolder", {"{in}missing", "{out}"}, 4,
     "Fatal Error: Could not read directory '{in}missing'.\n", false, 0},
};

INSTANTIATE_TEST_SUITE_P(CommandLines, VokaProgramCases, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.title); });

TEST_F(VokaProgram, WritesTheCSourceWithTodaysDate) {
    vokatest::ProgramRun run = Run({"-C", "{in}", "{out}"});

    EXPECT_EQ(run.ExitCode, 0);
    const std::string sep(1, testsupport::Separator());
    EXPECT_EQ(run.Output, "Adding '" + in_ + sep + "DATA.BIN'...\nVOKA Size so far 73...\n"
                          "Adding '" + in_ + sep + "INDEX.HTM'...\nVOKA Size so far 83...\n");
    std::string source = ReadFileBytes(out_);
    std::string date = DateTextIn(source);
    ASSERT_TRUE(LooksLikeCtime(date)) << date;
    EXPECT_EQ(source,
              vokatest::CHeader(date) + vokatest::CrLf(
                             vokatest::Array("VOKA_0000", "DATA.BIN",
                                             "\t0x03, 0x03, 0x03, 0x04, 0x05,\n" +
                                                 vokatest::kArrayEnd) +
                             vokatest::Array("VOKA_0001", "INDEX.HTM",
                                             "\t0x41, 0x42,\n" + vokatest::kArrayEnd) +
                             vokatest::kFatStart +
                             "\t{ 0x00, VOKA_0000, 'D', 'A', 'T', 'A', '.', 'B', 'I', 'N', ' ', "
                             "' ', ' ', ' ' },\n"
                             "\t{ 0x00, VOKA_0001, 'I', 'N', 'D', 'E', 'X', '.', 'H', 'T', 'M', "
                             "' ', ' ', ' ' },\n" +
                             vokatest::kEndRecord + vokatest::kFatEnd));
}

}  // namespace
