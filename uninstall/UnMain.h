#pragma once
// TMainForm: the uninstaller's window. It reads the uninstall script, shows six phase lines
// that receive a tick as their phase runs, removes what the script names in a fixed order,
// reports the kinds of operation that failed, and remembers whether the run completed.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Button.h"
#include "Edit.h"
#include "ExecDll.h"
#include "Form.h"
#include "Image.h"
#include "Label.h"
#include "Panel.h"
#include "RichEdit.h"
#include "Timer.h"
#include "UnScript.h"
#include "UnSteps.h"

namespace uninstall {

// Where the window finds its world; the defaults are those of the shipped program.
struct UninstallOptions {
    std::string exePath;                            // empty: the running program
    std::string testModeMarker = "C:\\Setup.tst";   // its presence shows the operation log
    unsigned startDelayMs = 1000;                   // before the run, once the window shows
    unsigned phasePauseMs = 500;                    // after each phase, so each tick is seen
};

// The address of the link label when the script names none.
constexpr const char* kDefaultCompanyUrl = "https://www.korvan.com";

class TMainForm : public ui::Form {
public:
    explicit TMainForm(UninstallOptions options = {});
    ~TMainForm() override;

    // Creates the window (hidden) with its controls, then runs FormCreate.
    bool CreateMainWindow();

    // --- event handlers
    void FormCreate();
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void StartupTimerTimer();
    void CloseButtonClick();
    void CompanyUrlLabelClick();

    // --- the run
    void ParseCommands();
    void RunUninstall();

    // Survives the window: read after it has closed.
    bool UninstallCompleted = false;
    bool Running = false;
    bool Aborted = false;

    std::string ScriptPath;
    std::vector<std::string> ScriptLines;
    int CharSet = 0;
    TUninstallCommands Commands;
    TUninstallFailures Failures;
    std::unique_ptr<TExecDll> ExecDll;

    // The run's operation log, kept in both modes; Memo1 shows it in test mode.
    const std::vector<std::string>& LogLines() const { return log_; }
    bool TickVisible(int phase) const { return Ticks[phase - 1].Visible(); }

    // --- controls
    ui::Panel Panel2;
    ui::Image DialogImage;
    ui::RichEdit RichEdit1;
    ui::Panel Panel1;
    std::array<ui::Image, 6> Ticks;
    std::array<ui::Label, 6> PhaseLabels;
    ui::Memo Memo1;
    ui::Label CompletedLabel;
    ui::Bevel SeparatorBevel;
    ui::Label ProductLabel;
    ui::Label CompanyUrlLabel;
    ui::Button CloseButton;
    ui::Timer StartupTimer{1000, false};

private:
    using EntryStep = std::function<StepResult(const std::string& entry)>;

    void CreateControls();
    void CreatePhaseRows();
    void ShowIntroduction(const std::string& productName);

    std::string Header(const std::string& name) const;
    void LogPhase(const std::string& title);
    void LogEntry(const std::string& entry, bool failed);
    // In test mode hands the lines Memo1 does not show yet to it; done wherever messages may
    // be processed next.
    void FlushLog();
    void StartPhase(int phase, const std::string& title);
    void EndPhase();
    // Visits the list longest entry first and counts the failures.
    void ForEachLongestFirst(std::vector<std::string>& list, const EntryStep& step, int& counter);
    // Runs every execute item for the event, last item first, until one asks to exit.
    void PerformExecuteItems(char event);
    void RemoveFiles();
    // Start-menu folders and program directories: the forced entries, then the plain ones.
    void RemoveTrees(int phase, const std::string& title, std::vector<std::string>& forced,
                     std::vector<std::string>& plain);
    void RemoveRegistryEntries();
    void FinishRun();
    void AbortRun();

    UninstallOptions options_;
    TEntryRules rules_;
    bool testMode_ = false;
    // The log and how much of it Memo1 shows. Lines go to the memo in batches (one by one, a
    // run over many entries would slow down with the square of their number) and only when it
    // can be seen: outside test mode the hidden memo cost a third of a long run under Wine.
    std::vector<std::string> log_;
    size_t shownLogLines_ = 0;
};

}  // namespace uninstall
