#include "PathText.h"

#include "Utils.h"

std::string NormalizeDir(const std::string& path, bool withSlash) {
    std::string result = path;
    if (result.size() >= 3 && result.back() == '\\') result.pop_back();
    if (withSlash) result += '\\';
    return result;
}

std::string CollapseBackslashes(const std::string& path) {
    if (path.empty()) return path;
    std::string result(1, path[0]);
    for (std::string::size_type i = 1; i < path.size(); ++i) {
        if (path[i] == '\\' && result.size() > 1 && result.back() == '\\') continue;
        result += path[i];
    }
    return result;
}

bool IsRootOrEmptyDir(const std::string& directory) {
    const std::string dir = NormalizeDir(TrimText(directory), false);
    return dir.find_first_not_of('\\') == std::string::npos || dir == "." ||
           (dir.size() == 2 && dir[1] == ':') ||
           (dir.size() == 3 && dir[1] == ':' && dir[2] == '\\');
}

std::string FileDirOf(const std::string& path) {
    std::string::size_type at = path.find_last_of("\\:");
    if (at == std::string::npos) return "";
    // A root ("C:\", "\") keeps its separator; any other directory loses it.
    const bool root = at == 0 || path[at] == ':' || path[at - 1] == ':';
    return path.substr(0, root ? at + 1 : at);
}

std::string FileNameOf(const std::string& path) {
    std::string::size_type at = path.find_last_of("\\:");
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string CommandTailOf(const std::string& commandLine, const std::string& exePath) {
    std::string tail = commandLine;
    const int at = PosText(exePath, tail);
    if (at > 0) tail.erase(static_cast<size_t>(at - 1), exePath.size());
    tail = TrimText(tail);
    while (!tail.empty() && tail.front() == '"') tail = TrimText(tail.substr(1));
    while (!tail.empty() && tail.back() == '"') {
        tail.pop_back();
        tail = TrimText(tail);
    }
    return TrimText(tail);
}

std::string SwitchValueIn(const std::string& tail, const std::string& switchText) {
    const int at = PosText(switchText, tail);
    if (at == 0) return "";
    std::string rest = tail.substr(static_cast<size_t>(at - 1) + switchText.size());
    if (rest.empty()) return "TRUE";
    if (rest[0] == '"') {
        rest.erase(0, 1);
        return TrimText(rest.substr(0, rest.find('"')));
    }
    rest = rest.substr(0, rest.find(' '));
    rest = rest.substr(0, rest.find('/'));
    return TrimText(rest);
}
