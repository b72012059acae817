#include "ProgressBar.h"

#include <commctrl.h>

namespace ui {

int ProgressPercent(int position, int minValue, int maxValue) {
    if (maxValue <= minValue) return 0;
    long long done = static_cast<long long>(position) - minValue;
    long long percent = done * 100 / (static_cast<long long>(maxValue) - minValue);
    if (percent < 0) return 0;
    return percent > 100 ? 100 : static_cast<int>(percent);
}

bool ProgressBar::Create(Window& parent, const ControlArgs& args, const ProgressRange& range) {
    range_ = range;
    if (!CreateHandle(WindowKind::ProgressBar, parent.Handle(), args, 0, 0)) return false;
    SetRange(range.minValue, range.maxValue);
    SendMessageA(Handle(), PBM_SETSTEP, static_cast<WPARAM>(range.step), 0);
    return true;
}

int ProgressBar::Position() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), PBM_GETPOS, 0, 0)) : range_.minValue;
}

void ProgressBar::SetPosition(int position) {
    if (position < range_.minValue) position = range_.minValue;
    if (position > range_.maxValue) position = range_.maxValue;
    if (Handle()) SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void ProgressBar::StepIt() { SetPosition(Position() + range_.step); }

void ProgressBar::SetRange(int minValue, int maxValue) {
    range_.minValue = minValue;
    range_.maxValue = maxValue;
    if (Handle()) SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(minValue), maxValue);
}

std::string ProgressBar::PercentText() const { return std::to_string(Percent()) + "%"; }

void ProgressBar::PaintPercent() {
    WindowDc window(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    SelectObjectScope font(window.Dc(), CurrentFont() ? static_cast<HGDIOBJ>(CurrentFont())
                                                      : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(window.Dc(), TRANSPARENT);
    SetTextColor(window.Dc(), GetSysColor(COLOR_WINDOWTEXT));
    std::string text = PercentText();
    DrawTextA(window.Dc(), text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT ProgressBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (range_.showPercent) {
        if (message == WM_GETTEXT && wParam > 0) {
            std::string text = PercentText();
            size_t copied = text.copy(reinterpret_cast<char*>(lParam), static_cast<size_t>(wParam) - 1);
            reinterpret_cast<char*>(lParam)[copied] = '\0';
            return static_cast<LRESULT>(copied);
        }
        if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(PercentText().size());
        if (message == WM_PAINT) {
            LRESULT result = Window::HandleMessage(message, wParam, lParam);
            PaintPercent();
            return result;
        }
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace ui
