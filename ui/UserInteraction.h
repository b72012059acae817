#pragma once
// The one seam that tests replace: everything that waits for the user or hands work to the
// shell. Programs call Interaction(); tests install a ScriptedInteraction, whose answers are
// queued in advance, so no test ever blocks on a modal window.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

struct FileDialogRequest {
    HWND owner = nullptr;
    std::string title;              // empty: the system's default title
    std::string filter;             // "Config Files|*.txt" or "A|*.a|B|*.b"; empty: all files
    std::string initialDir;
    std::string fileName;           // proposed name
    std::string defaultExtension;   // without the dot
    bool multiSelect = false;       // open dialogs only
};

class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // MessageBoxA: returns the button chosen (IDOK, IDYES, ...).
    virtual int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT flags) = 0;
    // Returns the chosen full paths; empty when the user cancelled.
    virtual std::vector<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
    // Returns the chosen full path; empty when the user cancelled.
    virtual std::string SaveFileDialog(const FileDialogRequest& request) = 0;
    // Folder browser; returns the chosen folder, empty when cancelled.
    virtual std::string BrowseForFolder(HWND owner, const std::string& title) = 0;
    // ShellExecuteA with the given verb ("" for the default verb): true when it started.
    virtual bool ShellOpen(HWND owner, const std::string& verb, const std::string& target,
                           const std::string& parameters, const std::string& directory,
                           int showCommand) = 0;
    // Runs one of our own modal windows: `show` shows it modally and returns its modal
    // result. `name` identifies the dialog to a script.
    virtual int ShowModal(const std::string& name, const std::function<int()>& show) = 0;
};

// The interaction in force: the real Win32 one unless a test installed another.
UserInteraction& Interaction();
// Installs `replacement` (not owned; null restores the real one) and returns the one it
// replaced (null for the real one).
UserInteraction* SetInteraction(UserInteraction* replacement);

// The real Win32 implementation.
class Win32Interaction : public UserInteraction {
public:
    int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT flags) override;
    std::vector<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::string SaveFileDialog(const FileDialogRequest& request) override;
    std::string BrowseForFolder(HWND owner, const std::string& title) override;
    bool ShellOpen(HWND owner, const std::string& verb, const std::string& target,
                   const std::string& parameters, const std::string& directory,
                   int showCommand) override;
    int ShowModal(const std::string& name, const std::function<int()>& show) override;
};

// "Config Files|*.txt" -> "Config Files\0*.txt\0\0", the form the common dialogs take.
std::string DialogFilter(const std::string& barSeparated);

}  // namespace ui
