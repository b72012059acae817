#include <gtest/gtest.h>

#include "MsgBox.h"
#include "MsgBoxText.h"
#include "ScriptedInteraction.h"

namespace {

TEST(MsgBox, CaptionsFlagsAndBodiesReachTheSeam) {
    ui::ScriptedInteraction script;
    TopErrorBox(nullptr, "Setup.txt\\nNot Found!");
    ErrorBox("bad");
    AttentionBox("careful");
    CaptionErrorBox("Fehler", "x", 0);

    const auto& calls = script.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].caption, "Error");
    EXPECT_EQ(calls[0].flags, 0x52010u);
    EXPECT_EQ(calls[0].text, TopBoxBody("Setup.txt\\nNot Found!"));
    EXPECT_EQ(calls[1].caption, "Error");
    EXPECT_EQ(calls[1].flags, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(calls[1].text, AppBoxBody("bad"));
    EXPECT_EQ(calls[2].caption, "Attention");
    EXPECT_EQ(calls[2].flags, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(calls[3].caption, "Fehler");
}

TEST(MsgBox, RightToLeftOnlyForHebrewAndArabic) {
    const struct {
        int charset;
        UINT flags;
    } cases[] = {{177, 0x180010}, {178, 0x180010}, {176, 0x10}, {179, 0x10}, {0, 0x10}};
    for (const auto& c : cases) {
        ui::ScriptedInteraction script;
        CaptionErrorBox("c", "t", c.charset);
        ASSERT_EQ(script.Calls().size(), 1u);
        EXPECT_EQ(script.Calls()[0].flags, c.flags) << c.charset;
    }
}

TEST(MsgBox, ConfirmIsTrueOnlyForOkOrYes) {
    const struct {
        int button;
        bool expected;
    } cases[] = {{IDOK, true}, {IDYES, true}, {IDNO, false}, {IDCANCEL, false}};
    for (const auto& c : cases) {
        ui::ScriptedInteraction script;
        script.QueueButton(c.button);
        script.QueueButton(c.button);
        EXPECT_EQ(ConfirmYesNo("q"), c.expected) << c.button;
        EXPECT_EQ(ConfirmOkCancel("q"), c.expected) << c.button;
        ASSERT_EQ(script.Calls().size(), 2u);
        EXPECT_EQ(script.Calls()[0].caption, "Confirm");
        EXPECT_EQ(script.Calls()[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        EXPECT_EQ(script.Calls()[1].flags, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
    }
}

TEST(MsgBox, TopBoxReturnsTheButtonAndKeepsGivenFlags) {
    ui::ScriptedInteraction script;
    script.QueueButton(IDRETRY);
    EXPECT_EQ(TopMessageBox(nullptr, "Cap", "t", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(script.Calls().at(0).flags, static_cast<UINT>(MB_RETRYCANCEL | 0x52000));
}

}  // namespace
