#pragma once
// What a sender puts on the line, built independently of the module's code: page images in
// the packed format and the 132-byte blocks that carry them.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace fixtures {

// Block `number` (1-based) of the image: SOH, number byte, its complement, 128 bytes of the
// image from (number - 1) * 128 padded with 0xFF, the sum of those bytes modulo 256.
inline std::string MakeBlock(size_t number, const std::string& image) {
    std::string block;
    block.push_back(0x01);
    block.push_back(static_cast<char>(number & 0xFF));
    block.push_back(static_cast<char>(~number & 0xFF));
    uint8_t sum = 0;
    for (size_t i = 0; i < 128; ++i) {
        size_t at = (number - 1) * 128 + i;
        char byte = at < image.size() ? image[at] : static_cast<char>(0xFF);
        block.push_back(byte);
        sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(byte));
    }
    block.push_back(static_cast<char>(sum));
    return block;
}

// How many blocks a sender uses: one more whenever the next would start at or before the end.
inline size_t BlockCount(const std::string& image) { return image.size() / 128 + 1; }

// A packed image of the pages (name, content) as stored: 12-character upper-case names,
// escapes before 0x03 and 0x04, CR and LF left out of HTM and CGI files, end markers.
inline std::string PackPages(const std::vector<std::pair<std::string, std::string>>& pages,
                             unsigned reserve) {
    std::string table;
    std::string data;
    const size_t tableSize = 15 * (pages.size() + 1);
    for (const auto& page : pages) {
        std::string name = page.first.substr(0, 12);
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        name.resize(12, ' ');
        unsigned address = static_cast<unsigned>(tableSize + data.size() + reserve) & 0xFFFF;
        table += std::string(1, '\0') + static_cast<char>(address & 0xFF) +
                 static_cast<char>(address >> 8) + name;
        bool text = name.find("HTM") != std::string::npos || name.find("CGI") != std::string::npos;
        for (char c : page.second) {
            if (text && (c == '\r' || c == '\n')) continue;
            if (c == 0x03 || c == 0x04) data.push_back(0x03);
            data.push_back(c);
        }
        data += std::string("\x04\xFF\xFF", 3);
    }
    table += std::string("\x04\xFF\xFF", 3) + "END OF FAT  ";
    return table + data;
}

}  // namespace fixtures
