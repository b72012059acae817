// debug-monitor: receives the trace lines that Setup and UnInstall send through their debug
// channel (installer_common/U_DEBUG0.h) and shows them in a list window.
//
//   debug-monitor [--print] [--hidden] [--count=N] [--seconds=S] [--filter=TEXT]
//   debug-monitor --send TEXT...      writes TEXT through the channel, as an installer does
//
// --print also writes every message to standard output, one message a line, as it arrives;
// --hidden keeps the window hidden; --count and --seconds end the monitor after N messages
// or S seconds (the exit code is 0 when N messages arrived, else 1); --filter ignores every
// message that does not contain TEXT.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "U_DEBUG0.h"

namespace {

struct Options {
    bool print = false;
    bool hidden = false;
    long count = 0;     // 0: no limit
    long seconds = 0;   // 0: no limit
    std::string filter; // empty: every message
};

struct Monitor {
    Options options;
    HWND list = nullptr;
    long received = 0;
};

const UINT_PTR kStopTimer = 1;

// The message text without its line end, which the list and the printout add themselves.
std::string MessageText(ATOM atom) {
    char text[256] = {};
    UINT length = GlobalGetAtomNameA(atom, text, sizeof text);
    std::string result(text, length);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
    return result;
}

void OnDebugMessage(HWND window, Monitor& monitor, ATOM atom) {
    const std::string text = MessageText(atom);
    if (text.find(monitor.options.filter) == std::string::npos) return;
    SendMessageA(monitor.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (monitor.options.print) {
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
    }
    ++monitor.received;
    if (monitor.options.count > 0 && monitor.received >= monitor.options.count) {
        DestroyWindow(window);
    }
}

LRESULT CALLBACK MonitorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* monitor = reinterpret_cast<Monitor*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (monitor && message == DebugMessageId() && wParam == 1) {
        OnDebugMessage(window, *monitor, static_cast<ATOM>(lParam));
        return 0;
    }
    switch (message) {
        case WM_SIZE:
            if (monitor) MoveWindow(monitor->list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_TIMER:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--print") {
            options.print = true;
        } else if (arg == "--hidden") {
            options.hidden = true;
        } else if (arg.rfind("--count=", 0) == 0) {
            options.count = std::atol(arg.c_str() + 8);
        } else if (arg.rfind("--seconds=", 0) == 0) {
            options.seconds = std::atol(arg.c_str() + 10);
        } else if (arg.rfind("--filter=", 0) == 0) {
            options.filter = arg.substr(9);
        } else {
            std::fprintf(stderr, "debug-monitor: unknown option %s\n", arg.c_str());
            return false;
        }
    }
    return true;
}

int RunMonitor(const Options& options) {
    Monitor monitor;
    monitor.options = options;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MonitorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = KORVAN_DEBUG_MONITOR_CLASS;
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowA(KORVAN_DEBUG_MONITOR_CLASS, "Korvan debug monitor",
                                WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 400,
                                nullptr, nullptr, instance, &monitor);
    if (!window) return 1;
    monitor.list = CreateWindowA("LISTBOX", "",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 0,
                                 640, 400, window, nullptr, instance, nullptr);
    if (options.seconds > 0) {
        SetTimer(window, kStopTimer, static_cast<UINT>(options.seconds * 1000), nullptr);
    }
    ShowWindow(window, options.hidden ? SW_HIDE : SW_SHOWNORMAL);
    if (options.print) {
        // Tells a waiting script that the window exists and messages can be sent.
        std::printf("debug-monitor: listening\n");
        std::fflush(stdout);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (options.count > 0 && monitor.received < options.count) ? 1 : 0;
}

int SendLines(int argc, char** argv) {
    DebugStreamBuf channel;
    std::ostream out(&channel);
    for (int i = 2; i < argc; ++i) out << argv[i] << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--send") return SendLines(argc, argv);
    Options options;
    if (!ParseOptions(argc, argv, options)) return 2;
    return RunMonitor(options);
}
