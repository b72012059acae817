#pragma once
// A Korvan module behind the SerialDevice interface, for form tests: it answers every command
// line the window writes with one reply line, which the window's real Port1Comms reader then
// takes byte by byte. Faults are injected per command.
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "SerialDevice.h"

class FakeModule : public korvan::SerialDevice {
public:
    FakeModule();

    // What Open answers, and the device names it was asked for.
    OpenResult openResult = OpenResult::Opened;
    std::vector<std::string> openedNames;
    bool writeFails = false;

    // The settings the module holds, by command letters, and its version reply.
    std::map<std::string, std::string> values;
    std::string version = "SV1.0.7-LNK";
    std::string macList = "0,4,163,1,2,3,";
    // Returns the reply bytes to send instead of the proper reply ("" for silence), or
    // nothing for the proper reply. Receives the line without its CR LF.
    std::function<std::optional<std::string>(const std::string& line)> fault;
    // Setting commands whose value the module keeps altered (it stores this instead).
    std::map<std::string, std::string> altered;

    // Lines written by the window, without CR LF, in order.
    std::vector<std::string> Sent();
    // Bytes arriving from the module unasked (a late reply).
    void Inject(const std::string& bytes);

    OpenResult Open(const std::string& deviceName) override;
    unsigned Session() const override;
    bool Write(const char* bytes, size_t count) override;
    void Close() override;
    bool ReadByte(unsigned session, unsigned char& byte) override;

private:
    std::string Answer(const std::string& line);

    mutable std::mutex lock_;
    std::condition_variable arrived_;
    std::deque<unsigned char> incoming_;
    std::vector<std::string> sent_;
    unsigned session_ = 0;
    bool open_ = false;
};
