#include "SrvBar.h"

#include <memory>

#include "Wait.h"

namespace {

constexpr int kBarMax = 20;

std::unique_ptr<TSrvBarDlg> dialog;

}  // namespace

TSrvBarDlg::TSrvBarDlg() {
    ui::FormArgs form;
    form.name = "SrvBarDlg";
    form.caption = "Start/Stop NT-Service";
    form.clientWidth = 352;
    form.clientHeight = 107;
    form.border = ui::BorderStyle::Dialog;
    form.stayOnTop = true;
    if (!Create(form)) return;
    Label1.Create(*this, ui::At("Label1", 32, 16, 288, 16));
    Label2.Create(*this, ui::At("Label2", 32, 40, 288, 16));
    ProgressBar1.Create(*this, ui::At("ProgressBar1", 32, 67, 289, 13), {0, kBarMax, 1, false});
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

void TSrvBarDlg::Start(const std::string& operation, const std::string& serviceName) {
    Label1.SetCaption(operation);
    Label2.SetCaption(serviceName);
    ProgressBar1.SetRange(0, kBarMax);
    ProgressBar1.SetPosition(0);
    Timer1.SetTimerEnabled(true);
    Show();
}

void TSrvBarDlg::Timer1Timer() {
    ProgressBar1.StepIt();
    if (ProgressBar1.Position() >= ProgressBar1.MaxValue())
        ProgressBar1.SetPosition(ProgressBar1.MinValue());
}

void TSrvBarDlg::FormHide() {
    Timer1.SetTimerEnabled(false);
    Hide();
}

void ShowServiceProgress(const std::string& operation, const std::string& serviceName) {
    if (!dialog) dialog = std::make_unique<TSrvBarDlg>();
    dialog->Start(operation, serviceName);
    WaitProcessing(1000);
}

void ReleaseServiceProgress() {
    if (dialog) dialog->FormHide();
    dialog.reset();
}

TSrvBarDlg* ServiceProgress() { return dialog.get(); }
