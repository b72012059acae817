#include "Label.h"

namespace ui {

bool Label::Create(Window& parent, const ControlArgs& args, Alignment alignment, bool wordWrap) {
    DWORD style = SS_NOTIFY;
    switch (alignment) {
        case Alignment::Left: style |= wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP; break;
        case Alignment::Center: style |= SS_CENTER; break;
        case Alignment::Right: style |= SS_RIGHT; break;
    }
    SetTransparentBackground(true);
    return CreateHandle(WindowKind::Static, parent.Handle(), args, style, 0);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && handCursor_) {
        ::SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void Label::OnCommand(WORD code) {
    if (code == STN_CLICKED && OnClick) OnClick();
}

}  // namespace ui
