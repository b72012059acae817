// The web-page download through the window: copying, packing by a VOKA.EXE stand-in, and the
// block transfer to a fake module whose reader is the window's real one.
#include "FilesFormFixture.h"

#include "DownloadTransfer.h"

namespace {

using Lines = std::vector<std::string>;

std::string PatternImage(size_t size) {
    std::string image(size, '\0');
    for (size_t i = 0; i < size; ++i) image[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return image;
}

unsigned char Byte(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

class MainDownloadTest : public FilesFormTest {
protected:
    // The module's side: NAK on "zp", ACK on every block and on EOT. The first block is
    // answered NAK then ACK: the NAK must be ignored.
    void ModuleTakesBlocks() {
        module->fault = [this](const std::string& line) -> std::optional<std::string> {
            if (line == "zp") return std::string(1, korvan::kNak);
            if (line == std::string(1, korvan::kEot)) return std::string(1, korvan::kAck);
            if (!line.empty() && line[0] == korvan::kSoh) {
                progressAtBlock.push_back(form->WebPagedxfProgressBar.Position());
                barShown = barShown && form->WebPagedxfProgressBar.Visible();
                if (progressAtBlock.size() == 1) return std::string{korvan::kNak, korvan::kAck};
                return std::string(1, korvan::kAck);
            }
            return std::nullopt;
        };
    }
    Lines Blocks() {
        Lines blocks;
        for (const auto& line : module->Sent()) {
            if (!line.empty() && line[0] == korvan::kSoh) blocks.push_back(line);
        }
        return blocks;
    }
    // A page list of one page, "image.bin", whose bytes the stand-in tool takes as the image.
    void ListImagePage(const std::string& bytes) {
        CreateDirectoryA((dir / "src").c_str(), nullptr);
        ASSERT_TRUE(testsupport::WriteFileBytes(dir / "src\\image.bin", bytes));
        form->FileList.Add(dir / "src\\image.bin");
    }
    void InstallImageTool() {
        std::string tool = testsupport::BinaryPath("tests/config_tool/image_tool_double.exe");
        ASSERT_TRUE(CopyFileA(tool.c_str(), (dir / "VOKA.EXE").c_str(), FALSE)) << tool;
    }
    bool Exists(const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::vector<int> progressAtBlock;
    bool barShown = true;
};

struct TransferCase {
    size_t size;
    size_t blocks;
    std::vector<int> progress;  // the bar at each block's write: where the previous one began
};

TEST_F(MainDownloadTest, BlocksOfTheImageTravelOneAtATime) {
    const TransferCase cases[] = {
        {300, 3, {0, 0, 42}},
        {256, 3, {0, 0, 50}},
        {32700, 256, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        module = std::make_shared<FakeModule>();
        form.reset();
        CreateForm();
        script.ClearCalls();
        progressAtBlock.clear();
        ModuleTakesBlocks();
        std::string image = PatternImage(c.size);
        ASSERT_TRUE(testsupport::WriteFileBytes(dir / "WebPages.bin", image));

        form->StartDownload();
        ASSERT_TRUE(RunToIdle());

        Lines sent = module->Sent();
        ASSERT_GE(sent.size(), 3u);
        EXPECT_EQ(sent[0], "sv");
        EXPECT_EQ(sent[1], "zp");
        EXPECT_EQ(sent.back(), std::string(1, korvan::kEot));
        Lines blocks = Blocks();
        ASSERT_EQ(blocks.size(), c.blocks);
        EXPECT_EQ(sent.size(), c.blocks + 3);
        for (size_t b = 0; b < blocks.size(); ++b) {
            ASSERT_EQ(blocks[b], korvan::BuildDownloadBlock(image, static_cast<int>(b + 1)))
                << "block " << b + 1;
        }
        const std::string& last = blocks.back();
        EXPECT_EQ(Byte(last, 1), c.blocks & 0xFF);
        EXPECT_EQ(Byte(last, 2), 0xFF - (c.blocks & 0xFF));
        if (c.size == 300) {
            EXPECT_EQ(last.substr(3, 44), image.substr(256, 44));
            EXPECT_EQ(last.substr(47, 84), std::string(84, '\xFF'));
        }
        if (c.size == 256) {
            EXPECT_EQ(last.substr(3, 128), std::string(128, '\xFF'));
        }
        if (c.size == 32700) {
            EXPECT_EQ(last.substr(3, 60), image.substr(32640, 60));
        }
        if (!c.progress.empty()) {
            EXPECT_EQ(progressAtBlock, c.progress);
        }
        EXPECT_TRUE(barShown);

        EXPECT_FALSE(form->WebPagedxfProgressBar.Visible());
        EXPECT_FALSE(form->ProgressLabel.Visible());
        EXPECT_FALSE(form->PortOpen);
        EXPECT_FALSE(form->BinaryMode);
        EXPECT_EQ(form->DownloadStep, 0);
        EXPECT_FALSE(Exists(dir / "WebPages.bin"));
        ASSERT_EQ(Dialogs().size(), 1u);
        EXPECT_EQ(Dialogs()[0].rfind("Download complete\rFile size: ", 0), 0u);
    }
}

struct VersionCase {
    const char* name;
    std::string reply;  // to every "sv"
    const char* dialog;
};

TEST_F(MainDownloadTest, VersionStageFailuresEndTheDownloadBeforeZp) {
    const VersionCase cases[] = {
        {"error replies", "Error\r\n", "KORVAN not found\rError 1"},
        {"no version", "SVX\r\n", "KORVAN not found\rError 2"},
        {"too new", "SV1.1.0-LNK\r\n",
         "KORVAN version not supported\rPlease download the latest version of this application"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        module = std::make_shared<FakeModule>();
        form.reset();
        CreateForm();
        script.ClearCalls();
        std::string reply = c.reply;
        module->fault = [reply](const std::string& line) -> std::optional<std::string> {
            if (line == "sv") return reply;
            return std::nullopt;
        };
        ASSERT_TRUE(testsupport::WriteFileBytes(dir / "WebPages.bin", PatternImage(10)));
        form->StartDownload();
        ASSERT_TRUE(RunToIdle());
        EXPECT_EQ(Dialogs(), Lines{c.dialog});
        Lines sent = module->Sent();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), "zp"), 0);
        EXPECT_EQ(form->DownloadStep, 0);
        EXPECT_FALSE(form->PortOpen);
        EXPECT_FALSE(form->BinaryMode);
        EXPECT_FALSE(Exists(dir / "WebPages.bin"));
    }
}

TEST_F(MainDownloadTest, MissingImageIsReportedAndZpNeverSent) {
    ModuleTakesBlocks();
    form->StartDownload();
    ASSERT_TRUE(RunToIdle());
    EXPECT_EQ(Dialogs(), Lines{"Cannot open file\nError 3"});
    EXPECT_TRUE(Logged("Image file read error"));
    EXPECT_EQ(module->Sent(), Lines{"sv"});
    EXPECT_FALSE(form->PortOpen);
    EXPECT_FALSE(form->BinaryMode);
}

struct SizeCase {
    size_t size;
    const char* dialog;
    const char* log;  // "" when the download goes ahead
};

TEST_F(MainDownloadTest, ImageSizeLimitsThroughTheImageTool) {
    InstallImageTool();
    const SizeCase cases[] = {
        {32700, "Download complete\rFile size: 32700 bytes", ""},
        {32701, "Image size is too large - Maximum 32700 bytes\rFile size is 32701 bytes",
         "Image size is too large: 32701"},
        {0, "Image file is empty", "Unable to create Image: Image file is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        script.ClearCalls();
        form->FileList.Clear();
        ModuleTakesBlocks();
        ListImagePage(PatternImage(c.size));
        form->DownloadButtonClick();
        ASSERT_TRUE(RunToIdle());
        EXPECT_EQ(Dialogs(), Lines{c.dialog});
        if (*c.log) {
            EXPECT_TRUE(Logged(c.log));
        }
        EXPECT_FALSE(Exists(dir / "TempWebPges\\image.bin"));
        EXPECT_FALSE(Exists(dir / "WebPages.bin"));
        EXPECT_TRUE(Exists(dir / "TempWebPges"));
    }
    // The tool was called with the temporary folder and the image beside the program.
    std::string args = testsupport::ReadFileBytes(dir / "WebPages.bin.args");
    EXPECT_NE(args.find("\\TempWebPges\n"), std::string::npos) << args;
    EXPECT_NE(args.find("//WebPages.bin\n"), std::string::npos) << args;
}

TEST_F(MainDownloadTest, SameNameInTwoFoldersLeavesTheLaterCopy) {
    InstallImageTool();
    ModuleTakesBlocks();
    for (const char* folder : {"a", "b"}) CreateDirectoryA((dir / folder).c_str(), nullptr);
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "a\\image.bin", PatternImage(10)));
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "b\\image.bin", PatternImage(20)));
    form->FileList.Add(dir / "b\\image.bin");
    form->FileList.Add(dir / "a\\image.bin");
    form->DownloadButtonClick();
    ASSERT_TRUE(RunToIdle());
    EXPECT_EQ(Dialogs(), Lines{"Download complete\rFile size: 20 bytes"});
}

