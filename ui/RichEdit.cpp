#include "RichEdit.h"

#include <richedit.h>

namespace ui {

namespace {

struct RtfBuffer {
    std::string text;
    size_t read = 0;
};

DWORD CALLBACK WriteRtf(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
    reinterpret_cast<RtfBuffer*>(cookie)->text.append(reinterpret_cast<char*>(bytes), static_cast<size_t>(count));
    *done = count;
    return 0;
}

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
    auto* buffer = reinterpret_cast<RtfBuffer*>(cookie);
    size_t left = buffer->text.size() - buffer->read;
    size_t taken = left < static_cast<size_t>(count) ? left : static_cast<size_t>(count);
    buffer->text.copy(reinterpret_cast<char*>(bytes), taken, buffer->read);
    buffer->read += taken;
    *done = static_cast<LONG>(taken);
    return 0;
}

}  // namespace

DWORD RichEdit::StyleFor(const RichEditOptions& options) const {
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (options.readOnly) style |= ES_READONLY;
    else style |= WS_TABSTOP | ES_WANTRETURN;
    if (options.scrollBars == ScrollBars::Vertical || options.scrollBars == ScrollBars::Both) style |= WS_VSCROLL;
    if (options.scrollBars == ScrollBars::Horizontal || options.scrollBars == ScrollBars::Both) style |= WS_HSCROLL;
    return style;
}

DWORD RichEdit::ExStyleFor(const RichEditOptions& options) const {
    DWORD exStyle = options.border ? WS_EX_CLIENTEDGE : 0;
    if (options.rightToLeft) exStyle |= WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
    return exStyle;
}

bool RichEdit::Create(Window& parent, const ControlArgs& args, const RichEditOptions& options) {
    options_ = options;
    parent_ = parent.Handle();
    if (!CreateHandle(WindowKind::RichEdit, parent_, args, StyleFor(options), ExStyleFor(options)))
        return false;
    SendMessageA(Handle(), EM_SETEVENTMASK, 0, 0);
    if (options.rightToLeft) ApplyReadingOrder();
    return true;
}

void RichEdit::ApplyReadingOrder() {
    CHARRANGE all = {0, -1};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
    PARAFORMAT2 format = {};
    format.cbSize = sizeof format;
    format.dwMask = PFM_RTLPARA | PFM_ALIGNMENT;
    format.wEffects = options_.rightToLeft ? PFE_RTLPARA : 0;
    format.wAlignment = options_.rightToLeft ? PFA_RIGHT : PFA_LEFT;
    SendMessageA(Handle(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    CHARRANGE none = {0, 0};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
}

int RichEdit::TextLength() const {
    if (!Handle()) return 0;
    GETTEXTLENGTHEX query = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    return static_cast<int>(SendMessageA(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

void RichEdit::AppendText(const std::string& text) {
    if (!Handle()) return;
    CHARRANGE end = {-1, -1};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    // New text would take the format of the character before it; it starts plain instead.
    CHARFORMATA plain = {};
    plain.cbSize = sizeof plain;
    plain.dwMask = CFM_BOLD;
    SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&plain));
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void RichEdit::Clear() { SetText(std::string()); }

void RichEdit::SetBold(int start, int length, bool bold) {
    if (!Handle() || length <= 0) return;
    CHARRANGE range = {start, start + length};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD;
    format.dwEffects = bold ? CFE_BOLD : 0;
    SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    CHARRANGE none = {0, 0};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
}

bool RichEdit::IsBold(int start, int length) const {
    if (!Handle() || length <= 0) return false;
    CHARRANGE range = {start, start + length};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    CHARRANGE none = {0, 0};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
    // The mask says which attributes are the same over the whole range.
    return (format.dwMask & CFM_BOLD) && (format.dwEffects & CFE_BOLD);
}

void RichEdit::SetReadOnly(bool readOnly) {
    options_.readOnly = readOnly;
    if (Handle()) SendMessageA(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void RichEdit::SetBackground(COLORREF color) {
    background_ = color;
    if (Handle()) SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(color));
}

void RichEdit::SetBorder(bool border) {
    options_.border = border;
    if (!Handle()) return;
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(ExStyleFor(options_)));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

std::string RichEdit::SaveRtf() const {
    RtfBuffer buffer;
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&buffer), 0, WriteRtf};
    SendMessageA(Handle(), EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return buffer.text;
}

void RichEdit::LoadRtf(const std::string& rtf) {
    RtfBuffer buffer{rtf, 0};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&buffer), 0, ReadRtf};
    SendMessageA(Handle(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

bool RichEdit::SetRightToLeft(bool rightToLeft) {
    if (!Handle()) return false;
    if (rightToLeft == options_.rightToLeft) return true;
    ControlArgs args;
    args.name = Name();
    args.left = Left();
    args.top = Top();
    args.width = Width();
    args.height = Height();
    args.visible = Visible();
    args.enabled = Enabled();
    std::string rtf = SaveRtf();
    HFONT font = CurrentFont();
    HWND old = Handle();
    HWND after = GetWindow(old, GW_HWNDPREV);   // keeps the tab order

    RichEditOptions options = options_;
    options.rightToLeft = rightToLeft;
    // The old window goes first: the object can own only one.
    DestroyHandle();
    if (!CreateHandle(WindowKind::RichEdit, parent_, args, StyleFor(options), ExStyleFor(options))) {
        options.rightToLeft = !rightToLeft;
        CreateHandle(WindowKind::RichEdit, parent_, args, StyleFor(options), ExStyleFor(options));
        LoadRtf(rtf);
        return false;
    }
    options_ = options;
    SendMessageA(Handle(), EM_SETEVENTMASK, 0, 0);
    if (font) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    LoadRtf(rtf);
    ApplyReadingOrder();
    SendMessageA(Handle(), EM_SETREADONLY, options_.readOnly ? TRUE : FALSE, 0);
    if (background_ != CLR_INVALID) SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(background_));
    SetWindowPos(Handle(), after ? after : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

}  // namespace ui
