#pragma once
// A list of text lines kept sorted ignoring ASCII letter case, with duplicates (equal when
// case is ignored) dropped: the command queue and the web-page file list.
#include <string>
#include <vector>

namespace korvan {

// <0, 0, >0 comparing a and b with ASCII letters folded to upper case.
int CompareTextIgnoringCase(const std::string& a, const std::string& b);

class SortedTextList {
public:
    // Inserts the line at its sorted place; returns false (and keeps the list) for a duplicate.
    bool Add(const std::string& line);
    void Clear() { lines_.clear(); }
    bool Empty() const { return lines_.empty(); }
    size_t Count() const { return lines_.size(); }
    // Removes and returns the first line; the list must not be empty.
    std::string TakeFirst();
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace korvan
