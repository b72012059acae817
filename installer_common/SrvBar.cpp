#include "SrvBar.h"

#include <commctrl.h>

#include <memory>

#include "Utils.h"
#include "Wait.h"

namespace {

const char kClassName[] = "KorvanSrvBarDlg";
const char kCaption[] = "Start/Stop NT-Service";
constexpr int kClientWidth = 352;
constexpr int kClientHeight = 107;
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1IntervalMs = 500;
constexpr int kBarMax = 20;

std::unique_ptr<TSrvBarDlg> dialog;

void RegisterWindowClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassA(&windowClass) != 0;
}

HWND CreateChild(HWND parent, const char* className, DWORD style, int x, int y, int width,
                 int height, HFONT font) {
    HWND child = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (child && font) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

}  // namespace

TSrvBarDlg::TSrvBarDlg() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    RegisterWindowClass(&TSrvBarDlg::WindowProc);

    RECT frame = {0, 0, kClientWidth, kClientHeight};
    const DWORD style = WS_POPUP | WS_CAPTION;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOPMOST | WS_EX_DLGMODALFRAME);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_DLGMODALFRAME, kClassName, kCaption, style,
                              left, top, width, height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (!window_) return;

    HDC screen = GetDC(nullptr);
    int pixelsHigh = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font_ = CreateFontA(pixelsHigh, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    label1_ = CreateChild(window_, "STATIC", SS_LEFT, 32, 16, 288, 16, font_);
    label2_ = CreateChild(window_, "STATIC", SS_LEFT, 32, 40, 288, 16, font_);
    progressBar1_ = CreateChild(window_, PROGRESS_CLASSA, 0, 32, 67, 289, 13, nullptr);
}

TSrvBarDlg::~TSrvBarDlg() {
    if (window_) {
        KillTimer(window_, kTimer1);
        DestroyWindow(window_);
    }
    if (font_) DeleteObject(font_);
}

void TSrvBarDlg::Start(const std::string& operation, const std::string& serviceName) {
    if (!window_) return;
    SetWindowTextA(label1_, operation.c_str());
    SetWindowTextA(label2_, serviceName.c_str());
    SendMessageA(progressBar1_, PBM_SETRANGE32, 0, kBarMax);
    SendMessageA(progressBar1_, PBM_SETSTEP, 1, 0);
    SendMessageA(progressBar1_, PBM_SETPOS, 0, 0);
    SetTimer(window_, kTimer1, kTimer1IntervalMs, nullptr);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

void TSrvBarDlg::Timer1Timer() {
    SendMessageA(progressBar1_, PBM_STEPIT, 0, 0);
    if (SendMessageA(progressBar1_, PBM_GETPOS, 0, 0) >= kBarMax)
        SendMessageA(progressBar1_, PBM_SETPOS, 0, 0);
}

void TSrvBarDlg::FormHide() {
    if (!window_) return;
    KillTimer(window_, kTimer1);
    ShowWindow(window_, SW_HIDE);
}

LRESULT CALLBACK TSrvBarDlg::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TSrvBarDlg*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_TIMER:
            if (self && wParam == kTimer1) self->Timer1Timer();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ShowServiceProgress(const std::string& operation, const std::string& serviceName) {
    if (!dialog) dialog = std::make_unique<TSrvBarDlg>();
    dialog->Start(operation, serviceName);
    WaitProcessing(1000);
}

void ReleaseServiceProgress() {
    if (dialog) dialog->FormHide();
    dialog.reset();
}

TSrvBarDlg* ServiceProgress() { return dialog.get(); }
