// The command line of korvan-sim.
#include <gtest/gtest.h>

#include "Options.h"

namespace {

sim::Options Parse(std::vector<std::string> args) {
    sim::Options options;
    std::string error;
    EXPECT_TRUE(sim::ParseOptions(args, options, error)) << error;
    return options;
}

TEST(Options, DefaultsAreAPlainUnpacedModule) {
    sim::Options options = Parse({});
    EXPECT_EQ(options.version, "SV1.0.7-LNK");
    EXPECT_EQ(options.baud, 0);
    EXPECT_EQ(options.faults.error.count, 0);
    EXPECT_EQ(options.faults.silence.count, 0);
    EXPECT_TRUE(options.faults.mismatch.empty());
    EXPECT_TRUE(options.stateFile.empty());
}

TEST(Options, ReadsEverySwitch) {
    sim::Options options = Parse({"--version=SV1.1.0-LNK", "--state=/tmp/s", "--unpack=/tmp/u",
                                  "--link=/tmp/l", "--baud=19200", "--quiet", "--error=5",
                                  "--silence=all:ni", "--garbage=2", "--overlong=1:bb",
                                  "--late=1:sv", "--late-ms=2500", "--mismatch=bt",
                                  "--mismatch=eo", "--drop-ack=3,eot,7"});
    EXPECT_EQ(options.version, "SV1.1.0-LNK");
    EXPECT_EQ(options.stateFile, "/tmp/s");
    EXPECT_EQ(options.unpackDir, "/tmp/u");
    EXPECT_EQ(options.linkPath, "/tmp/l");
    EXPECT_EQ(options.baud, 19200);
    EXPECT_TRUE(options.quiet);
    EXPECT_EQ(options.faults.error.count, 5);
    EXPECT_EQ(options.faults.error.command, "sv");
    EXPECT_EQ(options.faults.silence.count, -1);
    EXPECT_EQ(options.faults.silence.command, "ni");
    EXPECT_EQ(options.faults.garbage.count, 2);
    EXPECT_EQ(options.faults.garbage.command, "");
    EXPECT_EQ(options.faults.overlong.command, "bb");
    EXPECT_EQ(options.faults.late.count, 1);
    EXPECT_EQ(options.faults.lateMs, 2500);
    EXPECT_EQ(options.faults.mismatch, (std::set<std::string>{"bt", "eo"}));
    EXPECT_EQ(options.faults.droppedAcks, (std::set<size_t>{3, 7}));
    EXPECT_TRUE(options.faults.dropEotAck);
}

TEST(Options, ErrorFaultCanNameAnotherCommand) {
    EXPECT_EQ(Parse({"--error=1:ni"}).faults.error.command, "ni");
}

TEST(Options, RefusesBadArgumentsNamingThem) {
    const std::string bad[] = {"--nonsense",     "--baud=fast",   "--baud=10",     "--error=x",
                         "--error=1:NI",   "--error=1:nix", "--silence=",    "--mismatch=sv",
                         "--mismatch=n",   "--drop-ack=",   "--drop-ack=0",  "--drop-ack=2,x",
                         "--version=",     "--state=",      "--late-ms=-1",
                         "--version=SV1.0.7-LNK" + std::string(52, 'x')};
    for (const std::string& arg : bad) {
        sim::Options options;
        std::string error;
        EXPECT_FALSE(sim::ParseOptions({arg}, options, error)) << arg;
        EXPECT_NE(error.find(arg.substr(0, arg.find('='))), std::string::npos)
            << error;
    }
}

}  // namespace
