// The module on its serial line: framing of command lines, replies, faults and the transfer.
#include <gtest/gtest.h>

#include "Module.h"
#include "TransferFixtures.h"

namespace {

const std::string kAck(1, '\x06');
const std::string kNak(1, '\x15');

// Everything the module sends for the input, joined; delays are checked separately.
std::string Send(sim::Module& module, const std::string& input) {
    std::string sent;
    for (const sim::Output& output : module.Receive(input)) sent += output.bytes;
    return sent;
}

sim::Module Plain() { return sim::Module(sim::Module::kDefaultVersion, sim::Faults()); }

TEST(Module, AnswersEachCommandLineWithOneReplyLine) {
    struct Case {
        const char* input;
        const char* reply;
    } cases[] = {
        {"sv\r\n", "SV1.0.7-LNK\r\n"},
        {"SV\r\n", "SV1.0.7-LNK\r\n"},            // letters in either case
        {"sv\n", "SV1.0.7-LNK\r\n"},              // LF alone ends a line too
        {"ni10.1.2.3\r\n", "NI10.1.2.3\r\n"},
        {"bt25\r\n", "BT25\r\n"},
        {"eh\r\n", "EH\r\n"},
        {"el\r\n", "EL\r\n"},
        {"zc\r\n", "ZC\r\n"},
        {"ma\r\n", "MA0,4,163,0,0,1,\r\n"},
        {"qq\r\n", "Error\r\n"},                  // unknown command
        {"n\r\n", "Error\r\n"},
        {"\r\n", ""},                             // an empty line is no command
        {"sv", ""},                               // nothing until the line ends
    };
    for (const Case& c : cases) {
        sim::Module module = Plain();
        EXPECT_EQ(Send(module, c.input), c.reply) << c.input;
    }
}

TEST(Module, CollectsALineAcrossReceivesAndKeepsLaterLinesApart) {
    sim::Module module = Plain();
    EXPECT_EQ(Send(module, "n"), "");
    EXPECT_EQ(Send(module, "i1.2.3.4\r"), "");
    EXPECT_EQ(Send(module, "\nni\r\nbb\r\n"), "NI1.2.3.4\r\nNI1.2.3.4\r\nBB15\r\n");
}

TEST(Module, DropsACommandLineLongerThanSixtyFourCharacters) {
    sim::Module module = Plain();
    const std::string longest = "qq" + std::string(60, 'x') + "\r\n";
    EXPECT_EQ(Send(module, longest), "Error\r\n");
    const std::string tooLong = "qq" + std::string(61, 'x') + "\r\n";
    EXPECT_EQ(Send(module, tooLong + "bb\r\n"), "BB15\r\n");
    EXPECT_EQ(Send(module, std::string(5000, 'n') + "\r\nsv\r\n"), "SV1.0.7-LNK\r\n");
}

TEST(Module, ReportsEveryChangeOfASetting) {
    sim::Module module = Plain();
    int changes = 0;
    module.OnSettingsChanged = [&] { ++changes; };
    Send(module, "ni\r\nni1.2.3.4\r\nni1.2.3.400\r\nma7\r\nsv\r\n");
    EXPECT_EQ(changes, 2);
}

TEST(Module, ReplyFaultsFireForTheirCountAndCommand) {
    struct Case {
        const char* name;
        sim::FaultRule sim::Faults::*rule;
        sim::FaultRule value;
        const char* input;
        const char* replies;
    } cases[] = {
        {"errors on sv", &sim::Faults::error, {2, "sv"}, "sv\r\nsv\r\nsv\r\nni\r\n",
         "Error\r\nError\r\nSV1.0.7-LNK\r\nNI192.168.0.20\r\n"},
        {"errors on ni", &sim::Faults::error, {1, "ni"}, "sv\r\nni\r\nni\r\n",
         "SV1.0.7-LNK\r\nError\r\nNI192.168.0.20\r\n"},
        {"silence", &sim::Faults::silence, {1, ""}, "sv\r\nsv\r\n", "SV1.0.7-LNK\r\n"},
        {"silence for ever", &sim::Faults::silence, {-1, "ba"}, "ba\r\nba\r\nbb\r\n",
         "BB15\r\n"},
        {"garbage", &sim::Faults::garbage, {1, "sv"}, "sv\r\nsv\r\n",
         "#~\x7f\x01?garbage\xfe\r\nSV1.0.7-LNK\r\n"},
    };
    for (const Case& c : cases) {
        sim::Faults faults;
        faults.*(c.rule) = c.value;
        sim::Module module(sim::Module::kDefaultVersion, faults);
        EXPECT_EQ(Send(module, c.input), c.replies) << c.name;
    }
}

TEST(Module, ARejectedOrUnheardSettingIsNotStored) {
    sim::Faults faults;
    faults.silence = {1, "ni"};
    faults.error = {1, "ng"};
    sim::Module module(sim::Module::kDefaultVersion, faults);
    EXPECT_EQ(Send(module, "ni1.1.1.1\r\nng2.2.2.2\r\nni\r\nng\r\n"),
              "Error\r\nNI192.168.0.20\r\nNG192.168.0.1\r\n");
}

TEST(Module, OverlongReplyPassesSixtyFourCharactersButStillStoresTheSetting) {
    sim::Faults faults;
    faults.overlong = {1, "ni"};
    sim::Module module(sim::Module::kDefaultVersion, faults);
    std::vector<sim::Output> out = module.Receive("ni9.9.9.9\r\n");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_GT(out[0].bytes.size(), 64u);
    EXPECT_EQ(out[0].bytes.substr(0, 9), "NI9.9.9.9");
    EXPECT_EQ(out[0].bytes.substr(out[0].bytes.size() - 2), "\r\n");
    EXPECT_EQ(Send(module, "ni\r\n"), "NI9.9.9.9\r\n");
}

TEST(Module, LateReplyCarriesItsDelayOnlyForItsCount) {
    sim::Faults faults;
    faults.late = {1, "sv"};
    faults.lateMs = 2500;
    sim::Module module(sim::Module::kDefaultVersion, faults);
    std::vector<sim::Output> out = module.Receive("sv\r\nsv\r\n");
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].bytes, "SV1.0.7-LNK\r\n");
    EXPECT_EQ(out[0].delayMs, 2500);
    EXPECT_EQ(out[1].delayMs, 0);
}

