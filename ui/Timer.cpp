#include "Timer.h"

namespace ui {

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

Timer::Timer(UINT interval, bool enabled) : interval_(interval), enabled_(enabled) {
    ControlArgs args;
    args.visible = false;
    CreateHandle(WindowKind::Message, HWND_MESSAGE, args, 0, 0);
    Restart();
}

Timer::~Timer() {
    if (Handle()) KillTimer(Handle(), kTimerId);
    DestroyHandle();
}

void Timer::SetInterval(UINT interval) {
    interval_ = interval;
    Restart();
}

void Timer::SetTimerEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Restart() {
    if (!Handle()) return;
    KillTimer(Handle(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(Handle(), kTimerId, interval_, nullptr);
}

LRESULT Timer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        if (enabled_ && OnTimer) OnTimer();
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace ui
