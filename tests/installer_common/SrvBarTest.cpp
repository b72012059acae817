// The service progress window.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "SrvBar.h"
#include "Wait.h"

namespace {

std::string TextOf(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

int Position(TSrvBarDlg& dialog) {
    return static_cast<int>(SendMessageA(dialog.ProgressBar1.Handle(), PBM_GETPOS, 0, 0));
}

TEST(SrvBar, ShowsOperationAndServiceOnATopMostWindow) {
    ShowServiceProgress("STARTING Service:", "Korvan Test Service");
    TSrvBarDlg* dialog = ServiceProgress();
    ASSERT_NE(dialog, nullptr);
    HWND window = FindWindowA(nullptr, "Start/Stop NT-Service");
    EXPECT_EQ(window, dialog->Handle());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 352);
    EXPECT_EQ(client.bottom, 107);
    EXPECT_EQ(TextOf(dialog->Label1.Handle()), "STARTING Service:");
    EXPECT_EQ(TextOf(dialog->Label2.Handle()), "Korvan Test Service");
    EXPECT_EQ(SendMessageA(dialog->ProgressBar1.Handle(), PBM_GETRANGE, FALSE, 0), 20);
    // The timer moves the bar while the thread handles its messages.
    for (int i = 0; i < 50 && Position(*dialog) == 0; ++i) WaitProcessing(100);
    EXPECT_GT(Position(*dialog), 0);

    // The same window is reused for the next operation.
    ShowServiceProgress("STOPING Service:", "Other");
    EXPECT_EQ(ServiceProgress(), dialog);
    EXPECT_EQ(TextOf(dialog->Label1.Handle()), "STOPING Service:");

    ReleaseServiceProgress();
    EXPECT_EQ(ServiceProgress(), nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST(SrvBar, TheBarCyclesThroughItsRange) {
    TSrvBarDlg dialog;
    dialog.Start("STARTING Service:", "x");
    dialog.FormHide();
    EXPECT_EQ(Position(dialog), 0);
    for (int tick = 1; tick < 20; ++tick) {
        dialog.Timer1Timer();
        EXPECT_EQ(Position(dialog), tick);
    }
    dialog.Timer1Timer();
    EXPECT_EQ(Position(dialog), 0);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_FALSE(dialog.Timer1.TimerEnabled());
}

TEST(SrvBar, ReleasingWithoutAWindowDoesNothing) {
    ReleaseServiceProgress();
    EXPECT_EQ(ServiceProgress(), nullptr);
}

}  // namespace
