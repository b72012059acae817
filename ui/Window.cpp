#include "Window.h"

#include <commctrl.h>
#include <richedit.h>

#include <map>
#include <stdexcept>

#include "Application.h"
#include "ControlName.h"

namespace ui {

ControlArgs At(const std::string& name, int left, int top, int width, int height,
               const std::string& caption) {
    ControlArgs args;
    args.name = name;
    args.left = left;
    args.top = top;
    args.width = width;
    args.height = height;
    args.caption = caption;
    return args;
}

namespace {

struct ClassInfo {
    const char* name;   // our class
    const char* base;   // the standard class it wraps; null for our own
};

ClassInfo InfoOf(WindowKind kind) {
    switch (kind) {
        case WindowKind::Form: return {"KorvanForm", nullptr};
        case WindowKind::Container: return {"KorvanContainer", nullptr};
        case WindowKind::Message: return {"KorvanMessage", nullptr};
        case WindowKind::Button: return {"KorvanButton", "BUTTON"};
        case WindowKind::Static: return {"KorvanStatic", "STATIC"};
        case WindowKind::Edit: return {"KorvanEdit", "EDIT"};
        case WindowKind::ComboBox: return {"KorvanComboBox", "COMBOBOX"};
        case WindowKind::UpDown: return {"KorvanUpDown", UPDOWN_CLASSA};
        case WindowKind::TabControl: return {"KorvanTabControl", WC_TABCONTROLA};
        case WindowKind::ListView: return {"KorvanListView", WC_LISTVIEWA};
        case WindowKind::ProgressBar: return {"KorvanProgressBar", PROGRESS_CLASSA};
        case WindowKind::RichEdit: return {"KorvanRichEdit", RICHEDIT_CLASSA};
    }
    throw std::logic_error("unknown window kind");
}

// The procedure each of our classes falls back on, by class name. Filled once per class
// on the window thread before its first window exists.
std::map<std::string, WNDPROC>& BaseProcedures() {
    static std::map<std::string, WNDPROC> procedures;
    return procedures;
}

void LoadControlLibraries(WindowKind kind) {
    static bool commonControls = false;
    if (!commonControls) {
        INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES | ICC_TAB_CLASSES |
                                                      ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS |
                                                      ICC_LISTVIEW_CLASSES};
        commonControls = InitCommonControlsEx(&init) != FALSE;
    }
    if (kind == WindowKind::RichEdit) {
        static HMODULE richEdit = LoadLibraryA("riched20.dll");
        (void)richEdit;
    }
}

// Registers our class for `kind` once; returns its procedure to fall back on, null on failure.
WNDPROC EnsureClass(WindowKind kind, WNDPROC procedure) {
    ClassInfo info = InfoOf(kind);
    auto& procedures = BaseProcedures();
    auto known = procedures.find(info.name);
    if (known != procedures.end()) return known->second;

    LoadControlLibraries(kind);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    WNDPROC base = DefWindowProcA;
    if (info.base) {
        if (!GetClassInfoExA(nullptr, info.base, &windowClass)) return nullptr;
        base = windowClass.lpfnWndProc;
        windowClass.cbSize = sizeof windowClass;
    } else {
        windowClass.style = CS_DBLCLKS;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hIcon = kind == WindowKind::Form ? LoadIcon(instance, MAKEINTRESOURCE(1))
                                                     : nullptr;
        if (kind == WindowKind::Form && !windowClass.hIcon)
            windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    }
    windowClass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    windowClass.hInstance = instance;
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = info.name;
    if (!RegisterClassExA(&windowClass)) return nullptr;
    procedures[info.name] = base;
    return base;
}

WNDPROC BaseProcedureOf(HWND window) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    auto& procedures = BaseProcedures();
    auto known = procedures.find(className);
    return known == procedures.end() ? DefWindowProcA : known->second;
}

bool IsOurClass(HWND window) {
    char className[64] = {};
    if (!GetClassNameA(window, className, sizeof className)) return false;
    return BaseProcedures().count(className) != 0;
}

}  // namespace

Window::~Window() { DestroyHandle(); }

void Window::DestroyHandle() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Window::CreateHandle(WindowKind kind, HWND parent, const ControlArgs& args, DWORD style,
                          DWORD exStyle) {
    baseProcedure_ = EnsureClass(kind, &Window::Procedure);
    if (!baseProcedure_) return false;
    name_ = args.name;
    if (parent && kind != WindowKind::Message) style |= WS_CHILD;
    if (args.visible) style |= WS_VISIBLE;
    if (!args.enabled) style |= WS_DISABLED;
    HWND created = CreateWindowExA(exStyle | args.exStyle, InfoOf(kind).name, args.caption.c_str(),
                                   style | args.style, args.left, args.top, args.width,
                                   args.height, parent, nullptr, GetModuleHandleA(nullptr), this);
    if (!created) return false;
    SetControlName(created, name_);
    if (parent && kind != WindowKind::Message) {
        HFONT parentFont = reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
        if (parentFont) SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(parentFont), FALSE);
    }
    return true;
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->hwnd_ = window;
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) return CallWindowProcA(BaseProcedureOf(window), window, message, wParam, lParam);

    LRESULT result = 0;
    if (message == WM_NCDESTROY) {
        RemoveControlName(window);
        result = self->CallBase(message, wParam, lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return result;
    }
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        Application::HandleException();
    }
    return result;
}

