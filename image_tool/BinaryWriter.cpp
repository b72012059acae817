// The binary image: the FAT of 15-byte entries, then every page's escaped data block.
#include <memory>
#include <vector>

#include "ImageOutput.h"
#include "ImageWriter.h"
#include "PageBytes.h"
#include "WriterMessages.h"

namespace voka {

namespace {

constexpr std::size_t kEntrySize = 15;
constexpr long long kFileEndSizeStep = 4;
constexpr std::size_t kChunkSize = 1 << 16;
const char kFileEnd[] = {static_cast<char>(kEndByte), '\xFF', '\xFF'};
const EntryName kEndName = {'E', 'N', 'D', ' ', 'O', 'F', ' ', 'F', 'A', 'T', ' ', ' '};
constexpr unsigned char kFileFlags = 0x00;
constexpr unsigned char kEndFlags = 0x04;
constexpr unsigned long long kAddressSpace = 65536;

void WriteEntry(ImageOutput& out, unsigned char flags, unsigned address, const EntryName& name) {
    char entry[kEntrySize];
    entry[0] = static_cast<char>(flags);
    entry[1] = static_cast<char>(address & 0xFF);
    entry[2] = static_cast<char>((address >> 8) & 0xFF);
    for (std::size_t i = 0; i < name.size(); ++i) entry[3 + i] = name[i];
    out.Write(entry, kEntrySize);
}

class BinaryWriter {
public:
    BinaryWriter(std::int16_t reserveSize, std::ostream& console)
        : reserve_(reserveSize), console_(console), in_(new char[kChunkSize]),
          encoded_(new char[2 * kChunkSize]) {}

    WriteResult Write(const std::vector<PageFile>& pages, const std::string& outputFile) {
        if (!out_.Create(outputFile)) {
            ReportCannotCreate(console_, outputFile);
            return WriteResult::CannotCreate;
        }
        addresses_.assign(pages.size(), 0);
        WriteTable(pages);
        size_ += kEntrySizeStep * static_cast<long long>(pages.size() + 1);
        WriteResult result = WriteData(pages);
        out_.Rewind();
        WriteTable(pages);
        if (!out_.Close()) {
            ReportWriteFailed(console_, outputFile);
            return WriteResult::WriteFailed;
        }
        return result;
    }

private:
    // Written twice: first to reserve its room, then with the addresses the data got. A page
    // never reached keeps address 0.
    void WriteTable(const std::vector<PageFile>& pages) {
        for (std::size_t i = 0; i < pages.size(); ++i)
            WriteEntry(out_, kFileFlags, addresses_[i], pages[i].Name);
        WriteEntry(out_, kEndFlags, 0xFFFF, kEndName);
    }

    WriteResult WriteData(const std::vector<PageFile>& pages) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            WriteResult result = WritePage(i, pages[i]);
            if (result != WriteResult::Written) return result;
        }
        return WriteResult::Written;
    }

    // The page's address is taken before its data is read, so a page that cannot be opened
    // still shows where its block would have begun.
    WriteResult WritePage(std::size_t index, const PageFile& page) {
        unsigned long long address = out_.Position() + static_cast<unsigned>(reserve_);
        addresses_[index] = static_cast<unsigned>(address % kAddressSpace);
        if (address >= kAddressSpace)
            console_ << "Warning: VOKA Binary Image exceeds 64KB. \n"
                        "       Remove some files or use program memory for storage.\n";
        ReportAdding(console_, page.ShownPath);
        PageInput input;
        if (!input.Open(page.OpenPath)) {
            ReportCannotOpen(console_, page.ShownPath);
            return WriteResult::PageUnreadable;
        }
        if (!CopyPage(input, IsTextEntry(page.Name))) {
            ReportCannotRead(console_, page.ShownPath);
            return WriteResult::PageUnreadable;
        }
        out_.Write(kFileEnd, sizeof kFileEnd);
        size_ += kFileEndSizeStep;
        ReportSizeSoFar(console_, size_);
        return WriteResult::Written;
    }

    bool CopyPage(PageInput& input, bool textPage) {
        while (std::size_t count = input.Read(in_.get(), kChunkSize)) {
            std::size_t encoded = EncodePageBytes(in_.get(), count, textPage, encoded_.get());
            out_.Write(encoded_.get(), encoded);
            size_ += static_cast<long long>(encoded);
        }
        return !input.Failed();
    }

    std::int16_t reserve_;
    std::ostream& console_;
    ImageOutput out_;
    long long size_ = 0;
    std::vector<unsigned> addresses_;
    std::unique_ptr<char[]> in_;
    std::unique_ptr<char[]> encoded_;
};

}  // namespace

WriteResult WriteBinaryImage(const std::vector<PageFile>& pages, const std::string& outputFile,
                             std::int16_t reserveSize, std::ostream& console) {
    return BinaryWriter(reserveSize, console).Write(pages, outputFile);
}

}  // namespace voka
