#pragma once
// A progress bar from Min to Max that can print its position as a percentage over itself.
#include <string>

#include "Window.h"

namespace ui {

struct ProgressRange {
    int minValue = 0;
    int maxValue = 100;
    int step = 10;
    bool showPercent = false;
};

// (position - min) * 100 / (max - min), integer division, held within 0 .. 100; 0 when the
// range is empty.
int ProgressPercent(int position, int minValue, int maxValue);

class ProgressBar : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, const ProgressRange& range = ProgressRange{});
    int Position() const;
    // Held within the range.
    void SetPosition(int position);
    void StepIt();
    void SetRange(int minValue, int maxValue);
    int MinValue() const { return range_.minValue; }
    int MaxValue() const { return range_.maxValue; }
    int Percent() const { return ProgressPercent(Position(), range_.minValue, range_.maxValue); }
    // "42%"; also the bar's window text when it shows its percentage.
    std::string PercentText() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintPercent();
    ProgressRange range_;
};

}  // namespace ui
