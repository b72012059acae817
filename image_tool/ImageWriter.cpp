#include "ImageWriter.h"

namespace voka {

WriteResult WriteImage(const Options& options, const std::string& dateText,
                       std::ostream& console) {
    std::vector<PageFile> pages;
    if (!ListPages(options.InputDir, pages)) {
        console << "Fatal Error: Could not read directory '" << options.InputDir << "'.\n";
        return WriteResult::DirectoryUnreadable;
    }
    DropFile(pages, options.OutputFile);
    if (options.Format == OutputFormat::C)
        return WriteCImage(pages, options.OutputFile, dateText, console);
    return WriteBinaryImage(pages, options.OutputFile, options.ReserveSize, console);
}

int ExitCodeFor(WriteResult result) { return result == WriteResult::Written ? 0 : 4; }

}  // namespace voka
