#include "PageImage.h"

#include <cstdint>

namespace sim {
namespace {

constexpr size_t kEntrySize = 15;
constexpr size_t kNameSize = 12;
constexpr uint8_t kEndFlags = 0x04;
constexpr uint8_t kEscape = 0x03;
constexpr uint8_t kEndOfFile = 0x04;

struct Entry {
    uint8_t flags;
    unsigned address;
    std::string name;
};

Entry ReadEntry(const std::string& image, size_t offset) {
    auto at = [&](size_t i) { return static_cast<uint8_t>(image[offset + i]); };
    std::string name = image.substr(offset + 3, kNameSize);
    name.erase(name.find_last_not_of(' ') + 1);
    return {at(0), static_cast<unsigned>(at(1) | (at(2) << 8)), name};
}

// Decodes one file's data from offset; false when the image ends before its end marker.
bool DecodeData(const std::string& image, size_t offset, std::string& data) {
    for (size_t i = offset; i < image.size(); ++i) {
        uint8_t byte = static_cast<uint8_t>(image[i]);
        if (byte == kEndOfFile) return true;
        if (byte == kEscape) {
            if (++i == image.size()) break;
            byte = static_cast<uint8_t>(image[i]);
        }
        data.push_back(static_cast<char>(byte));
    }
    return false;
}

}  // namespace

bool IsSafeFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}

UnpackedImage UnpackImage(const std::string& image) {
    UnpackedImage result;
    std::vector<Entry> entries;
    size_t offset = 0;
    bool ended = false;
    for (; offset + kEntrySize <= image.size(); offset += kEntrySize) {
        Entry entry = ReadEntry(image, offset);
        if (entry.flags == kEndFlags) {
            ended = true;
            break;
        }
        entries.push_back(entry);
    }
    if (!ended) {
        // Without its end the table cannot be told from the data behind it.
        result.problems.push_back("the file table has no end entry");
        return result;
    }

    const unsigned tableSize = static_cast<unsigned>(kEntrySize * (entries.size() + 1));
    if (!entries.empty()) result.reserve = static_cast<int>((entries[0].address - tableSize) & 0xFFFF);

    for (const Entry& entry : entries) {
        size_t start = (entry.address - static_cast<unsigned>(result.reserve)) & 0xFFFF;
        if (start < tableSize || start >= image.size()) {
            result.problems.push_back(entry.name + ": address " + std::to_string(entry.address) +
                                      " lies outside the image");
            continue;
        }
        PageFile file{entry.name, {}};
        if (!DecodeData(image, start, file.data)) {
            result.problems.push_back(entry.name + ": the image ends inside the file");
            continue;
        }
        result.files.push_back(std::move(file));
    }
    return result;
}

}  // namespace sim
