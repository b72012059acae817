// UnInstall.exe: undoes the installation described by the script beside it, then removes
// itself. It takes no command-line arguments.
#include <windows.h>

#include <commctrl.h>

#include "Application.h"
#include "PathText.h"
#include "U_DEBUG0.h"
#include "UnMain.h"
#include "UnScript.h"
#include "UnStartup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    BindDebugChannel();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    const std::string exePath = uninstall::UninstallerPath();
    const std::string exeDir = NormalizeDir(FileDirOf(exePath), false);
    const std::string scriptPath = ScriptPathFor(exePath);
    if (!uninstall::CheckScript(scriptPath)) return 1;
    const std::vector<std::string> script = LoadScriptLines(scriptPath);
    const std::string autoUpdateName = HeaderValue(script, "GET_AUTO_UPDATE_EXE_FILE_NAME");
    if (!uninstall::ConfirmUninstall(script)) return 0;
    uninstall::RemoveAutoUpdateFiles(exeDir, autoUpdateName, true);

    bool completed = false;
    {
        uninstall::TMainForm mainForm;
        if (!mainForm.CreateMainWindow()) {
            MessageBoxA(nullptr, "Cannot create the main window", "UnInstall", MB_OK | MB_ICONSTOP);
            return 1;
        }
        ui::Application::Run(mainForm);
        completed = mainForm.UninstallCompleted;
    }
    uninstall::RemoveAutoUpdateFiles(exeDir, autoUpdateName, false);
    if (completed) uninstall::SelfDelete(exePath, true);
    return 0;
}
