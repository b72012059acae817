// COM self-registration with a server of our own, which creates and deletes a sandbox key.
#include <gtest/gtest.h>
#include <windows.h>

#include "OpsFixtures.h"
#include "RegSvr.h"
#include "scratch_dir.h"

namespace {

const char kServerKey[] = "Software\\KorvanTests\\ComServer";

class RegSvrTest : public ::testing::Test {
protected:
    void TearDown() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, kServerKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KorvanTests");
    }
    testsupport::ScratchDir scratch;
};

TEST_F(RegSvrTest, RegistersADllAndAnUpperCaseOcx) {
    for (const char* name : {"server.dll", "SERVER.OCX"}) {
        std::string file = opstest::CopyFixture("korvan_com_server.dll", scratch.Path(), name);
        RegDeleteKeyA(HKEY_CURRENT_USER, kServerKey);
        EXPECT_TRUE(RegisterServer(file, true)) << name;
        EXPECT_TRUE(opstest::HkcuKeyExists(kServerKey)) << name;
    }
}

TEST_F(RegSvrTest, APositiveStatusCountsAsFailure) {
    std::string file = opstest::CopyFixture("korvan_com_server.dll", scratch.Path(), "server.dll");
    ASSERT_TRUE(RegisterServer(file, true));
    // The unregister entry ran (the key is gone) but answered S_FALSE.
    EXPECT_FALSE(RegisterServer(file, false));
    EXPECT_FALSE(opstest::HkcuKeyExists(kServerKey));
}

TEST_F(RegSvrTest, OtherExtensionsAreNotLoaded) {
    std::string file = opstest::CopyFixture("korvan_com_server.dll", scratch.Path(), "server.exe");
    EXPECT_FALSE(RegisterServer(file, true));
    EXPECT_FALSE(opstest::HkcuKeyExists(kServerKey));
}

TEST_F(RegSvrTest, MissingLibraryOrEntryFails) {
    EXPECT_FALSE(RegisterServer(scratch / "absent.dll", true));
    // A real library without the entry points.
    std::string file =
        opstest::CopyFixture("korvan_version_library.dll", scratch.Path(), "plain.dll");
    EXPECT_FALSE(RegisterServer(file, true));
}

}  // namespace
