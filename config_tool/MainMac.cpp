// TMainForm's MAC programming: "Send New MAC" on a workstation that has the programming file.
#include "Mainunit.h"

#include "NewMacValue.h"

namespace korvan {

void TMainForm::SendNewMACButtonClick() {
    CommandQueue.Clear();
    auto value = ParseNewMacValue(NewMAC1Edit.Text(), NewMAC2Edit.Text());
    if (!value) {
        ShowDialog("MAC Error", MB_ICONWARNING | MB_OK);
        return;
    }
    for (const auto& line : NewMacCommandLines(*value)) CommandQueue.Add(line);
    // The read handler takes the replies: "MA" shows the new address, "zc" is ignored.
    StartExchange(kRead);
    WriteFailed = false;
    AwaitingVersion = false;
    if (!PortOpen && !OpenPort()) {
        Operation = kNoOperation;
        return;
    }
    SendNextCommand();
}

}  // namespace korvan
