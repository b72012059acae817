#pragma once
// TScript: the setup script Setup.txt, read once at start-up into settings, operation lists,
// the install groups with their file entries, the wizard's page sequence and the extra lines of
// the uninstall script. Every later step of Setup reads its instructions from here.
// Pure: no windows.h, so it builds in the host tree and can be fuzzed.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ScriptCommands.h"

struct TScriptGroup {
    std::string data;                // the SET_GROUP_DATA record as written
    std::vector<std::string> files;  // "mode|sub-directory|file-list" entries, in script order
};

class TScript {
public:
    // Receives the text of a message box for a line the reader could not use (unknown
    // command, files outside any group). The text carries "\n" escapes for the box to expand.
    using ErrorSink = std::function<void(const std::string& message)>;

    TScript();

    // Where problems with script lines are reported; none set: they are only skipped.
    void SetErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }

    // Resets to the defaults, then reads and interprets the file. False when the file does not
    // exist or cannot be read (the defaults stay).
    bool Load(const std::string& path);
    // Resets to the defaults, then interprets `text` as the contents of a script file.
    void LoadText(const std::string& text);

    // Settings, read by the name of the command that sets them. Text() of SET_DIALOGS is the
    // stored dialog sequence ("," + argument + ","). Asking a command for a kind it does not
    // have gives "", false, 0 or an empty list.
    const std::string& Text(ScriptCommand command) const;
    bool Flag(ScriptCommand command) const;
    int Number(ScriptCommand command) const;
    const std::vector<std::string>& List(ScriptCommand command) const;
    // Start-up switches SET_SILENT_SETUP on for update runs.
    void SetFlag(ScriptCommand command, bool value);

    // The script lines after comment removal and trimming.
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<TScriptGroup>& Groups() const { return groups_; }
    // Every file named by SET_COPY_FILES, once per mention, less one leading "*".
    const std::vector<std::string>& CopyNames() const { return copyNames_; }
    // Lines for UnInstall.txt, in script order.
    const std::vector<std::string>& UninstallLines() const { return uninstallLines_; }
    bool UsesCommonFolder() const { return usesCommonFolder_; }
    bool UsesAuxFolder() const { return usesAuxFolder_; }

    // Wizard page navigation over the dialog sequence. The index is not bounded.
    void SelectPage(const std::string& name);
    void SetPageIndex(int index) { pageIndex_ = index; }
    int PageIndex() const { return pageIndex_; }
    void NextPage() { ++pageIndex_; }
    void PreviousPage() { --pageIndex_; }
    // The page at the current index, trimmed; "" outside the sequence.
    std::string CurrentPage() const;
    // Substring test ignoring case: "Custom" finds "CustomDlg".
    bool HasPage(const std::string& name) const;

    // Removes the first mention of the path's file name from the copy-name list; true when
    // another mention is still to come.
    bool TakeCopyName(const std::string& path);

private:
    void Reset();
    void Interpret(const std::string& line);
    void Apply(ScriptCommand command, const std::string& argument, const std::string& line);
    void StartGroup(const std::string& record);
    void SetSubDir(const std::string& dir);
    void CopyFiles(const std::string& list, const std::string& line);
    void AddFileEntry(const std::string& list);
    void FlushPendingSubDir();
    void AddUninstallLine(ScriptCommand command, const std::string& argument);
    void Report(const std::string& message) const;

    static constexpr size_t kCount = static_cast<size_t>(kScriptCommandCount);
    std::array<std::string, kCount> texts_;
    std::array<bool, kCount> flags_{};
    std::array<int, kCount> numbers_{};
    std::array<std::vector<std::string>, kCount> lists_;

    std::vector<std::string> lines_;
    std::vector<TScriptGroup> groups_;
    std::vector<std::string> copyNames_;
    std::vector<std::string> uninstallLines_;
    std::string subDir_;
    bool subDirPending_ = false;
    bool passThrough_ = false;
    bool usesCommonFolder_ = false;
    bool usesAuxFolder_ = false;
    int pageIndex_ = 0;
    ErrorSink errorSink_;
};
