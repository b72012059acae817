// Rich text, pictures, lists with check boxes, panels and timers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "Button.h"
#include "ControlName.h"
#include "FormFixture.h"
#include "Image.h"
#include "ListView.h"
#include "Messages.h"
#include "Panel.h"
#include "RichEdit.h"
#include "Timer.h"
#include "scratch_dir.h"

namespace {

using MoreControlsTest = FormFixture;

TEST_F(MoreControlsTest, RichEditMakesRangesBold) {
    ui::RichEdit rich;
    ASSERT_TRUE(rich.Create(form, At("RichEdit1", 176, 16, 289, 66), {true, false, false}));
    rich.AppendText("UnInstall will remove the software ");
    int start = rich.TextLength();
    rich.AppendText("Korvan");
    rich.SetBold(start, 6);
    rich.AppendText(" from your computer.\r\nPlease wait");
    EXPECT_EQ(start, 35);
    EXPECT_TRUE(rich.IsBold(start, 6));
    EXPECT_FALSE(rich.IsBold(start - 1, 2));
    EXPECT_FALSE(rich.IsBold(start + 6, 5));
    // A line break counts as one position.
    EXPECT_EQ(rich.TextLength(), 35 + 6 + 20 + 1 + 11);
    EXPECT_TRUE(GetWindowLongA(rich.Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(MoreControlsTest, RichEditTurnsRightToLeftKeepingItsContent) {
    ui::RichEdit rich;
    ASSERT_TRUE(rich.Create(form, At("RichEdit1", 176, 16, 289, 66), {true, false, false}));
    rich.AppendText("abc def");
    rich.SetBold(4, 3);
    rich.SetBackground(GetSysColor(COLOR_BTNFACE));
    HWND old = rich.Handle();

    ASSERT_TRUE(rich.SetRightToLeft(true));
    EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(GetWindowLongA(rich.Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
    EXPECT_EQ(rich.Text(), "abc def");
    EXPECT_TRUE(rich.IsBold(4, 3));
    EXPECT_FALSE(rich.IsBold(0, 3));
    EXPECT_EQ(rich.Left(), 176);
    EXPECT_EQ(rich.Width(), 289);
    EXPECT_EQ(ui::FindNamedControl(form.Handle(), "RichEdit1"), rich.Handle());
    EXPECT_TRUE(GetWindowLongA(rich.Handle(), GWL_STYLE) & ES_READONLY);

    PARAFORMAT2 paragraph = {};
    paragraph.cbSize = sizeof paragraph;
    SendMessageA(rich.Handle(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    EXPECT_TRUE(paragraph.wEffects & PFE_RTLPARA);
}

// A 2 x 2 bottom-up 24-bit BMP: red, green on the top row; blue, white below.
std::string TinyBmp() {
    const unsigned char pixels[] = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0,   // blue, white, pad
                                    0, 0, 0xFF, 0, 0xFF, 0, 0, 0};        // red, green, pad
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = 2;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = sizeof pixels;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + sizeof pixels;
    std::string bytes(reinterpret_cast<char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<char*>(&info), sizeof info);
    bytes.append(reinterpret_cast<const char*>(pixels), sizeof pixels);
    return bytes;
}

// A 1 x 1 GIF whose only pixel is colour 0 of its table, red.
const std::string kRedGif("GIF87a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                          ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                          35);

COLORREF PixelOf(const ui::Image& image, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 8, 8);
    HGDIOBJ previous = SelectObject(memory, canvas);
    RECT area = {0, 0, image.PictureWidth(), image.PictureHeight()};
    image.Draw(memory, area);
    COLORREF color = GetPixel(memory, x, y);
    SelectObject(memory, previous);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return color;
}

struct PictureCase {
    std::string file;
    std::string bytes;       // written to the scratch folder; empty: a fixture of the source tree
    int width, height;
    COLORREF topLeft;
};

TEST_F(MoreControlsTest, ImageLoadsBmpGifAndJpeg) {
    testsupport::ScratchDir scratch;
    const PictureCase cases[] = {
        {"tiny.bmp", TinyBmp(), 2, 2, RGB(255, 0, 0)},
        {"red.gif", kRedGif, 1, 1, RGB(255, 0, 0)},
        {"blue.jpg", "", 6, 4, RGB(0, 0, 255)},
    };
    for (const PictureCase& c : cases) {
        std::string path = c.bytes.empty() ? testsupport::SourcePath("tests/ui/fixtures/" + c.file)
                                           : scratch / c.file;
        if (!c.bytes.empty()) {
            ASSERT_TRUE(testsupport::WriteFileBytes(path, c.bytes));
        }
        ui::Image image;
        ASSERT_TRUE(image.Create(form, At("DialogImage", 16, 16, 138, 265)));
        ASSERT_TRUE(image.LoadFromFile(path)) << c.file;
        EXPECT_EQ(image.PictureWidth(), c.width) << c.file;
        EXPECT_EQ(image.PictureHeight(), c.height) << c.file;
        COLORREF pixel = PixelOf(image, 0, 0);
        EXPECT_NEAR(GetRValue(pixel), GetRValue(c.topLeft), 8) << c.file;
        EXPECT_NEAR(GetGValue(pixel), GetGValue(c.topLeft), 8) << c.file;
        EXPECT_NEAR(GetBValue(pixel), GetBValue(c.topLeft), 8) << c.file;
    }
}

TEST_F(MoreControlsTest, ImageRefusesWhatIsNoPicture) {
    testsupport::ScratchDir scratch;
    ASSERT_TRUE(testsupport::WriteFileBytes(scratch / "notes.bmp", "just some text"));
    ASSERT_TRUE(testsupport::WriteFileBytes(scratch / "empty.gif", ""));
    ui::Image image;
    ASSERT_TRUE(image.Create(form, At("DialogImage", 16, 16, 138, 265)));
    ASSERT_TRUE(testsupport::WriteFileBytes(scratch / "tiny.bmp", TinyBmp()));
    ASSERT_TRUE(image.LoadFromFile(scratch / "tiny.bmp"));
    for (const char* name : {"notes.bmp", "empty.gif", "missing.jpg"}) {
        EXPECT_FALSE(image.LoadFromFile(scratch / name)) << name;
        EXPECT_TRUE(image.Empty()) << name;
    }
    RedrawWindow(image.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

class ListViewTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        ASSERT_TRUE(list.Create(form, At("GroupListView", 8, 8, 300, 150),
                                {{"Group", 150}, {"Size", 80}}, true));
        list.AddItem({"Program files", "1200 KB"}, true);
        list.AddItem({"Help", "80 KB"});
        list.AddItem({"Samples"});
    }
    ui::ListView list;
};

TEST_F(ListViewTest, RowsWithCellsAndCheckBoxes) {
    EXPECT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(list.Cell(1, 1), "80 KB");
    EXPECT_EQ(list.Cell(2, 1), "");
    EXPECT_EQ(list.Cell(3, 0), "");
    EXPECT_TRUE(list.Checked(0));
    EXPECT_FALSE(list.Checked(1));
    char text[256] = {};
    GetWindowTextA(list.Handle(), text, sizeof text);
    EXPECT_STREQ(text, "[x] Program files\t1200 KB\r\n[ ] Help\t80 KB\r\n[ ] Samples\t");
}

TEST_F(ListViewTest, UserChecksAreReportedProgramChecksAreNot) {
    std::vector<std::pair<int, bool>> heard;
    list.OnItemChecked = [&](int item, bool checked) { heard.emplace_back(item, checked); };
    list.SetChecked(2, true);
    EXPECT_TRUE(heard.empty());
    EXPECT_TRUE(list.Checked(2));

    // What the control does when the user clicks a check box.
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(2);
    SendMessageA(list.Handle(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(heard, (std::vector<std::pair<int, bool>>{{1, true}}));

    // The driver's request.
    EXPECT_EQ(SendMessageA(list.Handle(), ui::RowCheckMessage(), 0, 1), 1);
    EXPECT_FALSE(list.Checked(0));
    EXPECT_EQ(heard.back(), std::make_pair(0, false));
    EXPECT_EQ(SendMessageA(list.Handle(), ui::RowCheckMessage(), 9, 2), 0);
}

TEST_F(ListViewTest, SelectionFollowsTheProgramAndTheDriver) {
    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(1);
    EXPECT_EQ(list.SelectedItems(), std::vector<int>{1});
    ATOM atom = GlobalAddAtomA("Samples");
    EXPECT_EQ(SendMessageA(list.Handle(), ui::SelectTextMessage(), atom, 0), 1);
    GlobalDeleteAtom(atom);
    EXPECT_EQ(list.ItemIndex(), 2);
    list.ClearItems();
    EXPECT_EQ(list.ItemCount(), 0);
}

TEST_F(MoreControlsTest, PanelHoldsControlsAndBevelsDraw) {
    ui::Panel panel;
    ASSERT_TRUE(panel.Create(form, At("Panel1", 192, 84, 257, 173), ui::PanelBevel::None));
    ui::Button button;
    ASSERT_TRUE(button.Create(panel, At("Inner", 8, 8, 75, 25, "Inner")));
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    panel.SetCaption("Caption");
    RedrawWindow(panel.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    ui::Bevel line;
    ASSERT_TRUE(line.Create(form, At("TopBevel", 0, 300, 688, 20), ui::BevelShape::TopLine));
    EXPECT_EQ(line.Height(), 2);
}

TEST(TimerTest, TicksWhileEnabledOnly) {
    ui::Timer timer(10);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    MSG message;
    DWORD until = GetTickCount() + 2000;
    while (ticks < 3 && GetTickCount() < until) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        DispatchMessageA(&message);
    }
    EXPECT_GE(ticks, 3);

    timer.SetTimerEnabled(false);
    int stopped = ticks;
    until = GetTickCount() + 100;
    while (GetTickCount() < until) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(5);
    }
    EXPECT_EQ(ticks, stopped);
}

}  // namespace
