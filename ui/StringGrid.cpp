#include "StringGrid.h"

#include <commctrl.h>

#include "Messages.h"

namespace ui {

bool StringGrid::Create(Window& parent, const ControlArgs& args, int colCount, int rowCount,
                        bool multiSelect) {
    columns_ = static_cast<size_t>(colCount > 0 ? colCount : 1);
    cells_.assign(1, std::vector<std::string>(columns_));
    DWORD style = LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | WS_TABSTOP | LVS_NOSORTHEADER;
    if (!multiSelect) style |= LVS_SINGLESEL;
    if (!CreateHandle(WindowKind::ListView, parent.Handle(), args, style, WS_EX_CLIENTEDGE))
        return false;
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    int width = args.width > 0 ? (args.width - 4) / colCount : 64;
    for (int col = 0; col < colCount; ++col) {
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = width;
        column.pszText = const_cast<char*>("");
        SendMessageA(Handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&column));
    }
    SetRowCount(rowCount);
    return true;
}

void StringGrid::SetRowCount(int rows) {
    cells_.resize(static_cast<size_t>(rows > 1 ? rows : 1), std::vector<std::string>(columns_));
    if (Handle())
        SendMessageA(Handle(), LVM_SETITEMCOUNT, cells_.size() - 1, LVSICF_NOINVALIDATEALL);
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void StringGrid::SetColWidth(int col, int width) {
    if (Handle()) SendMessageA(Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(col), width);
}

std::string StringGrid::Cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return std::string();
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void StringGrid::SetCell(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    if (!Handle()) return;
    if (row == 0) ShowHeader(col);
    else SendMessageA(Handle(), LVM_REDRAWITEMS, static_cast<WPARAM>(row - 1), row - 1);
}

void StringGrid::ShowHeader(int col) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    std::string text = cells_[0][static_cast<size_t>(col)];
    column.pszText = &text[0];
    SendMessageA(Handle(), LVM_SETCOLUMNA, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&column));
}

int StringGrid::Row() const {
    if (!Handle()) return -1;
    LRESULT item = SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
    return item < 0 ? -1 : static_cast<int>(item) + 1;
}

void StringGrid::SetRowState(int row, UINT state, UINT mask) {
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row - 1), reinterpret_cast<LPARAM>(&item));
}

void StringGrid::SetRow(int row) {
    if (!Handle() || row < 1 || row >= RowCount()) return;
    ClearSelection();
    SetRowState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageA(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row - 1), FALSE);
}

void StringGrid::SelectRow(int row) {
    if (!Handle() || row < 1 || row >= RowCount()) return;
    SetRowState(row, LVIS_SELECTED, LVIS_SELECTED);
}

void StringGrid::ClearSelection() {
    if (!Handle()) return;
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

std::vector<int> StringGrid::SelectedRows() const {
    std::vector<int> rows;
    if (!Handle()) return rows;
    LRESULT item = -1;
    while ((item = SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED)) >= 0)
        rows.push_back(static_cast<int>(item) + 1);
    return rows;
}

GridRange StringGrid::Selection() const {
    std::vector<int> rows = SelectedRows();
    if (rows.empty()) return GridRange{};
    return GridRange{rows.front(), rows.back()};
}

std::string StringGrid::AllText() const {
    std::string text;
    for (size_t row = 0; row < cells_.size(); ++row) {
        if (row > 0) text += "\r\n";
        for (size_t col = 0; col < columns_; ++col) {
            if (col > 0) text += '\t';
            text += cells_[row][col];
        }
    }
    return text;
}

bool StringGrid::SelectByFirstCell(const std::string& text) {
    for (int row = 1; row < RowCount(); ++row) {
        if (Cell(0, row) != text) continue;
        SetRow(row);
        return true;
    }
    return false;
}

LRESULT StringGrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
        return SelectByFirstCell(text) ? 1 : 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

LRESULT StringGrid::OnNotify(NMHDR& header) {
    if (header.code == LVN_GETDISPINFOA || header.code == LVN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMLVDISPINFOA&>(header);
        if (!(info.item.mask & LVIF_TEXT) || info.item.cchTextMax <= 0) return 0;
        dispText_ = Cell(info.item.iSubItem, info.item.iItem + 1);
        if (header.code == LVN_GETDISPINFOA) {
            lstrcpynA(info.item.pszText, dispText_.c_str(), info.item.cchTextMax);
        } else {
            auto* wide = reinterpret_cast<wchar_t*>(info.item.pszText);
            int written = MultiByteToWideChar(CP_ACP, 0, dispText_.c_str(), -1, wide, info.item.cchTextMax);
            if (written == 0) wide[info.item.cchTextMax - 1] = L'\0';
        }
        return 0;
    }
    if (header.code == LVN_ITEMCHANGED || header.code == LVN_ODSTATECHANGED) {
        if (OnSelectCell) OnSelectCell();
    }
    return 0;
}

}  // namespace ui
