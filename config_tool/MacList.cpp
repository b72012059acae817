#include "MacList.h"

#include <cstdio>

namespace korvan {

namespace {

constexpr int kMacNumbers = 6;
constexpr int kMaxDigits = 3;

}  // namespace

std::string FormatMacList(const std::string& list) {
    std::string shown;
    size_t pos = 0;
    for (int n = 0; n < kMacNumbers; ++n) {
        int value = 0;
        for (int digits = 0; digits < kMaxDigits && pos < list.size() && list[pos] >= '0' &&
                             list[pos] <= '9';
             ++digits, ++pos) {
            value = value * 10 + (list[pos] - '0');
        }
        if (pos < list.size() && list[pos] == ',') ++pos;
        char hex[8];
        std::snprintf(hex, sizeof hex, "%02X", value);
        if (n > 0) shown += ':';
        shown += hex;
    }
    return shown;
}

}  // namespace korvan
