// Notifications reach the wrapper of the control that sent them, through any nesting.
#include <gtest/gtest.h>

#include <stdexcept>

#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormFixture.h"
#include "Label.h"
#include "Messages.h"
#include "PageControl.h"

namespace {

using ControlsTest = FormFixture;

TEST_F(ControlsTest, ClickRaisesOnClickThroughPagesAndGroups) {
    ui::PageControl pages;
    ASSERT_TRUE(pages.Create(form, At("MainPageControl", 0, 0, 688, 446), true));
    ui::TabSheet page;
    ASSERT_TRUE(page.Create(pages, At("IntroTabSheet", 0, 0, 0, 0, "General")));
    ui::GroupBox group;
    ASSERT_TRUE(group.Create(page, At("Group", 8, 8, 300, 100, "Logs")));
    ui::Button button;
    ASSERT_TRUE(button.Create(group, At("ClearButton", 8, 20, 75, 25, "Clear")));

    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    button.SetEnabled(false);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, CheckBoxRaisesOnClickForClicksAndStateChangesOnly) {
    ui::CheckBox box;
    ASSERT_TRUE(box.Create(form, At("DHCPEnabledxfCheckBox", 8, 8, 200, 17, "Get Address Automatically")));
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };

    SendMessageA(box.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(clicks, 1);
    box.SetChecked(true);   // no change
    EXPECT_EQ(clicks, 1);
    box.SetChecked(false);
    EXPECT_EQ(SendMessageA(box.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, RadioButtonsOfOneParentExcludeEachOther) {
    ui::RadioButton first, second;
    ASSERT_TRUE(first.Create(form, At("First", 8, 8, 100, 17, "First"), true));
    ASSERT_TRUE(second.Create(form, At("Second", 8, 30, 100, 17, "Second")));
    int clicks = 0;
    second.OnClick = [&] { ++clicks; };
    second.SetChecked(true);
    EXPECT_FALSE(first.Checked());
    EXPECT_TRUE(second.Checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, EditRaisesOnChangeWhenTheTextChanges) {
    ui::Edit edit;
    ASSERT_TRUE(edit.Create(form, At("IPAddr1Edit", 8, 8, 40, 21, "192")));
    std::vector<std::string> seen;
    edit.OnChange = [&] { seen.push_back(edit.Text()); };
    SetWindowTextA(edit.Handle(), "10");
    EXPECT_EQ(seen, std::vector<std::string>{"10"});
}

TEST_F(ControlsTest, ComboBoxSelectsItemsAndReportsUserChoices) {
    ui::ComboBox combo;
    ASSERT_TRUE(combo.Create(form, At("BaudRateComboBox", 8, 8, 100, 21),
                             {"1200", "2400", "9600"}));
    EXPECT_EQ(combo.ItemCount(), 3);
    EXPECT_EQ(combo.ItemIndex(), -1);
    int changes = 0;
    combo.OnChange = [&] { ++changes; };

    combo.SetItemIndex(2);
    EXPECT_EQ(combo.Text(), "9600");
    EXPECT_EQ(changes, 0);
    combo.SetItemIndex(7);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.IndexOfItem("2400"), 1);
    EXPECT_EQ(combo.Item(5), "");

    ATOM wanted = GlobalAddAtomA("2400");
    EXPECT_EQ(SendMessageA(combo.Handle(), ui::SelectTextMessage(), wanted, 0), 1);
    GlobalDeleteAtom(wanted);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, ExceptionInAHandlerEndsInTheExceptionDialog) {
    ui::Button button;
    ASSERT_TRUE(button.Create(form, At("Boom", 8, 8, 75, 25, "Boom")));
    button.OnClick = [] { throw std::runtime_error("Port is gone"); };
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);

    auto boxes = script.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Port is gone.");
    EXPECT_EQ(boxes[0].caption, ui::Application::Title());
    EXPECT_EQ(boxes[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    // The window goes on working.
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, LabelAndColoursPaintOnTheirParent) {
    ui::Label label;
    ASSERT_TRUE(label.Create(form, At("CompanyUrlLabel", 8, 8, 200, 13, "http://example.org")));
    label.SetFontColor(RGB(0, 0, 255));
    label.SetFontStyle(false, true);
    LOGFONTA font = {};
    ASSERT_TRUE(GetObjectA(label.CurrentFont(), sizeof font, &font));
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");

    HDC dc = GetDC(label.Handle());
    LRESULT brush = SendMessageA(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(label.Handle()));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    ReleaseDC(label.Handle(), dc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), form.BackgroundBrush());
}

}  // namespace
