// KorvanConfig: configures a Korvan module over a COM port.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "Application.h"
#include "Mainunit.h"

namespace {

// The help page shipped beside the program, opened with the system's handler for HTML.
constexpr const char* kHelpFile = "KORVAN-DORI VOZEREDAD.htm";
// Shows the Web Pages tab, which the shipped window keeps switched off; for tests and demos.
constexpr const char* kWebPagesSwitch = "/WebPages";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    ui::Application::SetHelpFile(kHelpFile);
    korvan::TMainForm mainForm;
    if (!mainForm.CreateMainWindow()) {
        MessageBoxA(nullptr, "Cannot create the main window", "KorvanConfig", MB_OK | MB_ICONSTOP);
        return 1;
    }
    if (commandLine && std::strstr(commandLine, kWebPagesSwitch)) {
        mainForm.WebPagesTabSheet.SetTabVisible(true);
    }
    return ui::Application::Run(mainForm);
}
