#include "SScript.h"

#include <fstream>
#include <iterator>
#include <unordered_map>

#include "DecimalText.h"
#include "PathText.h"
#include "ScriptSyntax.h"
#include "Utils.h"

namespace {

struct CommandInfo {
    const char* name;
    ScriptArgKind kind;
};

constexpr CommandInfo kCommands[] = {
#define KORVAN_SCRIPT_INFO(name, kind) {#name, ScriptArgKind::kind},
    KORVAN_SCRIPT_COMMANDS(KORVAN_SCRIPT_INFO)
#undef KORVAN_SCRIPT_INFO
};
static_assert(sizeof(kCommands) / sizeof(kCommands[0]) == kScriptCommandCount,
              "one entry per command");

const CommandInfo& Info(ScriptCommand command) {
    return kCommands[static_cast<size_t>(command)];
}

// Upper-case name -> command; built once.
bool FindCommand(const std::string& name, ScriptCommand& command) {
    static const std::unordered_map<std::string, ScriptCommand> byName = [] {
        std::unordered_map<std::string, ScriptCommand> map;
        for (int i = 0; i < kScriptCommandCount; ++i) {
            map.emplace(kCommands[i].name, static_cast<ScriptCommand>(i));
        }
        return map;
    }();
    auto found = byName.find(name);
    if (found == byName.end()) return false;
    command = found->second;
    return true;
}

const std::string kUnrecognized = "\\n\\nUnrecognized command in Script file";
const std::string kNoGroup = "\\n\\nFiles listed before the first SET_GROUP_DATA in Script file";

}  // namespace

TScript::TScript() { Reset(); }

void TScript::Reset() {
    for (auto& text : texts_) text.clear();
    flags_.fill(false);
    numbers_.fill(0);
    for (auto& list : lists_) list.clear();
    numbers_[static_cast<size_t>(ScriptCommand::SET_LANG_FLAG)] = 1;
    numbers_[static_cast<size_t>(ScriptCommand::SET_OVERWRITE_FLAG)] = 0;
    numbers_[static_cast<size_t>(ScriptCommand::SET_GLOBAL_OVERWRITE_FLAG)] = 1;
    texts_[static_cast<size_t>(ScriptCommand::SET_TOP_BG_COLOR)] = "16711680";
    texts_[static_cast<size_t>(ScriptCommand::SET_BOTTOM_BG_COLOR)] = "8388608";
    lines_.clear();
    groups_.clear();
    copyNames_.clear();
    uninstallLines_.clear();
    subDir_.clear();
    subDirPending_ = false;
    passThrough_ = false;
    usesCommonFolder_ = false;
    usesAuxFolder_ = false;
    pageIndex_ = 0;
}

bool TScript::Load(const std::string& path) {
    Reset();
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return false;
    LoadText(text);
    return true;
}

void TScript::LoadText(const std::string& text) {
    Reset();
    lines_ = PreprocessScript(text);
    for (const std::string& line : lines_) Interpret(line);
}

void TScript::Interpret(const std::string& line) {
    if (passThrough_) {
        uninstallLines_.push_back(TrimText(line));
        return;
    }
    ScriptLine parsed = ParseScriptLine(line);
    if (parsed.name.empty()) return;
    ScriptCommand command;
    if (!FindCommand(parsed.name, command)) {
        Report(parsed.text + kUnrecognized);
        return;
    }
    Apply(command, parsed.argument, parsed.text);
}

void TScript::Apply(ScriptCommand command, const std::string& argument, const std::string& line) {
    const size_t slot = static_cast<size_t>(command);
    switch (Info(command).kind) {
    case ScriptArgKind::Text: texts_[slot] = argument; break;
    case ScriptArgKind::Flag: flags_[slot] = true; break;
    case ScriptArgKind::Number:
        numbers_[slot] = DecimalOr(argument, command == ScriptCommand::SET_LANG_FLAG ? 1 : 0);
        break;
    case ScriptArgKind::List: lists_[slot].push_back(argument); break;
    case ScriptArgKind::Group: StartGroup(argument); break;
    case ScriptArgKind::SubDir: SetSubDir(argument); break;
    case ScriptArgKind::CopyFiles: CopyFiles(argument, line); break;
    case ScriptArgKind::Overwrite:
    case ScriptArgKind::GlobalOverwrite: {
        const int lowest = Info(command).kind == ScriptArgKind::Overwrite ? 0 : 1;
        int mode = 0;
        if (ParseDecimal(argument, mode) && mode >= lowest && mode <= 4) numbers_[slot] = mode;
        break;
    }
    case ScriptArgKind::Dialogs: texts_[slot] = "," + argument + ","; break;
    case ScriptArgKind::UninstallLine: AddUninstallLine(command, argument); break;
    case ScriptArgKind::PassThrough: passThrough_ = true; break;
    }
}

void TScript::StartGroup(const std::string& record) {
    FlushPendingSubDir();
    groups_.push_back(TScriptGroup{record, {}});
}

