// libFuzzer target: any bytes as a language text, looked up and used to choose a file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "LangFile.h"
#include "DecimalText.h"
#include "MsgBoxText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TLangFile builtIn;
    builtIn.Parse("[Buttons]\nNext=&Next >\n");
    TLangFile chosen;
    chosen.Parse(text);

    size_t total = static_cast<size_t>(LangFileCharset(chosen));
    for (const std::string& line : SplitLines(text)) {
        total += LookupLangText(builtIn, &chosen, line, line, "").size();
        total += LookupLangText(builtIn, &chosen, "Buttons", line, "x").size();
    }
    // The input as a candidate list, each name's LangID taken from the parsed text.
    auto idOf = [&chosen](const std::string& name) {
        std::string value;
        return chosen.Find(name, "LangID", value) ? DecimalOr(value, -1) : -1;
    };
    total += ChooseLanguageName(text, 9, idOf, size % 2 == 0).size();
    return total == SIZE_MAX ? 1 : 0;
}
