#pragma once
// Single-line and multi-line text boxes.
#include <functional>
#include <string>
#include <vector>

#include "Window.h"

namespace ui {

class Edit : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    // 0: no limit beyond the system's.
    void SetMaxLength(int length);
    void SelectAll();

    // Raised whenever the text changes, also when the program sets it.
    std::function<void()> OnChange;

protected:
    void OnCommand(WORD code) override;
    bool CreateWithStyle(Window& parent, const ControlArgs& args, DWORD style);
    virtual void OnLostFocus() {}
};

enum class ScrollBars { None, Vertical, Horizontal, Both };

// Lines of text; "Lines" follow the text box: a line is what lies between CR LF pairs, and a
// final CR LF does not start another line.
class Memo : public Edit {
public:
    bool Create(Window& parent, const ControlArgs& args, ScrollBars scrollBars = ScrollBars::None,
                bool readOnly = false, bool wordWrap = true);
    // Appends a line at the end and scrolls it into view.
    void AddLine(const std::string& line);
    // Appends the lines at the end in one edit and scrolls the last into view. An edit costs
    // time in proportion to the whole text, so a long log grows by batches, not line by line.
    void AddLines(const std::vector<std::string>& lines);
    void ClearLines();
    std::vector<std::string> Lines() const;
    size_t LineCount() const { return Lines().size(); }
};

// Splits memo text into its lines (CR LF between lines; a final CR LF starts no line).
std::vector<std::string> SplitMemoLines(const std::string& text);

}  // namespace ui
