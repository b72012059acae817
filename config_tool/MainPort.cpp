// TMainForm's serial link: opening, writing and closing the COM port, and the reader.
#include "Mainunit.h"

#include <cstring>

#include "PortName.h"

namespace korvan {

bool TMainForm::OpenPort() {
    int number = SerialPortCSpinEdit.Value();
    switch (device_->Open(ComDeviceName(number))) {
        case SerialDevice::OpenResult::CannotOpen:
            ShowDialog("Unable to open serial port " + std::to_string(number), MB_ICONERROR);
            return false;
        case SerialDevice::OpenResult::SettingsRejected:
            ShowDialog("SetCommState port error", MB_ICONERROR);
            return false;
        case SerialDevice::OpenResult::Opened:
            break;
    }
    PortOpen = true;
    if (!ReaderStarted) {
        reader_ = std::make_unique<Port1Comms>(device_, BinaryMode,
                                               [this](const ReplyBuffer& reply) { OnReply(reply); });
        ReaderStarted = reader_->Start();
    }
    return true;
}

void TMainForm::WritePort(const std::string& bytes) {
    if (!device_->Write(bytes.data(), bytes.size())) {
        ShowDialog("Serial port write error", MB_ICONERROR);
    }
    ReplyCountdown = kReplyTimeoutTicks;
}

void TMainForm::ClosePort() {
    if (!PortOpen) return;
    device_->Close();
    PortOpen = false;
    if (reader_) {
        // This may run inside the reader's own hand-over, so it is only told to end here.
        reader_->Terminate();
        endingReaders_.push_back(std::move(reader_));
    }
    ReaderStarted = false;
}

void TMainForm::OnReply(const ReplyBuffer& reply) {
    std::memcpy(Reply, reply.bytes, sizeof Reply);
    ReplyLength = reply.length;
    DispatchReply();
}

}  // namespace korvan
