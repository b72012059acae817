#include "SettingsFile.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace {

using korvan::DeviceSettings;
using korvan::SortedTextList;

DeviceSettings WindowAtStart() {
    DeviceSettings s;
    s.ip = {"192", "168", "0", "20"};
    s.gateway = {"192", "168", "0", "1"};
    s.subnet = {"255", "255", "255", "0"};
    s.client = {"10", "0", "0", "5"};
    s.baudItem = 3;  // 19200, code 15
    return s;
}

TEST(SettingsFile, SavesEveryLineSortedEachFollowedByAnEmptyLine) {
    testsupport::ScratchDir dir;
    DeviceSettings settings = WindowAtStart();
    settings.dhcp = true;             // a write would leave the addresses out...
    settings.clientEnabled = false;   // ...and the client lines; a file never does
    SortedTextList queue;
    ASSERT_TRUE(korvan::SaveSettingsFile(dir / "s.txt", settings, queue));
    std::string bytes = testsupport::ReadFileBytes(dir / "s.txt");
    std::vector<std::string> letters;
    for (size_t at = 0; at < bytes.size();) {
        size_t end = bytes.find("\r\n\r\n", at);
        ASSERT_NE(end, std::string::npos) << "entry without its empty line at " << at;
        letters.push_back(bytes.substr(at, 2));
        at = end + 4;
    }
    EXPECT_EQ(letters, (std::vector<std::string>{"ba", "bb", "bh", "bj", "bt", "eo", "nc", "ng",
                                                 "ni", "ns", "zc"}));
    EXPECT_EQ(bytes.substr(0, 26), "ba3012\r\n\r\nbb15\r\n\r\nbh60\r\n\r\n");
    EXPECT_NE(bytes.find("\nni192.168.0.20\r\n\r\n"), std::string::npos);
    EXPECT_EQ(queue.Count(), 11u);
}

TEST(SettingsFile, SavedFileLoadsBackIntoTheSameSettings) {
    testsupport::ScratchDir dir;
    DeviceSettings saved = WindowAtStart();
    saved.serverTimeout = 120;
    saved.updatePeriod = 30;
    saved.clientPort = 5000;
    saved.serialTime = 70;
    saved.timed = true;
    saved.watchdog = true;
    SortedTextList queue;
    ASSERT_TRUE(korvan::SaveSettingsFile(dir / "s.txt", saved, queue));

    DeviceSettings loaded;
    ASSERT_TRUE(korvan::LoadSettingsFile(dir / "s.txt", loaded, queue));
    EXPECT_EQ(loaded.ip, saved.ip);
    EXPECT_EQ(loaded.gateway, saved.gateway);
    EXPECT_EQ(loaded.subnet, saved.subnet);
    EXPECT_EQ(loaded.client, saved.client);
    EXPECT_EQ(loaded.serverTimeout, 120);
    EXPECT_EQ(loaded.updatePeriod, 30);
    EXPECT_EQ(loaded.clientPort, 5000);
    EXPECT_EQ(loaded.serialTime, 70);
    EXPECT_EQ(loaded.baudItem, saved.baudItem);
    EXPECT_EQ(loaded.watchdog, true);
    EXPECT_EQ(loaded.timed, true);
}

struct LoadCase {
    const char* name;
    std::string bytes;
    void (*check)(const DeviceSettings& loaded, const DeviceSettings& before);
};

TEST(SettingsFile, LoadAcceptsAnyLineEndAndCaseButMacOnlyInUpperCase) {
    testsupport::ScratchDir dir;
    const LoadCase cases[] = {
        {"only bh", "bh120\r\n",
         [](const DeviceSettings& l, const DeviceSettings& b) {
             EXPECT_EQ(l.serverTimeout, 120);
             EXPECT_EQ(l.ip, b.ip);
             EXPECT_EQ(l.updatePeriod, b.updatePeriod);
             EXPECT_EQ(l.clientPort, b.clientPort);
             EXPECT_EQ(l.serialTime, b.serialTime);
         }},
        {"upper-case address, LF ends", "NI10.0.0.1\nbt5\n",
         [](const DeviceSettings& l, const DeviceSettings&) {
             EXPECT_EQ(l.ip, (korvan::AddressTexts{"10", "0", "0", "1"}));
             EXPECT_EQ(l.serialTime, 50);
         }},
        {"lower-case address, CR ends", "ni10.0.0.2\rbj7\r",
         [](const DeviceSettings& l, const DeviceSettings&) {
             EXPECT_EQ(l.ip, (korvan::AddressTexts{"10", "0", "0", "2"}));
             EXPECT_EQ(l.updatePeriod, 7);
         }},
        {"lower-case MAC ignored", "ma7\r\n",
         [](const DeviceSettings& l, const DeviceSettings& b) { EXPECT_EQ(l.mac, b.mac); }},
        {"upper-case MAC shown", "MA0,4,163,1,2,3,\r\n",
         [](const DeviceSettings& l, const DeviceSettings&) {
             EXPECT_EQ(l.mac, "00:04:A3:01:02:03");
         }},
        {"unknown and empty lines", "\r\nxx99\r\n\r\nhello\r\nBA80\r\n",
         [](const DeviceSettings& l, const DeviceSettings& b) {
             EXPECT_EQ(l.clientPort, 80);
             EXPECT_EQ(l.serverTimeout, b.serverTimeout);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(testsupport::WriteFileBytes(dir / "in.txt", c.bytes));
        DeviceSettings before = WindowAtStart();
        DeviceSettings loaded = before;
        SortedTextList queue;
        ASSERT_TRUE(korvan::LoadSettingsFile(dir / "in.txt", loaded, queue));
        c.check(loaded, before);
    }
}

TEST(SettingsFile, LoadKeepsTheLinesSortedInTheQueue) {
    testsupport::ScratchDir dir;
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "in.txt", "ni1.2.3.4\r\nbh9\r\nBH9\r\n"));
    DeviceSettings settings;
    SortedTextList queue;
    queue.Add("zz stale\r\n");
    ASSERT_TRUE(korvan::LoadSettingsFile(dir / "in.txt", settings, queue));
    EXPECT_EQ(queue.Lines(), (std::vector<std::string>{"bh9", "ni1.2.3.4"}));
}

TEST(SettingsFile, UnreadableOrUnwritableFileLeavesEverythingAsItWas) {
    testsupport::ScratchDir dir;
    DeviceSettings settings = WindowAtStart();
    SortedTextList queue;
    queue.Add("bh60\r\n");
    EXPECT_FALSE(korvan::LoadSettingsFile(dir / "missing.txt", settings, queue));
    EXPECT_EQ(queue.Lines(), (std::vector<std::string>{"bh60\r\n"}));
    EXPECT_EQ(settings.ip, WindowAtStart().ip);
    EXPECT_FALSE(korvan::SaveSettingsFile(dir / "no-folder" + testsupport::Separator() + "s.txt",
                                          settings, queue));
}

}  // namespace
