// Times one uninstall run without its fixed pauses: the window of UnInstall.exe is created
// (hidden) for an uninstaller that would lie at the given path, then ParseCommands and
// RunUninstall run on the script beside it. Prints one line:
//   <seconds> parse=<seconds> entries=<n> log=<lines> failed=<files>,<directories> report=<boxes>
// The run's closing report, if any, goes to the scripted interaction, so nothing can block.
//   UninstallBench <uninstaller path> [<test-mode marker>]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ScriptedInteraction.h"
#include "UnMain.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

size_t RemovalEntries(const TUninstallCommands& commands) {
    return commands.sharedFiles.size() + commands.readOnlyFiles.size() + commands.files.size() +
           commands.serviceFiles.size() + commands.directories.size() +
           commands.forcedDirectories.size() + commands.folders.size() +
           commands.forcedFolders.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s UNINSTALLER-PATH [TEST-MODE-MARKER]\n", argv[0]);
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    ui::ScriptedInteraction interaction;

    uninstall::UninstallOptions options;
    options.exePath = argv[1];
    // Outside test mode unless a marker that exists is named: the shipped program's usual case.
    options.testModeMarker = argc > 2 ? argv[2] : options.exePath + ".no-test-mode";
    options.startDelayMs = 0;
    options.phasePauseMs = 0;
    uninstall::TMainForm form(options);
    if (!form.CreateMainWindow()) {
        std::fprintf(stderr, "cannot create the uninstaller's window\n");
        return 1;
    }

    LARGE_INTEGER start, parsed, end;
    QueryPerformanceCounter(&start);
    form.ParseCommands();
    QueryPerformanceCounter(&parsed);
    form.RunUninstall();
    QueryPerformanceCounter(&end);

    if (!form.UninstallCompleted) {
        std::fprintf(stderr, "the run did not complete\n");
        return 1;
    }
    std::printf("%.6f parse=%.6f entries=%zu log=%zu failed=%d,%d report=%zu\n",
                Seconds(start, end), Seconds(start, parsed), RemovalEntries(form.Commands),
                form.LogLines().size(), form.Failures.files, form.Failures.directories,
                interaction.CallsOf("MessageBox").size());
    return 0;
}
