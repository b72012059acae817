#pragma once
// The test double of the user-interaction seam: every call is recorded, and each answer comes
// from a queue filled in advance. A call with nothing queued gets the neutral answer (IDCANCEL,
// no file, no folder, shell launch refused, modal result 0) and is still recorded, so a test can
// assert on it instead of hanging.
#include <deque>
#include <string>
#include <vector>

#include "UserInteraction.h"

namespace ui {

struct InteractionCall {
    std::string kind;      // "MessageBox", "OpenFileDialog", "SaveFileDialog",
                           // "BrowseForFolder", "ShellOpen", "ShowModal"
    std::string caption;   // message-box caption, dialog title, modal dialog name
    std::string text;      // message-box text, filter, shell target
    UINT flags = 0;        // message-box flags
    std::string detail;    // shell verb + " " + parameters; proposed file name
};

class ScriptedInteraction : public UserInteraction {
public:
    // Installs itself as the interaction in force; the destructor restores the previous one.
    ScriptedInteraction();
    ~ScriptedInteraction() override;
    ScriptedInteraction(const ScriptedInteraction&) = delete;
    ScriptedInteraction& operator=(const ScriptedInteraction&) = delete;

    void QueueButton(int button) { buttons_.push_back(button); }
    void QueueFiles(std::vector<std::string> files) { files_.push_back(std::move(files)); }
    void QueueFolder(std::string folder) { folders_.push_back(std::move(folder)); }
    void QueueShellResult(bool started) { shellResults_.push_back(started); }
    // Answer for the next ShowModal; with runDialog the dialog's own function runs instead.
    void QueueModalResult(int result, bool runDialog = false) {
        modalResults_.push_back({result, runDialog});
    }

    const std::vector<InteractionCall>& Calls() const { return calls_; }
    // Only the calls of one kind.
    std::vector<InteractionCall> CallsOf(const std::string& kind) const;
    void ClearCalls() { calls_.clear(); }

    int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT flags) override;
    std::vector<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::string SaveFileDialog(const FileDialogRequest& request) override;
    std::string BrowseForFolder(HWND owner, const std::string& title) override;
    bool ShellOpen(HWND owner, const std::string& verb, const std::string& target,
                   const std::string& parameters, const std::string& directory,
                   int showCommand) override;
    int ShowModal(const std::string& name, const std::function<int()>& show) override;

private:
    struct ModalAnswer {
        int result;
        bool runDialog;
    };
    UserInteraction* previous_;
    std::vector<InteractionCall> calls_;
    std::deque<int> buttons_;
    std::deque<std::vector<std::string>> files_;
    std::deque<std::string> folders_;
    std::deque<bool> shellResults_;
    std::deque<ModalAnswer> modalResults_;
};

}  // namespace ui
