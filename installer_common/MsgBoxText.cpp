#include "MsgBoxText.h"

#include "Utils.h"

namespace {
const int kLinePadding = 20;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::string AppBoxBody(const std::string& text) {
    std::string padded;
    for (const std::string& line : SplitLines(ExpandEscapes(text))) {
        padded += line + Spaces(kLinePadding) + "\r\n";
    }
    return ExpandEscapes("\\n\\n" + padded + "\\n");
}

std::string TopBoxLines(const std::string& text) {
    std::string body = ReplaceAll(text + "\\n", "\r\n", "\\n");
    return ReplaceAll(body, "\\n", Spaces(kLinePadding) + "\r\n");
}

std::string TopBoxBody(const std::string& text) {
    return ExpandEscapes("\\n\\n" + TopBoxLines(text) + "\\n");
}
