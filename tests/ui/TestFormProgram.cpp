// A small windowed program for the UI driver's test: one form with a control of each kind the
// driver handles. "Say Hello" asks a question in a message box and logs the answer.
#include <windows.h>

#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Form.h"
#include "PageControl.h"
#include "StringGrid.h"
#include "UserInteraction.h"

namespace {

using ui::At;

class TestForm : public ui::Form {
public:
    bool Build(const std::string& caption) {
        ui::FormArgs args;
        args.name = "TestForm";
        args.caption = caption;
        args.clientWidth = 420;
        args.clientHeight = 300;
        if (!Create(args)) return false;
        pages.Create(*this, At("PageControl", 0, 0, 420, 300));
        general.Create(pages, At("GeneralTabSheet", 0, 0, 0, 0, "General"));
        more.Create(pages, At("MoreTabSheet", 0, 0, 0, 0, "More"));
        hidden.Create(pages, At("HiddenTabSheet", 0, 0, 0, 0, "Hidden"));
        hidden.SetTabVisible(false);

        name.Create(general, At("NameEdit", 8, 8, 150, 21, "World"));
        hello.Create(general, At("HelloButton", 170, 8, 100, 25, "Say &Hello"));
        disabled.Create(general, At("DisabledButton", 280, 8, 100, 25, "Never"));
        disabled.SetEnabled(false);
        option.Create(general, At("OptionCheckBox", 8, 40, 150, 17, "Option"));
        choice.Create(general, At("ChoiceComboBox", 170, 40, 100, 21), {"One", "Two", "Three"});
        log.Create(general, At("LogMemo", 8, 70, 390, 190), ui::ScrollBars::Vertical, true);
        grid.Create(more, At("FileListStringGrid", 8, 8, 390, 150), 2, 3);
        grid.SetCell(0, 0, "Name");
        grid.SetCell(1, 0, "Location");
        grid.SetCell(0, 1, "index.htm");
        grid.SetCell(1, 1, "C:\\Web\\");
        grid.SetCell(0, 2, "logo.gif");
        grid.SetCell(1, 2, "C:\\Web\\img\\");
        secret.Create(hidden, At("SecretButton", 8, 8, 100, 25, "Secret"));

        hello.OnClick = [this] { SayHello(); };
        option.OnClick = [this] { log.AddLine(option.Checked() ? "Option on" : "Option off"); };
        choice.OnChange = [this] { log.AddLine("Chose " + choice.Text()); };
        return true;
    }

private:
    void SayHello() {
        int answer = ui::Interaction().MessageBox(Handle(), "Hello, " + name.Text() + "!\nShall I log it?",
                                                  "Hello", MB_YESNO | MB_ICONQUESTION);
        log.AddLine(answer == IDYES ? "Answer: Yes" : "Answer: No");
    }

    ui::PageControl pages;
    ui::TabSheet general, more, hidden;
    ui::Edit name;
    ui::Button hello, disabled, secret;
    ui::CheckBox option;
    ui::ComboBox choice;
    ui::Memo log;
    ui::StringGrid grid;
};

}  // namespace

// The caption comes from the command line, so that each test run drives its own window.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    TestForm form;
    std::string caption = commandLine && *commandLine ? commandLine : "UI Driver Test";
    if (!form.Build(caption)) return 1;
    return ui::Application::Run(form);
}
