#include "MsgBox.h"

#include "MsgBoxText.h"
#include "UserInteraction.h"
#include "Wait.h"

namespace {

const UINT kTopFlags = MB_TOPMOST | MB_SETFOREGROUND | MB_TASKMODAL;  // 0x52000
const UINT kRightToLeftFlags = MB_RIGHT | MB_RTLREADING;                // 0x180000

int AppBox(const std::string& caption, const std::string& text, UINT flags) {
    const int button =
        ui::Interaction().MessageBox(GetActiveWindow(), AppBoxBody(text), caption, flags);
    ProcessMessages();
    return button;
}

}  // namespace

int TopMessageBox(HWND owner, const std::string& caption, const std::string& text, UINT flags) {
    const int button = ui::Interaction().MessageBox(owner ? owner : GetDesktopWindow(),
                                                    TopBoxBody(text), caption, flags | kTopFlags);
    WaitPumping(100);
    return button;
}

int TopErrorBox(HWND owner, const std::string& text) {
    return TopMessageBox(owner, "Error", text, MB_ICONERROR);
}

void ErrorBox(const std::string& text) { AppBox("Error", text, MB_ICONERROR); }

bool IsRightToLeftCharset(int charset) { return charset == 177 || charset == 178; }

void CaptionErrorBox(const std::string& caption, const std::string& text, int charset) {
    AppBox(caption, text, MB_ICONERROR | (IsRightToLeftCharset(charset) ? kRightToLeftFlags : 0));
}

void AttentionBox(const std::string& text) { AppBox("Attention", text, MB_ICONWARNING); }

bool ConfirmBox(const std::string& text, UINT flags) {
    const int button = AppBox("Confirm", text, flags);
    return button == IDOK || button == IDYES;
}

bool ConfirmYesNo(const std::string& text) { return ConfirmBox(text, MB_YESNO | MB_ICONQUESTION); }

bool ConfirmOkCancel(const std::string& text) {
    return ConfirmBox(text, MB_OKCANCEL | MB_ICONQUESTION);
}
