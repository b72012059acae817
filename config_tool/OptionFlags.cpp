#include "OptionFlags.h"

namespace korvan {

namespace {

constexpr size_t kFlagCount = 16;

}  // namespace

std::string FlagString(const DeviceSettings& settings) {
    std::string flags(kFlagCount, '0');
    if (settings.dhcp) flags[kFlagDhcp] = '1';
    if (settings.broadcast) flags[kFlagBroadcast] = '1';
    if (settings.clientEnabled) flags[kFlagClient] = '1';
    if (settings.timed) flags[kFlagTimed] = '1';
    if (settings.watchdog) flags[kFlagWatchdog] = '1';
    return flags;
}

bool FlagSet(const std::string& flags, int position) {
    return static_cast<size_t>(position) < flags.size() && flags[position] == '1';
}

void ApplyFlagString(const std::string& flags, DeviceSettings& settings) {
    settings.dhcp = FlagSet(flags, kFlagDhcp);
    settings.broadcast = FlagSet(flags, kFlagBroadcast);
    settings.clientEnabled = FlagSet(flags, kFlagClient);
    settings.timed = FlagSet(flags, kFlagTimed);
    settings.useCrLf = !settings.timed;
    settings.watchdog = FlagSet(flags, kFlagWatchdog);
}

}  // namespace korvan
