#include "SortedTextList.h"

#include <algorithm>
#include <cassert>

namespace korvan {

namespace {

char FoldToUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

int CompareTextIgnoringCase(const std::string& a, const std::string& b) {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        auto ca = static_cast<unsigned char>(FoldToUpper(a[i]));
        auto cb = static_cast<unsigned char>(FoldToUpper(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SortedTextList::Add(const std::string& line) {
    auto place = std::lower_bound(lines_.begin(), lines_.end(), line,
                                  [](const std::string& a, const std::string& b) {
                                      return CompareTextIgnoringCase(a, b) < 0;
                                  });
    if (place != lines_.end() && CompareTextIgnoringCase(*place, line) == 0) return false;
    lines_.insert(place, line);
    return true;
}

std::string SortedTextList::TakeFirst() {
    assert(!lines_.empty());
    std::string first = std::move(lines_.front());
    lines_.erase(lines_.begin());
    return first;
}

}  // namespace korvan
