#include <gtest/gtest.h>

#include "Utils.h"

namespace {

struct ItemCase {
    const char* list;
    int index;
    const char* expected;
};

TEST(DelimList, CountAndItem) {
    EXPECT_EQ(DelimCount("|a|b|"), 2);
    EXPECT_EQ(DelimCount("|a|b"), 1);
    EXPECT_EQ(DelimCount(""), 0);
    EXPECT_EQ(DelimCount("||"), 1);
    EXPECT_EQ(DelimCount(",Welcome,License,"), 2);

    const ItemCase cases[] = {
        {"|a|b|c|", 0, "a"},  {"|a|b|c|", 2, "c"},        {"|a|b|", 5, ""},
        {"|a|b", 1, ""},      {"||", 0, ""},               {"", 0, ""},
        {"|a|b|", -1, ""},    {",Welcome,License,", 1, "License"},
        {"| a |b|", 0, " a "}, {"|Center|Top/Left|", 1, "Top/Left"},
    };
    for (const ItemCase& c : cases) {
        EXPECT_EQ(DelimItem(c.list, c.index), c.expected) << c.list << " at " << c.index;
    }
}

struct SetCase {
    const char* list;
    int index;
    const char* value;
    const char* expected;
};

TEST(DelimList, SetItemRebuildsTheList) {
    const SetCase cases[] = {
        {"", 2, "x", "|||x|"},
        {"|a|b", 0, "z", "|z|"},            // the unterminated b is dropped
        {"|a|b|", 1, "c", "|a|c|"},
        {"|a|b|", 3, "d", "|a|b||d|"},
        {",a,b,", 0, "", ",,b,"},            // keeps the list's own delimiter
        {"|a|", -1, "x", "|a|"},
        {"", 0, "", "||"},
    };
    for (const SetCase& c : cases) {
        std::string list = c.list;
        DelimSetItem(list, c.index, c.value);
        EXPECT_EQ(list, c.expected) << c.list << " [" << c.index << "] = " << c.value;
    }
}

TEST(DelimList, IndexOfTrimsListAndNameButNotFields) {
    const struct {
        const char* list;
        const char* name;
        int expected;
    } cases[] = {
        {"  |A|b|  ", "a", 0},   {"|A|b|", "B", 1},     {"|A|b|", "", -1},
        {"", "a", -1},           {"|A|b|", " b\t", 1},  {"| a|b|", "a", -1},
        {"|a|b", "b", -1},       {"|x|a|a|", "A", 1},   {"\r\n", "a", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DelimIndexOf(c.list, c.name), c.expected) << c.list << " / " << c.name;
    }
}

TEST(StringHelpers, BeforeAfterAndPositions) {
    EXPECT_EQ(TextBefore("key=value", "="), "key");
    EXPECT_EQ(TextBefore("keyvalue", "="), "");
    EXPECT_EQ(TextAfter("key=value=x", "="), "value=x");
    EXPECT_EQ(TextAfter("keyvalue", "="), "keyvalue");
    EXPECT_EQ(TextAfter("keyvalue", ""), "keyvalue");
    EXPECT_EQ(TextBefore("keyvalue", ""), "");
    EXPECT_EQ(TextAfter("a::b", "::"), ":b");  // only the separator's first character is skipped
    EXPECT_EQ(ReverseText("abc"), "cba");
    EXPECT_EQ(ReverseText(""), "");

    EXPECT_EQ(LastPos(";", "a;b;c"), 4);
    EXPECT_EQ(LastPos("x", "a;b;c"), 0);
    EXPECT_EQ(LastPos("", "abc"), 0);
    EXPECT_EQ(PosText("DIR", "c:\\dir\\Dir"), 4);
    EXPECT_EQ(PosText("q", "abc"), 0);
    EXPECT_EQ(PosText("", "abc"), 0);
}

TEST(StringHelpers, CaseFoldingIsAsciiOnly) {
    EXPECT_TRUE(EqualText("Setup.TXT", "setup.txt"));
    EXPECT_FALSE(EqualText("\xC4", "\xE4"));  // Latin-1 letters compare as they are
    EXPECT_FALSE(EqualText("abc", "abcd"));
    EXPECT_TRUE(EndsWithText("Program.EXE", ".exe"));
    EXPECT_FALSE(EndsWithText("exe", ".exe"));
    EXPECT_TRUE(EndsWithText("abc", ""));
}

TEST(StringHelpers, Padding) {
    EXPECT_EQ(Spaces(3), "   ");
    EXPECT_EQ(Spaces(0), "");
    EXPECT_EQ(Spaces(-2), "");
    EXPECT_EQ(PadZeros("7", 3), "007");
    EXPECT_EQ(PadZeros("1234", 3), "1234");
    EXPECT_EQ(PadZeros("", 2), "00");
    EXPECT_EQ(MaxOf(-3, 2), 2);
    EXPECT_EQ(MaxOf(5, 5), 5);
    EXPECT_EQ(BoolText(true), "TRUE");
    EXPECT_EQ(BoolText(false), "FALSE");
    EXPECT_EQ(BoolDigit(true), '1');
    EXPECT_EQ(BoolDigit(false), '0');
}

TEST(StringHelpers, Replace) {
    const struct {
        const char* s;
        const char* oldText;
        const char* newText;
        const char* sensitive;
        const char* insensitive;
    } cases[] = {
        {"a.b.c", ".", "\\", "a\\b\\c", "a\\b\\c"},
        {"<App>x<APP>", "<app>", "C:", "<App>x<APP>", "C:xC:"},
        {"Keep <Dir> Case", "<dir>", "d", "Keep <Dir> Case", "Keep d Case"},
        {"aaa", "a", "aa", "aaaaaa", "aaaaaa"},   // a replacement holding the text ends
        {"abc", "", "x", "abc", "abc"},
        {"", "a", "b", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceAll(c.s, c.oldText, c.newText), c.sensitive) << c.s;
        EXPECT_EQ(ReplaceAllText(c.s, c.oldText, c.newText), c.insensitive) << c.s;
    }
}

TEST(StringHelpers, ExpandEscapes) {
    EXPECT_EQ(ExpandEscapes("a\\nb<P>c"), "a\r\nb\r\nc");
    EXPECT_EQ(ExpandEscapes("x\\ty<p>"), "x\ty\r\n");
    EXPECT_EQ(ExpandEscapes("no escapes \\ here"), "no escapes \\ here");
}

TEST(StringHelpers, TrimAndUpper) {
    EXPECT_EQ(TrimText(" \t a b \r\n"), "a b");
    EXPECT_EQ(TrimText("\x01\x02"), "");
    EXPECT_EQ(UpperText("abc\xE4z"), "ABC\xE4Z");
}

}  // namespace
