#include "SpinEdit.h"

#include <commctrl.h>

#include <climits>

namespace ui {

namespace {

constexpr int kArrowsWidth = 17;

}  // namespace

bool ParseSpinText(const std::string& text, int& value) {
    size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    if (at == text.size()) return false;
    long long number = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
        number = number * 10 + (text[at] - '0');
        if (number > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (negative) number = -number;
    if (number < INT_MIN || number > INT_MAX) return false;
    value = static_cast<int>(number);
    return true;
}

bool SpinEdit::Create(Window& parent, const ControlArgs& args, const SpinRange& range) {
    range_ = range;
    ControlArgs edit = args;
    edit.width = args.width - kArrowsWidth;
    edit.caption = std::to_string(Clamp(range.value));
    if (!CreateWithStyle(parent, edit, ES_AUTOHSCROLL)) return false;
    ControlArgs arrows;
    arrows.left = args.left + edit.width;
    arrows.top = args.top;
    arrows.width = kArrowsWidth;
    arrows.height = args.height;
    arrows.visible = args.visible;
    arrows.enabled = args.enabled;
    return arrows_.Create(*this, parent.Handle(), arrows);
}

int SpinEdit::Clamp(long long value) const {
    if (range_.maxValue != range_.minValue) {
        if (value < range_.minValue) return range_.minValue;
        if (value > range_.maxValue) return range_.maxValue;
    }
    return static_cast<int>(value);
}

int SpinEdit::Value() const {
    int value = 0;
    if (!ParseSpinText(Text(), value)) return range_.minValue;
    return Clamp(value);
}

void SpinEdit::SetValue(int value) { SetText(std::to_string(Clamp(value))); }

void SpinEdit::SetRange(int minValue, int maxValue) {
    range_.minValue = minValue;
    range_.maxValue = maxValue;
    SetValue(Value());
}

void SpinEdit::Step(int direction) {
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    SetValue(Clamp(static_cast<long long>(Value()) +
                   static_cast<long long>(direction) * range_.increment));
}

void SpinEdit::SetVisible(bool visible) {
    Edit::SetVisible(visible);
    arrows_.SetVisible(visible);
}

void SpinEdit::SetEnabled(bool enabled) {
    Edit::SetEnabled(enabled);
    arrows_.SetEnabled(enabled);
}

void SpinEdit::SetBounds(int left, int top, int width, int height) {
    Edit::SetBounds(left, top, width - kArrowsWidth, height);
    arrows_.SetBounds(left + width - kArrowsWidth, top, kArrowsWidth, height);
}

void SpinEdit::OnLostFocus() {
    std::string corrected = std::to_string(Value());
    if (Text() != corrected) SetText(corrected);
}

bool SpinEdit::Arrows::Create(SpinEdit& owner, HWND parent, const ControlArgs& args) {
    owner_ = &owner;
    if (!CreateHandle(WindowKind::UpDown, parent, args, UDS_ARROWKEYS, 0)) return false;
    // The arrows never move by themselves (OnNotify refuses every change); the buddy only
    // lets the arrow keys of the edit reach them.
    SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(INT_MIN / 2), INT_MAX / 2);
    SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(owner.Handle()), 0);
    return true;
}

LRESULT SpinEdit::Arrows::OnNotify(NMHDR& header) {
    if (header.code != static_cast<UINT>(UDN_DELTAPOS)) return 0;
    auto& change = reinterpret_cast<NMUPDOWN&>(header);
    owner_->Step(change.iDelta > 0 ? 1 : -1);
    return 1;
}

}  // namespace ui
