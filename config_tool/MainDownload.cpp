// TMainForm's web-page download: copy the listed pages, pack them with VOKA.EXE, and send
// the image to the module block by block.
#include "Mainunit.h"

#include <process.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "ImageToolCommand.h"
#include "VersionReply.h"

namespace korvan {

namespace {

constexpr const char* kImageFileName = "WebPages.bin";
constexpr const char* kZipRequest = "zp\r\n";
constexpr const char* kNotFound = "KORVAN not found";

std::string PageName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void TMainForm::DownloadButtonClick() {
    if (!CopyPagesToTemp()) {
        ShowDialog("Error Copying Files", MB_ICONERROR);
        return;
    }
    if (!BuildImage()) return;
    StartDownload();
}

bool TMainForm::CopyPagesToTemp() {
    if (!IsFolder(TempFolder()) && !CreateDirectoryA(TempFolder().c_str(), nullptr)) {
        Log("Unable to create Temp Folder");
        return false;
    }
    for (const auto& path : FileList) {
        std::string copy = TempFolder() + "\\" + PageName(path);
        if (!CopyFileA(path.c_str(), copy.c_str(), FALSE)) {
            Log("Cannot find file " + path);
            DeleteTempFiles();
            return false;
        }
    }
    return true;
}

std::string TMainForm::ImageToolFolder() const {
    char shortPath[MAX_PATH] = {};
    DWORD length = GetShortPathNameA(AppDir.c_str(), shortPath, sizeof shortPath);
    // Volumes without short names give none; the long form, quoted, serves as well.
    if (length == 0 || length >= sizeof shortPath) return AppDir;
    return std::string(shortPath, length);
}

bool TMainForm::BuildImage() {
    ImageToolCommand command = MakeImageToolCommand(ImageToolFolder());
    std::string program = QuoteArgument(command.program);
    std::string input = QuoteArgument(command.input);
    std::string output = QuoteArgument(command.output);
    const char* const arguments[] = {program.c_str(), input.c_str(), output.c_str(), nullptr};
    errno = 0;
    // The tool's exit code is not examined: what it wrote is measured instead.
    if (_spawnv(_P_WAIT, command.program.c_str(), arguments) == -1) {
        std::string cause = ImageToolStartFailureText(errno);
        ShowDialog(cause, MB_ICONERROR);
        Log("Unable to create Image: " + cause);
        DeleteTempFiles();
        return false;
    }
    return MeasureImage();
}

bool TMainForm::MeasureImage() {
    std::string path = MakeImageToolCommand(ImageToolFolder()).output;
    std::ifstream image(path, std::ios::binary | std::ios::ate);
    if (!image) {
        // The tool ran but left no image (a page it could not read, say): nothing to send.
        ShowDialog("Cannot open file\nError 3", MB_ICONERROR);
        Log("Image file read error");
        DeleteTempFiles();
        return false;
    }
    ImageFileSize = static_cast<int>(image.tellg());
    image.close();
    std::string size = std::to_string(ImageFileSize);
    if (static_cast<size_t>(ImageFileSize) > kMaxImageSize) {
        ShowDialog("Image size is too large - Maximum 32700 bytes\rFile size is " + size + " bytes",
                   MB_ICONERROR);
        Log("Image size is too large: " + size);
        DeleteTempFiles();
        return false;
    }
    if (ImageFileSize == 0) {
        // An empty image has no file table; sending it would only erase the module's pages.
        ShowDialog("Image file is empty", MB_ICONERROR);
        Log("Unable to create Image: Image file is empty");
        DeleteTempFiles();
        return false;
    }
    return true;
}

void TMainForm::StartDownload() {
    StartExchange(kDownload);
    if (!PortOpen && !OpenPort()) {
        Operation = kNoOperation;
        DeleteTempFiles();
        return;
    }
    DownloadStep = 1;
    AwaitingVersion = false;
    LastCommand = "sv\r\n";
    WritePort(LastCommand);
}

void TMainForm::HandleDownloadReply() {
    if (DownloadStep == 1) {
        DownloadVersionStage(ReplyText());
        return;
    }
    if (DownloadStep == 2) {
        WebPagedxfProgressBar.SetVisible(true);
        ProgressLabel.SetVisible(true);
    }
    if (ReplyLength != 1) return;
    DownloadOutput out = Transfer.OnByte(Reply[0]);
    switch (out.action) {
        case DownloadAction::Block: SendNextBlock(out); break;
        case DownloadAction::Eot: WritePort(out.bytes); break;
        case DownloadAction::Complete: FinishDownload(); return;
        case DownloadAction::None: return;
    }
    DownloadStep = Transfer.Step();
}

void TMainForm::DownloadVersionStage(const std::string& reply) {
    auto fail = [this](const std::string& dialog, const std::string& logLine) {
        FailExchange(dialog, logLine);
        DownloadStep = 0;
        DeleteTempFiles();
    };
    int error = CheckErrorReply(reply);
    if (error == 1) return;
    if (error == -1) return fail("KORVAN not found\rError 1", kNotFound);
    int version = CheckVersionReply(reply);
    if (version == -2) return;
    if (version == 0 || version == -1) return fail("KORVAN not found\rError 2", kNotFound);
    if (version >= kFirstUnsupportedVersion) {
        return fail(
            "KORVAN version not supported\rPlease download the latest version of this application",
            "KORVAN version not supported");
    }
    // The image is read before "zp" goes out: a module told to expect blocks that never come
    // would be left waiting. Binary mode is then on before the module's NAK arrives.
    if (!LoadImageFile()) return FailDownload();
    LastCommand = kZipRequest;
    WritePort(LastCommand);
    DownloadStep = 2;
}

bool TMainForm::LoadImageFile() {
    std::ifstream file(MakeImageToolCommand(ImageToolFolder()).output, std::ios::binary);
    if (!file) {
        ShowDialog("Cannot open file\nError 3", MB_ICONERROR);
        Log("Image file read error");
        return false;
    }
    std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Transfer.Begin(std::move(image));
    BinaryMode = true;
    return true;
}

void TMainForm::SendNextBlock(const DownloadOutput& block) {
    WritePort(block.bytes);
    WebPagedxfProgressBar.SetPosition(block.progress);
}

void TMainForm::FinishDownload() {
    ReplyCountdown = 0;
    ClosePort();
    DownloadStep = 0;
    Operation = kNoOperation;
    WebPagedxfProgressBar.SetVisible(false);
    ProgressLabel.SetVisible(false);
    BinaryMode = false;
    DeleteTempFiles();
    ShowDialog("Download complete\rFile size: " + std::to_string(ImageFileSize) + " bytes",
               MB_ICONINFORMATION);
}

void TMainForm::FailDownload() {
    ReplyCountdown = 0;
    ClosePort();
    Operation = kNoOperation;
    DownloadStep = 0;
    Transfer.Reset();
    DeleteTempFiles();
}

void TMainForm::DeleteTempFiles() {
    for (const auto& path : FileList) {
        std::string copy = TempFolder() + "\\" + PageName(path);
        if (GetFileAttributesA(copy.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFileA(copy.c_str());
    }
    std::string image = AppDir + "\\" + kImageFileName;
    if (GetFileAttributesA(image.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFileA(image.c_str());
}

}  // namespace korvan
