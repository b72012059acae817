// File associations and open-with verbs in HKEY_CLASSES_ROOT.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include "RegOp.h"

namespace {

std::string ClassesText(const std::string& subKey, const std::string& name = "") {
    bool isInteger = false;
    if (!RegKeyExists("HKEY_CLASSES_ROOT\\" + subKey)) return "<no key>";
    return ReadRegValueText("HKEY_CLASSES_ROOT\\" + subKey, name, isInteger);
}

class RegAssocTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const char* key : {".korvantest", ".korvanlog", "KorvanTest.Document",
                                "KorvanTest.Log", "Folder\\shell\\KorvanOpen", "Shell"})
            SHDeleteKeyA(HKEY_CLASSES_ROOT, key);
        NotifyAssociationChange();
    }
};

TEST_F(RegAssocTest, ItemQuotesTheProgramAndAddsTheFileArgument) {
    std::string item = "|KorvanTest.Document|Korvan test file|korvantest||C:\\App\\app.exe|||"
                       "Create|Remove|";
    NotifyAssociationChange();
    ASSERT_TRUE(Associate(item, true));
    EXPECT_TRUE(AssociationChanged());
    EXPECT_EQ(ClassesText(".korvantest"), "KorvanTest.Document");
    EXPECT_EQ(ClassesText("KorvanTest.Document"), "Korvan test file");
    EXPECT_EQ(ClassesText("KorvanTest.Document\\shell\\open\\command"),
              "\"C:\\App\\app.exe\" \"%1\"");
    NotifyAssociationChange();
    EXPECT_FALSE(AssociationChanged());

    ASSERT_TRUE(Associate(item, false));
    EXPECT_TRUE(AssociationChanged());
    EXPECT_EQ(ClassesText(".korvantest"), "<no key>");
}

TEST_F(RegAssocTest, CommandForms) {
    const struct {
        const char* command;
        const char* expected;
    } cases[] = {{"C:\\App\\app.exe /view", "\"C:\\App\\app.exe /view\" \"%1\""},
                 {"\"C:\\App\\app.exe\" /view %1", "\"C:\\App\\app.exe\" /view %1"},
                 {"C:\\App\\app.exe %1", "\"C:\\App\\app.exe %1\""}};
    for (const auto& c : cases) {
        ASSERT_TRUE(CreateAssociation("KorvanTest.Document", "d", ".korvantest", c.command));
        EXPECT_EQ(ClassesText("KorvanTest.Document\\shell\\open\\command"), c.expected);
    }
}

TEST_F(RegAssocTest, EmptyCommandChangesNothing) {
    EXPECT_FALSE(CreateAssociation("KorvanTest.Document", "d", "korvantest", ""));
    EXPECT_EQ(ClassesText(".korvantest"), "<no key>");
    EXPECT_FALSE(Associate("|KorvanTest.Document|d|korvantest||C:\\a.exe|||Add|Remove|", true));
}

TEST_F(RegAssocTest, EmptyNamesNeverAddressTheRoot) {
    ASSERT_TRUE(CreateAssociation("KorvanTest.Document", "d", "korvantest", "C:\\a.exe"));
    bool isInteger = false;
    std::string rootDefault = ReadRegValueText("HKEY_CLASSES_ROOT\\", "", isInteger);
    EXPECT_TRUE(CreateAssociation("", "Broken", "", "C:\\b.exe"));
    EXPECT_TRUE(RemoveAssociation("", ""));
    EXPECT_EQ(ReadRegValueText("HKEY_CLASSES_ROOT\\", "", isInteger), rootDefault);
    EXPECT_EQ(ClassesText(".korvantest"), "KorvanTest.Document");
}

TEST_F(RegAssocTest, ExtensionListNormalisation) {
    const struct {
        const char* list;
        const char* expected;
    } cases[] = {{"*.txt; *.log", ";.txt;.log;"},
                 {"txt,,log", ";.txt;.;.log;"},
                 {" ..doc ", ";.doc;"},
                 {"*", ";.;"},
                 {"", ";.;"}};
    for (const auto& c : cases) EXPECT_EQ(NormalizeExtensionList(c.list), c.expected) << c.list;
}

TEST_F(RegAssocTest, OpenWithAddsAndRemovesTheVerb) {
    ASSERT_TRUE(CreateAssociation("KorvanTest.Document", "d", ".korvantest", "C:\\a.exe"));
    ASSERT_TRUE(CreateAssociation("KorvanTest.Log", "l", ".korvanlog", "C:\\a.exe"));
    ASSERT_TRUE(OpenWith("KorvanOpen", "Open with Korvan", "C:\\Korvan\\k.exe", true,
                         "*.korvantest; *.korvanlog"));
    for (const char* key : {"Folder\\shell\\KorvanOpen", "KorvanTest.Document\\Shell\\KorvanOpen",
                            "KorvanTest.Log\\Shell\\KorvanOpen"}) {
        EXPECT_EQ(ClassesText(key), "Open with Korvan") << key;
        EXPECT_EQ(ClassesText(std::string(key) + "\\command"), "C:\\Korvan\\k.exe \"%1\"") << key;
    }
    ASSERT_TRUE(OpenWith("KorvanOpen", "", "", false, "*.korvantest; *.korvanlog"));
    EXPECT_EQ(ClassesText("Folder\\shell\\KorvanOpen"), "<no key>");
    EXPECT_EQ(ClassesText("KorvanTest.Log\\Shell\\KorvanOpen"), "<no key>");
    EXPECT_EQ(ClassesText("KorvanTest.Log"), "l");
}

TEST_F(RegAssocTest, OpenWithNeedsANameAndWritesOnlyWithTextAndProgram) {
    EXPECT_FALSE(OpenWith("", "Menu", "C:\\k.exe", true, "*.korvantest"));
    ASSERT_TRUE(OpenWith("KorvanOpen", "", "C:\\k.exe", true, "*.korvantest"));
    EXPECT_EQ(ClassesText("Folder\\shell\\KorvanOpen"), "<no key>");
}

}  // namespace
