#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "FormFixture.h"
#include "ProgressBar.h"

namespace {

struct PercentCase {
    int position, minValue, maxValue, percent;
};

class ProgressPercent : public ::testing::TestWithParam<PercentCase> {};

TEST_P(ProgressPercent, IsTheIntegerShareOfTheRange) {
    const PercentCase& c = GetParam();
    EXPECT_EQ(ui::ProgressPercent(c.position, c.minValue, c.maxValue), c.percent);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgressPercent,
                         ::testing::Values(PercentCase{0, 0, 100, 0}, PercentCase{37, 0, 100, 37},
                                           PercentCase{100, 0, 100, 100},
                                           PercentCase{1, 0, 3, 33}, PercentCase{15, 10, 20, 50},
                                           PercentCase{5, 0, 0, 0},  // empty range
                                           PercentCase{-5, 0, 10, 0},
                                           PercentCase{2000000000, 0, 2100000000, 95}));

using ProgressBarTest = FormFixture;

TEST_F(ProgressBarTest, ShowsItsPercentageAsItsText) {
    ui::ProgressBar bar;
    ASSERT_TRUE(bar.Create(form, At("WebPagedxfProgressBar", 8, 8, 289, 13),
                           {0, 200, 1, true}));
    bar.SetPosition(50);
    EXPECT_EQ(SendMessageA(bar.Handle(), PBM_GETPOS, 0, 0), 50);
    char text[16] = {};
    GetWindowTextA(bar.Handle(), text, sizeof text);
    EXPECT_STREQ(text, "25%");
    bar.SetPosition(500);
    EXPECT_EQ(SendMessageA(bar.Handle(), PBM_GETPOS, 0, 0), 200);
    EXPECT_EQ(bar.PercentText(), "100%");
    // Painting with the percentage on top must not fail.
    RedrawWindow(bar.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

TEST_F(ProgressBarTest, StepsAndStopsAtItsMaximum) {
    ui::ProgressBar bar;
    ASSERT_TRUE(bar.Create(form, At("ProgressBar1", 32, 67, 289, 13), {0, 20, 1, false}));
    for (int i = 0; i < 25; ++i) bar.StepIt();
    EXPECT_EQ(bar.Position(), 20);
    bar.SetPosition(5);
    EXPECT_EQ(bar.Percent(), 25);
    char text[16] = {};
    GetWindowTextA(bar.Handle(), text, sizeof text);
    EXPECT_STREQ(text, "");   // no percentage asked for
}

}  // namespace
