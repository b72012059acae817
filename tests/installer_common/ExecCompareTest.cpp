// The comparisons behind the conditions of execute items.
#include <gtest/gtest.h>

#include "ExecCompare.h"

namespace {

TEST(ExecCompare, EventNamesMapToTheirCharacters) {
    EXPECT_EQ(EventChar("Setup Start"), '1');
    EXPECT_EQ(EventChar("before copy"), '2');
    EXPECT_EQ(EventChar("AFTER COPY"), '3');
    EXPECT_EQ(EventChar("Setup End"), '4');
    EXPECT_EQ(EventChar("UnInstall Start"), '5');
    EXPECT_EQ(EventChar("UnInstall End"), '6');
    EXPECT_EQ(EventChar("Setup Middle"), '0');
    EXPECT_EQ(EventChar(""), '0');
}

struct TextCase {
    const char* left;
    const char* relation;
    const char* right;
    bool expected;
};

class CompareTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(CompareTextCases, ComparesCaseSensitivelyCharacterByCharacter) {
    const TextCase& c = GetParam();
    EXPECT_EQ(CompareText(c.left, c.relation, c.right), c.expected)
        << c.left << " " << c.relation << " " << c.right;
}

INSTANTIATE_TEST_SUITE_P(
    Relations, CompareTextCases,
    ::testing::Values(TextCase{"abc", "=", "abc", true}, TextCase{"abc", "=", "ABC", false},
                      TextCase{"abc", "!=", "ABC", true}, TextCase{"9", ">", "10", true},
                      TextCase{"9", "<", "10", false}, TextCase{"b", ">=", "b", true},
                      TextCase{"a", "<=", "b", true}, TextCase{"a", "==", "a", false},
                      TextCase{"a", "", "a", false}, TextCase{"a", "=>", "a", false}));

struct RegistryCase {
    const char* stored;
    bool isInteger;
    const char* relation;
    const char* given;
    bool expected;
};

class CompareRegistryCases : public ::testing::TestWithParam<RegistryCase> {};

TEST_P(CompareRegistryCases, PadsIntegerValuesOnly) {
    const RegistryCase& c = GetParam();
    EXPECT_EQ(CompareRegistryText(c.stored, c.isInteger, c.relation, c.given), c.expected)
        << c.stored << " " << c.relation << " " << c.given;
}

INSTANTIATE_TEST_SUITE_P(
    Values, CompareRegistryCases,
    ::testing::Values(RegistryCase{"9", true, ">", "10", false},
                      RegistryCase{"9", false, ">", "10", true},
                      RegistryCase{"10", true, ">", "9", true},
                      RegistryCase{"100", true, "=", "0100", true},
                      RegistryCase{"5", true, "<=", "5", true},
                      RegistryCase{"Yes", false, "=", "Yes", true}));

struct ScreenCase {
    int width;
    int height;
    const char* relation;
    const char* given;
    bool expected;
};

class CompareScreenCases : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(CompareScreenCases, ComparesBothSides) {
    const ScreenCase& c = GetParam();
    EXPECT_EQ(CompareScreen(c.width, c.height, c.relation, c.given), c.expected)
        << c.width << "x" << c.height << " " << c.relation << " " << c.given;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CompareScreenCases,
    ::testing::Values(ScreenCase{1024, 600, ">", "800x600", true},
                      ScreenCase{800, 768, ">", "800x600", true},
                      ScreenCase{1024, 480, ">", "800x600", false},
                      ScreenCase{800, 600, ">", "800x600", false},
                      ScreenCase{800, 600, "=", "800x600", true},
                      ScreenCase{800, 601, "!=", "800x600", true},
                      ScreenCase{640, 480, "<", "800x600", true},
                      ScreenCase{800, 480, "<", "800x600", true},
                      ScreenCase{640, 700, "<", "800x600", false},
                      ScreenCase{800, 600, ">=", "800x600", true},
                      ScreenCase{1024, 480, ">=", "800x600", false},
                      ScreenCase{800, 600, "<=", "800x600", true},
                      ScreenCase{800, 600, "=", "800X600", false},
                      ScreenCase{800, 600, "~", "800x600", false}));

struct DepthCase {
    int bits;
    const char* relation;
    const char* name;
    bool expected;
};

class CompareColorDepthCases : public ::testing::TestWithParam<DepthCase> {};

TEST_P(CompareColorDepthCases, ComparesBitsOfTheNamedDepth) {
    const DepthCase& c = GetParam();
    EXPECT_EQ(CompareColorDepth(c.bits, c.relation, c.name), c.expected)
        << c.bits << " " << c.relation << " " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Depths, CompareColorDepthCases,
    ::testing::Values(DepthCase{24, ">=", "64K (16 bit)", true},
                      DepthCase{32, ">=", "64K (16 bit)", true},
                      DepthCase{15, ">=", "64K (16 bit)", false},
                      DepthCase{8, "=", "256 (8 bit)", true},
                      DepthCase{15, "=", "32K (15 bit)", true},
                      DepthCase{24, "=", "16M (24 bit)", true},
                      DepthCase{32, "=", "True Color (32 bit)", true},
                      // Unknown names, lower-case ones included, count as 32 bits.
                      DepthCase{32, "=", "64k (16 bit)", true},
                      DepthCase{16, "<", "anything", true}));

struct SetupTypeCase {
    const char* stored;
    const char* relation;
    const char* given;
    bool expected;
};

class CompareSetupTypeCases : public ::testing::TestWithParam<SetupTypeCase> {};

TEST_P(CompareSetupTypeCases, ComparesTypeCodes) {
    const SetupTypeCase& c = GetParam();
    EXPECT_EQ(CompareSetupType(c.stored, c.relation, c.given), c.expected)
        << c.stored << " " << c.relation << " " << c.given;
}

INSTANTIATE_TEST_SUITE_P(
    Types, CompareSetupTypeCases,
    ::testing::Values(SetupTypeCase{"Compact", ">", "Typical", true},
                      SetupTypeCase{"Custom", ">", "Typical", true},
                      SetupTypeCase{"Typical", ">", "Typical", false},
                      SetupTypeCase{"typical", "=", "TYPICAL", true},
                      SetupTypeCase{"Custom", "!=", "custom", false},
                      SetupTypeCase{"Other", "=", "other", true}));

TEST(ExecCompare, NumbersAndNonNumbers) {
    EXPECT_EQ(NumberOf("512"), 512);
    EXPECT_EQ(NumberOf("-3"), -3);
    EXPECT_EQ(NumberOf("12MB"), 0);
    EXPECT_EQ(NumberOf(""), 0);
    EXPECT_TRUE(CompareNumber(2048, ">=", 512));
    EXPECT_FALSE(CompareNumber(256, ">=", 512));
    EXPECT_FALSE(CompareNumber(1, "<>", 2));
}

TEST(ExecCompare, OperatingSystemListIsExactAndCaseSensitive) {
    EXPECT_TRUE(OsInList("98", "95,98,ME"));
    EXPECT_FALSE(OsInList("98", "95, 98"));
    EXPECT_TRUE(OsInList("XP", "XP"));
    EXPECT_FALSE(OsInList("XP", "xp,2000"));
    EXPECT_FALSE(OsInList("9", "95,98"));
}

TEST(ExecCompare, GroupSelectedNeedsTheWholeName) {
    EXPECT_TRUE(GroupSelected("|Program|Help Files|", "Help Files"));
    EXPECT_FALSE(GroupSelected("|Program|Help Files|", "Help"));
    EXPECT_FALSE(GroupSelected("|Program|", "program"));
    EXPECT_FALSE(GroupSelected("", "Program"));
}

TEST(ExecCompare, AppendEscapesNeedTwoBackslashes) {
    EXPECT_EQ(ExpandAppendEscapes("a\\\\nb"), "a\r\nb");
    EXPECT_EQ(ExpandAppendEscapes("a\\\\tb"), "a\tb");
    EXPECT_EQ(ExpandAppendEscapes("a\\nb"), "a\\nb");
}

}  // namespace
