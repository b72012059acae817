#include <gtest/gtest.h>

#include <stdexcept>

#include "Application.h"
#include "Form.h"
#include "ScriptedInteraction.h"

namespace {

struct ExceptionCase {
    std::string message;
    std::string shown;
};

class ExceptionDialog : public ::testing::TestWithParam<ExceptionCase> {};

TEST_P(ExceptionDialog, ShowsTheMessageWithAFullStopAfterALetterOrDigit) {
    ui::ScriptedInteraction script;
    ui::Application::SetTitle("KorvanConfig");
    ui::Application::ShowException(GetParam().message);
    ui::Application::SetTitle("");
    auto boxes = script.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, GetParam().shown);
    EXPECT_EQ(boxes[0].caption, "KorvanConfig");
}

INSTANTIATE_TEST_SUITE_P(Cases, ExceptionDialog,
                         ::testing::Values(ExceptionCase{"Access violation", "Access violation."},
                                           ExceptionCase{"Error 42", "Error 42."},
                                           ExceptionCase{"Already said.", "Already said."},
                                           ExceptionCase{"Really?", "Really?"},
                                           ExceptionCase{"", "An unexpected error occurred."}));

TEST(Application, HandleExceptionShowsAnyException) {
    ui::ScriptedInteraction script;
    try {
        throw 17;
    } catch (...) {
        ui::Application::HandleException();
    }
    try {
        throw std::out_of_range("Index out of range");
    } catch (...) {
        ui::Application::HandleException();
    }
    auto boxes = script.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Unknown exception.");
    EXPECT_EQ(boxes[1].text, "Index out of range.");
    EXPECT_EQ(ui::Application::Title(), "ui_test");
}

TEST(Application, HelpContentsOpensTheHelpFileBesideTheProgram) {
    ui::ScriptedInteraction script;
    EXPECT_FALSE(ui::Application::HelpContents(nullptr));   // no help file set
    ui::Application::SetHelpFile("KORVAN-DORI VOZEREDAD.HLP");
    script.QueueShellResult(true);
    EXPECT_TRUE(ui::Application::HelpContents(nullptr));
    ui::Application::SetHelpFile("");
    auto calls = script.CallsOf("ShellOpen");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, ui::Application::ExeDir() + "\\KORVAN-DORI VOZEREDAD.HLP");
}

TEST(Application, ProcessMessagesRunsWhatIsWaiting) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    ui::Application::ProcessMessages();
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_FALSE(ui::Application::Terminated());
}

TEST(Application, RunEndsWhenTheMainFormClosesAndLeavesNoQuitBehind) {
    ui::Form form;
    ui::FormArgs args;
    args.caption = "Main";
    ASSERT_TRUE(form.Create(args));
    int closes = 0;
    form.OnClose = [&] { ++closes; };
    PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ui::Application::Run(form), 0);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(ui::Application::MainForm(), nullptr);
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

}  // namespace
