#include "ExecCompare.h"

#include <cstdlib>

#include "Utils.h"

const char kEventList[] =
    "|Setup Start|Before Copy|After Copy|Setup End|UnInstall Start|UnInstall End|";

char EventChar(const std::string& eventName) {
    for (int i = 0, count = DelimCount(kEventList); i < count; ++i)
        if (EqualText(DelimItem(kEventList, i), eventName)) return static_cast<char>('1' + i);
    return '0';
}

namespace {

template <typename T>
bool Compare(const T& left, const std::string& relation, const T& right) {
    if (relation == "=") return left == right;
    if (relation == "!=") return left != right;
    if (relation == ">") return left > right;
    if (relation == "<") return left < right;
    if (relation == ">=") return left >= right;
    if (relation == "<=") return left <= right;
    return false;
}

std::string SetupTypeCode(const std::string& type) {
    std::string upper = UpperText(type);
    if (upper == "TYPICAL") return "1";
    if (upper == "COMPACT") return "2";
    if (upper == "CUSTOM") return "3";
    return upper;
}

}  // namespace

bool CompareText(const std::string& left, const std::string& relation, const std::string& right) {
    return Compare(left, relation, right);
}

bool CompareNumber(long long left, const std::string& relation, long long right) {
    return Compare(left, relation, right);
}

long long NumberOf(const std::string& text) {
    if (text.empty()) return 0;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    return *end == '\0' ? value : 0;
}

bool CompareRegistryText(const std::string& stored, bool storedIsInteger,
                         const std::string& relation, const std::string& given) {
    if (!storedIsInteger) return CompareText(stored, relation, given);
    int width = static_cast<int>(std::max(stored.size(), given.size())) + 1;
    return CompareText(PadZeros(stored, width), relation, PadZeros(given, width));
}

bool CompareScreen(int w, int h, const std::string& relation, const std::string& given) {
    size_t x = given.find('x');
    long long W = NumberOf(given.substr(0, x));
    long long H = x == std::string::npos ? 0 : NumberOf(given.substr(x + 1));
    if (relation == "=") return w == W && h == H;
    if (relation == "!=") return w != W || h != H;
    if (relation == ">") return (w > W && h >= H) || (w >= W && h > H);
    if (relation == "<") return (w < W && h <= H) || (w <= W && h < H);
    if (relation == ">=") return w >= W && h >= H;
    if (relation == "<=") return w <= W && h <= H;
    return false;
}

int ColorDepthOf(const std::string& depthName) {
    if (depthName == "256 (8 bit)") return 8;
    if (depthName == "32K (15 bit)") return 15;
    if (depthName == "64K (16 bit)") return 16;
    if (depthName == "16M (24 bit)") return 24;
    return 32;
}

bool CompareColorDepth(int bitsPerPixel, const std::string& relation,
                       const std::string& depthName) {
    return CompareNumber(bitsPerPixel, relation, ColorDepthOf(depthName));
}

bool CompareSetupType(const std::string& stored, const std::string& relation,
                      const std::string& given) {
    return CompareText(SetupTypeCode(stored), relation, SetupTypeCode(given));
}

bool OsInList(const std::string& shortName, const std::string& list) {
    return ("," + list + ",").find("," + shortName + ",") != std::string::npos;
}

bool GroupSelected(const std::string& groupNames, const std::string& name) {
    return groupNames.find("|" + name + "|") != std::string::npos;
}

std::string ExpandAppendEscapes(const std::string& text) {
    return ReplaceAll(ReplaceAll(text, "\\\\n", "\r\n"), "\\\\t", "\t");
}
