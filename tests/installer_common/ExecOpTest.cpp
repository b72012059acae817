// The interpreter of execute items: events, the condition chain, both branches, the log, the
// product library and "Exit".
#include <gtest/gtest.h>
#include <windows.h>

#include "ExecDll.h"
#include "ExecItem.h"
#include "ExecOp.h"
#include "Global.h"
#include "OpsFixtures.h"
#include "ScriptedInteraction.h"
#include "scratch_dir.h"

namespace {

using opstest::ExecItem;

class ExecOpTest : public ::testing::Test {
protected:
    void SetUp() override {
        yes_ = scratch_ / "yes.txt";
        no_ = scratch_ / "no.txt";
        testsupport::WriteFileBytes(yes_, "x");
    }
    void TearDown() override { SetApplicationFolder(""); }

    bool Run(const ExecItem& item, char event = '1') {
        return RunExecuteItem(dll_, item.Text(), event, abort_, log_);
    }
    std::string Marker() const { return testsupport::ReadFileBytes(scratch_ / "marker.txt"); }
    // An execution that leaves a visible trace in the marker file.
    ExecItem& Mark(ExecItem& item, int n, const std::string& text) {
        return item.Do(n, "Append Text to a File", scratch_ / "marker.txt", text);
    }

    testsupport::ScratchDir scratch_;
    ui::ScriptedInteraction script_;
    TExecDll dll_{nullptr};
    std::string yes_, no_;
    bool abort_ = true;
    std::string log_ = "stale";
};

TEST_F(ExecOpTest, ItemsOfAnotherEventAreLeftAlone) {
    ExecItem item("Later", "Before Copy");
    Mark(item.Always(), 1, "ran");
    EXPECT_TRUE(Run(item, '1'));
    EXPECT_EQ(log_, "");
    EXPECT_FALSE(abort_);
    EXPECT_EQ(Marker(), "");
    EXPECT_TRUE(Run(item, '2'));
    EXPECT_EQ(Marker(), "ran");
}

TEST_F(ExecOpTest, UnknownEventNameNeverRuns) {
    ExecItem item("Nowhere", "Setup Middle");
    Mark(item.Always(), 1, "ran");
    for (char event : {'1', '2', '3', '4', '5', '6'}) EXPECT_TRUE(Run(item, event));
    EXPECT_EQ(Marker(), "");
}

TEST_F(ExecOpTest, WithoutConditionsBothThenExecutionsRunAndNothingIsEvaluated) {
    ExecItem item("Copy readme", "setup start");
    Mark(item.Always(), 1, "one");
    Mark(item, 2, "two");
    Mark(item, 3, "else");
    EXPECT_TRUE(Run(item));
    EXPECT_EQ(Marker(), "onetwo");
    std::string marker = scratch_ / "marker.txt";
    EXPECT_EQ(log_, "  Copy readme\r\n"
                    "    THEN Append Text to a File  " + marker + "  one\r\n"
                    "    THEN Append Text to a File  " + marker + "  two\r\n");
}

TEST_F(ExecOpTest, ChainIsEvaluatedLeftToRightWithEveryConditionLogged) {
    // (false and false) or true holds; false and (false or true) would not.
    ExecItem item("Chain", "Setup Start");
    item.If(1, "File Found", no_).Join(2, "1").If(2, "File Found", no_).Join(3, "2")
        .If(3, "File Found", yes_);
    Mark(item, 1, "then");
    Mark(item, 3, "else");
    EXPECT_TRUE(Run(item));
    EXPECT_EQ(Marker(), "then");
    std::string marker = scratch_ / "marker.txt";
    EXPECT_EQ(log_, "  Chain\r\n"
                    "    IF File Found  " + no_ + " = FALSE\r\n"
                    "    and\r\n"
                    "    IF File Found  " + no_ + " = FALSE\r\n"
                    "    or\r\n"
                    "    IF File Found  " + yes_ + " = TRUE\r\n"
                    "    Result: TRUE\r\n"
                    "    THEN Append Text to a File  " + marker + "  then\r\n");
}

TEST_F(ExecOpTest, JoinCodes) {
    const struct {
        bool first;
        const char* join;
        bool second;
        bool expected;
        int conditionsLogged;
    } cases[] = {{true, "1", false, false, 2}, {true, "2", false, true, 2},
                 {true, "3", true, false, 2},  {true, "3", false, true, 2},
                 {false, "", true, false, 1},  {false, "4", true, false, 1},
                 {false, "2x", true, true, 2}};
    for (const auto& c : cases) {
        ExecItem item("Join", "Setup Start");
        item.If(1, "File Found", c.first ? yes_ : no_).Join(2, c.join)
            .If(2, "File Found", c.second ? yes_ : no_);
        Run(item);
        EXPECT_NE(log_.find(std::string("Result: ") + (c.expected ? "TRUE" : "FALSE")),
                  std::string::npos)
            << c.join << "\n" << log_;
        size_t ifs = 0;
        for (size_t at = log_.find("IF "); at != std::string::npos; at = log_.find("IF ", at + 1))
            ++ifs;
        EXPECT_EQ(ifs, static_cast<size_t>(c.conditionsLogged)) << c.join;
    }
}

TEST_F(ExecOpTest, NegatedConditionTakesTheElseBranchWithBothExecutions) {
    ExecItem item("Negated", "Setup Start");
    item.If(1, "File Found", yes_, "", "", true);
    Mark(item, 1, "then");
    Mark(item, 3, "else1");
    Mark(item, 4, "else2");
    EXPECT_TRUE(Run(item));
    EXPECT_EQ(Marker(), "else1else2");
    EXPECT_NE(log_.find("    IF NOT File Found  " + yes_ + " = FALSE\r\n"), std::string::npos);
}

TEST_F(ExecOpTest, ComparingConditionsLogRelationAndValue) {
    ExecItem item("Env", "Setup Start");
    item.If(1, "Environment Variable Is", "KORVAN_UNSET_VARIABLE", "=", "");
    Run(item);
    EXPECT_NE(log_.find("    IF Environment Variable Is  KORVAN_UNSET_VARIABLE = "
                        " = TRUE\r\n"),
              std::string::npos)
        << log_;
}

TEST_F(ExecOpTest, ResultNeedsBothExecutionsOfTheBranch) {
    ExecItem item("Half", "Setup Start");
    item.Always().Do(1, "Remove Directory", scratch_ / "absent");
    Mark(item, 2, "still runs");
    EXPECT_FALSE(Run(item));
    EXPECT_EQ(Marker(), "still runs");
    // A disabled execution counts as success and is not logged.
    ExecItem quiet("Quiet", "Setup Start");
    quiet.Always().Do(1, "Remove Directory", scratch_ / "absent", "", false);
    EXPECT_TRUE(Run(quiet));
    EXPECT_EQ(log_, "  Quiet\r\n");
}

TEST_F(ExecOpTest, UnknownNamesWithoutLibrary) {
    ExecItem item("Unknown", "Setup Start");
    item.If(1, "Moon Is Full", "").Do(3, "Howl", "loud", "long");
    EXPECT_TRUE(Run(item));
    EXPECT_EQ(log_, "  Unknown\r\n    IF Moon Is Full   = FALSE\r\n    Result: FALSE\r\n"
                    "    THEN Howl  loud  long\r\n");
}

TEST_F(ExecOpTest, ExitSetsTheAbortFlag) {
    ExecItem item("Stop", "UnInstall Start");
    item.Always().Do(1, "Exit");
    EXPECT_TRUE(Run(item, '5'));
    EXPECT_TRUE(abort_);
    ExecItem other("Go on", "UnInstall Start");
    other.Always();
    EXPECT_TRUE(Run(other, '5'));
    EXPECT_FALSE(abort_);
}

TEST_F(ExecOpTest, ParametersAreExpandedButValuesAreNot) {
    SetApplicationFolder(scratch_.Path());
    ExecItem item("Macro", "Setup Start");
    item.If(1, "File Found", "<Application Folder>\\yes.txt")
        .Do(1, "Append Text to a File", "<Application Folder>\\macro.txt", "<Application Folder>");
    EXPECT_TRUE(Run(item));
    EXPECT_EQ(testsupport::ReadFileBytes(scratch_ / "macro.txt"), scratch_.Path() + "\\");
}

TEST_F(ExecOpTest, LibraryConditionsAndExecutionsByAlias) {
    std::string library = opstest::Fixture("korvan_exec_library.dll");
    dll_.LoadEntries(library, true, false);
    std::string marker = scratch_ / "library.txt";
    ExecItem item("Library", "After Copy");
    item.If(1, "Text Matches", "abc", "=", "abc").Join(2, "1").If(2, "Event Number Is", "3")
        .Do(1, "Write Marker", marker, "then").Do(3, "Write Marker", marker, "else");
    EXPECT_TRUE(Run(item, '3'));
    EXPECT_EQ(testsupport::ReadFileBytes(marker), "event 3: then\r\n");

    ExecItem failing("Fails", "After Copy");
    failing.Always().Do(1, "Always Fail");
    EXPECT_FALSE(Run(failing, '3'));
    // Built-in names win over the library's.
    ExecItem builtIn("Built in", "After Copy");
    builtIn.If(1, "File Found", yes_);
    Run(builtIn, '3');
    EXPECT_NE(log_.find("Result: TRUE"), std::string::npos);
    EXPECT_TRUE(script_.Calls().empty());
}

}  // namespace
