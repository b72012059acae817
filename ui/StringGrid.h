#pragma once
// A grid of text cells with one fixed header row (row 0, shown as the column headings) and
// whole-row selection, one row or several. Cells live in the object; the list view only
// shows them. WM_GETTEXT on the grid answers the whole grid, rows on lines, cells separated
// by tabs, so that another process (the UI driver) can read it.
#include <functional>
#include <string>
#include <vector>

#include "Window.h"

namespace ui {

struct GridRange {
    int top = -1;      // first selected row (grid numbering, header = 0); -1 when none
    int bottom = -1;   // last selected row
};

class StringGrid : public Window {
public:
    bool Create(Window& parent, const ControlArgs& args, int colCount, int rowCount,
                bool multiSelect = false);

    int ColCount() const { return static_cast<int>(columns_); }
    // Rows including the header row; at least 1.
    int RowCount() const { return static_cast<int>(cells_.size()); }
    // Adds empty rows or drops rows at the end; the header row always stays.
    void SetRowCount(int rows);
    void SetColWidth(int col, int width);

    // Empty outside the grid.
    std::string Cell(int col, int row) const;
    // Ignored outside the grid.
    void SetCell(int col, int row, const std::string& text);

    // The focused row, -1 when none.
    int Row() const;
    // Selects exactly this data row (1 .. RowCount()-1) and focuses it.
    void SetRow(int row);
    // Adds a data row to the selection.
    void SelectRow(int row);
    void ClearSelection();
    // The selected data rows, ascending.
    std::vector<int> SelectedRows() const;
    // From the first to the last selected row.
    GridRange Selection() const;

    // Raised when the selection changes.
    std::function<void()> OnSelectCell;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(NMHDR& header) override;

private:
    std::string AllText() const;
    void ShowHeader(int col);
    void SetRowState(int row, UINT state, UINT mask);
    bool SelectByFirstCell(const std::string& text);

    size_t columns_ = 0;
    std::vector<std::vector<std::string>> cells_;   // [row][col], row 0 the header
    mutable std::string dispText_;                  // keeps the text handed to the list view
};

}  // namespace ui
