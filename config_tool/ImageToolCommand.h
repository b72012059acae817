#pragma once
// How KorvanConfig runs the page-image tool and reads what it left behind.
#include <string>

namespace korvan {

// Paths built from the program's folder in short form (no trailing separator).
struct ImageToolCommand {
    std::string program;  // folder + "\VOKA.EXE"
    std::string input;    // folder + "\TempWebPges"
    std::string output;   // folder + "//WebPages.bin"
};

ImageToolCommand MakeImageToolCommand(const std::string& shortAppDir);

// One argument of a child's command line, quoted when it holds a space, a tab or a quote
// (a folder whose short form is not available keeps its spaces).
std::string QuoteArgument(const std::string& argument);

// The text shown when the tool cannot be started, from the C run-time error number; empty
// for causes without a text of their own.
std::string ImageToolStartFailureText(int errorNumber);

}  // namespace korvan
