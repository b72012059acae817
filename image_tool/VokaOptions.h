#pragma once
// The command line of VOKA: the options record, its parser and the usage text.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace voka {

enum class OutputFormat { Binary, C };

struct Options {
    std::string InputDir;    // a folder, or a pattern with "*"; at most 256 characters
    std::string OutputFile;  // at most 256 characters
    std::int16_t ReserveSize = 32;
    OutputFormat Format = OutputFormat::Binary;
    // Still set when neither an output file nor "/b" or "/c" was given: show the usage text.
    bool UsageRequested = true;
};

// The longest InputDir and OutputFile kept; longer names are cut.
constexpr std::size_t kMaxNameLength = 256;

// Reads the arguments after the program name, left to right. Warnings (negative reserve,
// more than one format) are printed to console as they are found.
Options ParseOptions(const std::vector<std::string>& arguments, std::ostream& console);

// The usage text, ending in its final empty line and line break.
const std::string& UsageText();

}  // namespace voka
