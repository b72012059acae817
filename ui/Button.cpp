#include "Button.h"

#include "Form.h"

namespace ui {

namespace {

bool IsChecked(HWND button) {
    return button && SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetCheck(HWND button, bool checked) {
    if (button) SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

bool Button::Create(Window& parent, const ControlArgs& args) {
    return CreateHandle(WindowKind::Button, parent.Handle(), args, BS_PUSHBUTTON | WS_TABSTOP, 0);
}

void Button::Click() {
    if (modalResult_ != mrNone) {
        if (auto* form = dynamic_cast<Form*>(FromHandle(GetAncestor(Handle(), GA_ROOT))))
            form->SetModalResult(modalResult_);
    }
    if (OnClick) OnClick();
}

void Button::OnCommand(WORD code) {
    // Some systems deliver BM_CLICK to a disabled button; its action must not run.
    if (code == BN_CLICKED && Enabled()) Click();
}

bool CheckBox::Create(Window& parent, const ControlArgs& args, bool checked) {
    SetTransparentBackground(true);
    if (!CreateHandle(WindowKind::Button, parent.Handle(), args, BS_AUTOCHECKBOX | WS_TABSTOP, 0))
        return false;
    SetCheck(Handle(), checked);
    return true;
}

bool CheckBox::Checked() const { return IsChecked(Handle()); }

void CheckBox::SetChecked(bool checked) {
    if (Checked() == checked) return;
    SetCheck(Handle(), checked);
    if (OnClick) OnClick();
}

void CheckBox::OnCommand(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick();
}

bool RadioButton::Create(Window& parent, const ControlArgs& args, bool checked) {
    SetTransparentBackground(true);
    if (!CreateHandle(WindowKind::Button, parent.Handle(), args, BS_AUTORADIOBUTTON | WS_TABSTOP, 0))
        return false;
    SetCheck(Handle(), checked);
    return true;
}

bool RadioButton::Checked() const { return IsChecked(Handle()); }

void RadioButton::SetChecked(bool checked) {
    if (Checked() == checked) return;
    if (checked) {
        // Uncheck the other radio buttons of the same parent, as a click would.
        for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (sibling != Handle() && dynamic_cast<RadioButton*>(FromHandle(sibling)))
                SetCheck(sibling, false);
        }
    }
    SetCheck(Handle(), checked);
    if (checked && OnClick) OnClick();
}

void RadioButton::OnCommand(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick();
}

// A group box draws only its frame and caption. Ours hold their controls as children, and the
// parent clips children, so nobody else paints the inside: the box fills it itself.
LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
        return 1;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

bool GroupBox::Create(Window& parent, const ControlArgs& args) {
    SetTransparentBackground(true);
    return CreateHandle(WindowKind::Button, parent.Handle(), args, BS_GROUPBOX | WS_CLIPCHILDREN,
                        WS_EX_CONTROLPARENT);
}

}  // namespace ui
