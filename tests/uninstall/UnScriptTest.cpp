#include "UnScript.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(UnScriptHeader, FirstMatchingLineWinsIgnoringCaseOfTheName) {
    Lines script = {"Version=1.0", "prog_name=First", "PROG_NAME=Second", "PROG_NAME =Spaced",
                    "S1=a=b"};
    EXPECT_EQ(HeaderValue(script, "PROG_NAME"), "First");
    EXPECT_EQ(HeaderValue(script, "S1"), "a=b");
    EXPECT_EQ(HeaderValue(script, "PROG_NAME "), "Spaced");  // the name is not trimmed
    EXPECT_EQ(HeaderValue(script, "COMPANY_URL"), "");
}

TEST(UnScriptHeader, CharSetIsADecimalNumberOrZero) {
    struct Case {
        const char* line;
        int charSet;
    } cases[] = {{"CHAR_SET=177", 177}, {"CHAR_SET=", 0}, {"CHAR_SET=17x", 0},
                 {"CHAR_SET= 178", 0}, {"CHAR_SET=99999999999999", 0}, {"OTHER=1", 0}};
    for (const Case& c : cases) EXPECT_EQ(HeaderCharSet({c.line}), c.charSet) << c.line;
    EXPECT_TRUE(IsRightToLeftCharSet(177));
    EXPECT_TRUE(IsRightToLeftCharSet(178));
    EXPECT_FALSE(IsRightToLeftCharSet(176));
    EXPECT_FALSE(IsRightToLeftCharSet(179));
}

TEST(UnScriptCommands, KeywordsArgumentsAndIgnoredLines) {
    Lines script = {
        "PROG_NAME=App",
        "",
        "   REMOVE_FILE(C:\\App\\a.txt);",
        "REMOVE_FILE(C:\\App\\a.txt)",
        "REMOVE_FILE(C:\\App\\b (copy).txt);",
        "REMOVE_FILE",
        "remove_file(C:\\App\\lower.txt);",
        "REMOVE_SHARED_FILE(C:\\Common\\s.dll);",
        "REMOVE_READONLY_FILE(C:\\App\\r.txt);",
        "REMOVE_SERVICE_FILE(C:\\App\\lib.dll);",
        "REMOVE_FOLDER(C:\\Menu\\App);",
        "FORCE_REMOVE_FOLDER(C:\\Menu\\App\\Sub);",
        "REMOVE_REG_KEY(HKEY_LOCAL_MACHINE\\Software\\App);",
        "SET_PERFORM_EXECUTE_OP(|UnInstall Start|x|);",
        "SET_ADD_OPEN_WITH_ITEM(|App|.txt,.log|);",
    };
    TUninstallCommands commands = ParseCommands(script, nullptr);
    EXPECT_EQ(commands.files,
              (Lines{"C:\\App\\a.txt", "C:\\App\\a.txt", "C:\\App\\b (copy).txt", ""}));
    EXPECT_EQ(commands.sharedFiles, Lines{"C:\\Common\\s.dll"});
    EXPECT_EQ(commands.readOnlyFiles, Lines{"C:\\App\\r.txt"});
    EXPECT_EQ(commands.serviceFiles, Lines{"C:\\App\\lib.dll"});
    EXPECT_EQ(commands.folders, Lines{"C:\\Menu\\App"});
    EXPECT_EQ(commands.forcedFolders, Lines{"C:\\Menu\\App\\Sub"});
    EXPECT_EQ(commands.registryKeys, Lines{"HKEY_LOCAL_MACHINE\\Software\\App"});
    EXPECT_EQ(commands.executeItems, Lines{"|UnInstall Start|x|"});
    EXPECT_EQ(commands.openWithItems, Lines{"|App|.txt,.log|"});
}

