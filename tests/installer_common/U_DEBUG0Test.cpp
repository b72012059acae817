#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "U_DEBUG0.h"

namespace {

const char kTestMonitorClass[] = "KorvanDebugMonitorUnderTest";

// A monitor window of the test's own class, so that no other program's traces reach it.
class TestMonitor {
public:
    TestMonitor() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kTestMonitorClass;
        RegisterClassA(&windowClass);
        window_ = CreateWindowA(kTestMonitorClass, "", 0, 0, 0, 10, 10, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
        received.clear();
        atoms.clear();
    }
    ~TestMonitor() { DestroyWindow(window_); }
    HWND Window() const { return window_; }

    static std::vector<std::string> received;
    static std::vector<ATOM> atoms;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == DebugMessageId()) {
            char text[256] = {};
            UINT length = GlobalGetAtomNameA(static_cast<ATOM>(lParam), text, sizeof text);
            received.push_back(std::to_string(wParam) + ":" + std::string(text, length));
            atoms.push_back(static_cast<ATOM>(lParam));
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND window_;
};
std::vector<std::string> TestMonitor::received;
std::vector<ATOM> TestMonitor::atoms;

TEST(DebugChannel, EveryLineIsOneMessageCarriedByAnAtom) {
    TestMonitor monitor;
    ASSERT_NE(monitor.Window(), nullptr);
    DebugStreamBuf channel(kTestMonitorClass);
    std::ostream out(&channel);
    out << "Language: C:\\setup\\LANG\\German.lng 0\n";
    out << "no line end yet";
    EXPECT_EQ(TestMonitor::received.size(), 1u);
    out.flush();

    ASSERT_EQ(TestMonitor::received.size(), 2u);
    EXPECT_EQ(TestMonitor::received[0], "1:Language: C:\\setup\\LANG\\German.lng 0\n");
    EXPECT_EQ(TestMonitor::received[1], "1:no line end yet");
    // The sender removes each atom once the monitor has handled it.
    char name[256];
    for (ATOM atom : TestMonitor::atoms) EXPECT_EQ(GlobalGetAtomNameA(atom, name, sizeof name), 0u);
}

TEST(DebugChannel, LongLineArrivesInPiecesOfTheBufferSize) {
    TestMonitor monitor;
    DebugStreamBuf channel(kTestMonitorClass);
    std::ostream out(&channel);
    const std::string line(300, 'x');
    out << line << std::endl;

    ASSERT_EQ(TestMonitor::received.size(), 3u);
    EXPECT_EQ(TestMonitor::received[0], "1:" + std::string(128, 'x'));
    EXPECT_EQ(TestMonitor::received[1], "1:" + std::string(128, 'x'));
    EXPECT_EQ(TestMonitor::received[2], "1:" + std::string(44, 'x') + "\n");
}

TEST(DebugChannel, WithoutMonitorWritingStillSucceeds) {
    DebugStreamBuf channel("KorvanNoSuchMonitorClass");
    std::ostream out(&channel);
    out << std::string(1000, 'y') << std::endl << "z";
    out.flush();
    EXPECT_TRUE(out.good());
}

TEST(DebugChannel, BoundStandardOutputReachesTheMonitorClass) {
    // The real class name: a monitor of that class receives what std::cout writes.
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == DebugMessageId()) {
            char text[256] = {};
            GlobalGetAtomNameA(static_cast<ATOM>(lp), text, sizeof text);
            TestMonitor::received.push_back(text);
            return 0;
        }
        return DefWindowProcA(w, m, wp, lp);
    };
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = KORVAN_DEBUG_MONITOR_CLASS;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA(KORVAN_DEBUG_MONITOR_CLASS, "", 0, 0, 0, 10, 10, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    TestMonitor::received.clear();

    std::streambuf* previous = std::cout.rdbuf();
    BindDebugChannel();
    std::cout << "bound trace" << std::endl;
    std::streambuf* channel = std::cout.rdbuf();
    std::cout.rdbuf(previous);
    DestroyWindow(window);

    EXPECT_NE(channel, previous);
    bool seen = false;
    for (const std::string& text : TestMonitor::received) seen = seen || text == "bound trace\n";
    EXPECT_TRUE(seen);
}

}  // namespace
