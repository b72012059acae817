#include <gtest/gtest.h>

#include <climits>

#include "FormFixture.h"
#include "SpinEdit.h"

namespace {

struct TextCase {
    std::string text;
    int value;
};

class SpinEditText : public FormFixture, public ::testing::WithParamInterface<TextCase> {};

// The serial-time box: 20 to 2000, step 10.
TEST_P(SpinEditText, ReadsNumbersClampedAndAnythingElseAsTheMinimum) {
    ui::SpinEdit spin;
    ASSERT_TRUE(spin.Create(form, At("SerialTimedCSpinEdit", 8, 8, 60, 21), {20, 2000, 10, 20}));
    SetWindowTextA(spin.Handle(), GetParam().text.c_str());
    EXPECT_EQ(spin.Value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpinEditText,
                         ::testing::Values(TextCase{"500", 500}, TextCase{"  70", 70},
                                           TextCase{"+30", 30}, TextCase{"2000", 2000},
                                           TextCase{"2001", 2000}, TextCase{"99999", 2000},
                                           TextCase{"5", 20}, TextCase{"-7", 20},
                                           TextCase{"", 20}, TextCase{"abc", 20},
                                           TextCase{"12x", 20}, TextCase{"40 ", 20},
                                           TextCase{"-", 20}, TextCase{"1e3", 20},
                                           TextCase{"99999999999999999999", 20}));

using SpinEditTest = FormFixture;

TEST_F(SpinEditTest, ValueSetFromOutsideIsClampedInTheText) {
    ui::SpinEdit spin;
    ASSERT_TRUE(spin.Create(form, At("ClientPortCSpinEdit", 8, 8, 60, 21), {1, 65535, 1, 3012}));
    EXPECT_EQ(spin.Text(), "3012");
    spin.SetValue(70000);
    EXPECT_EQ(spin.Text(), "65535");
    spin.SetValue(0);
    EXPECT_EQ(spin.Text(), "1");
    spin.SetRange(10, 20);
    EXPECT_EQ(spin.Text(), "10");
}

TEST_F(SpinEditTest, InitialValueOutsideTheRangeStartsClamped) {
    ui::SpinEdit spin;
    ASSERT_TRUE(spin.Create(form, At("S", 8, 8, 60, 21), {1, 255, 1, 0}));
    EXPECT_EQ(spin.Text(), "1");
}

TEST_F(SpinEditTest, EqualLimitsMeanNoLimits) {
    ui::SpinEdit spin;
    ASSERT_TRUE(spin.Create(form, At("S", 8, 8, 60, 21), {0, 0, 1, 0}));
    spin.SetValue(-12345);
    EXPECT_EQ(spin.Value(), -12345);
    SetWindowTextA(spin.Handle(), "x");
    EXPECT_EQ(spin.Value(), 0);
}

TEST_F(SpinEditTest, ArrowKeysStepByTheIncrementAndStopAtTheLimits) {
    ui::SpinEdit spin;
    ASSERT_TRUE(spin.Create(form, At("S", 8, 8, 60, 21), {20, 2000, 10, 1980}));
    // The key goes to the edit; the arrows turn it into a change request that we handle.
    SendMessageA(spin.Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(spin.Text(), "1990");
    SendMessageA(spin.Handle(), WM_KEYDOWN, VK_UP, 0);
    SendMessageA(spin.Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(spin.Text(), "2000");
    spin.SetValue(25);
    SendMessageA(spin.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(spin.Text(), "20");
}

TEST_F(SpinEditTest, StepReadsANonNumberAsTheMinimum) {
    ui::SpinEdit spin;
    ASSERT_TRUE(spin.Create(form, At("S", 8, 8, 60, 21), {1, 1000, 1, 60}));
    SetWindowTextA(spin.Handle(), "oops");
    spin.Step(1);
    EXPECT_EQ(spin.Text(), "2");
}

TEST_F(SpinEditTest, LeavingTheBoxCorrectsTheText) {
    ui::SpinEdit spin;
    ASSERT_TRUE(spin.Create(form, At("S", 8, 8, 60, 21), {1, 1000, 1, 60}));
    SetWindowTextA(spin.Handle(), "5000");
    SendMessageA(spin.Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(spin.Text(), "1000");
    SetWindowTextA(spin.Handle(), "junk");
    SendMessageA(spin.Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(spin.Text(), "1");
}

TEST_F(SpinEditTest, ArrowsFollowVisibilityAndEnabling) {
    ui::SpinEdit spin;
    ASSERT_TRUE(spin.Create(form, At("S", 8, 8, 60, 21), {1, 10, 1, 1}));
    HWND arrows = GetWindow(spin.Handle(), GW_HWNDNEXT);
    ASSERT_NE(arrows, nullptr);
    spin.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(arrows));
    spin.Hide();
    EXPECT_FALSE(GetWindowLongA(arrows, GWL_STYLE) & WS_VISIBLE);
}

TEST(SpinText, Parse) {
    int value = 0;
    EXPECT_TRUE(ui::ParseSpinText("-2147483648", value));
    EXPECT_EQ(value, INT_MIN);
    EXPECT_TRUE(ui::ParseSpinText("2147483647", value));
    EXPECT_EQ(value, INT_MAX);
    EXPECT_FALSE(ui::ParseSpinText("2147483648", value));
    EXPECT_FALSE(ui::ParseSpinText("+", value));
}

}  // namespace
