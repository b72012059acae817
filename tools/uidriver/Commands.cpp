#include "Commands.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "ControlName.h"
#include "Messages.h"
#include "WindowSearch.h"

namespace uidriver {

namespace {

constexpr double kDefaultWait = 10.0;
constexpr UINT kAnswerTimeoutMs = 5000;

// A failed command: its message goes to stderr, the exit code is 1.
struct Failure {
    std::string message;
};

struct UsageError {
    std::string message;
};

// Prints the text as lines ending in LF (for the Linux scripts that read us), the last line
// ended too.
void Print(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    if (out.empty() || out.back() != '\n') out += '\n';
    fwrite(out.data(), 1, out.size(), stdout);
    fflush(stdout);
}

double Seconds(const Arguments& arguments, size_t index) {
    if (index >= arguments.size()) return kDefaultWait;
    char* end = nullptr;
    double seconds = strtod(arguments[index].c_str(), &end);
    if (end == arguments[index].c_str() || *end != '\0' || seconds < 0)
        throw UsageError{"not a time-out in seconds: " + arguments[index]};
    return seconds;
}

void Need(const Arguments& arguments, size_t least, size_t most) {
    if (arguments.size() < least || arguments.size() > most)
        throw UsageError{"wrong number of arguments"};
}

HWND TopWindow(const std::string& caption) {
    HWND window = FindTopWindow(caption, false);
    if (!window) throw Failure{"no window \"" + caption + "\""};
    return window;
}

HWND Control(const Arguments& arguments) {
    HWND top = TopWindow(arguments[0]);
    HWND control = ui::FindNamedControl(top, arguments[1]);
    if (!control) throw Failure{"no control " + arguments[1] + " in \"" + arguments[0] + "\""};
    return control;
}

// A control that a user could operate now.
HWND UsableControl(const Arguments& arguments) {
    HWND control = Control(arguments);
    if (!IsWindowEnabled(control)) throw Failure{arguments[1] + " is disabled"};
    if (!ShownOnScreen(control)) throw Failure{arguments[1] + " is not visible"};
    return control;
}

std::string Text(HWND window, const std::string& what) {
    std::string text;
    if (!ReadText(window, text)) throw Failure{what + " does not answer"};
    return text;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &result))
        throw Failure{what + " does not answer"};
    return static_cast<LRESULT>(result);
}

bool IsCheckable(HWND control) {
    LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
}

bool IsButtonClass(HWND control) {
    std::string name = ClassOf(control);
    return name == "KorvanButton" || name == "Button";
}

// The click is posted: a handler that opens a message box must not hold the driver.
void PostClick(HWND control) {
    if (IsButtonClass(control)) {
        PostMessageA(control, BM_CLICK, 0, 0);
        return;
    }
    WPARAM command = MAKEWPARAM(GetDlgCtrlID(control), STN_CLICKED);
    PostMessageA(GetParent(control), WM_COMMAND, command, reinterpret_cast<LPARAM>(control));
}

int WaitWindow(const Arguments& a) {
    Need(a, 1, 2);
    if (!WaitTopWindow(a[0], false, Seconds(a, 1)))
        throw Failure{"timed out waiting for window \"" + a[0] + "\""};
    return 0;
}

int WaitGone(const Arguments& a) {
    Need(a, 1, 2);
    double deadline = Clock() + Seconds(a, 1);
    while (FindTopWindow(a[0], false)) {
        if (Clock() >= deadline) throw Failure{"window \"" + a[0] + "\" is still there"};
        PollPause();
    }
    return 0;
}

int Click(const Arguments& a) {
    Need(a, 2, 2);
    PostClick(UsableControl(a));
    return 0;
}

int SetText(const Arguments& a) {
    Need(a, 3, 3);
    HWND control = UsableControl(a);
    if (!Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[2].c_str()), a[1]))
        throw Failure{a[1] + " refused the text"};
    return 0;
}

