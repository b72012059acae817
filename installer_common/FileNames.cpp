#include "FileNames.h"

#include <cctype>

#include "PathText.h"

namespace {

struct NameParts {
    std::string base;
    std::string extension;   // with its ".", or ""
};

NameParts SplitAtLastDot(const std::string& name) {
    const std::string::size_type dot = name.rfind('.');
    if (dot == std::string::npos) return {name, ""};
    return {name.substr(0, dot), name.substr(dot)};
}

bool IsFiveDigitNumber(const std::string& text) {
    std::string::size_type first = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (first == text.size()) return false;
    for (std::string::size_type i = first; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

}  // namespace

std::string TargetNameFor(const std::string& fileName, const std::string& target) {
    std::string pattern = FileNameOf(target);
    if (pattern.empty()) pattern = "*.*";
    if (pattern == "*.*") return fileName;
    const NameParts name = SplitAtLastDot(fileName);
    const NameParts wanted = SplitAtLastDot(pattern);
    if (pattern.front() == '*') return name.base + wanted.extension;
    if (pattern.back() == '*') {
        std::string base = wanted.base;
        if (!base.empty() && base.back() == '*') base.pop_back();
        return base + name.extension;
    }
    return pattern;
}

std::string InstalledFileName(const std::string& path) {
    const std::string name = FileNameOf(path);
    if (name.size() < 6 || name[5] != '#' || !IsFiveDigitNumber(name.substr(0, 5))) return path;
    return path.substr(0, path.size() - name.size()) + name.substr(6);
}

bool IsSharedFile(unsigned flags) { return (flags & 0x1u) != 0; }
bool IsRegisterFile(unsigned flags) { return (flags & 0x2u) != 0; }
bool IsKeptFile(unsigned flags) { return (flags & 0x10u) != 0; }
bool IsReadOnlyFile(unsigned flags) { return (flags & 0x100u) != 0; }
unsigned FileAttributesOf(unsigned flags) { return (flags >> 8) & 0xFFu; }
