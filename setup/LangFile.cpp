#include "LangFile.h"

#include "DecimalText.h"
#include "MsgBoxText.h"
#include "Utils.h"

void TLangFile::Parse(const std::string& text) {
    sections_.clear();
    std::unordered_map<std::string, std::string>* section = nullptr;
    for (const std::string& raw : SplitLines(text)) {
        const std::string line = TrimText(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            // A section written twice continues the first one.
            section = &sections_[UpperText(TrimText(line.substr(1, line.size() - 2)))];
            continue;
        }
        const size_t equals = line.find('=');
        if (section == nullptr || equals == std::string::npos) continue;
        section->emplace(UpperText(TrimText(line.substr(0, equals))),
                         TrimText(line.substr(equals + 1)));
    }
}

bool TLangFile::Find(const std::string& section, const std::string& key,
                     std::string& value) const {
    auto inSection = sections_.find(UpperText(section));
    if (inSection == sections_.end()) return false;
    auto entry = inSection->second.find(UpperText(key));
    if (entry == inSection->second.end()) return false;
    value = entry->second;
    return true;
}

std::string LookupLangText(const TLangFile& builtIn, const TLangFile* chosen,
                           const std::string& section, const std::string& key,
                           const std::string& fallback) {
    std::string value;
    if (chosen == nullptr) return builtIn.Find(section, key, value) ? value : fallback;
    if (chosen->Find(section, key, value)) return value;
    if (!fallback.empty()) return fallback;
    return builtIn.Find(section, key, value) ? value : "";
}

int LangFileCharset(const TLangFile& file) {
    std::string value;
    return file.Find("General", "Charset", value) ? DecimalOr(value, 0) : 0;
}

std::string ChooseLanguageName(const std::string& names, int userLangId,
                               const std::function<int(const std::string& name)>& langIdOf,
                               bool englishExists) {
    const int count = DelimCount(names);
    for (int i = 0; i < count; ++i) {
        const std::string name = DelimItem(names, i);
        if (langIdOf(name) == userLangId || count == 1) return name;
    }
    return englishExists ? "English" : "";
}
