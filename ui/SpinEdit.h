#pragma once
// A number box with up and down arrows. Its value stays within [MinValue, MaxValue] (no
// limits when both are equal): a value set from outside is clamped to the nearest limit, a
// text that is not a number reads as the minimum, a typed number beyond the range reads as
// the nearest limit and the text is corrected when the box loses the focus.
#include <string>

#include "Edit.h"

namespace ui {

struct SpinRange {
    int minValue = 0;
    int maxValue = 0;
    int increment = 1;   // step of one arrow click
    int value = 0;
};

// The text as a whole number: optional leading blanks, an optional sign, digits and nothing
// else; false for anything else or a number beyond the range of int.
bool ParseSpinText(const std::string& text, int& value);

class SpinEdit : public Edit {
public:
    // args give the whole control; the arrows take the right-hand 17 pixels.
    bool Create(Window& parent, const ControlArgs& args, const SpinRange& range);

    int Value() const;
    void SetValue(int value);
    int MinValue() const { return range_.minValue; }
    int MaxValue() const { return range_.maxValue; }
    int Increment() const { return range_.increment; }
    void SetRange(int minValue, int maxValue);
    void SetIncrement(int increment) { range_.increment = increment; }
    // The arrows as a click on them would: +1 up, -1 down.
    void Step(int direction);

    void SetVisible(bool visible) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetEnabled(bool enabled) override;

    // `value` within the range.
    int Clamp(long long value) const;

protected:
    void OnLostFocus() override;

private:
    class Arrows : public Window {
    public:
        bool Create(SpinEdit& owner, HWND parent, const ControlArgs& args);

    protected:
        LRESULT OnNotify(NMHDR& header) override;

    private:
        SpinEdit* owner_ = nullptr;
    };

    SpinRange range_;
    Arrows arrows_;
};

}  // namespace ui
