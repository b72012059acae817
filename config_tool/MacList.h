#pragma once
// The MAC address as the "MA" reply carries it: six decimal numbers, each followed by ",".
#include <string>

namespace korvan {

// "0,4,163,1,2,3," -> "00:04:A3:01:02:03". Each number is at most three digits up to its ","
// (which is consumed); a missing number is 0; each is shown as at least two upper-case
// hexadecimal digits.
std::string FormatMacList(const std::string& list);

}  // namespace korvan
