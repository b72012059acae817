#include "RichEd.h"

#include <richedit.h>

#include <utility>
#include <vector>

#include "Utils.h"

namespace {

// Character positions as the control counts them (a line break is one character).
LONG TextLength(HWND edit) {
    GETTEXTLENGTHEX request = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    return static_cast<LONG>(
        SendMessageA(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

void AppendText(HWND edit, const std::string& text) {
    if (text.empty()) return;
    CHARRANGE end = {-1, -1};
    SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void MakeBold(HWND edit, LONG start, LONG length) {
    CHARRANGE range = {start, start + length};
    SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD;
    format.dwEffects = CFE_BOLD;
    SendMessageA(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void SetFontPoints(HWND edit, int points) {
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE;
    format.yHeight = points * 20;
    SendMessageA(edit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Deletes everything up to and including the tag found at position at in both strings.
void CutThrough(std::string& text, std::string& upper, size_t at, size_t tagLength) {
    text.erase(0, at + tagLength);
    upper.erase(0, at + tagLength);
}

}  // namespace

void RenderBoldMarkup(HWND edit, const std::string& source) {
    std::string text = source;
    std::string upper = UpperText(source);
    std::vector<std::pair<LONG, LONG>> stretches;
    for (bool found = true; found;) {
        found = false;
        size_t open = upper.find("<B>");
        if (open != std::string::npos) {
            AppendText(edit, text.substr(0, open));
            CutThrough(text, upper, open, 3);
            found = true;
        }
        size_t close = upper.find("</B>");
        if (close != std::string::npos) {
            LONG start = TextLength(edit);
            AppendText(edit, text.substr(0, close));
            CutThrough(text, upper, close, 4);
            if (stretches.size() < kMaxBoldStretches)
                stretches.emplace_back(start, TextLength(edit) - start);
            found = true;
        }
    }
    AppendText(edit, text);
    for (const auto& stretch : stretches) MakeBold(edit, stretch.first, stretch.second);
    // Leave no stretch selected: a focused control would show it highlighted.
    CHARRANGE start = {0, 0};
    SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
}

void PrepareRichText(HWND edit, const std::string& text) {
    if (ScreenPixelsPerInch() > 96) SetFontPoints(edit, 7);
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    SetWindowTextA(edit, "");
    RenderBoldMarkup(edit, ExpandEscapes(text));

    SendMessageA(edit, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_BTNFACE));
    LONG_PTR style = GetWindowLongPtrA(edit, GWL_STYLE);
    SetWindowLongPtrA(edit, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP));
    LONG_PTR exStyle = GetWindowLongPtrA(edit, GWL_EXSTYLE);
    SetWindowLongPtrA(edit, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
}

void MakeRightToLeftRichEdit(HWND& edit, int charset) {
    if (charset != 177 && charset != 178) return;
    HWND parent = GetParent(edit);
    RECT bounds = {};
    GetWindowRect(edit, &bounds);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    char className[64] = {};
    GetClassNameA(edit, className, sizeof className);
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(edit, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(edit, GWL_EXSTYLE));
    exStyle |= WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
    std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(edit, &text[0], static_cast<int>(text.size()))));

    HWND replacement = CreateWindowExA(
        exStyle, className, "", style, bounds.left, bounds.top, bounds.right - bounds.left,
        bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(edit))),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(edit, GWLP_HINSTANCE)), nullptr);
    if (!replacement) return;
    SendMessageA(replacement, WM_SETFONT, SendMessageA(edit, WM_GETFONT, 0, 0), FALSE);
    SetWindowTextA(replacement, text.c_str());
    SendMessageA(replacement, EM_SETREADONLY, (style & ES_READONLY) != 0, 0);
    // The copy takes the old control's place in the tab order.
    SetWindowPos(replacement, edit, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(edit);
    edit = replacement;
}
