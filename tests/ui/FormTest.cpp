#include <gtest/gtest.h>

#include "Button.h"
#include "ControlName.h"
#include "Edit.h"
#include "FormFixture.h"

namespace {

using FormTest = FormFixture;

TEST_F(FormTest, HasTheClientSizeCaptionAndFontAskedFor) {
    EXPECT_EQ(form.ClientWidth(), 688);
    EXPECT_EQ(form.ClientHeight(), 446);
    EXPECT_EQ(form.Caption(), "Test Form");
    EXPECT_FALSE(form.Visible());

    LOGFONTA font = {};
    ASSERT_TRUE(GetObjectA(form.CurrentFont(), sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
}

TEST_F(FormTest, IsCentredOnTheScreen) {
    RECT outer;
    GetWindowRect(form.Handle(), &outer);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(outer.left + (outer.right - outer.left) / 2, screenWidth / 2, 1);
    EXPECT_NEAR(outer.top + (outer.bottom - outer.top) / 2, screenHeight / 2, 1);
}

TEST_F(FormTest, ControlsTakeTheFormFontAndTheirNames) {
    ui::Button button;
    ASSERT_TRUE(button.Create(form, At("ReadButton", 8, 8, 120, 25, "Read From KORVAN")));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button.Handle(), WM_GETFONT, 0, 0)),
              form.CurrentFont());
    EXPECT_EQ(ui::ControlName(button.Handle()), "ReadButton");
    EXPECT_EQ(ui::FindNamedControl(form.Handle(), "ReadButton"), button.Handle());
    EXPECT_EQ(ui::FindNamedControl(form.Handle(), "WriteButton"), nullptr);
    EXPECT_EQ(button.Left(), 8);
    EXPECT_EQ(button.Width(), 120);
    EXPECT_EQ(ui::Window::FromHandle(button.Handle()), &button);
}

TEST_F(FormTest, CloseQueryCanKeepTheFormOpen) {
    bool allow = false;
    int closes = 0;
    form.OnCloseQuery = [&](bool& canClose) { canClose = allow; };
    form.OnClose = [&] { ++closes; };
    form.Show();
    ASSERT_TRUE(form.Visible());

    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(closes, 0);

    allow = true;
    EXPECT_TRUE(form.Close());
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(form.Handle()));
}

TEST_F(FormTest, ModalFormEndsWithTheResultOfItsButton) {
    ui::Form dialog;
    ui::FormArgs args;
    args.caption = "Dialog";
    args.owner = form.Handle();
    args.border = ui::BorderStyle::Dialog;
    ASSERT_TRUE(dialog.Create(args));
    ui::Button ok;
    ASSERT_TRUE(ok.Create(dialog, At("OkButton", 8, 8, 75, 25, "OK")));
    ok.SetModalResult(ui::mrOk);
    // The click arrives through the queue while the modal loop runs.
    PostMessageA(ok.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

TEST_F(FormTest, DestroyedWithItsParentTheControlKeepsANullHandle) {
    auto button = std::make_unique<ui::Button>();
    {
        ui::Form other;
        ASSERT_TRUE(other.Create(ui::FormArgs{}));
        ASSERT_TRUE(button->Create(other, At("B", 0, 0, 10, 10)));
    }
    EXPECT_EQ(button->Handle(), nullptr);
    EXPECT_EQ(button->Caption(), "");
    button.reset();
}

TEST_F(FormTest, MemoKeepsEveryLineOfALongLog) {
    // 500 lines of 73 characters: beyond the default limit of an edit control.
    ui::Memo log;
    ASSERT_TRUE(log.Create(form, At("LogMemo", 8, 8, 300, 200), ui::ScrollBars::Both, true, false));
    EXPECT_TRUE(log.ReadOnly());
    const std::string line(70, 'x');
    for (int i = 0; i < 500; ++i) log.AddLine(line + std::to_string(i));
    std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(lines.size(), 500u);
    EXPECT_EQ(lines.back(), line + "499");
    EXPECT_EQ(static_cast<int>(SendMessageA(log.Handle(), EM_GETLINECOUNT, 0, 0)), 501);
    log.ClearLines();
    EXPECT_EQ(log.LineCount(), 0u);
}

TEST_F(FormTest, MemoAddsABatchOfLinesAfterTheLinesBefore) {
    ui::Memo log;
    ASSERT_TRUE(log.Create(form, At("LogMemo", 8, 8, 300, 60), ui::ScrollBars::Both, true, false));
    log.AddLine("first");
    log.AddLines({"", "PHASE ", "\tC:\\App\\a.txt ", "*\tC:\\App\\b.txt "});
    log.AddLines({});
    const std::vector<std::string> expected = {"first", "", "PHASE ", "\tC:\\App\\a.txt ",
                                               "*\tC:\\App\\b.txt "};
    EXPECT_EQ(log.Lines(), expected);

    // A batch taller than the box leaves its last line in view, as single lines do.
    std::vector<std::string> many;
    for (int i = 0; i < 50; ++i) many.push_back("line " + std::to_string(i));
    log.AddLines(many);
    EXPECT_EQ(log.LineCount(), 55u);
    EXPECT_GT(SendMessageA(log.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 40);
}

TEST(MemoLines, SplitAtCrLfOnly) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ui::SplitMemoLines(""), Lines{});
    EXPECT_EQ(ui::SplitMemoLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(ui::SplitMemoLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(ui::SplitMemoLines("a\nb\r\n"), Lines{"a\nb"});
}

}  // namespace
