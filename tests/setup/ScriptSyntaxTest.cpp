#include <gtest/gtest.h>

#include <random>

#include "ScriptSyntax.h"

namespace {

using Lines = std::vector<std::string>;

struct PreprocessCase {
    const char* label;
    std::string text;
    Lines expected;
};

class Preprocess : public testing::TestWithParam<PreprocessCase> {};

TEST_P(Preprocess, GivesTheLinesToInterpret) {
    EXPECT_EQ(PreprocessScript(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ScriptSyntax, Preprocess,
    testing::Values(
        PreprocessCase{"EveryLineEnding", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        PreprocessCase{"TrimsAndDropsBlankLines", "  a \t\r\n\r\n \x01\r\n\tb\r\n", {"a", "b"}},
        PreprocessCase{"BlockCommentAcrossLines", "a/* one\r\ntwo */b\r\nc", {"ab", "c"}},
        PreprocessCase{"SeveralBlockComments", "/*x*/a\r\n/*y*/b/*z*/", {"a", "b"}},
        PreprocessCase{"CloseBeforeEveryOpenKeepsAll", "*/\r\n/*x*/a", {"*/", "/*x*/a"}},
        PreprocessCase{"UnterminatedOpenStays", "a\r\n/* b", {"a", "/* b"}},
        PreprocessCase{"SeamFormsNewOpen", "a//*x*/*b", {"a/*b"}},
        PreprocessCase{"LineComment", "SET_A(x) // note\r\n// whole line\r\nb", {"SET_A(x)", "b"}},
        PreprocessCase{"AddressIsNoComment", "SET_COMPANY_URL(http://korvan.example/x)",
                       {"SET_COMPANY_URL(http://korvan.example/x)"}},
        PreprocessCase{"CommentAfterAddress", "U(ftp://h/p) // c", {"U(ftp://h/p)"}},
        PreprocessCase{"TripleSlashAfterColon", "a:///b", {"a:/"}}),
    [](const testing::TestParamInfo<PreprocessCase>& info) { return info.param.label; });

// The rule as stated: delete the first comment and search again from the start.
std::string RemoveBlockCommentsByRescanning(std::string text) {
    for (;;) {
        size_t open = text.find("/*");
        size_t close = text.find("*/");
        if (open == std::string::npos || close == std::string::npos || open >= close) break;
        text.erase(open, close + 2 - open);
    }
    return text;
}

TEST(ScriptSyntax, OnePassBlockCommentRemovalMatchesRescanning) {
    std::mt19937 random(5);
    const char alphabet[] = {'/', '*', 'a', '\n'};
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 14, ' ');
        for (char& c : text) c = alphabet[random() % 4];
        ASSERT_EQ(RemoveBlockComments(text), RemoveBlockCommentsByRescanning(text)) << text;
    }
}

struct LineCase {
    const char* label;
    std::string line;
    std::string text;
    std::string name;
    std::string argument;
};

class ParseLine : public testing::TestWithParam<LineCase> {};

TEST_P(ParseLine, SplitsNameAndArgument) {
    ScriptLine parsed = ParseScriptLine(GetParam().line);
    EXPECT_EQ(parsed.text, GetParam().text);
    EXPECT_EQ(parsed.name, GetParam().name);
    EXPECT_EQ(parsed.argument, GetParam().argument);
}

INSTANTIATE_TEST_SUITE_P(
    ScriptSyntax, ParseLine,
    testing::Values(
        LineCase{"FlagWithoutParentheses", "set_use_copy", "set_use_copy", "SET_USE_COPY", ""},
        LineCase{"TrailingComment", "SET_PROG_NAME(My App) ; comment", "SET_PROG_NAME(My App) ",
                 "SET_PROG_NAME", "My App"},
        LineCase{"SemicolonTakesTheParenthesis", "SET_PROG_NAME(a;b)", "SET_PROG_NAME(a",
                 "SET_PROG_NAME", ""},
        LineCase{"LastSemicolonCounts", "SET_PROG_NAME(a;b) ;c", "SET_PROG_NAME(a;b) ",
                 "SET_PROG_NAME", "a;b"},
        LineCase{"ArgumentNotTrimmed", " Set_Sub_Dir ( x ) ", "Set_Sub_Dir ( x )", "SET_SUB_DIR",
                 " x "},
        LineCase{"InnerParentheses", "SET_A(f(x)) ", "SET_A(f(x))", "SET_A", "f(x)"},
        LineCase{"CloseBeforeOpen", "SET_A)x(", "SET_A)x(", "SET_A)X", ""},
        LineCase{"OpenAtFirstPosition", "(SET_A)", "(SET_A)", "(SET_A)", ""},
        LineCase{"QuotedArgument", "SET_A(\"a \"\"b\"\"\")", "SET_A(\"a \"\"b\"\"\")", "SET_A",
                 "a \"b\""},
        LineCase{"OnlyComment", " ; note", "", "", ""}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.label; });

TEST(ScriptSyntax, UnquoteTable) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"\"My App\"", "My App"},
        {"\"a\"\"b\"", "a\"b"},
        {"\"\"", ""},
        {"\"x\"\"\"", "x\""},       // a quote at the end of the text survives
        {"\"\"\"x\"", "\"x"},       // and one at its start
        {"\"a\"b\"", "ab"},         // a lone quote inside goes
        {"\"", "\""},               // too short to be enclosed
        {"\"a", "\"a"},
        {"a\"", "a\""},
        {"a \"b\" c", "a \"b\" c"},  // only enclosing quotes count
    };
    for (const auto& c : cases) EXPECT_EQ(Unquote(c.in), c.out) << c.in;
}

}  // namespace
