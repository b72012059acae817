#pragma once
// The open and save dialogs as components: their settings kept between uses, Execute() asks
// through the user-interaction seam.
#include <string>
#include <vector>

#include "UserInteraction.h"

namespace ui {

class OpenDialog {
public:
    FileDialogRequest Options;   // filter "Config Files|*.txt", title, folder, ...
    // True when the user chose; the choice is then in FileName() / Files().
    bool Execute(HWND owner = nullptr);
    const std::string& FileName() const { return fileName_; }
    const std::vector<std::string>& Files() const { return files_; }

private:
    std::string fileName_;
    std::vector<std::string> files_;
};

class SaveDialog {
public:
    FileDialogRequest Options;
    bool Execute(HWND owner = nullptr);
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

}  // namespace ui
