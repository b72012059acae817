#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "FormFixture.h"
#include "Messages.h"
#include "PageControl.h"

namespace {

class PageControlTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        ASSERT_TRUE(pages.Create(form, At("MainPageControl", 0, 0, 688, 446), true));
        ASSERT_TRUE(intro.Create(pages, At("IntroTabSheet", 0, 0, 0, 0, "General")));
        ASSERT_TRUE(setup.Create(pages, At("SetupTabSheet", 0, 0, 0, 0, "Data")));
        ASSERT_TRUE(client.Create(pages, At("ClientTabSheet", 0, 0, 0, 0, "Client")));
        ASSERT_TRUE(web.Create(pages, At("WebPagesTabSheet", 0, 0, 0, 0, "Web Pages")));
        client.SetTabVisible(false);
        web.SetTabVisible(false);
    }

    int TabCount() { return static_cast<int>(SendMessageA(pages.Handle(), TCM_GETITEMCOUNT, 0, 0)); }

    std::string TabText(int tab) {
        char text[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(pages.Handle(), TCM_GETITEMA, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
        return text;
    }

    bool Selects(const char* caption) {
        ATOM atom = GlobalAddAtomA(caption);
        LRESULT selected = SendMessageA(pages.Handle(), ui::SelectTextMessage(), atom, 0);
        GlobalDeleteAtom(atom);
        return selected == 1;
    }

    ui::PageControl pages;
    ui::TabSheet intro, setup, client, web;
};

TEST_F(PageControlTest, SwitchedOffTabsAreGoneButTheirPagesRemain) {
    EXPECT_EQ(TabCount(), 2);
    EXPECT_EQ(TabText(0), "General");
    EXPECT_EQ(TabText(1), "Data");
    EXPECT_EQ(pages.PageCount(), 4);
    EXPECT_EQ(web.PageIndex(), 3);
    EXPECT_TRUE(IsWindow(web.Handle()));
    EXPECT_EQ(GetParent(web.Handle()), pages.Handle());
    EXPECT_TRUE(GetWindowLongA(pages.Handle(), GWL_STYLE) & TCS_FLATBUTTONS);
}

TEST_F(PageControlTest, OnlyTheActivePageIsShown) {
    EXPECT_EQ(pages.ActivePage(), &intro);
    EXPECT_TRUE(intro.Visible());
    EXPECT_FALSE(setup.Visible());

    EXPECT_TRUE(Selects("Data"));
    EXPECT_EQ(pages.ActivePage(), &setup);
    EXPECT_TRUE(setup.Visible());
    EXPECT_FALSE(intro.Visible());
    EXPECT_EQ(SendMessageA(pages.Handle(), TCM_GETCURSEL, 0, 0), 1);
}

TEST_F(PageControlTest, ATabSwitchedOffCannotBeChosenButItsPageCanBeShown) {
    int changes = 0;
    pages.OnChange = [&] { ++changes; };
    EXPECT_FALSE(Selects("Web Pages"));
    EXPECT_EQ(pages.ActivePage(), &intro);
    EXPECT_EQ(changes, 0);

    pages.SetActivePage(web);
    EXPECT_TRUE(web.Visible());
    EXPECT_EQ(pages.TabIndex(), -1);
    EXPECT_EQ(SendMessageA(pages.Handle(), TCM_GETCURSEL, 0, 0), -1);

    web.SetTabVisible(true);
    EXPECT_EQ(TabCount(), 3);
    EXPECT_EQ(TabText(2), "Web Pages");
    EXPECT_EQ(pages.TabIndex(), 2);
    EXPECT_TRUE(Selects("General"));
    EXPECT_EQ(changes, 1);
}

TEST_F(PageControlTest, PagesFillTheDisplayAreaAndFollowItsSize) {
    RECT display;
    GetClientRect(pages.Handle(), &display);
    SendMessageA(pages.Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_EQ(setup.Width(), display.right - display.left);
    EXPECT_EQ(setup.Top(), display.top);
    pages.SetBounds(0, 0, 400, 300);
    EXPECT_LT(web.Width(), 400);
    EXPECT_GT(web.Width(), 350);
}

TEST_F(PageControlTest, APageDestroyedFirstLeavesTheOthers) {
    {
        ui::TabSheet extra;
        ASSERT_TRUE(extra.Create(pages, At("Extra", 0, 0, 0, 0, "Extra")));
        EXPECT_EQ(TabCount(), 3);
    }
    EXPECT_EQ(TabCount(), 2);
    EXPECT_EQ(pages.PageCount(), 4);
}

}  // namespace