TEST_F(MainDownloadTest, CopyAndStartFailures) {
    // A listed page that is not there.
    form->FileList.Add(dir / "missing.htm");
    form->DownloadButtonClick();
    EXPECT_EQ(Dialogs(), Lines{"Error Copying Files"});
    EXPECT_TRUE(Logged("Cannot find file " + (dir / "missing.htm")));

    // No VOKA.EXE beside the program.
    script.ClearCalls();
    form->FileList.Clear();
    ListImagePage("page");
    form->DownloadButtonClick();
    EXPECT_EQ(Dialogs(), Lines{"Path or file name not found"});
    EXPECT_TRUE(Logged("Unable to create Image: Path or file name not found"));
    EXPECT_FALSE(Exists(dir / "TempWebPges\\image.bin"));
    EXPECT_TRUE(module->Sent().empty());

    // The temporary folder's name is taken by a file.
    script.ClearCalls();
    RemoveDirectoryA((dir / "TempWebPges").c_str());
    ASSERT_TRUE(testsupport::WriteFileBytes(dir / "TempWebPges", "x"));
    form->DownloadButtonClick();
    EXPECT_EQ(Dialogs(), Lines{"Error Copying Files"});
    EXPECT_TRUE(Logged("Unable to create Temp Folder"));
}

}  // namespace
