#include "FakeModule.h"

#include <chrono>

namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

FakeModule::FakeModule()
    : values{{"ni", "192.168.0.20"}, {"ng", "192.168.0.1"}, {"ns", "255.255.255.0"},
             {"nc", "10.0.0.5"},     {"eo", "0000110010000000"}, {"bb", "32"},
             {"bt", "5"},            {"bh", "60"},          {"bj", "30"},
             {"ba", "4000"}} {}

std::vector<std::string> FakeModule::Sent() {
    std::lock_guard<std::mutex> locked(lock_);
    return sent_;
}

void FakeModule::Inject(const std::string& bytes) {
    std::lock_guard<std::mutex> locked(lock_);
    incoming_.insert(incoming_.end(), bytes.begin(), bytes.end());
    arrived_.notify_all();
}

korvan::SerialDevice::OpenResult FakeModule::Open(const std::string& deviceName) {
    std::lock_guard<std::mutex> locked(lock_);
    openedNames.push_back(deviceName);
    if (openResult == OpenResult::Opened) {
        open_ = true;
        ++session_;
    }
    return openResult;
}

unsigned FakeModule::Session() const {
    std::lock_guard<std::mutex> locked(lock_);
    return session_;
}

bool FakeModule::Write(const char* bytes, size_t count) {
    std::string line(bytes, count);
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) line.resize(line.size() - 2);
    std::lock_guard<std::mutex> locked(lock_);
    if (!open_ || writeFails) return false;
    sent_.push_back(line);
    std::optional<std::string> replaced = fault ? fault(line) : std::nullopt;
    std::string reply = replaced ? *replaced : Answer(line) + "\r\n";
    incoming_.insert(incoming_.end(), reply.begin(), reply.end());
    arrived_.notify_all();
    return true;
}

void FakeModule::Close() {
    std::lock_guard<std::mutex> locked(lock_);
    open_ = false;
    ++session_;
    incoming_.clear();
    arrived_.notify_all();
}

bool FakeModule::ReadByte(unsigned session, unsigned char& byte) {
    std::unique_lock<std::mutex> locked(lock_);
    arrived_.wait_for(locked, std::chrono::milliseconds(50),
                      [&] { return !incoming_.empty() || session != session_; });
    if (session != session_ || incoming_.empty()) return false;
    byte = incoming_.front();
    incoming_.pop_front();
    return true;
}

std::string FakeModule::Answer(const std::string& line) {
    std::string command = line.substr(0, 2);
    std::string value = line.size() > 2 ? line.substr(2) : "";
    if (command == "sv") return version;
    if (command == "ma") return "MA" + macList;
    if (!value.empty() && values.count(command)) {
        values[command] = altered.count(command) ? altered[command] : value;
    }
    return Upper(command) + (values.count(command) ? values[command] : "");
}
