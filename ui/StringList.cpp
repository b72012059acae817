#include "StringList.h"

#include <algorithm>

namespace ui {

namespace {

unsigned char FoldUpper(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

}  // namespace

int CompareText(const std::string& a, const std::string& b) {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        int diff = FoldUpper(a[i]) - FoldUpper(b[i]);
        if (diff != 0) return diff;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

size_t SortedStringList::LowerBound(const std::string& text) const {
    auto it = std::lower_bound(items_.begin(), items_.end(), text,
                               [](const std::string& entry, const std::string& wanted) {
                                   return CompareText(entry, wanted) < 0;
                               });
    return static_cast<size_t>(it - items_.begin());
}

size_t SortedStringList::Add(const std::string& text) {
    size_t at = LowerBound(text);
    if (at < items_.size() && CompareText(items_[at], text) == 0) return at;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), text);
    return at;
}

int SortedStringList::IndexOf(const std::string& text) const {
    size_t at = LowerBound(text);
    if (at < items_.size() && CompareText(items_[at], text) == 0) return static_cast<int>(at);
    return -1;
}

bool SortedStringList::Delete(size_t index) {
    if (index >= items_.size()) return false;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

std::string SortedStringList::Text() const {
    std::string text;
    for (const std::string& item : items_) text += item + "\r\n";
    return text;
}

void SortedStringList::SetText(const std::string& text) {
    items_.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        Add(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

}  // namespace ui
