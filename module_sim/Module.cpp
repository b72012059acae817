#include "Module.h"

#include <cctype>

namespace sim {
namespace {

const std::string kCrLf = "\r\n";
const std::string kErrorReply = "Error";
// Starts with letters no reply has and carries bytes outside printable ASCII.
const std::string kGarbage = "#~\x7f\x01?garbage\xfe";

std::string Printable(const std::string& text) {
    std::string shown;
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            shown.push_back(c);
        } else {
            static const char hex[] = "0123456789ABCDEF";
            shown += std::string("<") + hex[byte >> 4] + hex[byte & 15] + ">";
        }
    }
    return shown;
}

}  // namespace

Module::Module(std::string version, Faults faults)
    : version_(std::move(version)), faults_(std::move(faults)) {}

std::vector<Output> Module::Receive(const std::string& bytes) {
    std::vector<Output> out;
    for (char byte : bytes) {
        if (inTransfer_) {
            ReceiveBlockByte(static_cast<uint8_t>(byte), out);
        } else {
            ReceiveLineByte(byte, out);
        }
    }
    return out;
}

void Module::Reset() {
    line_.clear();
    overflowed_ = false;
    if (inTransfer_) Trace("transfer abandoned after " + std::to_string(receiver_.BlockCount()) +
                           " blocks");
    inTransfer_ = false;
}

void Module::ReceiveLineByte(char byte, std::vector<Output>& out) {
    if (byte != '\n') {
        if (line_.size() + 1 >= kMaxLine) {
            overflowed_ = true;  // keep no more than a line can hold
        } else {
            line_.push_back(byte);
        }
        return;
    }
    std::string line;
    line.swap(line_);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (overflowed_) {
        overflowed_ = false;
        Trace("dropped a command line longer than 64 characters");
        return;
    }
    if (!line.empty()) HandleLine(line, out);
}

void Module::HandleLine(const std::string& line, std::vector<Output>& out) {
    Trace("< " + Printable(line));
    std::string command = line.substr(0, 2);
    for (char& c : command) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    Output reply = Answer(command, line.size() > 2 ? line.substr(2) : std::string());
    if (reply.bytes.empty()) {
        Trace("  (no reply)");
        return;
    }
    std::string shown = reply.bytes;
    if (shown.size() >= kCrLf.size() && shown.compare(shown.size() - 2, 2, kCrLf) == 0)
        shown.resize(shown.size() - 2);
    Trace("> " + Printable(shown) +
          (reply.delayMs > 0 ? "  (after " + std::to_string(reply.delayMs) + " ms)" : ""));
    out.push_back(std::move(reply));
}

Output Module::Answer(const std::string& command, const std::string& value) {
    if (faults_.silence.Matches(command)) {
        faults_.silence.Use();
        return {};
    }
    if (faults_.error.Matches(command)) {
        faults_.error.Use();
        return {kErrorReply + kCrLf, 0};
    }
    if (faults_.garbage.Matches(command)) {
        faults_.garbage.Use();
        return {kGarbage + kCrLf, 0};
    }
    if (!ModuleSettings::IsKnownCommand(command)) return {kErrorReply + kCrLf, 0};

    std::string text;
    if (command == "sv") {
        text = version_;
    } else if (command == "zp") {
        // Its answer is the transfer itself: the NAK that asks for the first block.
        inTransfer_ = true;
        receiver_.Start();
        return {std::string(1, static_cast<char>(kNak)), 0};
    } else if (ModuleSettings::IsSetting(command) || command == "ma") {
        bool changed = false;
        text = settings_.Apply(command, value, faults_.mismatch.count(command) > 0, changed);
        if (changed && OnSettingsChanged) OnSettingsChanged();
    } else {
        text = command;  // "eh", "el", "zc": acknowledged by their letters alone
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }

    Output reply{text, 0};
    if (faults_.overlong.Matches(command)) {
        faults_.overlong.Use();
        reply.bytes.append(kMaxLine + 6 - reply.bytes.size(), '.');
    }
    if (faults_.late.Matches(command)) {
        faults_.late.Use();
        reply.delayMs = faults_.lateMs;
    }
    reply.bytes += kCrLf;
    return reply;
}

void Module::ReceiveBlockByte(uint8_t byte, std::vector<Output>& out) {
    const std::string ack(1, static_cast<char>(kAck));
    const std::string nak(1, static_cast<char>(kNak));
    switch (receiver_.Receive(byte)) {
        case BlockReceiver::Event::None:
            return;
        case BlockReceiver::Event::BlockAccepted: {
            size_t number = receiver_.BlockCount();
            if (faults_.droppedAcks.count(number)) {
                Trace("block " + std::to_string(number) + " accepted, ACK dropped");
                return;
            }
            out.push_back({ack, 0});
            return;
        }
        case BlockReceiver::Event::BlockRepeated:
            Trace("block " + std::to_string(receiver_.BlockCount()) + " repeated");
            out.push_back({ack, 0});
            return;
        case BlockReceiver::Event::BlockRejected:
            Trace("block " + std::to_string(receiver_.BlockCount() + 1) + " rejected: NAK");
            out.push_back({nak, 0});
            return;
        case BlockReceiver::Event::Finished:
            inTransfer_ = false;
            Trace("EOT after " + std::to_string(receiver_.BlockCount()) + " blocks (" +
                  std::to_string(receiver_.Image().size()) + " bytes)" +
                  (faults_.dropEotAck ? ", ACK dropped" : ""));
            if (!faults_.dropEotAck) out.push_back({ack, 0});
            if (OnImageReceived) OnImageReceived(receiver_.Image());
            return;
    }
}

void Module::Trace(const std::string& line) {
    if (OnTrace) OnTrace(line);
}

}  // namespace sim
