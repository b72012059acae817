#include "Form.h"

#include "Application.h"

namespace ui {

namespace {

DWORD StyleOf(BorderStyle border) {
    switch (border) {
        case BorderStyle::Sizeable: return WS_OVERLAPPEDWINDOW;
        case BorderStyle::Single: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        case BorderStyle::Dialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    }
    return WS_OVERLAPPEDWINDOW;
}

}  // namespace

Form::~Form() { DestroyHandle(); }

bool Form::Create(const FormArgs& args) {
    DWORD style = StyleOf(args.border) | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (args.border == BorderStyle::Dialog) exStyle |= WS_EX_DLGMODALFRAME;
    if (args.stayOnTop) exStyle |= WS_EX_TOPMOST;
    if (args.rightToLeft) exStyle |= WS_EX_LAYOUTRTL;

    RECT outer = {0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    int left = args.left;
    int top = args.top;
    if (args.centred) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }

    ControlArgs window;
    window.name = args.name;
    window.caption = args.caption;
    window.left = left;
    window.top = top;
    window.width = width;
    window.height = height;
    window.visible = false;
    if (!CreateHandle(WindowKind::Form, nullptr, window, style, exStyle)) return false;
    if (args.owner) SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(args.owner));
    AdoptFont(CreatePointFont(args.fontName, args.fontSize));
    return true;
}

int Form::ClientWidth() const {
    RECT client = {};
    if (Handle()) GetClientRect(Handle(), &client);
    return client.right;
}

int Form::ClientHeight() const {
    RECT client = {};
    if (Handle()) GetClientRect(Handle(), &client);
    return client.bottom;
}

void Form::SetVisible(bool visible) {
    if (!Handle()) return;
    bool wasVisible = Visible();
    ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
    if (visible && !wasVisible) {
        UpdateWindow(Handle());
        if (OnShow) OnShow();
    }
}

bool Form::Close() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(canClose);
    if (!canClose) return false;
    if (OnClose) OnClose();
    if (inModalLoop_ && modalResult_ == mrNone) modalResult_ = mrCancel;
    Hide();
    if (isMain_) Application::Terminate();
    return true;
}

int Form::ShowModal() {
    if (!Handle()) return mrCancel;
    HWND owner = GetWindow(Handle(), GW_OWNER);
    if (owner) EnableWindow(owner, FALSE);
    modalResult_ = mrNone;
    inModalLoop_ = true;
    Show();
    MSG message;
    while (modalResult_ == mrNone && Handle()) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop ends too
            if (modalResult_ == mrNone) modalResult_ = mrCancel;
            break;
        }
        if (!IsDialogMessageA(Handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    inModalLoop_ = false;
    if (owner) EnableWindow(owner, TRUE);
    Hide();
    if (owner) SetForegroundWindow(owner);
    return modalResult_;
}

bool Form::IsForm(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "KorvanForm") == 0 && FromHandle(window) != nullptr;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_PAINT:
            if (!OnPaint) break;
            {
                PaintContext paint(Handle());
                OnPaint(paint.Dc());
            }
            return 0;
        case WM_TIMER:
            if (!OnTimer) break;
            OnTimer(static_cast<UINT_PTR>(wParam));
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace ui
