#pragma once
// What the uninstaller does before its window and after it: the script check, the
// confirmation, the clean-up of the product's auto-update program, and the self-removal.
#include <string>
#include <vector>

namespace uninstall {

// The running uninstaller's path in its long form. Started through a short (8.3) path, it still
// finds its script (the long name with ".txt") and knows its own file and folder among the
// entries. The path as the system gives it when it has no long form.
std::string UninstallerPath();

// The script is missing: an error box naming it; false. Otherwise true.
bool CheckScript(const std::string& scriptPath);

// Asks whether to uninstall the product the script names; true only for Yes.
bool ConfirmUninstall(const std::vector<std::string>& scriptLines);

// Deletes the auto-update program beside the uninstaller and, when its "X_" copy exists,
// ends the process running from that copy before deleting it. Errors are ignored.
void RemoveAutoUpdateFiles(const std::string& exeDir, const std::string& autoUpdateName,
                           bool endRunningCopy);

// Writes the batch that deletes the uninstaller once it has ended (and its folder, when
// asked and empty) and starts it hidden. Reports nothing when it fails.
void SelfDelete(const std::string& exePath, bool removeDirectory);

}  // namespace uninstall
