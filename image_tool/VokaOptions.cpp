#include "VokaOptions.h"

#include <cctype>

namespace voka {

namespace {

constexpr std::int16_t kDefaultReserve = 32;

#ifndef _WIN32
// "/r" followed by a number: blanks, a sign, then at least one digit.
bool StartsWithNumber(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]));
}
#endif

// On Linux an absolute path begins with "/", so there only two-character arguments and
// reserve switches with a number ("/r256") count as "/" switches; other such arguments are
// names.
bool IsSwitch(const std::string& argument) {
    if (argument.empty()) return false;
    if (argument[0] == '-') return true;
    if (argument[0] != '/') return false;
#ifdef _WIN32
    return true;
#else
    if (argument.size() <= 2) return true;
    char kind = argument[1];
    return (kind == 'r' || kind == 'R') && StartsWithNumber(argument.substr(2));
#endif
}

// Decimal value with optional leading blanks and sign, reduced to its low 16 bits taken as
// signed; no digits give 0. Reducing while reading keeps any length of digits well defined.
std::int16_t ParseReserve(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::uint32_t value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at)
        value = (value * 10 + static_cast<std::uint32_t>(text[at] - '0')) & 0xFFFFu;
    if (negative) value = (0x10000u - value) & 0xFFFFu;
    return static_cast<std::int16_t>(value >= 0x8000u ? static_cast<int>(value) - 0x10000
                                                      : static_cast<int>(value));
}

std::string CutName(const std::string& name) { return name.substr(0, kMaxNameLength); }

}  // namespace

Options ParseOptions(const std::vector<std::string>& arguments, std::ostream& console) {
    Options options;
    bool binaryChosen = false;
    bool cChosen = false;
    int namesSeen = 0;
    for (const std::string& argument : arguments) {
        if (IsSwitch(argument)) {
            char kind = argument.size() > 1 ? argument[1] : '\0';
            if (kind == 'B' || kind == 'b') {
                binaryChosen = true;
                options.UsageRequested = false;
            } else if (kind == 'C' || kind == 'c') {
                cChosen = true;
                options.UsageRequested = false;
            } else if (kind == 'R' || kind == 'r') {
                options.ReserveSize = ParseReserve(argument.substr(2));
                if (options.ReserveSize < 0) {
                    console << "Warning: Negative reserve block size found.\n"
                               "         Using default size\n";
                    options.ReserveSize = kDefaultReserve;
                }
            }
            continue;
        }
        if (namesSeen == 0) {
            options.InputDir = CutName(argument);
        } else if (namesSeen == 1) {
            options.OutputFile = CutName(argument);
            options.UsageRequested = false;
        }
        ++namesSeen;
    }
    if (binaryChosen && cChosen) {
        console << "Warning: More than one output file format detected.\n"
                   "         Using default format of Binary file.\n";
    }
    options.Format = cChosen && !binaryChosen ? OutputFormat::C : OutputFormat::Binary;
    return options;
}

const std::string& UsageText() {
    static const std::string text =
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
    return text;
}

}  // namespace voka
