#include <gtest/gtest.h>

#include <map>

#include "LangFile.h"
#include "scratch_dir.h"

namespace {

const char kGerman[] =
    "; Deutsch\r\n"
    "Version=ignored before any section\r\n"
    "[ general ]\r\n"
    "LangID=7\r\n"
    "Charset = 177\r\n"
    "[BUTTONS]\r\n"
    "  next = &Weiter  \r\n"
    "Next=second one loses\r\n"
    "Back=\r\n"
    "a line without equals\r\n"
    "Cancel=a=b\r\n"
    "[Welcome\r\n"
    "Caption=in Buttons still\r\n"
    "[]\r\n"
    "x=in the unnamed section\r\n"
    "[Buttons]\r\n"
    "Finish=&Fertig\r\n";

std::string Lookup(const TLangFile& file, const std::string& section, const std::string& key) {
    std::string value;
    return file.Find(section, key, value) ? value : "<absent>";
}

TEST(LangFile, ParsesSectionsAndEntries) {
    TLangFile file;
    file.Parse(kGerman);
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"General", "Version", "<absent>"},      // before the first section
        {"GENERAL", "langid", "7"},              // names and keys ignore case
        {"general", "Charset", "177"},           // blanks around "=" go
        {"Buttons", "Next", "&Weiter"},          // the first entry of a key counts
        {"Buttons", "Back", ""},                 // present with an empty value
        {"Buttons", "a line without equals", "<absent>"},
        {"Buttons", "Cancel", "a=b"},            // split at the first "="
        {"Buttons", "Caption", "in Buttons still"},  // "[Welcome" opens no section
        {"Welcome", "Caption", "<absent>"},
        {"", "x", "in the unnamed section"},
        {"Buttons", "Finish", "&Fertig"},        // a section written twice continues
        {"Missing", "Next", "<absent>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Lookup(file, c.section, c.key), c.expected) << c.section << "/" << c.key;
    }
    EXPECT_EQ(LangFileCharset(file), 177);

    file.Parse("");
    EXPECT_EQ(Lookup(file, "Buttons", "Next"), "<absent>");
    EXPECT_EQ(LangFileCharset(file), 0);
}

TEST(LangFile, CharsetFallsBackToZero) {
    const struct {
        const char* text;
        int charset;
    } cases[] = {
        {"[General]\nCharset=178", 178},
        {"[General]\nCharset=Hebrew", 0},
        {"[General]\nLangID=9", 0},
        {"[Other]\nCharset=177", 0},
    };
    for (const auto& c : cases) {
        TLangFile file;
        file.Parse(c.text);
        EXPECT_EQ(LangFileCharset(file), c.charset) << c.text;
    }
}

TEST(LangFile, LookupFallbackRules) {
    TLangFile builtIn;
    builtIn.Parse("[Buttons]\nNext=&Next >\nBack=< &Back\nCancel=&Cancel");
    TLangFile chosen;
    chosen.Parse("[Buttons]\nBack=< &Zurueck\nCancel=");
    const struct {
        const char* label;
        const TLangFile* chosen;
        const char* key;
        const char* fallback;
        const char* expected;
    } cases[] = {
        {"no file: built-in", nullptr, "Next", "x", "&Next >"},
        {"no file, no entry: default", nullptr, "Help", "x", "x"},
        {"file answers", &chosen, "Back", "", "< &Zurueck"},
        {"file lacks key, empty default: built-in", &chosen, "Next", "", "&Next >"},
        {"file lacks key, default given: default", &chosen, "Next", "Weiter", "Weiter"},
        {"file lacks key, nowhere: empty", &chosen, "Help", "", ""},
        {"empty value is no fallback", &chosen, "Cancel", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LookupLangText(builtIn, c.chosen, "buttons", c.key, c.fallback), c.expected)
            << c.label;
    }
}

TEST(LangFile, ChoosesTheLanguageFile) {
    const std::map<std::string, int> ids = {{"German", 7}, {"French", 12}, {"Broken", -1}};
    auto idOf = [&](const std::string& name) {
        auto found = ids.find(name);
        return found == ids.end() ? -1 : found->second;
    };
    const struct {
        const char* names;
        int user;
        bool english;
        const char* expected;
    } cases[] = {
        {"|German|French|", 12, false, "French"},
        {"|German|French|", 9, true, "English"},   // no match: English.lng when it exists
        {"|German|French|", 9, false, ""},
        {"|Broken|", 9, false, "Broken"},          // the only candidate, whatever its LangID
        {"|Missing|", 7, true, "Missing"},
        {"|Broken|German|", 7, true, "German"},
        {"", 9, true, "English"},
        {"", 9, false, ""},
        {"German", 7, false, ""},                  // no leading delimiter: no fields
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseLanguageName(c.names, c.user, idOf, c.english), c.expected)
            << c.names << " user " << c.user;
    }
}

TEST(LangFile, BuiltInEnglishParses) {
    TLangFile english;
    english.Parse(testsupport::ReadFileBytes(testsupport::SourcePath("setup/English.lng")));
    EXPECT_EQ(Lookup(english, "General", "LangID"), "9");
    EXPECT_EQ(LangFileCharset(english), 0);
    EXPECT_EQ(Lookup(english, "Buttons", "Back"), "< &Back");
    EXPECT_EQ(Lookup(english, "Buttons", "Next"), "&Next >");
    EXPECT_EQ(Lookup(english, "Messages", "s1"),
              "%s<p>File not found!<p><p>Correct the problem and run Setup once again!");
    EXPECT_EQ(Lookup(english, "UnInstall", "s2"), "UnInstall completed successfully !");
}

}  // namespace
