#pragma once
// A timer of the window thread: OnTimer runs there every Interval milliseconds while enabled.
// It has a hidden message-only window of its own, so it needs no form.
#include <functional>

#include "Window.h"

namespace ui {

class Timer : private Window {
public:
    // Starts at once when `enabled`; create it on the window thread.
    explicit Timer(UINT interval = 1000, bool enabled = true);
    ~Timer() override;

    UINT Interval() const { return interval_; }
    void SetInterval(UINT interval);
    bool TimerEnabled() const { return enabled_; }
    void SetTimerEnabled(bool enabled);

    std::function<void()> OnTimer;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Restart();

    UINT interval_;
    bool enabled_;
};

}  // namespace ui
