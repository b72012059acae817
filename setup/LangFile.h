#pragma once
// Language texts: the INI-style text format of the built-in English text and of the ".lng"
// files, the lookup with its fallback to the built-in text, and the choice of a language
// file among the script's candidates. Pure: no windows.h.
#include <functional>
#include <string>
#include <unordered_map>

class TLangFile {
public:
    // Replaces the contents by those of `text`. Never fails: lines that are not sections or
    // entries are skipped.
    void Parse(const std::string& text);
    void Clear() { sections_.clear(); }

    // Section and key ignore case; the first entry of a key counts. False when absent.
    bool Find(const std::string& section, const std::string& key, std::string& value) const;

private:
    // Upper-case section -> upper-case key -> value.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections_;
};

// The text to show for section and key. `chosen` is the loaded language file, null when none.
// Without one the built-in text answers, else `fallback`. With one, its entry answers; when it
// has none, `fallback` does, or, if `fallback` is empty, the built-in text.
std::string LookupLangText(const TLangFile& builtIn, const TLangFile* chosen,
                           const std::string& section, const std::string& key,
                           const std::string& fallback);

// [General] Charset of a language text; 0 when absent or not a number.
int LangFileCharset(const TLangFile& file);

// The language file to load among `names` (a delimited list such as "|German|French|"): the
// first whose LangID (from `langIdOf`, -1 when unreadable) equals `userLangId`, or the only
// name when there is one; else "English" when `englishExists`; else "" for none.
std::string ChooseLanguageName(const std::string& names, int userLangId,
                               const std::function<int(const std::string& name)>& langIdOf,
                               bool englishExists);
