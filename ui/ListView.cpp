#include "ListView.h"

#include <commctrl.h>

#include "Messages.h"

namespace ui {

namespace {

// Check-box state lives in the state-image bits: 1 unchecked, 2 checked.
bool StateIsChecked(UINT state) { return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2; }

}  // namespace

bool ListView::Create(Window& parent, const ControlArgs& args, const std::vector<ListColumn>& columns,
                      bool checkBoxes, bool multiSelect) {
    checkBoxes_ = checkBoxes;
    DWORD style = LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP | LVS_NOSORTHEADER;
    if (!multiSelect) style |= LVS_SINGLESEL;
    if (!CreateHandle(WindowKind::ListView, parent.Handle(), args, style, WS_EX_CLIENTEDGE)) return false;
    DWORD extended = LVS_EX_FULLROWSELECT | (checkBoxes ? LVS_EX_CHECKBOXES : 0);
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended);
    for (const ListColumn& column : columns) {
        std::string caption = column.caption;
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.cx = column.width;
        info.pszText = &caption[0];
        SendMessageA(Handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(columns_++), reinterpret_cast<LPARAM>(&info));
    }
    return true;
}

int ListView::AddItem(const std::vector<std::string>& cells, bool checked) {
    if (!Handle()) return -1;
    std::string first = cells.empty() ? std::string() : cells[0];
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = ItemCount();
    item.pszText = &first[0];
    int index = static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) return -1;
    for (size_t column = 1; column < cells.size(); ++column)
        SetCell(index, static_cast<int>(column), cells[column]);
    if (checkBoxes_) SetChecked(index, checked);
    return index;
}

void ListView::ClearItems() {
    if (Handle()) SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

int ListView::ItemCount() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string ListView::Cell(int item, int column) const {
    if (item < 0 || item >= ItemCount() || column < 0 || column >= columns_) return std::string();
    char text[1024] = {};
    LVITEMA info = {};
    info.iSubItem = column;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    SendMessageA(Handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
    return text;
}

void ListView::SetCell(int item, int column, const std::string& text) {
    if (item < 0 || item >= ItemCount() || column < 0 || column >= columns_) return;
    std::string copy = text;
    LVITEMA info = {};
    info.iSubItem = column;
    info.pszText = &copy[0];
    SendMessageA(Handle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
}

bool ListView::Checked(int item) const {
    if (!checkBoxes_ || item < 0 || item >= ItemCount()) return false;
    UINT state = static_cast<UINT>(SendMessageA(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(item),
                                                LVIS_STATEIMAGEMASK));
    return StateIsChecked(state);
}

void ListView::SetChecked(int item, bool checked) {
    if (!checkBoxes_ || item < 0 || item >= ItemCount()) return;
    LVITEMA info = {};
    info.stateMask = LVIS_STATEIMAGEMASK;
    info.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    settingCheck_ = true;
    SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
    settingCheck_ = false;
}

int ListView::ItemIndex() const {
    if (!Handle()) return -1;
    return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::SetItemIndex(int item) {
    if (!Handle()) return;
    LVITEMA info = {};
    info.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
    if (item < 0 || item >= ItemCount()) return;
    info.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
    SendMessageA(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
}

std::vector<int> ListView::SelectedItems() const {
    std::vector<int> items;
    if (!Handle()) return items;
    LRESULT item = -1;
    while ((item = SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED)) >= 0)
        items.push_back(static_cast<int>(item));
    return items;
}

std::string ListView::AllText() const {
    std::string text;
    for (int item = 0; item < ItemCount(); ++item) {
        if (item > 0) text += "\r\n";
        if (checkBoxes_) text += Checked(item) ? "[x] " : "[ ] ";
        for (int column = 0; column < columns_; ++column) {
            if (column > 0) text += '\t';
            text += Cell(item, column);
        }
    }
    return text;
}

LRESULT ListView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(AllText().size());
    if (message == WM_GETTEXT) {
        if (wParam == 0) return 0;
        std::string text = AllText();
        size_t copied = text.copy(reinterpret_cast<char*>(lParam), static_cast<size_t>(wParam) - 1);
        reinterpret_cast<char*>(lParam)[copied] = '\0';
        return static_cast<LRESULT>(copied);
    }
    if (message == SelectTextMessage()) {
        char text[256] = {};
        GlobalGetAtomNameA(static_cast<ATOM>(wParam), text, sizeof text);
        for (int item = 0; item < ItemCount(); ++item) {
            if (Cell(item, 0) != text) continue;
            SetItemIndex(item);
            return 1;
        }
        return 0;
    }
    if (message == RowCheckMessage()) {
        int item = static_cast<int>(wParam);
        if (!checkBoxes_ || item < 0 || item >= ItemCount()) return 0;
        if (lParam == 0) return Checked(item) ? 1 : 0;
        bool checked = lParam == 2;
        // As a click by the user: the program hears of it.
        if (Checked(item) != checked) {
            SetChecked(item, checked);
            if (OnItemChecked) OnItemChecked(item, checked);
        }
        return 1;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

LRESULT ListView::OnNotify(NMHDR& header) {
    if (header.code != LVN_ITEMCHANGED) return 0;
    auto& change = reinterpret_cast<NMLISTVIEW&>(header);
    if ((change.uChanged & LVIF_STATE) == 0) return 0;
    UINT before = change.uOldState;
    UINT after = change.uNewState;
    if (checkBoxes_ && !settingCheck_ && ((before ^ after) & LVIS_STATEIMAGEMASK) &&
        (before & LVIS_STATEIMAGEMASK) != 0 && OnItemChecked)
        OnItemChecked(change.iItem, StateIsChecked(after));
    if (((before ^ after) & LVIS_SELECTED) && OnSelectItem) OnSelectItem();
    return 0;
}

}  // namespace ui
