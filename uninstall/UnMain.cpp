#include "UnMain.h"

#include <map>

#include "Application.h"
#include "ExecOp.h"
#include "Files.h"
#include "Global.h"
#include "Process.h"
#include "RichEd.h"
#include "RunTimeDir.h"
#include "UnStartup.h"
#include "Utils.h"

namespace uninstall {

namespace {

// The marker is looked up once per process and remembered, however often a window asks.
bool TestModeFor(const std::string& marker) {
    static std::map<std::string, bool> known;
    auto found = known.find(marker);
    if (found == known.end()) found = known.emplace(marker, FileExists(marker)).first;
    return found->second;
}

}  // namespace

TMainForm::TMainForm(UninstallOptions options) : options_(std::move(options)) {
    if (options_.exePath.empty()) options_.exePath = UninstallerPath();
    ScriptPath = ScriptPathFor(options_.exePath);
    rules_ = SystemEntryRules(options_.exePath);
    StartupTimer.SetInterval(options_.startDelayMs);
}

TMainForm::~TMainForm() = default;

bool TMainForm::CreateMainWindow() {
    // The reading order is chosen before the window exists: a mirrored layout also puts the
    // ticks at the right edge of their panel.
    ScriptLines = LoadScriptLines(ScriptPath);
    CharSet = HeaderCharSet(ScriptLines);
    ui::FormArgs args;
    args.name = "MainForm";
    args.caption = "UnInstall";
    args.clientWidth = 477;
    args.clientHeight = 344;
    args.fontName = "Tahoma";
    args.fontSize = 8;
    args.border = ui::BorderStyle::Dialog;
    args.rightToLeft = IsRightToLeftCharSet(CharSet);
    if (!Create(args)) return false;
    CreateControls();
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    OnShow = [this] { FormShow(); };
    StartupTimer.OnTimer = [this] { StartupTimerTimer(); };
    CloseButton.OnClick = [this] { CloseButtonClick(); };
    CompanyUrlLabel.OnClick = [this] { CompanyUrlLabelClick(); };
    FormCreate();
    return true;
}

std::string TMainForm::Header(const std::string& name) const {
    return HeaderValue(ScriptLines, name);
}

void TMainForm::FormCreate() {
    ScriptLines = LoadScriptLines(ScriptPath);
    CharSet = HeaderCharSet(ScriptLines);
    SetInstallDirs(Header("TargetDir"), Header("SharedDir"), Header("AuxiliaryDir"));
    for (int number = 1; number <= 3; ++number)
        SetRunTimeDirSpec(number, Header("RunTimeDir_" + std::to_string(number)));
    SetSetupType(Header("SetupType"));
    SetGroupNames(Header("GroupNames"));
    Commands = TUninstallCommands{};
    ExecDll = std::make_unique<TExecDll>(nullptr);
    for (ui::Image& tick : Ticks) tick.Hide();
    Memo1.ClearLines();
    log_.clear();
    shownLogLines_ = 0;
    testMode_ = TestModeFor(options_.testModeMarker);
    Panel1.SetVisible(!testMode_);
    Memo1.SetVisible(testMode_);
    CompletedLabel.SetFontStyle(true, false);
}

void TMainForm::FormShow() {
    const std::string url = Header("COMPANY_URL");
    if (!url.empty()) CompanyUrlLabel.SetCaption(url);
    const std::string productName = Header("PROG_NAME");
    SetCaption("UnInstall - " + productName);
    ui::Application::SetTitle(Caption());
    for (int row = 0; row < 6; ++row)
        PhaseLabels[row].SetCaption(Header("LABEL" + std::to_string(row + 1)));
    CompletedLabel.SetCaption(Header("S2"));
    CloseButton.SetCaption(Header("BUTTON_CLOSE"));
    ShowIntroduction(productName);
    Panel2.SetBevel(Header("GET_DIALOG_BITMAP_3D_FRAME") == "1" ? ui::PanelBevel::Lowered
                                                                : ui::PanelBevel::None);
    StartupTimer.SetTimerEnabled(true);
    CloseButton.SetEnabled(false);
}

void TMainForm::ShowIntroduction(const std::string& productName) {
    const std::string text = ReplaceAll(Header("S1"), "PROG_NAME", productName);
    if (IsRightToLeftCharSet(CharSet)) RichEdit1.SetRightToLeft(true);
    SendMessageA(RichEdit1.Handle(), WM_SETREDRAW, FALSE, 0);
    PrepareRichText(RichEdit1.Handle(), text);
    SendMessageA(RichEdit1.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(RichEdit1.Handle(), nullptr, TRUE);
}

void TMainForm::FormCloseQuery(bool& canClose) {
    // The run works on the window's lists; it ends before the window may go.
    canClose = !Running;
}

void TMainForm::StartupTimerTimer() {
    StartupTimer.SetTimerEnabled(false);
    ParseCommands();
    RunUninstall();
}

void TMainForm::CloseButtonClick() {
    if (UninstallCompleted) {
        Close();
        return;
    }
    ParseCommands();
    RunUninstall();
}

void TMainForm::CompanyUrlLabelClick() { ShellOpen(CompanyUrlLabel.Caption(), "", SW_SHOW); }

}  // namespace uninstall
