#include "Application.h"

#include <cctype>
#include <exception>
#include <stdexcept>

#include "Form.h"
#include "UserInteraction.h"

namespace ui {

Form* Application::mainForm_ = nullptr;
bool Application::terminated_ = false;
std::string Application::title_;
std::string Application::helpFile_;

int Application::Run(Form& mainForm) {
    mainForm_ = &mainForm;
    terminated_ = false;
    mainForm.SetMainForm(true);
    mainForm.Show();
    // Runs until the quit message itself arrives, so that none is left behind for a message
    // box shown after the loop.
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
    mainForm_ = nullptr;
    mainForm.SetMainForm(false);
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

void Application::Dispatch(MSG& message) {
    // Tab and arrow keys move between the controls of our forms as in a dialog.
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && Form::IsForm(root) && IsDialogMessageA(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Application::ProcessMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(message.wParam));  // for the loop of Run()
            return;
        }
        Dispatch(message);
    }
}

void Application::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

std::string Application::ExeName() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

std::string Application::ExeDir() {
    std::string path = ExeName();
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Application::Title() {
    if (!title_.empty()) return title_;
    std::string name = ExeName();
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

bool Application::HelpContents(HWND owner) {
    if (helpFile_.empty()) return false;
    std::string path = helpFile_;
    bool absolute = path.size() > 1 && (path[1] == ':' || (path[0] == '\\' && path[1] == '\\'));
    if (!absolute) path = ExeDir() + "\\" + path;
    return Interaction().ShellOpen(owner, "open", path, "", ExeDir(), SW_SHOWNORMAL);
}

void Application::ShowException(const std::string& message) {
    std::string text = message.empty() ? "An unexpected error occurred" : message;
    if (std::isalnum(static_cast<unsigned char>(text.back()))) text += '.';
    HWND owner = mainForm_ ? mainForm_->Handle() : nullptr;
    Interaction().MessageBox(owner, text, Title(), MB_OK | MB_ICONSTOP);
}

void Application::HandleException() {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowException(error.what());
    } catch (...) {
        ShowException("Unknown exception");
    }
}

}  // namespace ui
