#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StringList.h"

namespace {

using Texts = std::vector<std::string>;

struct AddCase {
    Texts added;
    Texts expected;
};

class StringListAdd : public ::testing::TestWithParam<AddCase> {};

TEST_P(StringListAdd, KeepsSortedIgnoringCaseWithoutDuplicates) {
    ui::SortedStringList list;
    for (const std::string& text : GetParam().added) list.Add(text);
    EXPECT_EQ(list.Items(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringListAdd,
    ::testing::Values(
        AddCase{{"ni", "eo", "bt", "ba"}, {"ba", "bt", "eo", "ni"}},
        // The first spelling stays; a later one differing only in case is dropped.
        AddCase{{"C:\\Web\\Index.htm", "c:\\web\\INDEX.HTM", "C:\\Web\\a.gif"},
                {"C:\\Web\\a.gif", "C:\\Web\\Index.htm"}},
        AddCase{{"b", "B", "a", "A", "b"}, {"a", "b"}},
        // Letters fold to upper case, so '_' (after 'Z') sorts after every letter.
        AddCase{{"a_b", "aZb", "ab"}, {"ab", "aZb", "a_b"}},
        AddCase{{"abc", "ab", "", "a"}, {"", "a", "ab", "abc"}},
        // Bytes above 127 compare as unsigned and are not folded.
        AddCase{{"\xE9t\xE9", "zz", "\xC9T\xC9"}, {"zz", "\xC9T\xC9", "\xE9t\xE9"}}));

TEST(StringList, AddAnswersTheIndexOfTheEntry) {
    ui::SortedStringList list;
    EXPECT_EQ(list.Add("m"), 0u);
    EXPECT_EQ(list.Add("a"), 0u);
    EXPECT_EQ(list.Add("z"), 2u);
    EXPECT_EQ(list.Add("M"), 1u);   // already there
    EXPECT_EQ(list.Count(), 3u);
}

TEST(StringList, FindAndDelete) {
    ui::SortedStringList list;
    for (const char* text : {"sv", "ni", "eo"}) list.Add(text);
    EXPECT_EQ(list.IndexOf("NI"), 1);
    EXPECT_EQ(list.IndexOf("n"), -1);
    EXPECT_FALSE(list.Contains("zz"));
    EXPECT_TRUE(list.Delete(0));
    EXPECT_EQ(list.Items(), (Texts{"ni", "sv"}));
    EXPECT_FALSE(list.Delete(2));
    EXPECT_EQ(list.Count(), 2u);
    list.Clear();
    EXPECT_TRUE(list.Empty());
}

struct TextCase {
    std::string text;
    Texts expected;
};

class StringListSetText : public ::testing::TestWithParam<TextCase> {};

TEST_P(StringListSetText, SplitsLinesAndSorts) {
    ui::SortedStringList list;
    list.Add("old");
    list.SetText(GetParam().text);
    EXPECT_EQ(list.Items(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringListSetText,
    ::testing::Values(TextCase{"", {}},
                      TextCase{"b\r\na\r\n", {"a", "b"}},
                      TextCase{"b\na\rc", {"a", "b", "c"}},
                      TextCase{"x\r\n\r\nX\r\n", {"", "x"}},
                      TextCase{"only", {"only"}}));

TEST(StringList, TextEndsEveryEntryWithCrLf) {
    ui::SortedStringList list;
    list.SetText("b\r\na");
    EXPECT_EQ(list.Text(), "a\r\nb\r\n");
    ui::SortedStringList copy;
    copy.SetText(list.Text());
    EXPECT_EQ(copy.Items(), list.Items());
}

TEST(StringList, CompareTextFoldsAsciiLettersOnly) {
    EXPECT_EQ(ui::CompareText("Abc", "aBC"), 0);
    EXPECT_LT(ui::CompareText("ab", "abc"), 0);
    EXPECT_GT(ui::CompareText("b", "A"), 0);
    EXPECT_NE(ui::CompareText("\xE9", "\xC9"), 0);
}

}  // namespace
