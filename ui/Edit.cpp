#include "Edit.h"

namespace ui {

bool Edit::Create(Window& parent, const ControlArgs& args) {
    return CreateWithStyle(parent, args, ES_AUTOHSCROLL);
}

bool Edit::CreateWithStyle(Window& parent, const ControlArgs& args, DWORD style) {
    return CreateHandle(WindowKind::Edit, parent.Handle(), args, style | WS_TABSTOP,
                        WS_EX_CLIENTEDGE);
}

bool Edit::ReadOnly() const {
    return Handle() && (GetWindowLongA(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

void Edit::SetReadOnly(bool readOnly) {
    if (Handle()) SendMessageA(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void Edit::SetMaxLength(int length) {
    if (Handle()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void Edit::SelectAll() {
    if (Handle()) SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void Edit::OnCommand(WORD code) {
    if (code == EN_CHANGE && OnChange) OnChange();
    if (code == EN_KILLFOCUS) OnLostFocus();
}

bool Memo::Create(Window& parent, const ControlArgs& args, ScrollBars scrollBars, bool readOnly,
                  bool wordWrap) {
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (!wordWrap) style |= ES_AUTOHSCROLL;
    if (readOnly) style |= ES_READONLY;
    if (scrollBars == ScrollBars::Vertical || scrollBars == ScrollBars::Both) style |= WS_VSCROLL;
    if (scrollBars == ScrollBars::Horizontal || scrollBars == ScrollBars::Both) style |= WS_HSCROLL;
    if (!CreateWithStyle(parent, args, style)) return false;
    // A log grows without end; the default limit of about 32 000 characters would
    // silently drop later lines.
    SetMaxLength(0);
    return true;
}

void Memo::AddLine(const std::string& line) { AddLines({line}); }

void Memo::AddLines(const std::vector<std::string>& lines) {
    if (!Handle() || lines.empty()) return;
    std::string added;
    for (const std::string& line : lines) added += line + "\r\n";
    int end = GetWindowTextLengthA(Handle());
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

void Memo::ClearLines() { SetText(std::string()); }

std::vector<std::string> Memo::Lines() const { return SplitMemoLines(Text()); }

std::vector<std::string> SplitMemoLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace ui
