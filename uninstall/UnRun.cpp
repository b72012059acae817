// The uninstall run: the script's commands in six phases, the closing report and the end state.
#include <windows.h>

#include "ExecOp.h"
#include "Global.h"
#include "MsgBox.h"
#include "PathText.h"
#include "RegOp.h"
#include "UnMain.h"
#include "Utils.h"
#include "Wait.h"

namespace uninstall {

namespace {

constexpr char kUninstallStart = '5';
constexpr char kUninstallEnd = '6';

// The platform's ordinary case-insensitive order, as the user's sorted lists show it.
int PlatformTextOrder(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                          static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size())) -
           CSTR_EQUAL;
}

// An operation of the registry family as a step: false is a failure.
template <class Operation>
std::function<StepResult(const std::string&)> AsStep(Operation operation) {
    return [operation](const std::string& entry) {
        return operation(entry) ? StepResult::Done : StepResult::Failed;
    };
}

// A step of UnSteps.h bound to the run's rules.
template <class Step>
std::function<StepResult(const std::string&)> WithRules(TEntryRules& rules, Step step) {
    return [&rules, step](const std::string& entry) { return step(rules, entry); };
}

}  // namespace

void TMainForm::ParseCommands() {
    Commands = ::ParseCommands(ScriptLines, [this](const std::string& library) {
        ExecDll->LoadEntries(NormalizeDir(rules_.exeDir, true) + library, true, false);
    });
}

void TMainForm::LogPhase(const std::string& title) {
    for (const std::string& line : PhaseLogLines(title)) log_.push_back(line);
}

void TMainForm::LogEntry(const std::string& entry, bool failed) {
    log_.push_back(EntryLogLine(entry, failed));
}

void TMainForm::FlushLog() {
    if (!testMode_ || shownLogLines_ == log_.size()) return;
    Memo1.AddLines(std::vector<std::string>(log_.begin() + shownLogLines_, log_.end()));
    shownLogLines_ = log_.size();
}

void TMainForm::StartPhase(int phase, const std::string& title) {
    Ticks[phase - 1].Show();
    UpdateWindow(Ticks[phase - 1].Handle());
    LogPhase(title);
}

void TMainForm::EndPhase() {
    FlushLog();
    WaitProcessing(options_.phasePauseMs);
}

void TMainForm::ForEachLongestFirst(std::vector<std::string>& list, const EntryStep& step,
                                    int& counter) {
    SortForLongestFirst(list, PlatformTextOrder);
    for (auto entry = list.rbegin(); entry != list.rend(); ++entry) {
        StepResult result = StepResult::Failed;
        try {
            result = step(*entry);
        } catch (...) {
            result = StepResult::Failed;
        }
        if (result == StepResult::Skipped) continue;
        const bool failed = result == StepResult::Failed;
        if (failed) ++counter;
        LogEntry(*entry, failed);
    }
}

void TMainForm::PerformExecuteItems(char event) {
    LogPhase("PERFORM EXECUTE OP");
    for (auto item = Commands.executeItems.rbegin();
         item != Commands.executeItems.rend() && !Aborted; ++item) {
        bool exitAsked = false;
        std::string itemLog;
        bool done = false;
        // An execution may show a box or wait for a program: the log is current meanwhile.
        FlushLog();
        try {
            done = RunExecuteItem(*ExecDll, *item, event, exitAsked, itemLog);
        } catch (...) {
            done = false;
        }
        if (exitAsked) Aborted = true;
        if (!done) ++Failures.executions;
        LogEntry(*item, !done);
    }
    FlushLog();
}

void TMainForm::RunUninstall() {
    Running = true;
    Aborted = false;
    Failures = TUninstallFailures{};
    rules_.protectedDirectories = Commands.protectedDirectories;
    rules_.toleratedDirectories = Commands.toleratedDirectories;
    rules_.readOnlyFiles = Commands.readOnlyFiles;
    rules_.keptSharedFiles.clear();

    HideCaret(nullptr);
    PerformExecuteItems(kUninstallStart);
    if (Aborted) return AbortRun();
    RemoveFiles();
    StartPhase(3, "REMOVE FOLDERS");
    EndPhase();
    RemoveTrees(4, "REMOVE PROGRAM FOLDERS", Commands.forcedFolders, Commands.folders);
    RemoveTrees(5, "REMOVE PROGRAM DIRECTORIES", Commands.forcedDirectories, Commands.directories);
    RemoveRegistryEntries();
    PerformExecuteItems(kUninstallEnd);
    ForEachLongestFirst(Commands.serviceFiles, WithRules(rules_, RemoveFileStep), Failures.files);
    if (Aborted) return AbortRun();
    FinishRun();
}

void TMainForm::RemoveFiles() {
    StartPhase(1, "REMOVE SHARED FILES");
    ForEachLongestFirst(Commands.sharedFiles, WithRules(rules_, RemoveSharedFileStep),
                        Failures.files);
    EndPhase();

    StartPhase(2, "REMOVE FILES");
    ForEachLongestFirst(Commands.readOnlyFiles, WithRules(rules_, RemoveReadOnlyFileStep),
                        Failures.files);
    ForEachLongestFirst(Commands.files, WithRules(rules_, RemoveFileStep), Failures.files);
    EndPhase();
}

void TMainForm::RemoveTrees(int phase, const std::string& title, std::vector<std::string>& forced,
                            std::vector<std::string>& plain) {
    StartPhase(phase, title);
    ForEachLongestFirst(forced, WithRules(rules_, RemoveForcedDirStep), Failures.directories);
    ForEachLongestFirst(plain, WithRules(rules_, RemoveDirStep), Failures.directories);
    EndPhase();
}

void TMainForm::RemoveRegistryEntries() {
    StartPhase(6, "REMOVE REGISTRY KEYS");
    ForEachLongestFirst(Commands.registryKeys, AsStep(DeleteRegKey), Failures.registry);
    ForEachLongestFirst(Commands.registryItems, AsStep([](const std::string& item) {
                            return RegistryOp(ExpandPathMacros(item), false);
                        }),
                        Failures.registry);
    ForEachLongestFirst(Commands.iniItems, AsStep([](const std::string& item) {
                            return IniFileOp(ExpandPathMacros(item), false);
                        }),
                        Failures.ini);
    ForEachLongestFirst(Commands.environmentItems, AsStep([](const std::string& item) {
                            return EnvironmentOp(ExpandPathMacros(item), false);
                        }),
                        Failures.ini);
    ForEachLongestFirst(Commands.associationItems, AsStep([](const std::string& item) {
                            return Associate(ExpandPathMacros(item), false);
                        }),
                        Failures.associations);
    ForEachLongestFirst(Commands.openWithItems, AsStep([](const std::string& item) {
                            return OpenWith(DelimItem(item, 0), "", "", false, DelimItem(item, 1));
                        }),
                        Failures.associations);
    EndPhase();
}

void TMainForm::FinishRun() {
    if (!Commands.libraryName.empty()) {
        std::vector<std::string> library = {NormalizeDir(rules_.exeDir, true) +
                                            Commands.libraryName};
        ForEachLongestFirst(library, WithRules(rules_, RemoveFileStep), Failures.files);
    }
    FlushLog();
    const std::string report = ClosingReport(Failures);
    if (!report.empty()) ErrorBox(report);
    CompletedLabel.Show();
    UninstallCompleted = true;
    Running = false;
    CloseButton.SetEnabled(true);
    CloseButton.SetFocus();
    NotifyAssociationChange();
}

void TMainForm::AbortRun() {
    FlushLog();
    Running = false;
    Close();
}

}  // namespace uninstall
