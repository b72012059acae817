#pragma once
// A list of strings kept sorted, compared with ASCII letters folded to upper case, holding
// each text once (a second text that differs only in case is dropped). Pure: no windows.h,
// so it builds and is tested in the host tree too.
#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// Compares two texts with ASCII letters folded to upper case: <0, 0, >0.
int CompareText(const std::string& a, const std::string& b);

class SortedStringList {
public:
    // Inserts at its sorted place; returns that index, or the index of the entry already
    // equal to it ignoring case (the list is then unchanged).
    size_t Add(const std::string& text);
    // Index of the entry equal ignoring case, or -1.
    int IndexOf(const std::string& text) const;
    bool Contains(const std::string& text) const { return IndexOf(text) >= 0; }
    // Removes the entry at `index`; an index out of range changes nothing and returns false.
    bool Delete(size_t index);
    void Clear() { items_.clear(); }

    size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    const std::string& operator[](size_t index) const { return items_.at(index); }
    const std::vector<std::string>& Items() const { return items_; }
    std::vector<std::string>::const_iterator begin() const { return items_.begin(); }
    std::vector<std::string>::const_iterator end() const { return items_.end(); }

    // The entries each followed by CR LF.
    std::string Text() const;
    // Replaces the list by the lines of `text` (CR LF, LF or CR ends a line; empty lines are
    // entries like any other, a final line end does not start one).
    void SetText(const std::string& text);

private:
    // First index whose entry is not less than `text`.
    size_t LowerBound(const std::string& text) const;
    std::vector<std::string> items_;
};

}  // namespace ui
