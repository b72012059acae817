// libFuzzer target: any bytes as UnInstall.txt, then everything the uninstaller decides from it
// before it touches the disk.
#include <cstddef>
#include <cstdint>
#include <string>

#include "MsgBoxText.h"
#include "UnScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> lines =
        SplitLines(std::string(reinterpret_cast<const char*>(data), size));
    size_t seen = 0;
    TUninstallCommands commands =
        ParseCommands(lines, [&seen](const std::string& library) { seen += library.size(); });
    seen += HeaderCharSet(lines) + ConfirmationQuestion(lines).size();
    for (auto* list : {&commands.files, &commands.directories, &commands.forcedDirectories,
                       &commands.registryKeys}) {
        SortForLongestFirst(*list, AsciiTextOrder);
        for (const std::string& entry : *list) {
            seen += BeginsWithAny(entry, commands.protectedDirectories);
            seen += AnyBeginsWith(commands.toleratedDirectories, entry);
            seen += IsSafeForForcedRemoval(entry, commands.protectedDirectories);
        }
    }
    return seen == SIZE_MAX ? 1 : 0;
}
