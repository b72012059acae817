// TMainForm's controls at their pixel positions.
#include "UnMain.h"

namespace uninstall {

namespace {

using ui::At;

// The phase lines as the window is designed; the script's texts replace them when it shows.
const char* const kPhaseTexts[6] = {
    "Shared program files...", "Standard program files...", "Folder items...",
    "Program folders...",      "Program directories...",    "Program registry entries...",
};
const char* const kTickNames[6] = {"Tick1", "Tick2", "Tick3", "Tick4", "Tick5", "Tick6"};
const char* const kLabelNames[6] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};

constexpr int kRowTop = 12;
constexpr int kRowSpacing = 24;
constexpr int kTickLeft = 8;
constexpr int kTickSize = 13;
constexpr int kLabelLeft = 32;

}  // namespace

void TMainForm::CreateControls() {
    Panel2.Create(*this, At("Panel2", 16, 16, 142, 269), ui::PanelBevel::None);
    DialogImage.Create(Panel2, At("DialogImage", 2, 2, 138, 265));
    DialogImage.LoadFromResource("DIALOGPICTURE");

    ui::RichEditOptions intro;
    intro.readOnly = true;
    intro.border = false;
    RichEdit1.Create(*this, At("RichEdit1", 176, 16, 289, 66), intro);
    RichEdit1.SetBackground(GetSysColor(COLOR_BTNFACE));

    Panel1.Create(*this, At("Panel1", 192, 84, 257, 173), ui::PanelBevel::None);
    CreatePhaseRows();
    Memo1.Create(*this, At("Memo1", 176, 84, 289, 101), ui::ScrollBars::Both, /*readOnly=*/true,
                 /*wordWrap=*/false);

    ui::ControlArgs completed = At("CompletedLabel", 176, 267, 291, 16,
                                   "UnInstall completed successfully !");
    completed.visible = false;
    CompletedLabel.Create(*this, completed, ui::Alignment::Center);

    // Created before the line it sits on, so it stays in front of it.
    ProductLabel.Create(*this, At("ProductLabel", 28, 289, 52, 14, " Tarsel "));
    ProductLabel.SetFontStyle(true, false);
    ProductLabel.SetFontColor(GetSysColor(COLOR_GRAYTEXT));
    SeparatorBevel.Create(*this, At("SeparatorBevel", 16, 296, 450, 2), ui::BevelShape::TopLine);

    CompanyUrlLabel.Create(*this, At("CompanyUrlLabel", 16, 315, 300, 16, kDefaultCompanyUrl));
    CompanyUrlLabel.SetFontStyle(false, true);
    CompanyUrlLabel.SetFontColor(RGB(0, 0, 255));
    CompanyUrlLabel.SetHandCursor(true);

    CloseButton.Create(*this, At("CloseButton", 386, 309, 80, 25, "&Close"));
}

void TMainForm::CreatePhaseRows() {
    for (int row = 0; row < 6; ++row) {
        const int top = kRowTop + row * kRowSpacing;
        ui::ControlArgs tick = At(kTickNames[row], kTickLeft, top, kTickSize, kTickSize);
        tick.visible = false;
        Ticks[row].Create(Panel1, tick);
        Ticks[row].LoadFromResource("TICKPICTURE");
        PhaseLabels[row].Create(Panel1,
                                At(kLabelNames[row], kLabelLeft, top - 1, 257 - kLabelLeft - 4, 16,
                                   kPhaseTexts[row]));
    }
}

}  // namespace uninstall
