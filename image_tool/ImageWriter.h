#pragma once
// Builds one page image from the options: the binary image or the same image as C source.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "PageListing.h"
#include "VokaOptions.h"

namespace voka {

enum class WriteResult {
    Written,              // the whole image is in the output file
    CannotCreate,         // the output file could not be created; nothing written
    DirectoryUnreadable,  // the input folder could not be read; no output created
    TooManyFiles,         // more files than a C image's table holds; no output created
    PageUnreadable,       // a page could not be read: the image ends before it
    WriteFailed,          // writing the output failed (disk full, ...): the image is incomplete
};

// The most files a C image holds: its FAT table has 100 records, the last one the end record.
constexpr std::size_t kMaxCImageFiles = 99;

// Lists the input, then writes the image the options ask for, printing progress and failures
// to console. dateText is the C header's generation time as ctime() gives it (with its LF).
WriteResult WriteImage(const Options& options, const std::string& dateText,
                       std::ostream& console);

// The two writers, over an already listed set of pages; reserveSize is 0 to 32767.
WriteResult WriteBinaryImage(const std::vector<PageFile>& pages, const std::string& outputFile,
                             std::int16_t reserveSize, std::ostream& console);
WriteResult WriteCImage(const std::vector<PageFile>& pages, const std::string& outputFile,
                        const std::string& dateText, std::ostream& console);

// 0 for a complete image, 4 for every failure.
int ExitCodeFor(WriteResult result);

}  // namespace voka
