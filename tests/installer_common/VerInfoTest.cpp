// Version resources of libraries of our own.
#include <gtest/gtest.h>

#include "OpsFixtures.h"
#include "VerInfo.h"
#include "scratch_dir.h"

namespace {

TEST(VerInfo, ReadsTranslationsInResourceOrder) {
    TVersionInfo info(opstest::Fixture("korvan_version_library.dll"));
    ASSERT_TRUE(info.Valid());
    ASSERT_EQ(info.Translations().size(), 2u);
    EXPECT_EQ(info.Translations()[0], "040904E4");
    EXPECT_EQ(info.Translations()[1], "040704B0");
    EXPECT_EQ(info.LanguageNames().size(), 2u);
}

TEST(VerInfo, StringValuesFollowTranslationOrder) {
    TVersionInfo info(opstest::Fixture("korvan_version_library.dll"));
    EXPECT_EQ(info.StringValue("ProductName"), "Korvan Test (English)");
    EXPECT_EQ(info.StringValue("Comments"), "only in the second translation");
    EXPECT_EQ(info.StringValue("FileVersion"), "1.2.0.7");
    EXPECT_EQ(info.StringValue("CompanyName"), "");
}

TEST(VerInfo, FileVersionText) {
    EXPECT_EQ(FileVersionText(opstest::Fixture("korvan_version_library.dll"), 5),
              "00001.00002.00000.00007");
    // A resource without the "FileVersion" text.
    EXPECT_EQ(FileVersionText(opstest::Fixture("korvan_no_file_version.dll"), 5), "00000");
    // A program without any version resource.
    EXPECT_EQ(FileVersionText(opstest::Fixture("korvan_process_helper.exe"), 5), "");
}

TEST(VerInfo, AFileWithoutResourceIsInvalid) {
    testsupport::ScratchDir scratch;
    ASSERT_TRUE(testsupport::WriteFileBytes(scratch / "plain.txt", "no resource here"));
    for (const std::string& file : {scratch / "plain.txt", scratch / "missing.dll"}) {
        TVersionInfo info(file);
        EXPECT_FALSE(info.Valid()) << file;
        EXPECT_TRUE(info.Translations().empty());
        EXPECT_EQ(info.StringValue("FileVersion"), "");
    }
}

}  // namespace
