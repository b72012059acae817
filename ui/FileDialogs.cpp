#include "FileDialogs.h"

namespace ui {

bool OpenDialog::Execute(HWND owner) {
    FileDialogRequest request = Options;
    if (owner) request.owner = owner;
    std::vector<std::string> chosen = Interaction().OpenFileDialog(request);
    if (chosen.empty()) return false;
    files_ = std::move(chosen);
    fileName_ = files_.front();
    return true;
}

bool SaveDialog::Execute(HWND owner) {
    FileDialogRequest request = Options;
    if (owner) request.owner = owner;
    std::string chosen = Interaction().SaveFileDialog(request);
    if (chosen.empty()) return false;
    fileName_ = std::move(chosen);
    return true;
}

}  // namespace ui
