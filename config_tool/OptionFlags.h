#pragma once
// The 16-character "eo" flag string: position 2 DHCP, 3 broadcast, 4 client enabled,
// 5 "Timed" (0 for "Use CR/LF"), 8 watchdog; every other position "0".
#include <string>

#include "DeviceSettings.h"

namespace korvan {

constexpr int kFlagDhcp = 2;
constexpr int kFlagBroadcast = 3;
constexpr int kFlagClient = 4;
constexpr int kFlagTimed = 5;
constexpr int kFlagWatchdog = 8;

std::string FlagString(const DeviceSettings& settings);

// True when the flag at `position` of `flags` is "1"; a flag past the text's end is clear.
bool FlagSet(const std::string& flags, int position);

// Sets the boxes from a flag string (the reply's value): "Timed" when flag 5 is "1",
// otherwise "Use CR/LF".
void ApplyFlagString(const std::string& flags, DeviceSettings& settings);

}  // namespace korvan