int GetText(const Arguments& a) {
    Need(a, 2, 2);
    Print(Text(Control(a), a[1]));
    return 0;
}

int WaitText(const Arguments& a) {
    Need(a, 3, 4);
    double deadline = Clock() + Seconds(a, 3);
    for (;;) {
        if (Text(Control(a), a[1]).find(a[2]) != std::string::npos) return 0;
        if (Clock() >= deadline) throw Failure{"timed out waiting for \"" + a[2] + "\" in " + a[1]};
        PollPause();
    }
}

// A row of a list view with check boxes, given as the optional argument at `index`.
bool RowChecked(HWND control, const Arguments& a, size_t index, LPARAM request) {
    char* end = nullptr;
    long row = strtol(a[index].c_str(), &end, 10);
    if (end == a[index].c_str() || *end != '\0' || row < 0) throw UsageError{"not a row number: " + a[index]};
    if (request != 0) {
        if (!Send(control, ui::RowCheckMessage(), static_cast<WPARAM>(row), request, a[1]))
            throw Failure{a[1] + " has no check box in row " + a[index]};
        return request == 2;
    }
    return Send(control, ui::RowCheckMessage(), static_cast<WPARAM>(row), 0, a[1]) == 1;
}

int GetChecked(const Arguments& a) {
    Need(a, 2, 3);
    HWND control = Control(a);
    if (a.size() == 3) {
        Print(RowChecked(control, a, 2, 0) ? "1" : "0");
        return 0;
    }
    if (!IsButtonClass(control) || !IsCheckable(control)) throw Failure{a[1] + " has no check mark"};
    Print(Send(control, BM_GETCHECK, 0, 0, a[1]) == BST_CHECKED ? "1" : "0");
    return 0;
}

int SetChecked(const Arguments& a) {
    Need(a, 3, 4);
    if (a[2] != "0" && a[2] != "1") throw UsageError{"the state is 0 or 1"};
    HWND control = UsableControl(a);
    if (a.size() == 4) {
        RowChecked(control, a, 3, a[2] == "1" ? 2 : 1);
        return 0;
    }
    if (!IsButtonClass(control) || !IsCheckable(control)) throw Failure{a[1] + " has no check mark"};
    bool checked = Send(control, BM_GETCHECK, 0, 0, a[1]) == BST_CHECKED;
    // A click, so that the program's handler runs as for a user.
    if (checked != (a[2] == "1")) Send(control, BM_CLICK, 0, 0, a[1]);
    return 0;
}

int GetState(const Arguments& a) {
    Need(a, 2, 2);
    HWND control = Control(a);
    Print(std::string(IsWindowEnabled(control) ? "enabled" : "disabled") + " " +
          (ShownOnScreen(control) ? "visible" : "hidden"));
    return 0;
}

int Select(const Arguments& a) {
    Need(a, 3, 3);
    HWND control = UsableControl(a);
    if (a[2].size() > 255) throw Failure{"entry text too long"};
    ATOM atom = GlobalAddAtomA(a[2].c_str());
    if (!atom) throw Failure{"cannot pass the entry text"};
    LRESULT selected = 0;
    try {
        selected = Send(control, ui::SelectTextMessage(), atom, 0, a[1]);
    } catch (...) {
        GlobalDeleteAtom(atom);
        throw;
    }
    GlobalDeleteAtom(atom);
    if (selected != 1) throw Failure{"no entry \"" + a[2] + "\" in " + a[1]};
    return 0;
}

int ListControls(const Arguments& a) {
    Need(a, 1, 1);
    for (HWND control : NamedControls(TopWindow(a[0]))) {
        std::string text;
        ReadText(control, text);
        size_t lineEnd = text.find_first_of("\r\n");
        if (lineEnd != std::string::npos) text = text.substr(0, lineEnd) + " ...";
        Print(ui::ControlName(control) + "\t" + ClassOf(control) + "\t" +
              (IsWindowEnabled(control) ? "enabled" : "disabled") + "\t" +
              (ShownOnScreen(control) ? "visible" : "hidden") + "\t" + text);
    }
    return 0;
}