TEST(Module, MismatchKeepsAnAlteredValueForTheNamedCommandOnly) {
    sim::Faults faults;
    faults.mismatch = {"bh"};
    sim::Module module(sim::Module::kDefaultVersion, faults);
    EXPECT_EQ(Send(module, "bh50\r\nbj20\r\nbh\r\n"), "BH51\r\nBJ20\r\nBH51\r\n");
}

TEST(Module, AnswersWithTheConfiguredVersion) {
    sim::Module module("SV1.1.0-LNK", sim::Faults());
    EXPECT_EQ(Send(module, "sv\r\n"), "SV1.1.0-LNK\r\n");
}

std::string SendImage(sim::Module& module, const std::string& image) {
    std::string answers;
    for (size_t n = 1; n <= fixtures::BlockCount(image); ++n)
        answers += Send(module, fixtures::MakeBlock(n, image));
    return answers + Send(module, "\x04");
}

TEST(Module, TransferAfterZpAcksEveryBlockAndTheEndThenTakesCommandsAgain) {
    sim::Module module = Plain();
    std::string received;
    module.OnImageReceived = [&](const std::string& image) { received = image; };
    std::string image(300, 'x');
    image[5] = '\r';   // bytes that mean something on a command line travel as data
    image[6] = '\n';

    EXPECT_EQ(Send(module, "zp\r\n"), kNak);
    EXPECT_TRUE(module.InTransfer());
    EXPECT_EQ(SendImage(module, image), kAck + kAck + kAck + kAck);
    EXPECT_FALSE(module.InTransfer());
    ASSERT_EQ(received.size(), 384u);
    EXPECT_EQ(received.substr(0, 300), image);
    EXPECT_EQ(received.substr(300), std::string(84, '\xFF'));
    EXPECT_EQ(Send(module, "sv\r\n"), "SV1.0.7-LNK\r\n");
}

TEST(Module, DroppedAcksAreNotSentButTheBlocksAreKept) {
    sim::Faults faults;
    faults.droppedAcks = {2};
    faults.dropEotAck = true;
    sim::Module module(sim::Module::kDefaultVersion, faults);
    std::string received;
    module.OnImageReceived = [&](const std::string& image) { received = image; };
    Send(module, "zp\r\n");
    EXPECT_EQ(SendImage(module, std::string(300, 'y')), kAck + kAck);
    EXPECT_EQ(received.substr(0, 300), std::string(300, 'y'));
}

TEST(Module, ResetAbandonsATransferAndAPartialLine) {
    sim::Module module = Plain();
    bool finished = false;
    module.OnImageReceived = [&](const std::string&) { finished = true; };
    Send(module, "zp\r\n");
    Send(module, fixtures::MakeBlock(1, "abc").substr(0, 50));
    module.Reset();
    EXPECT_FALSE(module.InTransfer());
    Send(module, "ni1.2");
    module.Reset();
    EXPECT_EQ(Send(module, "sv\r\n"), "SV1.0.7-LNK\r\n");
    EXPECT_FALSE(finished);
}

}  // namespace
