// The binding of a product execution library, with a library of our own.
#include <gtest/gtest.h>
#include <windows.h>

#include "ExecDll.h"
#include "OpsFixtures.h"
#include "ScriptedInteraction.h"
#include "scratch_dir.h"

namespace {

class ExecDllTest : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = opstest::CopyFixture("korvan_exec_library.dll", scratch_.Path(), "product.dll");
    }
    testsupport::ScratchDir scratch_;
    ui::ScriptedInteraction script_;
    std::string library_;
};

TEST_F(ExecDllTest, LoadsOnlyTheAliasesTheLibraryNames) {
    TExecDll dll(nullptr);
    EXPECT_FALSE(dll.HasEntries());
    dll.LoadEntries(library_, true, true);
    ASSERT_TRUE(dll.HasEntries());
    std::vector<std::string> expected = {
        "Text Matches=|" + library_ + "|GetCondition_0|",
        "Event Number Is=|" + library_ + "|GetCondition_3|",
        "Write Marker=|" + library_ + "|SetExecution_0|",
        "Always Fail=|" + library_ + "|SetExecution_1|"};
    EXPECT_EQ(dll.Entries(), expected);
    EXPECT_EQ(dll.ConditionAliases(),
              (std::vector<std::string>{"Text Matches", "Event Number Is"}));
    EXPECT_EQ(dll.ExecutionAliases(), (std::vector<std::string>{"Write Marker", "Always Fail"}));
    EXPECT_TRUE(script_.Calls().empty());

    dll.LoadEntries(library_, false, false);
    EXPECT_EQ(dll.Entries().size(), 8u);
    dll.LoadEntries(library_, true, false);
    EXPECT_EQ(dll.Entries().size(), 4u);
}

TEST_F(ExecDllTest, CallsConditionsWithTheirArguments) {
    TExecDll dll(nullptr);
    dll.LoadEntries(library_, true, false);
    const struct {
        char event;
        const char* alias;
        const char* p1;
        const char* relation;
        const char* value;
        bool expected;
    } cases[] = {{'1', "Text Matches", "abc", "=", "abc", true},
                 {'1', "text matches", "abc", "=", "abd", false},
                 {'2', "TEXT MATCHES", "abc", "!=", "abd", true},
                 {'4', "Event Number Is", "4", "", "", true},
                 {'3', "Event Number Is", "4", "", "", false},
                 {'6', "Event Number Is", "6", "", "", true},
                 {'1', "Unknown Alias", "", "", "", false}};
    for (const auto& c : cases)
        EXPECT_EQ(dll.CallEntry(c.event, c.alias, c.p1, c.relation, c.value), c.expected)
            << c.alias << " " << c.p1 << c.relation << c.value << " event " << c.event;
    EXPECT_TRUE(script_.Calls().empty());
}

TEST_F(ExecDllTest, CallsExecutionsAndChecksTheirResult) {
    TExecDll dll(nullptr);
    dll.LoadEntries(library_, true, false);
    std::string marker = scratch_ / "marker.txt";
    EXPECT_TRUE(dll.CallEntry('5', "Write Marker", marker, "hello", "ignored"));
    EXPECT_TRUE(dll.CallEntry('2', "write marker", marker, "again", ""));
    EXPECT_EQ(testsupport::ReadFileBytes(marker), "event 5: hello\r\nevent 2: again\r\n");
    // Any result other than 1 is a failure.
    EXPECT_FALSE(dll.CallEntry('1', "Always Fail", "", "", ""));
}

TEST_F(ExecDllTest, MissingLibraryIsReportedOnlyWhenAsked) {
    TExecDll dll(nullptr);
    std::string absent = scratch_ / "absent.dll";
    dll.LoadEntries(absent, true, false);
    EXPECT_TRUE(script_.Calls().empty());
    dll.LoadEntries(absent, true, true);
    EXPECT_FALSE(dll.HasEntries());
    auto boxes = script_.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_NE(boxes[0].text.find(absent), std::string::npos);
    EXPECT_NE(boxes[0].text.find("DLL File Not Found!"), std::string::npos);
}

TEST_F(ExecDllTest, LibraryWithoutAliasFunctionsIsReported) {
    TExecDll dll(nullptr);
    // In a folder whose path holds no "\\n" or "\\t", which the box would turn into breaks.
    std::string plain =
        opstest::CopyFixture("korvan_version_library.dll", scratch_.Path(), "plain.dll");
    dll.LoadEntries(plain, true, true);
    EXPECT_FALSE(dll.HasEntries());
    auto boxes = script_.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[0].text.find("Function: \"GetConditionAlias\""), std::string::npos);
    EXPECT_NE(boxes[0].text.find("Not Found in Library: \"" + plain + "\""), std::string::npos);
    EXPECT_NE(boxes[1].text.find("Function: \"GetExecutionAlias\""), std::string::npos);
}

TEST_F(ExecDllTest, ALibraryGoneSinceLoadingFailsTheCall) {
    TExecDll dll(nullptr);
    dll.LoadEntries(library_, true, false);
    // The library is not kept loaded between calls, so it can be deleted.
    ASSERT_TRUE(DeleteFileA(library_.c_str()));
    EXPECT_FALSE(dll.CallEntry('1', "Text Matches", "a", "=", "a"));
    auto boxes = script_.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("DLL File Not Found!"), std::string::npos);
}

}  // namespace
