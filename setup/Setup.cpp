// Setup.exe: reads Setup.txt beside the program and its language texts. The wizard and the
// installation run build on this start.
#include <windows.h>

#include <string>

#include "Files.h"
#include "Global.h"
#include "MsgBox.h"
#include "SLang.h"
#include "SScript.h"
#include "U_DEBUG0.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    BindDebugChannel();
    LoadBuiltInLanguage();

    const std::string scriptPath = ScriptFileName(true);
    if (!FileExists(scriptPath)) {
        TopErrorBox(nullptr, scriptPath + "\\nScript file not found.\\n\\nSetup Aborted!");
        return 1;
    }
    TScript script;
    script.SetErrorSink([](const std::string& message) { ErrorBox(message); });
    script.Load(scriptPath);
    LoadLanguage(script);
    return 0;
}
