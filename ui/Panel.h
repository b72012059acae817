#pragma once
// Plain containers and frames: Panel (a raised, lowered or flat area holding controls, its
// caption centred) and Bevel (a sunken frame or line drawn over the parent).
#include "Window.h"

namespace ui {

enum class PanelBevel { None, Raised, Lowered };

class Panel : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, PanelBevel bevel = PanelBevel::Raised);
    PanelBevel Bevel() const { return bevel_; }
    void SetBevel(PanelBevel bevel);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    PanelBevel bevel_ = PanelBevel::Raised;
};

enum class BevelShape {
    LoweredBox,   // a sunken rectangle
    Frame,        // an etched frame
    TopLine,      // an etched line along the top
    LeftLine,     // an etched line along the left side
};

class Bevel : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, BevelShape shape = BevelShape::LoweredBox);
};

}  // namespace ui