int Close(const Arguments& a) {
    Need(a, 1, 1);
    PostMessageA(TopWindow(a[0]), WM_CLOSE, 0, 0);
    return 0;
}

HWND Box(const std::string& caption) {
    HWND box = FindTopWindow(caption, true);
    if (!box) throw Failure{"no message box \"" + caption + "\""};
    return box;
}

int WaitBox(const Arguments& a) {
    Need(a, 1, 2);
    if (!WaitTopWindow(a[0], true, Seconds(a, 1)))
        throw Failure{"timed out waiting for message box \"" + a[0] + "\""};
    return 0;
}

int GetBoxText(const Arguments& a) {
    Need(a, 1, 1);
    Print(BoxText(Box(a[0])));
    return 0;
}

int AnswerBox(const Arguments& a) {
    Need(a, 2, 2);
    HWND box = Box(a[0]);
    std::string offered;
    for (const auto& button : BoxButtons(box)) {
        if (lstrcmpiA(button.second.c_str(), a[1].c_str()) == 0) {
            WPARAM command = MAKEWPARAM(GetDlgCtrlID(button.first), BN_CLICKED);
            PostMessageA(box, WM_COMMAND, command, reinterpret_cast<LPARAM>(button.first));
            return 0;
        }
        offered += (offered.empty() ? "" : ", ") + button.second;
    }
    throw Failure{"message box \"" + a[0] + "\" has no button \"" + a[1] + "\" (it has: " + offered + ")"};
}

const std::map<std::string, std::function<int(const Arguments&)>>& Table() {
    static const std::map<std::string, std::function<int(const Arguments&)>> table = {
        {"wait-window", WaitWindow}, {"wait-gone", WaitGone},       {"click", Click},
        {"set-text", SetText},       {"get-text", GetText},         {"wait-text", WaitText},
        {"get-checked", GetChecked}, {"set-checked", SetChecked},   {"get-state", GetState},
        {"select", Select},          {"list-controls", ListControls}, {"close", Close},
        {"wait-box", WaitBox},       {"box-text", GetBoxText},      {"answer-box", AnswerBox},
    };
    return table;
}

}  // namespace

std::string Usage() {
    return "usage: uidriver COMMAND ARGUMENTS...\n"
           "  wait-window WINDOW [SECONDS]        wait-gone WINDOW [SECONDS]\n"
           "  list-controls WINDOW                close WINDOW\n"
           "  click WINDOW CONTROL                get-state WINDOW CONTROL\n"
           "  set-text WINDOW CONTROL TEXT        get-text WINDOW CONTROL\n"
           "  wait-text WINDOW CONTROL TEXT [SECONDS]\n"
           "  get-checked WINDOW CONTROL [ROW]    set-checked WINDOW CONTROL 0|1 [ROW]\n"
           "  select WINDOW CONTROL ENTRY\n"
           "  wait-box CAPTION [SECONDS]          box-text CAPTION\n"
           "  answer-box CAPTION BUTTON\n"
           "WINDOW is a caption or a form name; CONTROL a control name. Waits default to 10 s.\n";
}

int RunCommand(const std::string& command, const Arguments& arguments) {
    auto found = Table().find(command);
    if (found == Table().end()) {
        fprintf(stderr, "uidriver: unknown command \"%s\"\n%s", command.c_str(), Usage().c_str());
        return 2;
    }
    try {
        return found->second(arguments);
    } catch (const Failure& failure) {
        fprintf(stderr, "uidriver %s: %s\n", command.c_str(), failure.message.c_str());
        return 1;
    } catch (const UsageError& error) {
        fprintf(stderr, "uidriver %s: %s\n%s", command.c_str(), error.message.c_str(), Usage().c_str());
        return 2;
    }
}

}  // namespace uidriver