LRESULT Window::CallBase(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(baseProcedure_, hwnd_, message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    LRESULT result = ReflectToSender(message, wParam, lParam, handled);
    if (handled) return result;
    if (baseProcedure_ == DefWindowProcA) {
        // Our own classes keep their font themselves, as the standard controls do.
        if (message == WM_SETFONT) {
            font_ = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        }
        if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(font_);
        if (message == WM_ERASEBKGND && brush_) {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.Get());
            return 1;
        }
    }
    return CallBase(message, wParam, lParam);
}

LRESULT Window::ReflectToSender(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
        case WM_COMMAND:
            if (Window* sender = FromHandle(reinterpret_cast<HWND>(lParam))) {
                handled = true;
                sender->OnCommand(HIWORD(wParam));
            }
            return 0;
        case WM_NOTIFY:
            if (Window* sender = FromHandle(reinterpret_cast<NMHDR*>(lParam)->hwndFrom)) {
                handled = true;
                return sender->OnNotify(*reinterpret_cast<NMHDR*>(lParam));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return OnCtlColorMessage(wParam, lParam, handled);
        default:
            return 0;
    }
}

LRESULT Window::OnCtlColorMessage(WPARAM wParam, LPARAM lParam, bool& handled) {
    Window* sender = FromHandle(reinterpret_cast<HWND>(lParam));
    if (!sender) return 0;
    HBRUSH brush = sender->OnCtlColor(reinterpret_cast<HDC>(wParam));
    if (!brush) return 0;
    handled = true;
    return reinterpret_cast<LRESULT>(brush);
}

HBRUSH Window::OnCtlColor(HDC dc) {
    if (fontColor_ != CLR_INVALID) SetTextColor(dc, fontColor_);
    if (brush_) {
        SetBkColor(dc, color_);
        return brush_.Get();
    }
    if (transparent_) {
        SetBkMode(dc, TRANSPARENT);
        Window* parent = FromHandle(GetParent(hwnd_));
        return parent ? parent->BackgroundBrush() : GetSysColorBrush(COLOR_BTNFACE);
    }
    if (fontColor_ != CLR_INVALID) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    return nullptr;
}

HBRUSH Window::BackgroundBrush() const {
    if (brush_) return brush_.Get();
    Window* parent = FromHandle(GetParent(hwnd_));
    if (parent && GetParent(hwnd_) != hwnd_ && (GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD))
        return parent->BackgroundBrush();
    return GetSysColorBrush(COLOR_BTNFACE);
}

Window* Window::FromHandle(HWND window) {
    if (!window || !IsWindow(window)) return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsOurClass(window)) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::string Window::Caption() const {
    if (!hwnd_) return std::string();
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd_, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void Window::SetCaption(const std::string& caption) {
    if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}

bool Window::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Window::SetEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Window::Visible() const {
    return hwnd_ && (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Window::SetVisible(bool visible) {
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

namespace {

// The window's rectangle in its parent's client coordinates (the screen's for a top level).
RECT BoundsInParent(HWND window) {
    RECT bounds = {};
    if (!window) return bounds;
    GetWindowRect(window, &bounds);
    HWND parent = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

}  // namespace

int Window::Left() const { return BoundsInParent(hwnd_).left; }
int Window::Top() const { return BoundsInParent(hwnd_).top; }
int Window::Width() const {
    RECT r = BoundsInParent(hwnd_);
    return r.right - r.left;
}
int Window::Height() const {
    RECT r = BoundsInParent(hwnd_);
    return r.bottom - r.top;
}

void Window::SetBounds(int left, int top, int width, int height) {
    if (hwnd_) MoveWindow(hwnd_, left, top, width, height, TRUE);
}

void Window::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

bool Window::Focused() const { return hwnd_ && GetFocus() == hwnd_; }

void Window::SetColor(COLORREF color) {
    color_ = color;
    brush_.Reset(color == CLR_INVALID ? nullptr : CreateSolidBrush(color));
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Window::SetFontColor(COLORREF color) {
    fontColor_ = color;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HFONT Window::CurrentFont() const {
    return hwnd_ ? reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)) : nullptr;
}

void Window::SetFontStyle(bool bold, bool underline) {
    AdoptFont(CreateStyledFont(CurrentFont(), bold, underline));
}

void Window::AdoptFont(HFONT font) {
    if (!font) return;
    Font previous(std::move(ownFont_));  // freed once the window has let go of it
    ownFont_.Reset(font);
    if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace ui
