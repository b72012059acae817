#pragma once
// A top-level window holding controls: created hidden at a given client size, centred on the
// screen by default, with its own font; asks before it closes; paints through OnPaint.
#include <functional>
#include <string>

#include "Window.h"

namespace ui {

enum class BorderStyle {
    Sizeable,   // resizable frame, minimise and maximise boxes
    Single,     // fixed frame, minimise box
    Dialog,     // fixed dialog frame, no minimise box
};

struct FormArgs {
    std::string name;                      // "MainForm"; found by the UI driver too
    std::string caption;
    int clientWidth = 400;
    int clientHeight = 300;
    bool centred = true;                   // else at left, top
    int left = 0;
    int top = 0;
    std::string fontName = "MS Sans Serif";
    int fontSize = 8;                      // points
    BorderStyle border = BorderStyle::Single;
    bool stayOnTop = false;
    bool rightToLeft = false;              // mirrored layout (Hebrew and Arabic texts)
    HWND owner = nullptr;                  // an owned window stays above its owner
};

// Modal results, as the buttons of a modal form set them.
constexpr int mrNone = 0;
constexpr int mrOk = IDOK;
constexpr int mrCancel = IDCANCEL;
constexpr int mrYes = IDYES;
constexpr int mrNo = IDNO;

class Form : public Window {
public:
    Form() = default;
    ~Form() override;

    // Creates the window, hidden; false when Windows refused.
    bool Create(const FormArgs& args);

    int ClientWidth() const;
    int ClientHeight() const;

    void SetVisible(bool visible) override;
    // Runs the close query; when it allows, raises OnClose and hides the form (the main form
    // ends the application, a modal form ends its ShowModal). Returns whether it closed.
    bool Close();

    // Shows the form modally: its owner is disabled until the form closes or a modal result
    // is set. Returns the modal result (mrCancel when closed otherwise).
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // The form that ends the application when it closes (set by Application::Run).
    void SetMainForm(bool isMain) { isMain_ = isMain; }

    // Whether `window` is a form of this layer in this process.
    static bool IsForm(HWND window);

    // Set canClose to false to keep the form open.
    std::function<void(bool& canClose)> OnCloseQuery;
    std::function<void()> OnClose;
    std::function<void()> OnShow;
    std::function<void(HDC dc)> OnPaint;
    // WM_TIMER sent to the form itself (timers of SetTimer on Handle()).
    std::function<void(UINT_PTR id)> OnTimer;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool isMain_ = false;
    bool inModalLoop_ = false;
    int modalResult_ = mrNone;
};

}  // namespace ui
