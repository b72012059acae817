#pragma once
// A line of text on its parent's background; raises OnClick when clicked.
#include <functional>

#include "Window.h"

namespace ui {

enum class Alignment { Left, Center, Right };

class Label : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, Alignment alignment = Alignment::Left,
                bool wordWrap = false);
    // Shows the hand cursor over the label (for a label that opens an address).
    void SetHandCursor(bool hand) { handCursor_ = hand; }

    std::function<void()> OnClick;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WORD code) override;

private:
    bool handCursor_ = false;
};

}  // namespace ui
