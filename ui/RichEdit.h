#pragma once
// A rich-edit control: plain text appended piece by piece, ranges made bold, and a right-to-left
// variant for Hebrew and Arabic texts. Positions count characters as the control does (a line
// break is one character).
#include <string>

#include "Edit.h"
#include "Window.h"

namespace ui {

struct RichEditOptions {
    bool readOnly = false;
    bool border = true;
    bool rightToLeft = false;
    ScrollBars scrollBars = ScrollBars::None;
};

class RichEdit : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, const RichEditOptions& options = RichEditOptions{});

    // Number of characters, as positions count them.
    int TextLength() const;
    // Appends plain (not bold) text at the end; "\r\n" and "\n" become line breaks.
    void AppendText(const std::string& text);
    void Clear();
    // Makes `length` characters from `start` bold (or not).
    void SetBold(int start, int length, bool bold = true);
    // Whether every character of the range is bold.
    bool IsBold(int start, int length) const;

    bool ReadOnly() const { return options_.readOnly; }
    void SetReadOnly(bool readOnly);
    // Background colour of the text area.
    void SetBackground(COLORREF color);
    void SetBorder(bool border);
    bool RightToLeft() const { return options_.rightToLeft; }
    // Builds the control again with the other reading order, keeping its place, text with its
    // formatting, font, colours, state and name. False when the new window cannot be made (the
    // old one then stays).
    bool SetRightToLeft(bool rightToLeft);

private:
    DWORD StyleFor(const RichEditOptions& options) const;
    DWORD ExStyleFor(const RichEditOptions& options) const;
    // Gives every paragraph the reading order of the options.
    void ApplyReadingOrder();
    std::string SaveRtf() const;
    void LoadRtf(const std::string& rtf);

    HWND parent_ = nullptr;
    RichEditOptions options_;
    COLORREF background_ = CLR_INVALID;
};

}  // namespace ui
