#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "FormFixture.h"
#include "Messages.h"
#include "StringGrid.h"

namespace {

class StringGridTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        ASSERT_TRUE(grid.Create(form, At("FileListStringGrid", 8, 8, 400, 200), 2, 4, true));
        grid.SetCell(0, 0, "Name");
        grid.SetCell(1, 0, "Location");
        const char* rows[][2] = {{"index.htm", "C:\\Web\\"}, {"a.gif", "C:\\Web\\img\\"},
                                 {"b.cgi", "D:\\"}};
        for (int row = 1; row <= 3; ++row) {
            grid.SetCell(0, row, rows[row - 1][0]);
            grid.SetCell(1, row, rows[row - 1][1]);
        }
    }

    std::string Heading(int col) {
        char text[32] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        SendMessageA(grid.Handle(), LVM_GETCOLUMNA, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&column));
        return text;
    }

    std::string ShownCell(int col, int row) {
        char text[64] = {};
        LVITEMA item = {};
        item.iSubItem = col;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(grid.Handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row - 1), reinterpret_cast<LPARAM>(&item));
        return text;
    }

    ui::StringGrid grid;
};

TEST_F(StringGridTest, HeaderRowIsTheHeadingAndCellsAreShown) {
    EXPECT_EQ(Heading(0), "Name");
    EXPECT_EQ(Heading(1), "Location");
    EXPECT_EQ(SendMessageA(grid.Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(ShownCell(0, 2), "a.gif");
    EXPECT_EQ(ShownCell(1, 3), "D:\\");
    EXPECT_EQ(grid.Cell(2, 1), "");
    EXPECT_EQ(grid.Cell(0, 4), "");
}

TEST_F(StringGridTest, WholeGridReadsAsText) {
    char text[256] = {};
    GetWindowTextA(grid.Handle(), text, sizeof text);
    EXPECT_STREQ(text,
                 "Name\tLocation\r\nindex.htm\tC:\\Web\\\r\na.gif\tC:\\Web\\img\\\r\nb.cgi\tD:\\");
}

TEST_F(StringGridTest, RowSelectionOneAndSeveral) {
    EXPECT_EQ(grid.Selection().top, -1);
    grid.SetRow(2);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{2});
    grid.SelectRow(3);
    EXPECT_EQ(grid.SelectedRows(), (std::vector<int>{2, 3}));
    EXPECT_EQ(grid.Selection().top, 2);
    EXPECT_EQ(grid.Selection().bottom, 3);
    grid.SetRow(1);
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{1});
    grid.SetRow(0);   // the header row cannot be selected
    EXPECT_EQ(grid.SelectedRows(), std::vector<int>{1});
    grid.ClearSelection();
    EXPECT_TRUE(grid.SelectedRows().empty());
}

TEST_F(StringGridTest, SelectsARowByItsFirstCellForTheDriver) {
    int changes = 0;
    grid.OnSelectCell = [&] { ++changes; };
    ATOM atom = GlobalAddAtomA("b.cgi");
    EXPECT_EQ(SendMessageA(grid.Handle(), ui::SelectTextMessage(), atom, 0), 1);
    GlobalDeleteAtom(atom);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_GT(changes, 0);
}

TEST_F(StringGridTest, RowCountKeepsTheHeader) {
    grid.SetRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(0, 0), "Name");
    EXPECT_EQ(SendMessageA(grid.Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Cell(0, 1), "");   // dropped rows come back empty
    EXPECT_EQ(SendMessageA(grid.Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
}

TEST_F(StringGridTest, SingleSelectionGridKeepsOneRow) {
    ui::StringGrid single;
    ASSERT_TRUE(single.Create(form, At("Single", 8, 220, 200, 100), 1, 3, false));
    single.SetRow(1);
    single.SetRow(2);
    EXPECT_EQ(single.SelectedRows(), std::vector<int>{2});
}

}  // namespace
