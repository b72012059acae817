#include <gtest/gtest.h>

#include "ScriptedInteraction.h"
#include "UserInteraction.h"

namespace {

TEST(UserInteraction, ScriptedAnswersInOrderAndRecordsEveryCall) {
    ui::ScriptedInteraction script;
    script.QueueButton(IDYES);
    script.QueueFiles({"C:\\a.txt", "C:\\b.txt"});

    EXPECT_EQ(ui::Interaction().MessageBox(nullptr, "Save?", "Confirm", MB_YESNO), IDYES);
    ui::FileDialogRequest request;
    request.filter = "Config Files|*.txt";
    EXPECT_EQ(ui::Interaction().OpenFileDialog(request),
              (std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}));
    // Nothing queued: the neutral answer, never a blocking window.
    EXPECT_EQ(ui::Interaction().MessageBox(nullptr, "Again?", "Confirm", MB_YESNO), IDCANCEL);
    EXPECT_EQ(ui::Interaction().ShowModal("ExitSetup", [] { return 99; }), 0);

    ASSERT_EQ(script.Calls().size(), 4u);
    EXPECT_EQ(script.Calls()[0].caption, "Confirm");
    EXPECT_EQ(script.Calls()[0].text, "Save?");
    EXPECT_EQ(script.Calls()[0].flags, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(script.Calls()[1].text, "Config Files|*.txt");
    EXPECT_EQ(script.CallsOf("ShowModal").at(0).caption, "ExitSetup");
}

TEST(UserInteraction, ScriptEndsWithItsScope) {
    ui::UserInteraction* real = &ui::Interaction();
    {
        ui::ScriptedInteraction script;
        EXPECT_EQ(&ui::Interaction(), &script);
    }
    EXPECT_EQ(&ui::Interaction(), real);
}

TEST(UserInteraction, DialogFilterUsesNullSeparators) {
    EXPECT_EQ(ui::DialogFilter("Config Files|*.txt"), std::string("Config Files\0*.txt\0\0", 20));
    EXPECT_EQ(ui::DialogFilter(""), "");
}

}  // namespace
