#pragma once
// The settings a Korvan module keeps, with the value checks it applies when a command sets one.
// Pure text work: no I/O, so the reply table can be tested without a terminal.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

class ModuleSettings {
public:
    ModuleSettings();

    // True for the two lower-case letters of a command this module knows ("ni", "sv", ...).
    static bool IsKnownCommand(const std::string& command);
    // True for the commands that hold a value which a command line may set.
    static bool IsSetting(const std::string& command);

    // Applies "command + value" (value empty = a request) and returns the reply line without
    // CR LF: the upper-case letters and the value the module now holds. A value the module
    // cannot take leaves the setting as it was, so the reply shows the old value.
    // With corrupt set, an accepted value is stored altered (a module that fails to keep it).
    // Only for setting commands and "ma"; changed tells whether anything was stored.
    std::string Apply(const std::string& command, const std::string& value, bool corrupt,
                      bool& changed);

    // The reply a request for this setting gets right now ("NI192.168.0.20", "MA0,4,163,0,0,1,").
    std::string Report(const std::string& command) const;

    // Every setting and the MAC address as reply lines, in command order.
    std::vector<std::string> ReportAll() const;

    const std::array<uint8_t, 6>& Mac() const { return mac_; }

private:
    bool Store(const std::string& command, const std::string& value, bool corrupt);
    bool StoreMac(const std::string& value, bool corrupt);

    std::map<std::string, std::string> values_;  // command letters -> value as the module holds it
    std::array<uint8_t, 6> mac_;
};

// The baud codes the module accepts for "bb", slowest rate first.
const std::vector<int>& BaudCodes();

}  // namespace sim
