// "Send New MAC" through the window against a fake module.
#include "FilesFormFixture.h"

namespace {

using Lines = std::vector<std::string>;

struct MacCase {
    const char* high;
    const char* low;
    const char* sent;  // the "ma" line, or "" for "MAC Error"
};

TEST_F(FilesFormTest, SendNewMacInputs) {
    const MacCase cases[] = {
        {"0A", "ff", "ma2815"}, {"00", "00", "ma0"}, {"0A1", "FFx", "ma2815"},
        {"0G", "00", ""},       {"A", "00", ""},     {"00", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.high) + " " + c.low);
        module = std::make_shared<FakeModule>();
        form.reset();
        CreateForm();
        script.ClearCalls();
        form->NewMAC1Edit.SetText(c.high);
        form->NewMAC2Edit.SetText(c.low);
        form->SendNewMACButtonClick();
        ASSERT_TRUE(RunToIdle());
        if (*c.sent) {
            EXPECT_EQ(module->Sent(), (Lines{c.sent, "zc"}));  // no version request
            EXPECT_EQ(form->MACAddressEdit.Text(), "00:04:A3:01:02:03");
            EXPECT_EQ(Dialogs(), Lines{"Data read OK"});
            EXPECT_FALSE(form->PortOpen);
        } else {
            EXPECT_EQ(Dialogs(), Lines{"MAC Error"});
            EXPECT_TRUE(module->Sent().empty());
            EXPECT_TRUE(module->openedNames.empty());
        }
    }
}

TEST_F(FilesFormTest, MacFileWithThreeLinesShowsEmptyEditsAndIsNeverCreated) {
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "SetMACAddress.txt", "0A\r\nFF\r\n\r\n"));
    form.reset();
    CreateForm();
    EXPECT_TRUE(form->SendNewMACButton.Visible());
    EXPECT_EQ(form->NewMAC1Edit.Text(), "");
    form->NewMAC1Edit.SetText("0G");
    form->NewMAC2Edit.SetText("1");
    EXPECT_TRUE(form->Close());
    EXPECT_EQ(testsupport::ReadFileBytes(dir / "SetMACAddress.txt"), "0G\r\n1\r\n");

    DeleteFileA((dir / "SetMACAddress.txt").c_str());
    CreateForm();
    EXPECT_FALSE(form->SendNewMACButton.Visible());
    EXPECT_TRUE(form->Close());
    EXPECT_EQ(GetFileAttributesA((dir / "SetMACAddress.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
