#include "ScriptedInteraction.h"

namespace ui {

namespace {

template <typename T>
T TakeOr(std::deque<T>& queue, T neutral) {
    if (queue.empty()) return neutral;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

ScriptedInteraction::ScriptedInteraction() : previous_(SetInteraction(this)) {}

ScriptedInteraction::~ScriptedInteraction() { SetInteraction(previous_); }

std::vector<InteractionCall> ScriptedInteraction::CallsOf(const std::string& kind) const {
    std::vector<InteractionCall> matching;
    for (const auto& call : calls_)
        if (call.kind == kind) matching.push_back(call);
    return matching;
}

int ScriptedInteraction::MessageBox(HWND, const std::string& text, const std::string& caption,
                                    UINT flags) {
    calls_.push_back({"MessageBox", caption, text, flags, ""});
    return TakeOr(buttons_, IDCANCEL);
}

std::vector<std::string> ScriptedInteraction::OpenFileDialog(const FileDialogRequest& request) {
    calls_.push_back({"OpenFileDialog", request.title, request.filter, 0, request.fileName});
    return TakeOr(files_, std::vector<std::string>());
}

std::string ScriptedInteraction::SaveFileDialog(const FileDialogRequest& request) {
    calls_.push_back({"SaveFileDialog", request.title, request.filter, 0, request.fileName});
    std::vector<std::string> answer = TakeOr(files_, std::vector<std::string>());
    return answer.empty() ? std::string() : answer.front();
}

std::string ScriptedInteraction::BrowseForFolder(HWND, const std::string& title) {
    calls_.push_back({"BrowseForFolder", title, "", 0, ""});
    return TakeOr(folders_, std::string());
}

bool ScriptedInteraction::ShellOpen(HWND, const std::string& verb, const std::string& target,
                                    const std::string& parameters, const std::string&, int) {
    calls_.push_back({"ShellOpen", "", target, 0, verb + " " + parameters});
    return TakeOr(shellResults_, false);
}

int ScriptedInteraction::ShowModal(const std::string& name, const std::function<int()>& show) {
    calls_.push_back({"ShowModal", name, "", 0, ""});
    ModalAnswer answer = TakeOr(modalResults_, ModalAnswer{0, false});
    return answer.runDialog ? show() : answer.result;
}

}  // namespace ui
