#include <gtest/gtest.h>

#include "SScript.h"
#include "scratch_dir.h"

namespace {

using C = ScriptCommand;
using Lines = std::vector<std::string>;

// A script read from text, with every reported line collected.
struct Loaded {
    TScript script;
    Lines reports;

    explicit Loaded(const std::string& text) {
        script.SetErrorSink([this](const std::string& message) { reports.push_back(message); });
        script.LoadText(text);
    }
};

TEST(SScript, DefaultsAfterConstructionAndAfterReload) {
    TScript fresh;
    Loaded reloaded("SET_PROG_NAME(x)\nSET_LANG_FLAG(2)\nSET_TOP_BG_COLOR(1)\nSET_USE_COPY");
    reloaded.script.LoadText("");
    for (const TScript* script : {&fresh, &reloaded.script}) {
        EXPECT_EQ(script->Text(C::SET_PROG_NAME), "");
        EXPECT_FALSE(script->Flag(C::SET_USE_COPY));
        EXPECT_EQ(script->Number(C::SET_LANG_FLAG), 1);
        EXPECT_EQ(script->Number(C::SET_OVERWRITE_FLAG), 0);
        EXPECT_EQ(script->Number(C::SET_GLOBAL_OVERWRITE_FLAG), 1);
        EXPECT_EQ(script->Text(C::SET_TOP_BG_COLOR), "16711680");
        EXPECT_EQ(script->Text(C::SET_BOTTOM_BG_COLOR), "8388608");
        EXPECT_EQ(script->Text(C::SET_DIALOGS), "");
        EXPECT_TRUE(script->Groups().empty());
        EXPECT_TRUE(script->UninstallLines().empty());
        EXPECT_EQ(script->PageIndex(), 0);
        EXPECT_EQ(script->CurrentPage(), "");
    }
}

TEST(SScript, LoadReadsAFileAndReportsAMissingOne) {
    testsupport::ScratchDir dir;
    ASSERT_TRUE(testsupport::WriteFileBytes(
        dir / "Setup.txt", "/* made by hand */\r\nSET_PROG_NAME(\"Korvan\")\r\nSET_USE_COPY\r\n"));
    TScript script;
    ASSERT_TRUE(script.Load(dir / "Setup.txt"));
    EXPECT_EQ(script.Text(C::SET_PROG_NAME), "Korvan");
    EXPECT_TRUE(script.Flag(C::SET_USE_COPY));
    EXPECT_EQ(script.Lines(), (Lines{"SET_PROG_NAME(\"Korvan\")", "SET_USE_COPY"}));

    EXPECT_FALSE(script.Load(dir / "Missing.txt"));
    EXPECT_EQ(script.Text(C::SET_PROG_NAME), "");
    EXPECT_FALSE(script.Flag(C::SET_USE_COPY));
}

struct TextCase {
    const char* label;
    std::string script;
    C command;
    std::string expected;
};

class TextSetting : public testing::TestWithParam<TextCase> {};

TEST_P(TextSetting, HoldsTheParsedArgument) {
    Loaded loaded(GetParam().script);
    EXPECT_EQ(loaded.script.Text(GetParam().command), GetParam().expected);
    EXPECT_TRUE(loaded.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    SScript, TextSetting,
    testing::Values(
        TextCase{"CaseInsensitiveName", "set_prog_name(My App)", C::SET_PROG_NAME, "My App"},
        TextCase{"LaterReplacesEarlier", "SET_PROG_NAME(a)\nSET_PROG_NAME(b)", C::SET_PROG_NAME,
                 "b"},
        TextCase{"CommentAfterArgument", "SET_PROG_NAME(My App) ; comment", C::SET_PROG_NAME,
                 "My App"},
        TextCase{"SemicolonWithoutCommentEmptiesIt", "SET_PROG_NAME(a;b)", C::SET_PROG_NAME, ""},
        TextCase{"AddressKept", "SET_COMPANY_URL(http://www.korvan.example)", C::SET_COMPANY_URL,
                 "http://www.korvan.example"},
        TextCase{"PathMacrosKept", "SET_TARGET_DIR(<ProgramFilesDir>\\Korvan)", C::SET_TARGET_DIR,
                 "<ProgramFilesDir>\\Korvan"},
        TextCase{"BlanksInside", "SET_TOP_LABEL_TEXT( Korvan )", C::SET_TOP_LABEL_TEXT,
                 " Korvan "},
        TextCase{"MissingCloseGivesEmpty", "SET_PROG_VERSION(1.0", C::SET_PROG_VERSION, ""},
        TextCase{"NumberAsText", "SET_TOP_BG_COLOR(255)", C::SET_TOP_BG_COLOR, "255"},
        TextCase{"DialogSequenceWrapped", "SET_DIALOGS(WelcomeDlg,CompleteDlg)", C::SET_DIALOGS,
                 ",WelcomeDlg,CompleteDlg,"},
        TextCase{"SecondDialogsCounts", "SET_DIALOGS(A)\nSET_DIALOGS(B,C)", C::SET_DIALOGS,
                 ",B,C,"},
        TextCase{"NotAText", "SET_USE_COPY(x)", C::SET_USE_COPY, ""}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.label; });

struct NumberCase {
    const char* label;
    std::string script;
    C command;
    int expected;
};

class NumberSetting : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberSetting, ConvertsWithItsFallbackOrRange) {
    Loaded loaded(GetParam().script);
    EXPECT_EQ(loaded.script.Number(GetParam().command), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SScript, NumberSetting,
    testing::Values(
        NumberCase{"LangFlag", "SET_LANG_FLAG(2)", C::SET_LANG_FLAG, 2},
        NumberCase{"LangFlagFallbackIsOne", "SET_LANG_FLAG(2)\nSET_LANG_FLAG(two)",
                   C::SET_LANG_FLAG, 1},
        NumberCase{"DxFallbackIsZero", "SET_DIALOG_DX(7)\nSET_DIALOG_DX(7px)", C::SET_DIALOG_DX,
                   0},
        NumberCase{"Negative", "SET_BG_BITMAP_DY(-12)", C::SET_BG_BITMAP_DY, -12},
        NumberCase{"Overflow", "SET_BG_BITMAP_DX(99999999999)", C::SET_BG_BITMAP_DX, 0},
        NumberCase{"Overwrite", "SET_OVERWRITE_FLAG(4)", C::SET_OVERWRITE_FLAG, 4},
        NumberCase{"OverwriteOutOfRangeKept", "SET_OVERWRITE_FLAG(3)\nSET_OVERWRITE_FLAG(5)",
                   C::SET_OVERWRITE_FLAG, 3},
        NumberCase{"OverwriteNotANumberKept", "SET_OVERWRITE_FLAG(2)\nSET_OVERWRITE_FLAG(x)",
                   C::SET_OVERWRITE_FLAG, 2},
        NumberCase{"OverwriteZero", "SET_OVERWRITE_FLAG(2)\nSET_OVERWRITE_FLAG(0)",
                   C::SET_OVERWRITE_FLAG, 0},
        NumberCase{"GlobalZeroIgnored", "SET_GLOBAL_OVERWRITE_FLAG(0)",
                   C::SET_GLOBAL_OVERWRITE_FLAG, 1},
        NumberCase{"Global", "SET_GLOBAL_OVERWRITE_FLAG(3)", C::SET_GLOBAL_OVERWRITE_FLAG, 3},
        NumberCase{"NotANumberSetting", "SET_PROG_NAME(5)", C::SET_PROG_NAME, 0}),
    [](const testing::TestParamInfo<NumberCase>& info) { return info.param.label; });

TEST(SScript, FlagsIgnoreTheirArgumentAndListsAppend) {
    Loaded loaded(
        "SET_USE_COPY(0)\nset_silent_setup\nSET_PERFORM_REGISTRY_OP(a,b)\n"
        "SET_PERFORM_REGISTRY_OP(c)\nSET_BILLBOARD_FILE(1.bmp)\nSET_WIN_EXEC(x.exe)");
    EXPECT_TRUE(loaded.script.Flag(C::SET_USE_COPY));
    EXPECT_TRUE(loaded.script.Flag(C::SET_SILENT_SETUP));
    EXPECT_FALSE(loaded.script.Flag(C::SET_ALL_USERS));
    EXPECT_EQ(loaded.script.List(C::SET_PERFORM_REGISTRY_OP), (Lines{"a,b", "c"}));
    EXPECT_EQ(loaded.script.List(C::SET_BILLBOARD_FILE), (Lines{"1.bmp"}));
    EXPECT_EQ(loaded.script.List(C::SET_WIN_EXEC), (Lines{"x.exe"}));
    EXPECT_TRUE(loaded.script.List(C::SET_PROG_NAME).empty());

    loaded.script.SetFlag(C::SET_SILENT_SETUP, false);
    EXPECT_FALSE(loaded.script.Flag(C::SET_SILENT_SETUP));
}

TEST(SScript, UnrecognisedLinesAreReportedAndSkipped) {
    Loaded loaded(
        "SET_PROG_NAME(a)\nSET_PROG_NAMES(b) ; typo\nSET_PROG_VERSION(2)\n*/\n/* kept */");
    EXPECT_EQ(loaded.reports,
              (Lines{"SET_PROG_NAMES(b) \\n\\nUnrecognized command in Script file",
                     "*/\\n\\nUnrecognized command in Script file",
                     "/* kept */\\n\\nUnrecognized command in Script file"}));
    EXPECT_EQ(loaded.script.Text(C::SET_PROG_NAME), "a");
    EXPECT_EQ(loaded.script.Text(C::SET_PROG_VERSION), "2");
}

TEST(SScript, SubDirectoriesMakeFileEntries) {
    Loaded loaded(
        "SET_GROUP_DATA(Program|100|1|1|2|Main|1)\n"
        "SET_SUB_DIR(a)\n"
        "SET_SUB_DIR(b)\n"
        "SET_COPY_FILES(f)\n"
        "SET_OVERWRITE_FLAG(2)\n"
        "SET_COPY_FILES(g|*h)\n"
        "SET_SUB_DIR()\n"
        "SET_COPY_FILES()\n"
        "SET_SUB_DIR(#<Application Folder>\\c)\n"
        "SET_GROUP_DATA(Help|5|1|0|1|Help|0)\n"
        "SET_COPY_FILES(3*i)\n"
        "SET_SUB_DIR(*d)\n");
    ASSERT_EQ(loaded.script.Groups().size(), 2u);
    EXPECT_EQ(loaded.script.Groups()[0].data, "Program|100|1|1|2|Main|1");
    EXPECT_EQ(loaded.script.Groups()[0].files,
              (Lines{"0|a|", "0|b|f", "2|b|g|*h", "2|b|", "2|#<Application Folder>\\c|"}));
    // Sub-directory and overwrite mode carry over; the last pending one is not flushed.
    EXPECT_EQ(loaded.script.Groups()[1].files, (Lines{"2|#<Application Folder>\\c|3*i"}));
    EXPECT_EQ(loaded.script.CopyNames(), (Lines{"f", "g", "h", "3*i"}));
    EXPECT_FALSE(loaded.script.UsesCommonFolder());
    EXPECT_FALSE(loaded.script.UsesAuxFolder());
    EXPECT_TRUE(loaded.reports.empty());
}

TEST(SScript, FilesBeforeAnyGroupAreReportedNotLost) {
    Loaded loaded(
        "SET_SUB_DIR(a)\nSET_SUB_DIR(b)\nSET_COPY_FILES(x|y)\n"
        "SET_GROUP_DATA(G|1|1|1|1|G|1)\nSET_COPY_FILES(z)");
    EXPECT_EQ(loaded.reports,
              (Lines{"SET_COPY_FILES(x|y)\\n\\nFiles listed before the first SET_GROUP_DATA in "
                     "Script file"}));
    ASSERT_EQ(loaded.script.Groups().size(), 1u);
    EXPECT_EQ(loaded.script.Groups()[0].files, (Lines{"0|b|z"}));
    EXPECT_EQ(loaded.script.CopyNames(), (Lines{"z"}));
}

TEST(SScript, DerivedFolderFlags) {
    const struct {
        std::string script;
        bool common, aux;
    } cases[] = {
        {"SET_SUB_DIR(<Common Folder>\\x)", true, false},
        {"SET_SUB_DIR(*<auxiliary folder>)", false, true},
        {"SET_SUB_DIR(<Application Folder>)\nSET_COMMON_DIR(<Common Folder>)", false, false},
        {"SET_SUB_DIR(<Common Folder>)\nSET_SUB_DIR(<Auxiliary Folder>\\y)", true, true},
    };
    for (const auto& c : cases) {
        Loaded loaded(c.script);
        EXPECT_EQ(loaded.script.UsesCommonFolder(), c.common) << c.script;
        EXPECT_EQ(loaded.script.UsesAuxFolder(), c.aux) << c.script;
    }
}

TEST(SScript, UninstallLinesAndPassThrough) {
    Loaded loaded(
        "SET_REMOVE_REG_KEY(HKEY_CURRENT_USER\\Software\\Korvan)\n"
        "SET_REMOVE_ABSOLUTE_FILE(\"C:\\a b.txt\")\n"
        "SET_REMOVE_ABSOLUTE_DIR(C:\\d)\n"
        "SET_FORCE_REMOVE_ABSOLUTE_DIR(C:\\e)\n"
        "SET_FORCE_REMOVE_TARGET_SUB_DIR(Logs)\n"
        "SET_FORCE_REMOVE_TARGET_DIR\n"
        "SET_COPY_TO_UNINSTALL\n"
        "SET_PROG_NAME(x) ; kept as written\n"
        "ANYTHING(y) // cut\n");
    EXPECT_EQ(loaded.script.UninstallLines(),
              (Lines{"REMOVE_REG_KEY(HKEY_CURRENT_USER\\Software\\Korvan)",
                     "REMOVE_FILE(C:\\a b.txt)", "REMOVE_DIR(C:\\d)", "FORCE_REMOVE_DIR(C:\\e)",
                     "FORCE_REMOVE_DIR(<TARGET_DIR>\\Logs)", "FORCE_REMOVE_DIR(<TARGET_DIR>)",
                     "SET_PROG_NAME(x) ; kept as written", "ANYTHING(y)"}));
    EXPECT_EQ(loaded.script.Text(C::SET_PROG_NAME), "");
    EXPECT_TRUE(loaded.reports.empty());
}

TEST(SScript, PageNavigation) {
    Loaded loaded("SET_DIALOGS(WelcomeDlg, LicenseDlg ,CustomDlg,CompleteDlg)");
    TScript& script = loaded.script;
    EXPECT_EQ(script.CurrentPage(), "WelcomeDlg");
    script.NextPage();
    EXPECT_EQ(script.CurrentPage(), "LicenseDlg");
    script.SelectPage("customdlg");
    EXPECT_EQ(script.PageIndex(), 2);
    script.NextPage();
    EXPECT_EQ(script.CurrentPage(), "CompleteDlg");
    script.NextPage();
    EXPECT_EQ(script.CurrentPage(), "");
    script.SelectPage("LicenseDlg");  // the field holds blanks: no match
    EXPECT_EQ(script.PageIndex(), -1);
    EXPECT_EQ(script.CurrentPage(), "");
    script.PreviousPage();
    EXPECT_EQ(script.PageIndex(), -2);
    script.SetPageIndex(0);
    EXPECT_EQ(script.CurrentPage(), "WelcomeDlg");

    EXPECT_TRUE(script.HasPage("Custom"));
    EXPECT_TRUE(script.HasPage("LICENSEDLG"));
    EXPECT_FALSE(script.HasPage("ReadmeDlg"));
    EXPECT_FALSE(script.HasPage(""));
}

TEST(SScript, TakeCopyNameTellsWhetherTheFileComesAgain) {
    Loaded loaded(
        "SET_GROUP_DATA(G|1|1|1|1|G|1)\nSET_COPY_FILES(Korvan.exe|readme.txt)\n"
        "SET_SUB_DIR(x)\nSET_COPY_FILES(*KORVAN.EXE)");
    TScript& script = loaded.script;
    EXPECT_TRUE(script.TakeCopyName("C:\\src\\korvan.exe"));
    EXPECT_FALSE(script.TakeCopyName("C:\\src\\Korvan.exe"));
    EXPECT_FALSE(script.TakeCopyName("C:\\src\\Korvan.exe"));
    EXPECT_FALSE(script.TakeCopyName("readme.txt"));
    EXPECT_TRUE(script.CopyNames().empty());
}

}  // namespace
