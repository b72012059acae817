#pragma once
// The base of every form and control: one C++ object bound to one window.
//
// The object passes itself through CreateWindowEx's last argument; the window keeps it in
// GWLP_USERDATA from WM_NCCREATE until WM_NCDESTROY. Standard controls are superclassed
// ("KorvanButton" over "BUTTON", ...) so that their messages reach the object too.
// WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* arriving at any of our windows are reflected to the
// wrapper of the control that sent them, which raises its event. An exception escaping a
// handler ends in the application's standard exception dialog, never in Windows.
//
// Objects are owned by whoever declares them (usually as members of a form); destroying an
// object destroys its window. A window destroyed first (with its parent) leaves the object
// alive with a null Handle().
#include <windows.h>

#include <string>

#include "Gdi.h"

namespace ui {

// Where and how a control is created. Positions are pixels in the parent's client area.
struct ControlArgs {
    std::string name;      // found by the UI driver (ControlName.h); may be empty
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string caption;   // caption or initial text
    DWORD style = 0;       // added to the control's own window style
    DWORD exStyle = 0;     // added to its extended style
    bool visible = true;
    bool enabled = true;
};

// The arguments of a named control at its place, with an optional caption.
ControlArgs At(const std::string& name, int left, int top, int width, int height,
               const std::string& caption = std::string());

// The kinds of window this layer creates: its own classes and the standard ones it wraps.
enum class WindowKind {
    Form,        // our top-level window class
    Container,   // our plain child class: tab sheets, panels, pictures
    Message,     // our message-only class: timers, the synchronous-call window
    Button,
    Static,
    Edit,
    ComboBox,
    UpDown,
    TabControl,
    ListView,
    ProgressBar,
    RichEdit,
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    const std::string& Name() const { return name_; }

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

    bool Enabled() const;
    virtual void SetEnabled(bool enabled);
    // The window's own visibility flag (true for a control on a hidden page too).
    bool Visible() const;
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    virtual void SetBounds(int left, int top, int width, int height);

    void SetFocus();
    bool Focused() const;

    // Background colour (CLR_INVALID: the system's face colour) and text colour.
    void SetColor(COLORREF color);
    void SetFontColor(COLORREF color);
    // Bold and underline on top of the font the window has now.
    void SetFontStyle(bool bold, bool underline);
    HFONT CurrentFont() const;
    // The brush our children paint their background with.
    HBRUSH BackgroundBrush() const;

    // The wrapper of one of this process's windows of our classes; null for any other window.
    static Window* FromHandle(HWND window);

protected:
    // Creates the window; `parent` null for a top-level window. The name, font of the parent,
    // position, caption, visibility and enabled state come from `args`. False when Windows
    // refused (the reason is in GetLastError()).
    bool CreateHandle(WindowKind kind, HWND parent, const ControlArgs& args, DWORD style,
                      DWORD exStyle);
    void DestroyHandle();
    // Takes ownership of `font` and gives it to the window (WM_SETFONT).
    void AdoptFont(HFONT font);

    // One line per message in derived classes; the default reflects notifications and calls
    // the class's own procedure.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallBase(UINT message, WPARAM wParam, LPARAM lParam);

    // Reflected notifications sent by this control to its parent.
    virtual void OnCommand(WORD /*code*/) {}
    virtual LRESULT OnNotify(NMHDR& /*header*/) { return 0; }
    // Background for WM_CTLCOLOR*: null lets Windows choose.
    virtual HBRUSH OnCtlColor(HDC dc);
    // Controls whose background shows their parent's (labels, check boxes, group boxes).
    void SetTransparentBackground(bool transparent) { transparent_ = transparent; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ReflectToSender(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnCtlColorMessage(WPARAM wParam, LPARAM lParam, bool& handled);

    HWND hwnd_ = nullptr;
    WNDPROC baseProcedure_ = DefWindowProcA;
    std::string name_;
    HFONT font_ = nullptr;     // for our own classes, which keep their font themselves
    Font ownFont_;             // a font made for this window (form font, bold, ...)
    COLORREF color_ = CLR_INVALID;
    COLORREF fontColor_ = CLR_INVALID;
    Brush brush_;
    bool transparent_ = false;
};

}  // namespace ui
