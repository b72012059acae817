#include "ImageToolCommand.h"

#include <cerrno>

namespace korvan {

ImageToolCommand MakeImageToolCommand(const std::string& shortAppDir) {
    return {shortAppDir + "\\VOKA.EXE", shortAppDir + "\\TempWebPges",
            shortAppDir + "//" + "WebPages.bin"};
}

std::string QuoteArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) {
        return argument;
    }
    // The Microsoft run-time rules: backslashes double only before a quote or the end.
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') quoted.append(backslashes * 2 + 1, '\\');
        else quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

std::string ImageToolStartFailureText(int errorNumber) {
    switch (errorNumber) {
        case ENOENT: return "Path or file name not found";
        case ENOMEM: return "Not enough memory";
        case EINVAL: return "Invalid argument";
        case E2BIG: return "Arg list too long";
        case ENOEXEC: return "Exec format error";
        default: return "";
    }
}

}  // namespace korvan
