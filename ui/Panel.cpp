#include "Panel.h"

namespace ui {

bool Panel::Create(Window& parent, const ControlArgs& args, PanelBevel bevel) {
    bevel_ = bevel;
    return CreateHandle(WindowKind::Container, parent.Handle(), args, WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                        WS_EX_CONTROLPARENT);
}

void Panel::SetBevel(PanelBevel bevel) {
    bevel_ = bevel;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void Panel::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, BackgroundBrush());
    if (bevel_ == PanelBevel::Raised) DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    if (bevel_ == PanelBevel::Lowered) DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    std::string caption = Caption();
    if (caption.empty()) return;
    SelectObjectScope font(dc, CurrentFont() ? static_cast<HGDIOBJ>(CurrentFont())
                                             : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PaintContext paint(Handle());
            Paint(paint.Dc());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;   // WM_PAINT fills the whole area
        case WM_SETTEXT: {
            LRESULT result = Window::HandleMessage(message, wParam, lParam);
            InvalidateRect(Handle(), nullptr, TRUE);
            return result;
        }
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

bool Bevel::Create(Window& parent, const ControlArgs& args, BevelShape shape) {
    ControlArgs frame = args;
    DWORD style = 0;
    DWORD exStyle = 0;
    switch (shape) {
        case BevelShape::LoweredBox: exStyle = WS_EX_STATICEDGE; break;
        case BevelShape::Frame: style = SS_ETCHEDFRAME; break;
        case BevelShape::TopLine: style = SS_ETCHEDHORZ; frame.height = 2; break;
        case BevelShape::LeftLine: style = SS_ETCHEDVERT; frame.width = 2; break;
    }
    frame.caption.clear();
    return CreateHandle(WindowKind::Static, parent.Handle(), frame, style, exStyle);
}

}  // namespace ui