TEST(UnScriptCommands, ForcedDirectoriesLeaveThePlainListAndTheLastLibraryWins) {
    Lines script = {"REMOVE_DIR(C:\\App);", "FORCE_REMOVE_DIR(c:\\app);", "REMOVE_DIR(C:\\Other);",
                    "SET_EXECUTION_DLL_NAME(first.dll);", "SET_EXECUTION_DLL_NAME(second.dll);",
                    "DONT_REMOVE_DIR(C:\\App\\Data);", "AVOID_ERR_REMOVE_DIR(C:\\App\\Keep);"};
    Lines libraries;
    TUninstallCommands commands =
        ParseCommands(script, [&](const std::string& name) { libraries.push_back(name); });
    EXPECT_EQ(commands.directories, Lines{"C:\\Other"});
    EXPECT_EQ(commands.forcedDirectories, Lines{"c:\\app"});
    EXPECT_EQ(commands.protectedDirectories, Lines{"C:\\App\\Data"});
    EXPECT_EQ(commands.toleratedDirectories, Lines{"C:\\App\\Keep"});
    EXPECT_EQ(commands.libraryName, "second.dll");
    EXPECT_EQ(libraries, (Lines{"first.dll", "second.dll"}));
}

TEST(UnScriptOrder, LongestFirstThenReverseAlphabeticalIgnoringCase) {
    Lines list = {"C:\\App\\x.dll", "C:\\App", "C:\\App\\Sub\\x.dll", "C:\\App\\b.dll",
                  "C:\\App\\Sub", "c:\\app\\A.dll"};
    SortForLongestFirst(list, AsciiTextOrder);
    Lines visited(list.rbegin(), list.rend());
    EXPECT_EQ(visited, (Lines{"C:\\App\\Sub\\x.dll", "C:\\App\\x.dll", "C:\\App\\b.dll",
                              "c:\\app\\A.dll", "C:\\App\\Sub", "C:\\App"}));
}

TEST(UnScriptOrder, EntriesLongerThanTheKeyWidthStayWhole) {
    std::string huge(12000, 'x');
    Lines list = {"C:\\a", huge};
    SortForLongestFirst(list, AsciiTextOrder);
    EXPECT_EQ(list, (Lines{"C:\\a", huge}));
}

TEST(UnScriptRules, ProtectedToleratedAndSystemDirectories) {
    Lines protectedDirs = {"C:\\App\\Data"};
    EXPECT_TRUE(BeginsWithAny("C:\\App\\Data\\a.dat", protectedDirs));
    EXPECT_TRUE(BeginsWithAny("c:\\app\\data", protectedDirs));
    EXPECT_FALSE(BeginsWithAny("C:\\App\\a.dat", protectedDirs));
    // A directory is skipped when a protected one lies under it, textually.
    EXPECT_TRUE(AnyBeginsWith(protectedDirs, "C:\\App"));
    EXPECT_TRUE(AnyBeginsWith(protectedDirs, "C:\\Ap"));
    EXPECT_FALSE(AnyBeginsWith(protectedDirs, "C:\\Other"));

    Lines systemDirs = {"C:\\windows", "C:\\windows\\system32"};
    EXPECT_TRUE(IsAmongSystemDirs("C:\\Windows\\", systemDirs));
    EXPECT_TRUE(IsAmongSystemDirs("c:\\WINDOWS\\System32", systemDirs));
    EXPECT_FALSE(IsAmongSystemDirs("C:\\Windows\\Temp", systemDirs));
}

