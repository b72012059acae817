// The uninstaller's per-entry steps on real files, folders and shared-use counts under Wine.
#include "UnSteps.h"

#include <gtest/gtest.h>

#include "RegOp.h"
#include "SysPaths.h"
#include "UninstallFixture.h"

namespace {

using testsupport::ScratchDir;
using untest::Exists;
using untest::MakeDir;
using untest::Touch;

class StepsTest : public ::testing::Test {
protected:
    StepsTest() {
        rules_.exePath = scratch_ / "App\\UnInstall.exe";
        rules_.exeDir = scratch_ / "App";
    }
    ScratchDir scratch_;
    TEntryRules rules_;
};

TEST_F(StepsTest, PlainFileIsDeletedAndAMissingOneIsNoFailure) {
    std::string file = Touch(scratch_ / "App\\a.txt");
    EXPECT_EQ(RemoveFileStep(rules_, file), StepResult::Done);
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(RemoveFileStep(rules_, file), StepResult::Done);
    EXPECT_EQ(RemoveFileStep(rules_, ""), StepResult::Done);
}

TEST_F(StepsTest, FileThatCannotBeDeletedFails) {
    std::string file = Touch(scratch_ / "App\\open.txt");
    HANDLE open = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    EXPECT_EQ(RemoveFileStep(rules_, file), StepResult::Failed);
    CloseHandle(open);
    EXPECT_TRUE(Exists(file));
}

TEST_F(StepsTest, ReadOnlyFilesNeedTheirOwnStep) {
    std::string file = Touch(scratch_ / "App\\ro.txt");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(RemoveFileStep(rules_, file), StepResult::Failed);
    EXPECT_EQ(RemoveReadOnlyFileStep(rules_, file), StepResult::Done);
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(RemoveReadOnlyFileStep(rules_, file), StepResult::Done);
}

TEST_F(StepsTest, TheUninstallerItselfIsLeftForItsBatch) {
    Touch(rules_.exePath);
    std::string sameInOtherCase = rules_.exePath;
    for (char& c : sameInOtherCase) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(RemoveFileStep(rules_, sameInOtherCase), StepResult::Done);
    EXPECT_TRUE(Exists(rules_.exePath));
    EXPECT_EQ(RemoveForcedDirStep(rules_, rules_.exeDir + "\\"), StepResult::Done);
    EXPECT_EQ(RemoveDirStep(rules_, rules_.exeDir), StepResult::Done);
    EXPECT_TRUE(Exists(rules_.exePath));
}

TEST_F(StepsTest, ProtectedDirectoriesAreSkippedByTextualPrefix) {
    rules_.protectedDirectories = {scratch_ / "App\\Data"};
    std::string kept = Touch(scratch_ / "App\\Data\\a.dat");
    MakeDir(scratch_ / "Ap");
    EXPECT_EQ(RemoveFileStep(rules_, kept), StepResult::Skipped);
    EXPECT_EQ(RemoveDirStep(rules_, scratch_ / "App"), StepResult::Skipped);
    EXPECT_EQ(RemoveDirStep(rules_, scratch_ / "Ap"), StepResult::Skipped);
    EXPECT_TRUE(Exists(kept));
    EXPECT_TRUE(Exists(scratch_ / "Ap"));
    // A forced removal does not look at them.
    EXPECT_EQ(RemoveForcedDirStep(rules_, scratch_ / "App\\Data"), StepResult::Done);
    EXPECT_FALSE(Exists(kept));
}

TEST_F(StepsTest, DirectoryIsRemovedOnlyWhenEmpty) {
    std::string empty = MakeDir(scratch_ / "Empty");
    std::string full = Touch(scratch_ / "Full\\left.txt");
    EXPECT_EQ(RemoveDirStep(rules_, empty), StepResult::Done);
    EXPECT_FALSE(Exists(empty));
    EXPECT_EQ(RemoveDirStep(rules_, scratch_ / "Full"), StepResult::Failed);
    EXPECT_TRUE(Exists(full));
    EXPECT_EQ(RemoveDirStep(rules_, scratch_ / "Absent"), StepResult::Done);
}

TEST_F(StepsTest, ToleratedDirectoryExcusesItselfAndWhatLiesAbove) {
    rules_.toleratedDirectories = {scratch_ / "App\\Data"};
    Touch(scratch_ / "App\\Data\\permanent.dat");
    Touch(scratch_ / "Other\\left.txt");
    EXPECT_EQ(RemoveDirStep(rules_, scratch_ / "App\\Data"), StepResult::Done);
    EXPECT_EQ(RemoveDirStep(rules_, scratch_ / "App"), StepResult::Done);
    EXPECT_TRUE(Exists(scratch_ / "App\\Data\\permanent.dat"));
    EXPECT_EQ(RemoveDirStep(rules_, scratch_ / "Other"), StepResult::Failed);
}

TEST_F(StepsTest, ForcedRemovalDeletesReadOnlyContents) {
    std::string deep = Touch(scratch_ / "Tree\\Sub\\deep.txt");
    SetFileAttributesA(deep.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(RemoveForcedDirStep(rules_, scratch_ / "Tree"), StepResult::Done);
    EXPECT_FALSE(Exists(scratch_ / "Tree"));
    EXPECT_EQ(RemoveForcedDirStep(rules_, scratch_ / "Tree"), StepResult::Done);
}

TEST_F(StepsTest, SystemDirectoriesAreNeverRemoved) {
    std::string system = Touch(scratch_ / "Sys\\kept.dll");
    rules_.systemDirectories = {scratch_ / "Sys"};
    MakeDir(scratch_ / "SysEmpty");
    rules_.systemDirectories.push_back(scratch_ / "SysEmpty");
    for (const std::string& path : {scratch_ / "Sys", scratch_ / "Sys\\", scratch_ / "sys"}) {
        EXPECT_EQ(RemoveForcedDirStep(rules_, path), StepResult::Done) << path;
    }
    EXPECT_EQ(RemoveDirStep(rules_, scratch_ / "SysEmpty\\"), StepResult::Done);
    EXPECT_TRUE(Exists(system));
    EXPECT_TRUE(Exists(scratch_ / "SysEmpty"));
}

TEST_F(StepsTest, ForcedRemovalStaysOutOfGuardedFoldersAndAbove) {
    rules_.guardedDirectories = {scratch_ / "Users\\me"};
    std::string own = Touch(scratch_ / "Users\\me\\Documents\\letter.txt");
    struct Case {
        std::string path;
        StepResult result;
    } cases[] = {
        {scratch_ / "Users\\me", StepResult::Failed},
        {scratch_ / "Users", StepResult::Failed},
        {scratch_ / "Users\\..\\Users\\.\\", StepResult::Failed},
        {scratch_.Path(), StepResult::Failed},
        {"C:\\", StepResult::Failed},
        {"C:", StepResult::Failed},
        {".", StepResult::Failed},
        {"..", StepResult::Failed},
    };
    for (const Case& c : cases) EXPECT_EQ(RemoveForcedDirStep(rules_, c.path), c.result) << c.path;
    EXPECT_TRUE(Exists(own));
    // Below a guarded folder is the installation's own business.
    EXPECT_EQ(RemoveForcedDirStep(rules_, scratch_ / "Users\\me\\Documents"), StepResult::Done);
    EXPECT_FALSE(Exists(own));
}

TEST(SystemEntryRulesTest, GuardsTheRealSystemFoldersAndTheProfile) {
    TEntryRules rules = SystemEntryRules(ExePath());
    for (const std::string& path : {WindowsDir(false), WindowsDir(true), SystemDir(true),
                                    TempDir(false)}) {
        EXPECT_TRUE(IsSystemDir(rules, path)) << path;
        EXPECT_EQ(RemoveForcedDirStep(rules, path), StepResult::Done) << path;
        EXPECT_TRUE(Exists(path)) << path;
    }
    char profile[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH));
    EXPECT_EQ(RemoveForcedDirStep(rules, profile), StepResult::Failed);
    EXPECT_EQ(RemoveForcedDirStep(rules, WindowsDir(true) + ".."), StepResult::Failed);
    EXPECT_TRUE(Exists(profile));
}

class SharedStepTest : public StepsTest {
protected:
    std::string SharedFile(const std::string& name, int count) {
        std::string path = Touch(scratch_ / ("Common\\" + name));
        for (int k = 0; k < count; ++k) AddSharedDll(path);
        return path;
    }
    ~SharedStepTest() override {
        for (const std::string& path : rules_.keptSharedFiles)
            while (ReleaseSharedDll(path) > 0) {
            }
    }
};

TEST_F(SharedStepTest, CountAboveOneIsLoweredAndTheFileKeptByBothEntries) {
    std::string shared = SharedFile("lib.dll", 3);
    EXPECT_EQ(RemoveSharedFileStep(rules_, shared), StepResult::Done);
    EXPECT_TRUE(Exists(shared));
    EXPECT_EQ(RemoveFileStep(rules_, shared), StepResult::Done);
    EXPECT_TRUE(Exists(shared));
    EXPECT_EQ(AddSharedDll(shared), 3);  // it was 2
}

TEST_F(SharedStepTest, LastUserOrNoCountDeletesTheFile) {
    std::string last = SharedFile("last.dll", 1);
    std::string uncounted = SharedFile("uncounted.dll", 0);
    EXPECT_EQ(RemoveSharedFileStep(rules_, last), StepResult::Done);
    EXPECT_EQ(RemoveSharedFileStep(rules_, uncounted), StepResult::Done);
    EXPECT_FALSE(Exists(last));
    EXPECT_FALSE(Exists(uncounted));
    EXPECT_EQ(AddSharedDll(last), 1);  // the count had gone
    ReleaseSharedDll(last);
}

TEST_F(SharedStepTest, SharedAndReadOnlyFileIsDeletedByTheSharedStep) {
    std::string file = SharedFile("ro.dll", 1);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    rules_.readOnlyFiles = {file};
    EXPECT_EQ(RemoveSharedFileStep(rules_, file), StepResult::Done);
    EXPECT_FALSE(Exists(file));
}

}  // namespace
