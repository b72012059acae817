#include "SLang.h"

#include <windows.h>

#include <fstream>
#include <iostream>
#include <iterator>

#include "DecimalText.h"
#include "Files.h"
#include "LangFile.h"
#include "PathText.h"
#include "SScript.h"
#include "SysPaths.h"

namespace {

struct Languages {
    TLangFile builtIn;
    TLangFile chosen;
    bool hasChosen = false;
    int charset = 0;
    int userLangId = 0;
};

Languages& State() {
    static Languages state;
    return state;
}

// The "English" resource of type "TEXT", read up to its size or its first zero byte.
std::string BuiltInText() {
    HRSRC info = FindResourceA(nullptr, "English", "TEXT");
    if (info == nullptr) return "";
    HGLOBAL loaded = LoadResource(nullptr, info);
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) return "";
    const DWORD size = SizeofResource(nullptr, info);
    std::string text(bytes, size);
    return text.substr(0, text.find('\0'));
}

// Unreadable files give "", which parses as an empty language text.
std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

int LangIdInFile(const std::string& path) {
    char buffer[2048] = {};
    GetPrivateProfileStringA("General", "LangID", "", buffer, sizeof buffer, path.c_str());
    return DecimalOr(buffer, -1);
}

}  // namespace

void LoadBuiltInLanguage() {
    Languages& state = State();
    state.builtIn.Parse(BuiltInText());
    state.charset = LangFileCharset(state.builtIn);
    state.userLangId = PRIMARYLANGID(LANGIDFROMLCID(GetThreadLocale()));
}

std::string LangText(const std::string& section, const std::string& key,
                     const std::string& fallback) {
    const Languages& state = State();
    return LookupLangText(state.builtIn, state.hasChosen ? &state.chosen : nullptr, section, key,
                          fallback);
}

int LangCharset() { return State().charset; }

int UserLangId() { return State().userLangId; }

void LoadLanguage(const TScript& script) { LoadLanguageFrom(script, ExeDir(false)); }

void LoadLanguageFrom(const TScript& script, const std::string& programDir) {
    Languages& state = State();
    state.chosen.Clear();
    state.hasChosen = false;
    state.charset = 0;

    const std::string langDir = NormalizeDir(programDir, true) + "LANG";
    const std::string dir =
        (DirectoryExists(langDir) ? langDir : NormalizeDir(programDir, false)) + "\\";
    if (script.Number(ScriptCommand::SET_LANG_FLAG) != 2) return;

    const std::string name = ChooseLanguageName(
        script.Text(ScriptCommand::SET_LANG_NAMES), state.userLangId,
        [&dir](const std::string& candidate) { return LangIdInFile(dir + candidate + ".lng"); },
        FileExists(dir + "English.lng"));
    if (name.empty()) return;

    const std::string path = dir + name + ".lng";
    std::cout << path << std::endl;
    state.chosen.Parse(ReadWholeFile(path));
    state.hasChosen = true;
    state.charset = LangFileCharset(state.chosen);
    std::cout << state.charset << std::endl;
}
