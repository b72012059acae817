#include "Utils.h"

#include <algorithm>

namespace {

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Offset of delimiter occurrence n (the leading one is occurrence 0); npos when there are
// fewer.
std::string::size_type NthDelimiter(const std::string& list, int n) {
    std::string::size_type at = 0;
    for (int i = 0; i < n; ++i) {
        at = list.find(list[0], at + 1);
        if (at == std::string::npos) return at;
    }
    return at;
}

// Replaces each match found in `haystack` (a copy of `s`, possibly folded) by `newText`,
// copying the untouched parts from `s` itself.
std::string ReplaceMatches(const std::string& s, const std::string& haystack,
                           const std::string& needle, const std::string& newText) {
    if (needle.empty()) return s;
    std::string result;
    std::string::size_type from = 0;
    for (;;) {
        std::string::size_type at = haystack.find(needle, from);
        if (at == std::string::npos) break;
        result.append(s, from, at - from);
        result += newText;
        from = at + needle.size();
    }
    result.append(s, from, std::string::npos);
    return result;
}

}  // namespace

int DelimCount(const std::string& list) {
    if (list.empty()) return 0;
    return static_cast<int>(std::count(list.begin() + 1, list.end(), list[0]));
}

std::string DelimItem(const std::string& list, int index) {
    if (list.empty() || index < 0 || index >= DelimCount(list)) return "";
    std::string::size_type start = NthDelimiter(list, index);
    std::string::size_type end = list.find(list[0], start + 1);
    return list.substr(start + 1, end - start - 1);
}

void DelimSetItem(std::string& list, int index, const std::string& value) {
    if (index < 0) return;
    if (list.empty()) list = "|";
    const int count = std::max(DelimCount(list), index + 1);
    const char delimiter = list[0];
    std::string rebuilt(1, delimiter);
    for (int i = 0; i < count; ++i) {
        rebuilt += (i == index) ? value : DelimItem(list, i);
        rebuilt += delimiter;
    }
    list = rebuilt;
}

int DelimIndexOf(const std::string& list, const std::string& name) {
    const std::string trimmedList = TrimText(list);
    const std::string trimmedName = TrimText(name);
    if (trimmedList.empty() || trimmedName.empty()) return -1;
    const int count = DelimCount(trimmedList);
    for (int i = 0; i < count; ++i) {
        if (EqualText(DelimItem(trimmedList, i), trimmedName)) return i;
    }
    return -1;
}

std::string TextBefore(const std::string& s, const std::string& separator) {
    std::string::size_type at = s.find(separator);
    return at == std::string::npos ? std::string() : s.substr(0, at);
}

std::string TextAfter(const std::string& s, const std::string& separator) {
    if (separator.empty()) return s;
    std::string::size_type at = s.find(separator);
    return at == std::string::npos ? s : s.substr(at + 1);
}

std::string ReverseText(const std::string& s) { return std::string(s.rbegin(), s.rend()); }

int LastPos(const std::string& sub, const std::string& s) {
    if (sub.empty()) return 0;
    std::string::size_type at = s.rfind(sub);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

bool EndsWithText(const std::string& s, const std::string& suffix) {
    return suffix.size() <= s.size() &&
           EqualText(s.substr(s.size() - suffix.size()), suffix);
}

bool EqualText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && UpperText(a) == UpperText(b);
}

int PosText(const std::string& sub, const std::string& s) {
    if (sub.empty()) return 0;
    std::string::size_type at = UpperText(s).find(UpperText(sub));
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Spaces(int n) { return std::string(n > 0 ? static_cast<size_t>(n) : 0, ' '); }

std::string PadZeros(const std::string& s, int width) {
    const int missing = width - static_cast<int>(s.size());
    return missing > 0 ? std::string(static_cast<size_t>(missing), '0') + s : s;
}

std::string ReplaceAll(const std::string& s, const std::string& oldText,
                       const std::string& newText) {
    return ReplaceMatches(s, s, oldText, newText);
}

std::string ReplaceAllText(const std::string& s, const std::string& oldText,
                           const std::string& newText) {
    return ReplaceMatches(s, UpperText(s), UpperText(oldText), newText);
}

std::string BoolText(bool b) { return b ? "TRUE" : "FALSE"; }

char BoolDigit(bool b) { return b ? '1' : '0'; }

std::string ExpandEscapes(const std::string& s) {
    std::string result = ReplaceAll(s, "\\n", "\r\n");
    result = ReplaceAll(result, "\\t", "\t");
    result = ReplaceAll(result, "<p>", "\r\n");
    return ReplaceAll(result, "<P>", "\r\n");
}

int MaxOf(int a, int b) { return a > b ? a : b; }

std::string UpperText(const std::string& s) {
    std::string result = s;
    std::transform(result.begin(), result.end(), result.begin(), UpperChar);
    return result;
}

std::string TrimText(const std::string& s) {
    std::string::size_type first = 0;
    std::string::size_type last = s.size();
    while (first < last && IsTrimmed(s[first])) ++first;
    while (last > first && IsTrimmed(s[last - 1])) --last;
    return s.substr(first, last - first);
}
