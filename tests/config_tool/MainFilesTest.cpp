// Settings files and the web-page list through the window's buttons.
#include "FilesFormFixture.h"

namespace {

using Lines = std::vector<std::string>;

void SetAddress(const std::array<ui::Edit*, 4>& edits, const Lines& texts) {
    for (size_t i = 0; i < 4; ++i) edits[i]->SetText(texts[i]);
}

class MainFilesTest : public FilesFormTest {
protected:
    std::array<ui::Edit*, 4> Ip() {
        return {&form->IPAddr1Edit, &form->IPAddr2Edit, &form->IPAddr3Edit, &form->IPAddr4Edit};
    }
    std::array<ui::Edit*, 4> Client() {
        return {&form->ClientAddr1Edit, &form->ClientAddr2Edit, &form->ClientAddr3Edit,
                &form->ClientAddr4Edit};
    }
    Lines Texts(const std::array<ui::Edit*, 4>& edits) {
        Lines texts;
        for (ui::Edit* edit : edits) texts.push_back(edit->Text());
        return texts;
    }
    void SaveSettingsTo(const std::string& path) {
        script.QueueFiles({path});
        form->SaveButtonClick();
    }
    void LoadSettingsFrom(const std::string& path) {
        script.QueueFiles({path});
        form->LoadButtonClick();
    }
};

TEST_F(MainFilesTest, SettingsFileHoldsEverySettingEachFollowedByAnEmptyLine) {
    SetAddress(Ip(), {"192", "168", "0", "20"});
    SetAddress({&form->GateWayAddr1Edit, &form->GateWayAddr2Edit, &form->GateWayAddr3Edit,
                &form->GateWayAddr4Edit},
               {"192", "168", "0", "1"});
    SetAddress({&form->SubMaskAddr1Edit, &form->SubMaskAddr2Edit, &form->SubMaskAddr3Edit,
                &form->SubMaskAddr4Edit},
               {"255", "255", "255", "0"});
    SetAddress(Client(), {"10", "0", "0", "5"});
    form->BaudRateComboBox.SetItemIndex(3);
    // A write would leave the address and client lines out now; a settings file never does.
    SendMessageA(form->DHCPEnabledxfCheckBox.Handle(), BM_CLICK, 0, 0);
    SendMessageA(form->ClientEnabledxfCheckBox.Handle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(form->DHCPEnabledxfCheckBox.Checked());
    ASSERT_FALSE(form->ClientEnabledxfCheckBox.Checked());

    SaveSettingsTo(dir / "settings.txt");
    std::string bytes = testsupport::ReadFileBytes(dir / "settings.txt");
    Lines entries;
    for (size_t at = 0; at < bytes.size();) {
        size_t end = bytes.find("\r\n\r\n", at);
        ASSERT_NE(end, std::string::npos) << "no empty line after the entry at " << at;
        entries.push_back(bytes.substr(at, end - at));
        at = end + 4;
    }
    ASSERT_EQ(entries.size(), 11u) << bytes;
    Lines letters;
    for (const auto& entry : entries) letters.push_back(entry.substr(0, 2));
    EXPECT_EQ(letters, (Lines{"ba", "bb", "bh", "bj", "bt", "eo", "nc", "ng", "ni", "ns", "zc"}));
    EXPECT_EQ(entries[0], "ba3012");
    EXPECT_EQ(entries[2], "bh60");
    EXPECT_EQ(entries[6], "nc10.0.0.5");
    EXPECT_EQ(entries[8], "ni192.168.0.20");
    EXPECT_TRUE(Dialogs().empty());

    // Back into a window whose values differ.
    SetAddress(Ip(), {"1", "1", "1", "1"});
    form->ServerTimeoutCSpinEdit.SetValue(200);
    LoadSettingsFrom(dir / "settings.txt");
    EXPECT_EQ(Texts(Ip()), (Lines{"192", "168", "0", "20"}));
    EXPECT_EQ(form->ServerTimeoutCSpinEdit.Value(), 60);
    EXPECT_EQ(form->BaudRateComboBox.ItemIndex(), 3);
}

struct LoadCase {
    const char* name;
    const char* bytes;
    std::function<void(korvan::TMainForm&)> check;
};

TEST_F(MainFilesTest, LoadFileAcceptsEitherCaseAndEveryLineEnd) {
    SetAddress(Ip(), {"192", "168", "0", "20"});
    const LoadCase cases[] = {
        {"only bh", "bh120\r\n",
         [](korvan::TMainForm& f) {
             EXPECT_EQ(f.ServerTimeoutCSpinEdit.Value(), 120);
             EXPECT_EQ(f.UpdatePeriodCSpinEdit.Value(), 60);
             EXPECT_EQ(f.ClientPortCSpinEdit.Value(), 3012);
             EXPECT_EQ(f.IPAddr4Edit.Text(), "20");
         }},
        {"upper case, LF", "NI10.0.0.1\nBT5\nEO0010000000000000\n",
         [](korvan::TMainForm& f) {
             EXPECT_EQ(f.IPAddr1Edit.Text(), "10");
             EXPECT_EQ(f.IPAddr4Edit.Text(), "1");
             EXPECT_EQ(f.SerialTimedCSpinEdit.Value(), 50);
         }},
        {"lower case, CR", "ni10.0.0.2\rbt1\r",
         [](korvan::TMainForm& f) {
             EXPECT_EQ(f.IPAddr4Edit.Text(), "2");
             EXPECT_EQ(f.SerialTimedCSpinEdit.Value(), 20);  // the spin edit's minimum
         }},
        {"lower-case MAC and unknown lines", "ma7\r\n\r\nxx12\r\nhello\r\n",
         [](korvan::TMainForm& f) {
             EXPECT_EQ(f.MACAddressEdit.Text(), "");
             EXPECT_EQ(f.IPAddr4Edit.Text(), "20");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(testsupport::WriteFileBytes(dir / "in.txt", c.bytes));
        SetAddress(Ip(), {"192", "168", "0", "20"});
        LoadSettingsFrom(dir / "in.txt");
        c.check(*form);
    }
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(MainFilesTest, FilesThatCannotBeReadOrWrittenLeaveTheWindowAlone) {
    SetAddress(Ip(), {"192", "168", "0", "20"});
    form->CommandQueue.Add("bh60\r\n");
    LoadSettingsFrom(dir / "missing.txt");
    EXPECT_EQ(Texts(Ip()), (Lines{"192", "168", "0", "20"}));
    EXPECT_EQ(form->CommandQueue.Items(), (Lines{"bh60\r\n"}));

    std::string noFolder = dir / "no-such-folder\\settings.txt";
    SaveSettingsTo(noFolder);
    script.QueueButton(IDNO);
    form->FileListChanged = true;
    form->FileList.Add("C:\\Pages\\a.htm");
    script.QueueFiles({dir / "missing-list.txt"});
    form->LoadPageListButtonClick();
    EXPECT_EQ(form->FileList.Items(), (Lines{"C:\\Pages\\a.htm"}));
    EXPECT_TRUE(form->FileListChanged);

    EXPECT_EQ(Dialogs(), (Lines{"Cannot read " + (dir / "missing.txt"), "Cannot write " + noFolder,
                                "The Web Page File List has changed\nDo you want to save the new list?",
                                "Cannot read " + (dir / "missing-list.txt")}));
}

TEST_F(MainFilesTest, AddRemoveAndTheGrid) {
    script.QueueFiles({"C:\\Web\\index.htm", "C:\\Web\\form.cgi", "c:\\web\\INDEX.HTM"});
    form->AddButtonClick();
    EXPECT_TRUE(form->FileListChanged);
    EXPECT_EQ(GridRows(), (Lines{"C:\\Web\\|form.cgi", "C:\\Web\\|index.htm"}));
    auto request = script.CallsOf("OpenFileDialog");
    ASSERT_EQ(request.size(), 1u);
    EXPECT_EQ(request[0].text, "Web Page Files|*.htm;*.cgi");

    script.QueueFiles({"D:\\Other\\a.htm", "D:\\Other\\b.htm"});
    form->AddButtonClick();
    ASSERT_EQ(GridRows().size(), 4u);
    form->FileListStringGrid.SelectRow(1);
    form->FileListStringGrid.SelectRow(2);
    form->RemoveButtonClick();
    EXPECT_EQ(GridRows(), (Lines{"D:\\Other\\|a.htm", "D:\\Other\\|b.htm"}));
    EXPECT_EQ(form->FileList.Items(), (Lines{"D:\\Other\\a.htm", "D:\\Other\\b.htm"}));
}

TEST_F(MainFilesTest, PageListQuestionBeforeLoading) {
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "list.txt",
                                            "C:\\Web\\b.htm\r\nC:\\Web\\a.htm\r\nc:\\web\\A.HTM\r\n"));
    script.QueueFiles({"C:\\Mine\\page.htm"});
    form->AddButtonClick();

    // Cancel: no dialog for a file, list and grid as they were.
    script.QueueButton(IDCANCEL);
    form->LoadPageListButtonClick();
    EXPECT_EQ(GridRows(), (Lines{"C:\\Mine\\|page.htm"}));
    EXPECT_TRUE(form->FileListChanged);

    // Yes: saved first, then the chosen list replaces it.
    script.QueueButton(IDYES);
    script.QueueFiles({dir / "saved.txt"});
    script.QueueFiles({dir / "list.txt"});
    form->LoadPageListButtonClick();
    EXPECT_EQ(testsupport::ReadFileBytes(dir / "saved.txt"), "C:\\Mine\\page.htm\r\n");
    EXPECT_EQ(GridRows(), (Lines{"C:\\Web\\|a.htm", "C:\\Web\\|b.htm"}));
    EXPECT_FALSE(form->FileListChanged);

    // Unchanged: no question at all.
    script.ClearCalls();
    script.QueueFiles({dir / "saved.txt"});
    form->LoadPageListButtonClick();
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(GridRows(), (Lines{"C:\\Mine\\|page.htm"}));
}

}  // namespace
