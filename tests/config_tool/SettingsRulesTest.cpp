#include "SettingsRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "StringList.h"

namespace {

using korvan::AddressTexts;
using korvan::DeviceSettings;
using Lines = std::vector<std::string>;

// Settings as a user leaves them for a valid write.
DeviceSettings Filled() {
    DeviceSettings s;
    s.ip = {"192", "168", "0", "20"};
    s.gateway = {"192", "168", "0", "1"};
    s.subnet = {"255", "255", "255", "0"};
    s.client = {"10", "0", "0", "5"};
    s.baudItem = 2;
    s.useCrLf = true;
    s.updatePeriod = 30;  // the initial 60/60 does not pass validation
    return s;
}

struct ApplyCase {
    const char* line;
    std::function<bool(const DeviceSettings&)> holds;
};

TEST(ApplyReplyLine, EachLineSetsItsControl) {
    const ApplyCase cases[] = {
        {"BA4000\r\n", [](auto& s) { return s.clientPort == 4000; }},
        {"ba 17\r\n", [](auto& s) { return s.clientPort == 17; }},
        {"BB15\r\n", [](auto& s) { return s.baudItem == 3; }},
        {"BB99\r\n", [](auto& s) { return s.baudItem == 3; }},
        {"BB129\r\n", [](auto& s) { return s.baudItem == 0; }},
        {"BH120\r\n", [](auto& s) { return s.serverTimeout == 120; }},
        {"bj30", [](auto& s) { return s.updatePeriod == 30; }},
        {"BT5\r\n", [](auto& s) { return s.serialTime == 50; }},
        {"BTx\r\n", [](auto& s) { return s.serialTime == 0; }},  // no digits give 0
        {"BT999999999999\r\n", [](auto& s) { return s.serialTime > 0; }},
        {"EO0011100000000000\r\n",
         [](auto& s) { return s.dhcp && s.broadcast && s.clientEnabled && s.useCrLf; }},
        {"eo0000010010000000",
         [](auto& s) { return s.timed && !s.useCrLf && s.watchdog && !s.clientEnabled; }},
        {"MA0,4,163,1,2,3,\r\n", [](auto& s) { return s.mac == "00:04:A3:01:02:03"; }},
        {"NI192.168.0.20\r\n", [](auto& s) { return s.ip == AddressTexts{"192", "168", "0", "20"}; }},
        {"ni10.0.0.1", [](auto& s) { return s.ip == AddressTexts{"10", "0", "0", "1"}; }},
        {"NG1.2.3.4\r\n", [](auto& s) { return s.gateway == AddressTexts{"1", "2", "3", "4"}; }},
        {"NS255.0.0.0\r\n", [](auto& s) { return s.subnet == AddressTexts{"255", "0", "0", "0"}; }},
        {"nc9.8.7.6\rjunk\r\n", [](auto& s) { return s.client == AddressTexts{"9", "8", "7", "6"}; }},
    };
    for (const auto& c : cases) {
        DeviceSettings s;
        korvan::ApplyReplyLine(c.line, s);
        EXPECT_TRUE(c.holds(s)) << c.line;
    }
}

TEST(ApplyReplyLine, UnknownLinesChangeNothing) {
    for (const char* line : {"ma7\r\n", "mA1,2,3,4,5,6,", "EH\r\n", "EL0\r\n", "ZC\r\n",
                             "Error\r\n", "\r\n", "", "B", "BZ12\r\n", "NX1.2.3.4\r\n", "EX1111"}) {
        DeviceSettings s = Filled();
        korvan::ApplyReplyLine(line, s);
        EXPECT_EQ(korvan::BuildCommandLines(s, true), korvan::BuildCommandLines(Filled(), true))
            << line;
        EXPECT_EQ(s.mac, "") << line;
    }
}

struct ValidateCase {
    const char* name;
    std::function<void(DeviceSettings&)> change;
    Lines messages;
};

TEST(ValidateSettings, EveryCheckLogsItsOwnMessage) {
    const ValidateCase cases[] = {
        {"valid", [](auto&) {}, {}},
        {"300 passes", [](auto& s) { s.ip[0] = "300"; }, {}},
        {"1.5", [](auto& s) { s.ip[3] = "1.5"; }, {"Invalid IP Address"}},
        {"empty gateway", [](auto& s) { s.gateway[1] = ""; }, {"Invalid Gateway Address"}},
        {"subnet", [](auto& s) { s.subnet[2] = "x"; }, {"Invalid Submask"}},
        {"client", [](auto& s) { s.client[0] = "a"; }, {"Invalid Client Address"}},
        {"client off", [](auto& s) { s.clientEnabled = false; s.client[0] = "a"; }, {}},
        {"60/60",
         [](auto& s) { s.updatePeriod = 60; s.serverTimeout = 60; },
         {"Connect Timeout must be greater than Connect Update Period"}},
        {"59/60", [](auto& s) { s.updatePeriod = 59; s.serverTimeout = 60; }, {}},
        {"all at once",
         [](auto& s) {
             s.ip[0] = "";
             s.gateway[0] = "";
             s.subnet[0] = "";
             s.client[0] = "";
             s.updatePeriod = 100;
         },
         {"Invalid IP Address", "Invalid Gateway Address", "Invalid Submask",
          "Invalid Client Address", "Connect Timeout must be greater than Connect Update Period"}},
    };
    for (const auto& c : cases) {
        DeviceSettings s = Filled();
        c.change(s);
        EXPECT_EQ(korvan::ValidateSettings(s), c.messages) << c.name;
    }
}

// The lines of a write as the sorted queue sends them.
Lines Queue(const DeviceSettings& s, bool all) {
    ui::SortedStringList queue;
    for (const auto& line : korvan::BuildCommandLines(s, all)) queue.Add(line);
    return queue.Items();
}

TEST(BuildCommandLines, InitialValuesWithAll) {
    DeviceSettings s;
    s.ip = {"192", "168", "0", "20"};
    EXPECT_EQ(Queue(s, true),
              (Lines{"ba3012\r\n", "bb15\r\n", "bh60\r\n", "bj60\r\n", "bt2\r\n",
                     "eo0001100000000000\r\n", "nc...\r\n", "ng...\r\n", "ni192.168.0.20\r\n",
                     "ns...\r\n", "zc\r\n"}));
}

struct QueueCase {
    const char* name;
    std::function<void(DeviceSettings&)> change;
    bool all;
    Lines letters;  // the command letters sent, in order
};

TEST(BuildCommandLines, WhatAWriteSends) {
    const QueueCase cases[] = {
        {"crlf, client on", [](auto&) {}, false,
         {"ba", "bb", "bh", "bj", "eo", "nc", "ng", "ni", "ns", "zc"}},
        {"dhcp", [](auto& s) { s.dhcp = true; }, false, {"ba", "bb", "bh", "bj", "eo", "nc", "zc"}},
        {"dhcp, mac shown", [](auto& s) { s.dhcp = true; }, true,
         {"ba", "bb", "bh", "bj", "bt", "eo", "nc", "ng", "ni", "ns", "zc"}},
        {"client off", [](auto& s) { s.clientEnabled = false; }, false,
         {"bb", "bh", "bj", "eo", "ng", "ni", "ns", "zc"}},
        {"timed", [](auto& s) { s.timed = true; s.useCrLf = false; }, false,
         {"ba", "bb", "bh", "bj", "bt", "eo", "nc", "ng", "ni", "ns", "zc"}},
    };
    for (const auto& c : cases) {
        DeviceSettings s = Filled();
        c.change(s);
        Lines letters;
        for (const auto& line : Queue(s, c.all)) letters.push_back(line.substr(0, 2));
        EXPECT_EQ(letters, c.letters) << c.name;
    }
}

TEST(BuildCommandLines, ValuesGoOutAsTyped) {
    DeviceSettings s = Filled();
    s.ip = {"300", "01", "0", "7"};
    s.timed = true;
    s.serialTime = 25;
    s.baudItem = 0;
    Lines lines = korvan::BuildCommandLines(s, false);
    for (const char* expected : {"ni300.01.0.7\r\n", "bt2\r\n", "bb129\r\n", "zc\r\n",
                                 "ng192.168.0.1\r\n", "nc10.0.0.5\r\n", "ba3012\r\n"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    }
}

struct ReadBackCase {
    const char* reply;
    std::function<void(DeviceSettings&)> change;
    Lines mismatches;
};

TEST(ReadBackMismatches, EachReplyIsComparedWithItsControl) {
    auto none = [](DeviceSettings&) {};
    const ReadBackCase cases[] = {
        {"BA3012\r\n", none, {}},
        {"BA3013\r\n", none, {"Client Port Write Error "}},
        {"BB32\r\n", none, {}},
        {"BB15\r\n", none, {"Serial Port Baud Rate Write Error "}},
        {"BB99\r\n", none, {"Serial Port Baud Rate Write Error "}},
        // An unknown code equal to the item index is still a mismatch.
        {"BB2\r\n", none, {"Serial Port Baud Rate Write Error "}},
        // None selected sends 15, and 15 read back is what was sent.
        {"BB15\r\n", [](auto& s) { s.baudItem = -1; }, {}},
        {"BH60\r\n", none, {}},
        {"BH61\r\n", none, {"Timeout Write Error "}},
        {"BJ59\r\n", none, {"Update Period Write Error "}},
        {"BT2\r\n", [](auto& s) { s.serialTime = 20; }, {}},
        {"BT2\r\n", [](auto& s) { s.serialTime = 25; }, {"Serial Time Write Error "}},
        {"EO0001100000000000\r\n", none, {}},
        {"EO0011000010000000\r\n", none,
         {"Get Address Automatically Write Error ", "Enable Client Write Error ",
          "Enable Watchdog Write Error "}},
        {"EO0000110000000000\r\n", none,
         {"Use Broadcast Address Write Error ", "Serial Port Timed Write Error "}},
        {"EO0001100000000000\r\n", [](auto& s) { s.timed = true; s.useCrLf = false; },
         {"Serial Port Timed Write Error "}},
        // Neither framing box checked sends "0"; reading "0" back is no error.
        {"EO0001100000000000\r\n", [](auto& s) { s.useCrLf = false; }, {}},
        {"NI192.168.0.20\r\n", none, {}},
        {"NI192.168.1.21\r\n", none, {"IP Address (3) Write Error ", "IP Address (4) Write Error "}},
        {"NG10.168.0.1\r\n", none, {"Gateway Address (1) Write Error "}},
        {"NS255.255.0.0\r\n", none, {"Submask (3) Write Error "}},
        {"NC10.0.0.6\r\n", none, {"Client Address (4) Write Error "}},
        {"NC10.0.0.5\r\n", [](auto& s) { s.client[1] = "x"; }, {"Client Address (2) Write Error "}},
        {"NI300.168.0.20\r\n", [](auto& s) { s.ip[0] = "300"; }, {}},
        // Lower-case letters, zc and Error replies are not compared.
        {"ba1\r\n", none, {}},
        {"ZC\r\n", none, {}},
        {"Error\r\n", none, {}},
        {"\r\n", none, {}},
    };
    for (const auto& c : cases) {
        DeviceSettings s = Filled();
        c.change(s);
        EXPECT_EQ(korvan::ReadBackMismatches(c.reply, s), c.mismatches) << c.reply;
    }
}

}  // namespace
