#include <gtest/gtest.h>
#include <windows.h>

#include "Wait.h"

namespace {

TEST(Wait, WaitsAtLeastTheGivenTimeWhileDispatchingPosted) {
    static int seen = 0;
    seen = 0;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_APP || m == WM_TIMER) ++seen;
        return DefWindowProcA(h, m, w, l);
    };
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KorvanWaitTest";
    RegisterClassA(&wc);
    HWND window = CreateWindowA("KorvanWaitTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    PostMessageA(window, WM_APP, 0, 0);
    PostMessageA(window, WM_APP, 0, 0);
    const DWORD start = GetTickCount();
    WaitPumping(50);
    EXPECT_GE(GetTickCount() - start, 50u);
    EXPECT_EQ(seen, 2);

    PostMessageA(window, WM_APP, 0, 0);
    WaitProcessing(20);
    EXPECT_EQ(seen, 3);

    // A message that arrives during the wait is handled during the wait.
    SetTimer(window, 1, 10, nullptr);
    WaitPumping(200);
    KillTimer(window, 1);
    EXPECT_GT(seen, 3);
    DestroyWindow(window);
}

TEST(Wait, KeepsAQuitRequestForTheMessageLoop) {
    PostQuitMessage(3);
    WaitProcessing(10);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

}  // namespace