TEST(UnScriptRules, ForcedRemovalNeverReachesRootsSystemOrProfileFolders) {
    Lines guarded = {"C:\\windows", "C:\\windows\\system32", "C:\\Program Files",
                     "C:\\users\\root"};
    struct Case {
        const char* path;
        bool safe;
    } cases[] = {
        {"C:\\", false},
        {"C:", false},
        {"d:/", false},
        {"\\", false},
        {"\\\\server\\share\\", false},
        {"\\\\?\\C:\\", false},
        {"C:\\Windows", false},
        {"c:\\windows\\", false},
        {"C:\\Windows\\System32", false},
        {"C:\\Users", false},            // above the profile folder
        {"C:\\users\\root", false},
        {"C:\\Program Files", false},
        {"C:/Program Files/", false},
        {"C:\\Program Files\\App", true},
        {"C:\\users\\root\\AppData\\App", true},
        {"C:\\Windows\\Temp\\App", true},
        {"C:\\App", true},
        {"C:\\Prog", true},              // a textual prefix of a guarded folder is not above it
        {"\\\\server\\share\\App", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsSafeForForcedRemoval(c.path, guarded), c.safe) << c.path;
}

TEST(UnScriptReport, GroupsInOrderWithTheirClosingLines) {
    TUninstallFailures none;
    EXPECT_EQ(ClosingReport(none), "");

    TUninstallFailures registryAndDirectories;
    registryAndDirectories.registry = 2;
    registryAndDirectories.directories = 1;
    EXPECT_EQ(ClosingReport(registryAndDirectories),
              "UnInstall was unable to handle one or more Registry keys\\n"
              "\\nTo complete the UnInstall operation, Please handle them manually."
              "\\n\\n"
              "UnInstall was unable to remove one or more Directories\\n"
              "\\nTo complete the UnInstall operation, Please remove them manually.");

    TUninstallFailures all;
    all.files = all.directories = all.registry = all.ini = all.associations = all.executions = 1;
    EXPECT_EQ(ClosingReport(all),
              "UnInstall was unable to handle one or more Registry keys\\n"
              "UnInstall was unable to handle one or more IniFile entries\\n"
              "UnInstall was unable to handle one or more File Association entries\\n"
              "\\nTo complete the UnInstall operation, Please handle them manually."
              "\\n\\n"
              "UnInstall was unable to remove one or more Directories\\n"
              "UnInstall was unable to remove one or more Files\\n"
              "\\nTo complete the UnInstall operation, Please remove them manually."
              "\\n\\n"
              "UnInstall was unable to execute one or more operations\\n"
              "\\nTo complete the UnInstall operation, Please perform them manually.");
}

TEST(UnScriptSelfDelete, BatchRetriesThenRemovesDirectoryAndItself) {
    EXPECT_EQ(SelfDeleteBatch("C:\\PROGRA~1\\APP\\UNINST~1.EXE", "C:\\PROGRA~1\\APP",
                              "C:\\TEMP\\_DEL_ME_.BAT", true),
              ":START\r\nDEL C:\\PROGRA~1\\APP\\UNINST~1.EXE\r\nIF errorlevel 1 GOTO START\r\n"
              "RD C:\\PROGRA~1\\APP\r\nDEL C:\\TEMP\\_DEL_ME_.BAT\r\n");
    EXPECT_EQ(SelfDeleteBatch("A.EXE", "D", "B.BAT", false),
              ":START\r\nDEL A.EXE\r\nIF errorlevel 1 GOTO START\r\nDEL B.BAT\r\n");
    // Where the volume has no short names the long path comes back, blanks and all.
    EXPECT_EQ(SelfDeleteBatch("D:\\My Apps\\UnInstall.exe", "D:\\My Apps", "C:\\TEMP\\_DEL_ME_.BAT",
                              true),
              ":START\r\nDEL \"D:\\My Apps\\UnInstall.exe\"\r\nIF errorlevel 1 GOTO START\r\n"
              "RD \"D:\\My Apps\"\r\nDEL C:\\TEMP\\_DEL_ME_.BAT\r\n");
}

TEST(UnScriptLog, PhaseAndEntryLines) {
    EXPECT_EQ(PhaseLogLines("REMOVE FILES"), (Lines{"", "REMOVE FILES "}));
    EXPECT_EQ(EntryLogLine("C:\\a.txt", false), "\tC:\\a.txt ");
    EXPECT_EQ(EntryLogLine("C:\\a.txt", true), "*\tC:\\a.txt ");
}

TEST(ScriptPathForTest, ReplacesOnlyTheExtensionOfTheProgramName) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\App\\UnInstall.exe", "C:\\App\\UnInstall.txt"},
        {"C:\\App\\UnInstall_V2.exe", "C:\\App\\UnInstall_V2.txt"},
        {"C:\\My.App\\UnInstall", "C:\\My.App\\UnInstall.txt"},
        {"C:\\App\\Un.Install.EXE", "C:\\App\\Un.Install.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(ScriptPathFor(c.first), c.second) << c.first;
}

}  // namespace
