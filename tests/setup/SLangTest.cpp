#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <sstream>

#include "MsgBox.h"
#include "SLang.h"
#include "SScript.h"
#include "scratch_dir.h"

namespace {

// Collects what the code under test writes to the debug channel (std::cout).
class DebugLines {
public:
    DebugLines() : previous_(std::cout.rdbuf(lines_.rdbuf())) {}
    ~DebugLines() { std::cout.rdbuf(previous_); }
    std::string Text() const { return lines_.str(); }

private:
    std::ostringstream lines_;
    std::streambuf* previous_;
};

TScript ScriptWith(const std::string& text) {
    TScript script;
    script.LoadText(text);
    return script;
}

std::string LangFile(int langId, const std::string& next, int charset = 0) {
    return "[General]\r\nLangID=" + std::to_string(langId) + "\r\nCharset=" +
           std::to_string(charset) + "\r\n[Buttons]\r\nNext=" + next + "\r\n";
}

// A language other than the user's.
int OtherLangId() { return UserLangId() == 7 ? 12 : 7; }

class SLang : public testing::Test {
protected:
    void SetUp() override {
        LoadBuiltInLanguage();
        ASSERT_TRUE(CreateDirectoryA((dir / "LANG").c_str(), nullptr));
    }
    // Writes a language file into the LANG folder.
    void Write(const std::string& name, const std::string& text) {
        ASSERT_TRUE(testsupport::WriteFileBytes(dir / ("LANG\\" + name + ".lng"), text));
    }
    testsupport::ScratchDir dir;
};

TEST_F(SLang, BuiltInEnglishComesFromTheResource) {
    LoadLanguageFrom(ScriptWith(""), dir.Path());  // no language file
    EXPECT_EQ(LangText("Buttons", "Next"), "&Next >");
    EXPECT_EQ(LangText("buttons", "BACK"), "< &Back");
    EXPECT_EQ(LangText("Welcome", "s1"),
              "Welcome to <b>PROG_NAME</b> Setup program. This program will install "
              "<b>PROG_NAME</b> on your computer.<p><p>");
    EXPECT_EQ(LangText("UserInfo", "s22"), "Please enter Company Name!");
    EXPECT_EQ(LangText("UnInstall", "Label6"), "Program registry entries...");
    EXPECT_EQ(LangText("General", "LangID"), "9");
    EXPECT_EQ(LangText("Buttons", "Help", "&Help"), "&Help");
    EXPECT_EQ(LangCharset(), 0);
}

TEST_F(SLang, NoLanguageFileUnlessTheScriptAsks) {
    Write("German", LangFile(UserLangId(), "&Weiter >", 161));
    DebugLines trace;
    LoadLanguageFrom(ScriptWith("SET_LANG_NAMES(|German|)"), dir.Path());
    EXPECT_EQ(LangText("Buttons", "Next"), "&Next >");
    EXPECT_EQ(LangCharset(), 0);
    EXPECT_EQ(trace.Text(), "");
}

TEST_F(SLang, ChoosesTheFileOfTheUsersLanguage) {
    Write("First", LangFile(OtherLangId(), "first"));
    Write("Second", LangFile(UserLangId(), "second", 177));
    Write("English", LangFile(9, "english"));
    DebugLines trace;
    LoadLanguageFrom(ScriptWith("SET_LANG_FLAG(2)\nSET_LANG_NAMES(|Missing|First|Second|)"),
                     dir.Path());
    EXPECT_EQ(LangText("Buttons", "Next"), "second");
    EXPECT_EQ(LangCharset(), 177);
    EXPECT_TRUE(IsRightToLeftCharset(LangCharset()));
    EXPECT_EQ(trace.Text(), dir.Path() + "\\LANG\\Second.lng\n177\n");
}

TEST_F(SLang, FallsBackToEnglishLng) {
    Write("German", LangFile(OtherLangId(), "&Weiter >"));
    Write("English", "[general]\r\nlangid=9\r\n[BUTTONS]\r\nBack=back from file\r\n");
    LoadLanguageFrom(ScriptWith("SET_LANG_FLAG(2)\nSET_LANG_NAMES(|German|French|)"),
                     dir.Path());
    EXPECT_EQ(LangText("Buttons", "Back"), "back from file");
    // A key the file lacks still shows the built-in text.
    EXPECT_EQ(LangText("Buttons", "Next"), "&Next >");
    EXPECT_EQ(LangText("Buttons", "Next", "given"), "given");
}

TEST_F(SLang, SingleCandidateIsTakenWhateverItsLangId) {
    Write("Hebrew", LangFile(OtherLangId(), "hebrew", 177));
    LoadLanguageFrom(ScriptWith("SET_LANG_FLAG(2)\nSET_LANG_NAMES(|Hebrew|)"), dir.Path());
    EXPECT_EQ(LangText("Buttons", "Next"), "hebrew");
    EXPECT_EQ(LangCharset(), 177);
}

TEST_F(SLang, MissingChosenFileShowsEnglish) {
    DebugLines trace;
    LoadLanguageFrom(ScriptWith("SET_LANG_FLAG(2)\nSET_LANG_NAMES(|Klingon|)"), dir.Path());
    EXPECT_EQ(LangText("Buttons", "Next"), "&Next >");
    EXPECT_EQ(LangCharset(), 0);
    EXPECT_EQ(trace.Text(), dir.Path() + "\\LANG\\Klingon.lng\n0\n");
}

TEST_F(SLang, NoMatchAndNoEnglishLoadsNothing) {
    Write("First", LangFile(OtherLangId(), "first", 178));
    Write("Second", LangFile(OtherLangId(), "second", 178));
    LoadLanguageFrom(ScriptWith("SET_LANG_FLAG(2)\nSET_LANG_NAMES(|First|Second|)"), dir.Path());
    EXPECT_EQ(LangText("Buttons", "Next"), "&Next >");
    EXPECT_EQ(LangCharset(), 0);
}

TEST_F(SLang, ProgramFolderServesWhenThereIsNoLangFolder) {
    ASSERT_TRUE(RemoveDirectoryA((dir / "LANG").c_str()));
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "Only.lng", LangFile(OtherLangId(), "beside")));
    LoadLanguageFrom(ScriptWith("SET_LANG_FLAG(2)\nSET_LANG_NAMES(|Only|)"), dir.Path() + "\\");
    EXPECT_EQ(LangText("Buttons", "Next"), "beside");
}

TEST_F(SLang, ReloadingReleasesTheEarlierFile) {
    Write("Hebrew", LangFile(OtherLangId(), "hebrew", 177));
    LoadLanguageFrom(ScriptWith("SET_LANG_FLAG(2)\nSET_LANG_NAMES(|Hebrew|)"), dir.Path());
    LoadLanguageFrom(ScriptWith("SET_LANG_FLAG(1)"), dir.Path());
    EXPECT_EQ(LangText("Buttons", "Next"), "&Next >");
    EXPECT_EQ(LangCharset(), 0);
}

}  // namespace
