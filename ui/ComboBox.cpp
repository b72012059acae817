#include "ComboBox.h"

#include "Messages.h"

namespace ui {

namespace {

constexpr int kDroppedRows = 8;

}  // namespace

bool ComboBox::Create(Window& parent, const ControlArgs& args, const std::vector<std::string>& items) {
    ControlArgs dropped = args;
    int closedHeight = args.height > 0 ? args.height : 21;
    dropped.height = closedHeight + kDroppedRows * (closedHeight - 6);
    if (!CreateHandle(WindowKind::ComboBox, parent.Handle(), dropped,
                      CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0))
        return false;
    for (const std::string& item : items) AddItem(item);
    return true;
}

void ComboBox::AddItem(const std::string& item) {
    if (Handle()) SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ComboBox::ClearItems() {
    if (Handle()) SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

int ComboBox::ItemCount() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)) : 0;
}

std::string ComboBox::Item(int index) const {
    if (index < 0 || index >= ItemCount()) return std::string();
    LRESULT length = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

int ComboBox::IndexOfItem(const std::string& text) const {
    if (!Handle()) return -1;
    LRESULT found = SendMessageA(Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.c_str()));
    return found == CB_ERR ? -1 : static_cast<int>(found);
}

int ComboBox::ItemIndex() const {
    if (!Handle()) return -1;
    LRESULT selected = SendMessageA(Handle(), CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

void ComboBox::SetItemIndex(int index) {
    if (!Handle()) return;
    if (index < 0 || index >= ItemCount()) index = -1;
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::OnCommand(WORD code) {
    if (code == CBN_SELCHANGE && OnChange) OnChange();
}

LRESULT ComboBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SelectTextMessage()) {
        char text[256] = {};
        GlobalGetAtomNameA(static_cast<ATOM>(wParam), text, sizeof text);
        int index = IndexOfItem(text);
        if (index < 0) return 0;
        SetItemIndex(index);
        if (OnChange) OnChange();
        return 1;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace ui
