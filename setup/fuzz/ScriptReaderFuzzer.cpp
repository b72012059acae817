// libFuzzer target: any bytes as Setup.txt, then every reader the other units call.
#include <cstddef>
#include <cstdint>
#include <string>

#include "SScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TScript script;
    size_t reports = 0;
    script.SetErrorSink([&reports](const std::string& message) { reports += message.size(); });
    script.LoadText(std::string(reinterpret_cast<const char*>(data), size));

    for (int i = 0; i < kScriptCommandCount; ++i) {
        const auto command = static_cast<ScriptCommand>(i);
        reports += script.Text(command).size() + script.List(command).size();
        reports += static_cast<size_t>(script.Number(command)) + script.Flag(command);
    }
    for (const std::string& line : script.Lines()) {
        script.SelectPage(line);
        reports += script.CurrentPage().size() + script.HasPage(line);
    }
    for (int index = -1; index < 4; ++index) {
        script.SetPageIndex(index);
        reports += script.CurrentPage().size();
    }
    const std::vector<std::string> names = script.CopyNames();
    for (const std::string& name : names) reports += script.TakeCopyName("C:\\src\\" + name);
    return reports == SIZE_MAX ? 1 : 0;
}
