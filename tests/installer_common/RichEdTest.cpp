// Rich-text labels: bold markup, the label look and the right-to-left copy.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "RichEd.h"

namespace {

class RichEdTest : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = LoadLibraryA("Riched20.dll");
        ASSERT_NE(library_, nullptr);
        parent_ = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE, 10, 20, 300,
                                100, parent_, reinterpret_cast<HMENU>(7),
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(edit_, nullptr);
        // The control's own default font is the bold system font.
        SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     FALSE);
        ASSERT_FALSE(Bold(0, 1));
    }
    void TearDown() override {
        if (parent_) DestroyWindow(parent_);
        if (library_) FreeLibrary(library_);
    }

    std::string Text() const {
        GETTEXTLENGTHEX length = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
        LONG count = static_cast<LONG>(
            SendMessageA(edit_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
        std::string text(static_cast<size_t>(count) + 1, '\0');
        TEXTRANGEA range = {{0, count}, &text[0]};
        SendMessageA(edit_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
        text.resize(static_cast<size_t>(count));
        return text;
    }

    // Whether every character of the range is bold.
    bool Bold(LONG start, LONG length) const {
        CHARRANGE range = {start, start + length};
        SendMessageA(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        SendMessageA(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return (format.dwMask & CFM_BOLD) && (format.dwEffects & CFE_BOLD);
    }

    bool NotBold(LONG start, LONG length) const {
        for (LONG i = start; i < start + length; ++i)
            if (Bold(i, 1)) return false;
        return true;
    }

    HMODULE library_ = nullptr;
    HWND parent_ = nullptr;
    HWND edit_ = nullptr;
};

TEST_F(RichEdTest, LowerCaseTagsMakeOneWordBold) {
    RenderBoldMarkup(edit_, "Press <b>Next</b> to go on.");
    EXPECT_EQ(Text(), "Press Next to go on.");
    EXPECT_TRUE(Bold(6, 4));
    EXPECT_TRUE(NotBold(0, 6));
    EXPECT_TRUE(NotBold(10, 10));
}

TEST_F(RichEdTest, UnmatchedClosingTagMakesTheTextBeforeItBold) {
    RenderBoldMarkup(edit_, "Warning</B> read this");
    EXPECT_EQ(Text(), "Warning read this");
    EXPECT_TRUE(Bold(0, 7));
    EXPECT_TRUE(NotBold(7, 10));
}

TEST_F(RichEdTest, StretchesAfterLineBreaksLandOnTheirWords) {
    PrepareRichText(edit_, "First line\\nSecond <B>bold</B>\\nThird <B>also</B> end");
    std::string text = Text();
    LONG bold1 = static_cast<LONG>(text.find("bold"));
    LONG bold2 = static_cast<LONG>(text.find("also"));
    ASSERT_NE(text.find("Second bold"), std::string::npos) << text;
    EXPECT_TRUE(Bold(bold1, 4));
    EXPECT_TRUE(Bold(bold2, 4));
    EXPECT_TRUE(NotBold(0, bold1));
    EXPECT_TRUE(NotBold(bold1 + 4, bold2 - bold1 - 4));
}

TEST_F(RichEdTest, PrepareRichTextLooksLikeALabel) {
    PrepareRichText(edit_, "Hello <B>World</B>");
    EXPECT_EQ(Text(), "Hello World");
    LONG_PTR style = GetWindowLongPtrA(edit_, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(style & WS_TABSTOP);
    EXPECT_FALSE(style & WS_BORDER);
    EXPECT_FALSE(GetWindowLongPtrA(edit_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    // Preparing again replaces the text.
    PrepareRichText(edit_, "Again");
    EXPECT_EQ(Text(), "Again");
}

TEST_F(RichEdTest, MoreThanTheLimitOfStretchesStaysNormal) {
    std::string text;
    for (int i = 0; i < kMaxBoldStretches + 1; ++i) text += "<B>x</B>.";
    RenderBoldMarkup(edit_, text);
    EXPECT_TRUE(Bold(0, 1));
    EXPECT_TRUE(Bold(2 * (kMaxBoldStretches - 1), 1));
    EXPECT_TRUE(NotBold(2 * kMaxBoldStretches, 1));
}

TEST_F(RichEdTest, RightToLeftCopyTakesThePlaceOfTheControl) {
    HWND original = edit_;
    SetWindowTextA(edit_, "shalom");
    MakeRightToLeftRichEdit(edit_, 0);
    EXPECT_EQ(edit_, original);
    EXPECT_FALSE(GetWindowLongPtrA(edit_, GWL_EXSTYLE) & WS_EX_RTLREADING);

    MakeRightToLeftRichEdit(edit_, 177);
    ASSERT_NE(edit_, original);
    EXPECT_FALSE(IsWindow(original));
    EXPECT_TRUE(GetWindowLongPtrA(edit_, GWL_EXSTYLE) & WS_EX_RTLREADING);
    EXPECT_EQ(GetParent(edit_), parent_);
    EXPECT_EQ(GetDlgCtrlID(edit_), 7);
    EXPECT_EQ(Text(), "shalom");
    RECT bounds = {};
    GetWindowRect(edit_, &bounds);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, 10);
    EXPECT_EQ(bounds.top, 20);
    EXPECT_EQ(bounds.right - bounds.left, 300);
}

}  // namespace
