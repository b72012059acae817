#pragma once
// A list in report view: columns with headings, one row per item, optional check boxes.
// WM_GETTEXT answers all rows (cells separated by tabs, "[x] " or "[ ] " before a row's first
// cell when there are check boxes), so that another process can read it.
#include <functional>
#include <string>
#include <vector>

#include "Window.h"

namespace ui {

struct ListColumn {
    std::string caption;
    int width = 100;
};

class ListView : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, const std::vector<ListColumn>& columns,
                bool checkBoxes = false, bool multiSelect = false);

    // Appends a row; returns its index.
    int AddItem(const std::vector<std::string>& cells, bool checked = false);
    void ClearItems();
    int ItemCount() const;
    // Empty outside the list.
    std::string Cell(int item, int column) const;
    void SetCell(int item, int column, const std::string& text);

    bool Checked(int item) const;
    // Does not raise OnItemChecked.
    void SetChecked(int item, bool checked);

    // The first selected row, -1 when none.
    int ItemIndex() const;
    void SetItemIndex(int item);
    std::vector<int> SelectedItems() const;

    // Raised when the user checks or unchecks a row: (row, checked now).
    std::function<void(int item, bool checked)> OnItemChecked;
    // Raised when the selection changes.
    std::function<void()> OnSelectItem;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(NMHDR& header) override;

private:
    std::string AllText() const;
    int columns_ = 0;
    bool checkBoxes_ = false;
    bool settingCheck_ = false;
};

}  // namespace ui