void TScript::SetSubDir(const std::string& dir) {
    FlushPendingSubDir();
    if (dir.empty()) return;
    if (PosText("<Common Folder>", dir) > 0) usesCommonFolder_ = true;
    if (PosText("<Auxiliary Folder>", dir) > 0) usesAuxFolder_ = true;
    subDir_ = dir;
    subDirPending_ = true;
}

void TScript::CopyFiles(const std::string& list, const std::string& line) {
    if (groups_.empty()) {
        // The files would silently not be installed; the script's author must hear of it.
        subDirPending_ = false;
        Report(line + kNoGroup);
        return;
    }
    AddFileEntry(list);
    if (list.empty()) return;
    const std::string wrapped = "|" + list + "|";
    const int count = DelimCount(wrapped);
    for (int i = 0; i < count; ++i) {
        std::string name = DelimItem(wrapped, i);
        if (!name.empty() && name[0] == '*') name.erase(0, 1);
        copyNames_.push_back(std::move(name));
    }
}

void TScript::AddFileEntry(const std::string& list) {
    subDirPending_ = false;
    // Without a group there is nowhere to record a directory of its own; the directory is
    // still current for the files of the next group.
    if (groups_.empty()) return;
    groups_.back().files.push_back(std::to_string(Number(ScriptCommand::SET_OVERWRITE_FLAG)) +
                                   "|" + subDir_ + "|" + list);
}

void TScript::FlushPendingSubDir() {
    if (subDirPending_) AddFileEntry("");
}

void TScript::AddUninstallLine(ScriptCommand command, const std::string& argument) {
    switch (command) {
    case ScriptCommand::SET_REMOVE_REG_KEY:
        uninstallLines_.push_back("REMOVE_REG_KEY(" + argument + ")");
        break;
    case ScriptCommand::SET_REMOVE_ABSOLUTE_FILE:
        uninstallLines_.push_back("REMOVE_FILE(" + argument + ")");
        break;
    case ScriptCommand::SET_REMOVE_ABSOLUTE_DIR:
        uninstallLines_.push_back("REMOVE_DIR(" + argument + ")");
        break;
    case ScriptCommand::SET_FORCE_REMOVE_ABSOLUTE_DIR:
        uninstallLines_.push_back("FORCE_REMOVE_DIR(" + argument + ")");
        break;
    case ScriptCommand::SET_FORCE_REMOVE_TARGET_SUB_DIR:
        uninstallLines_.push_back("FORCE_REMOVE_DIR(<TARGET_DIR>\\" + argument + ")");
        break;
    case ScriptCommand::SET_FORCE_REMOVE_TARGET_DIR:
        uninstallLines_.push_back("FORCE_REMOVE_DIR(<TARGET_DIR>)");
        break;
    default: break;
    }
}

void TScript::Report(const std::string& message) const {
    if (errorSink_) errorSink_(message);
}

const std::string& TScript::Text(ScriptCommand command) const {
    static const std::string kEmpty;
    const ScriptArgKind kind = Info(command).kind;
    if (kind != ScriptArgKind::Text && kind != ScriptArgKind::Dialogs) return kEmpty;
    return texts_[static_cast<size_t>(command)];
}

bool TScript::Flag(ScriptCommand command) const {
    return Info(command).kind == ScriptArgKind::Flag && flags_[static_cast<size_t>(command)];
}

int TScript::Number(ScriptCommand command) const {
    const ScriptArgKind kind = Info(command).kind;
    if (kind != ScriptArgKind::Number && kind != ScriptArgKind::Overwrite &&
        kind != ScriptArgKind::GlobalOverwrite) {
        return 0;
    }
    return numbers_[static_cast<size_t>(command)];
}

const std::vector<std::string>& TScript::List(ScriptCommand command) const {
    static const std::vector<std::string> kEmpty;
    if (Info(command).kind != ScriptArgKind::List) return kEmpty;
    return lists_[static_cast<size_t>(command)];
}

void TScript::SetFlag(ScriptCommand command, bool value) {
    if (Info(command).kind == ScriptArgKind::Flag) flags_[static_cast<size_t>(command)] = value;
}

void TScript::SelectPage(const std::string& name) {
    pageIndex_ = DelimIndexOf(Text(ScriptCommand::SET_DIALOGS), name);
}

std::string TScript::CurrentPage() const {
    if (pageIndex_ < 0) return "";
    return TrimText(DelimItem(Text(ScriptCommand::SET_DIALOGS), pageIndex_));
}

bool TScript::HasPage(const std::string& name) const {
    return !name.empty() && PosText(name, Text(ScriptCommand::SET_DIALOGS)) > 0;
}

bool TScript::TakeCopyName(const std::string& path) {
    const std::string name = FileNameOf(path);
    auto first = copyNames_.end();
    for (auto it = copyNames_.begin(); it != copyNames_.end(); ++it) {
        if (EqualText(*it, name)) {
            first = it;
            break;
        }
    }
    if (first == copyNames_.end()) return false;
    auto next = copyNames_.erase(first);
    for (auto it = next; it != copyNames_.end(); ++it) {
        if (EqualText(*it, name)) return true;
    }
    return false;
}
