#include "PageName.h"

#include <string_view>

namespace voka {

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

EntryName MakeEntryName(const std::string& fileName) {
    EntryName name;
    name.fill(' ');
    std::string upper = UpperAscii(fileName.substr(0, kEntryNameLength));
    for (std::size_t i = 0; i < upper.size(); ++i) name[i] = upper[i];
    return name;
}

bool IsTextEntry(const EntryName& name) {
    std::string_view text(name.data(), name.size());
    return text.find("CGI") != std::string_view::npos || text.find("HTM") != std::string_view::npos;
}

}  // namespace voka
