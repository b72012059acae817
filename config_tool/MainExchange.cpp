// TMainForm's command exchange with the module: version request, queue, resends, errors.
#include "Mainunit.h"

#include "VersionReply.h"

namespace korvan {

namespace {

constexpr int kMaxRetries = 4;
constexpr const char* kErrorReply = "Error\r\n";
constexpr const char* kVersionRequest = "sv\r\n";
constexpr const char* kNotFound = "KORVAN not found";

std::string WithoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

}  // namespace

void TMainForm::DispatchReply() {
    switch (Operation) {
        case kDownload: HandleDownloadReply(); break;
        case kRead: HandleReadReply(); break;
        case kWrite: HandleWriteReply(); break;
        default: break;  // nobody waits for it
    }
}

int TMainForm::CheckErrorReply(const std::string& reply) {
    if (reply != kErrorReply) return 0;
    if (++RetryCount > kMaxRetries) return -1;
    WritePort(LastCommand);
    return 1;
}

int TMainForm::CheckVersionReply(const std::string& reply) {
    std::string text = VersionText(reply);
    Log("Korvan Version: " + WithoutLineEnd(text));
    if (!StartsWithDigit(text)) {
        if (++RetryCount > kMaxRetries) return -1;
        WritePort(LastCommand);
        return -2;
    }
    return VersionNumber(text);
}

bool TMainForm::SendNextCommand() {
    if (CommandQueue.Empty()) {
        ReplyCountdown = 0;
        ClosePort();
        return false;
    }
    LastCommand = CommandQueue[0];
    CommandQueue.Delete(0);
    WritePort(LastCommand);
    return true;
}

void TMainForm::StartExchange(int operation) {
    Operation = operation;
    // The resend limit counts per exchange; a count left over from an earlier exchange would
    // make every later one give up at its first rejected request.
    RetryCount = 0;
    if (operation == kWrite) WriteFailed = false;
}

void TMainForm::VersionStage(const std::string& reply) {
    int error = CheckErrorReply(reply);
    if (error == 1) return;
    if (error == -1) {
        FailExchange("KORVAN not found\rError 4", kNotFound);
        return;
    }
    int version = CheckVersionReply(reply);
    if (version == -2) return;
    if (version == 0 || version == -1) {
        FailExchange("KORVAN not found\rError 2", kNotFound);
    } else if (version >= kFirstUnsupportedVersion) {
        FailExchange(
            "KORVAN version not supported\rPlease download the latest version of this application",
            "KORVAN version not supported");
    } else {
        AwaitingVersion = false;
        SendNextCommand();
    }
}

void TMainForm::FailExchange(const std::string& dialog, const std::string& logLine) {
    // The exchange ends before the dialog: replies that arrive while it is open find no
    // operation to continue.
    ReplyCountdown = 0;
    ClosePort();
    Operation = kNoOperation;
    AwaitingVersion = false;
    ShowDialog(dialog, MB_ICONERROR);
    Log(logLine);
}

}  // namespace korvan
