#pragma once
// The controls of the standard BUTTON class: push buttons, check boxes, radio buttons and
// group boxes (a group box is also the parent of the controls drawn inside it).
#include <functional>

#include "Window.h"

namespace ui {

class Button : public Window {
public:
    // args.style may add BS_DEFPUSHBUTTON for the default button.
    bool Create(Window& parent, const ControlArgs& args);
    // Raises OnClick as a click by the user would (also sets the form's modal result).
    void Click();
    // When not mrNone, a click sets the modal result of the form holding the button.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    std::function<void()> OnClick;

protected:
    void OnCommand(WORD code) override;

private:
    int modalResult_ = 0;
};

// A check box that checks and unchecks itself when clicked. Setting Checked to a new state
// raises OnClick, as a click would, so the rules that hang on the box run either way.
class CheckBox : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, bool checked = false);
    bool Checked() const;
    void SetChecked(bool checked);

    std::function<void()> OnClick;

protected:
    void OnCommand(WORD code) override;
};

// A radio button; the buttons with the same parent form one group, only one checked.
// Setting Checked to true raises OnClick, as a click would.
class RadioButton : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, bool checked = false);
    bool Checked() const;
    void SetChecked(bool checked);

    std::function<void()> OnClick;

protected:
    void OnCommand(WORD code) override;
};

// A framed, captioned group; create the controls inside it with the group box as parent.
class GroupBox : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
