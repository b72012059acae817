#include "ModuleSettings.h"

#include <algorithm>

namespace sim {
namespace {

enum class Kind { Decimal, BaudCode, Dotted, Flags };

struct SettingRule {
    const char* command;
    Kind kind;
    long minimum;
    long maximum;
    const char* initial;
};

// Ranges follow what the configuration tool can send; "bt" is in tens of milliseconds.
const SettingRule kRules[] = {
    {"ba", Kind::Decimal, 1, 65535, "3012"},
    {"bb", Kind::BaudCode, 0, 0, "15"},
    {"bh", Kind::Decimal, 1, 1000, "60"},
    {"bj", Kind::Decimal, 1, 1000, "30"},
    {"bt", Kind::Decimal, 2, 200, "2"},
    {"eo", Kind::Flags, 0, 0, "0001100000000000"},
    {"nc", Kind::Dotted, 0, 0, "192.168.0.10"},
    {"ng", Kind::Dotted, 0, 0, "192.168.0.1"},
    {"ni", Kind::Dotted, 0, 0, "192.168.0.20"},
    {"ns", Kind::Dotted, 0, 0, "255.255.255.0"},
};

// Commands that only answer: "ma" is handled beside the settings since its value is the MAC.
const char* const kOtherCommands[] = {"sv", "eh", "el", "ma", "zc", "zp"};

const std::array<uint8_t, 6> kInitialMac = {0x00, 0x04, 0xA3, 0x00, 0x00, 0x01};

// The bit of the flag string that a corrupted write flips: the watchdog, which every
// read-back compares.
const size_t kCorruptedFlag = 8;

const SettingRule* FindRule(const std::string& command) {
    for (const SettingRule& rule : kRules) {
        if (command == rule.command) return &rule;
    }
    return nullptr;
}

// Decimal digits only, no sign, at most six of them so that the value cannot overflow.
bool ParseDecimal(const std::string& text, long& value) {
    if (text.empty() || text.size() > 6) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool ParseDotted(const std::string& text, std::array<long, 4>& parts) {
    size_t start = 0;
    for (size_t k = 0; k < 4; ++k) {
        size_t end = k < 3 ? text.find('.', start) : text.size();
        if (end == std::string::npos) return false;
        std::string part = text.substr(start, end - start);
        if (part.size() > 3 || !ParseDecimal(part, parts[k]) || parts[k] > 255) return false;
        start = end + 1;
    }
    return true;
}

std::string JoinDotted(const std::array<long, 4>& parts) {
    return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." +
           std::to_string(parts[2]) + "." + std::to_string(parts[3]);
}

bool IsFlagString(const std::string& text) {
    return text.size() == 16 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c == '0' || c == '1'; });
}

std::string Upper(const std::string& command) {
    std::string upper = command;
    for (char& c : upper) c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// The value a failing module keeps instead of the one it was sent: always a different one.
std::string Corrupted(const SettingRule& rule, const std::string& value) {
    switch (rule.kind) {
        case Kind::Decimal: {
            long number = std::stol(value);
            return std::to_string(number < rule.maximum ? number + 1 : number - 1);
        }
        case Kind::BaudCode: {
            const std::vector<int>& codes = BaudCodes();
            auto at = std::find(codes.begin(), codes.end(), std::stoi(value));
            return std::to_string(codes[(at - codes.begin() + 1) % codes.size()]);
        }
        case Kind::Dotted: {
            std::array<long, 4> parts{};
            ParseDotted(value, parts);
            parts[3] = (parts[3] + 1) % 256;
            return JoinDotted(parts);
        }
        case Kind::Flags: {
            std::string flags = value;
            flags[kCorruptedFlag] = flags[kCorruptedFlag] == '1' ? '0' : '1';
            return flags;
        }
    }
    return value;
}

}  // namespace

const std::vector<int>& BaudCodes() {
    static const std::vector<int> codes = {129, 65, 32, 15, 7};
    return codes;
}

ModuleSettings::ModuleSettings() : mac_(kInitialMac) {
    for (const SettingRule& rule : kRules) values_[rule.command] = rule.initial;
}

bool ModuleSettings::IsKnownCommand(const std::string& command) {
    if (FindRule(command)) return true;
    return std::find_if(std::begin(kOtherCommands), std::end(kOtherCommands),
                        [&](const char* other) { return command == other; }) !=
           std::end(kOtherCommands);
}

bool ModuleSettings::IsSetting(const std::string& command) { return FindRule(command) != nullptr; }

std::string ModuleSettings::Apply(const std::string& command, const std::string& value,
                                  bool corrupt, bool& changed) {
    changed = false;
    if (!value.empty()) {
        changed = command == "ma" ? StoreMac(value, corrupt) : Store(command, value, corrupt);
    }
    return Report(command);
}

std::string ModuleSettings::Report(const std::string& command) const {
    if (command == "ma") {
        std::string list;
        for (uint8_t byte : mac_) list += std::to_string(byte) + ",";
        return "MA" + list;
    }
    auto found = values_.find(command);
    return Upper(command) + (found == values_.end() ? std::string() : found->second);
}

std::vector<std::string> ModuleSettings::ReportAll() const {
    std::vector<std::string> lines;
    for (const auto& entry : values_) lines.push_back(Report(entry.first));
    lines.push_back(Report("ma"));
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool ModuleSettings::Store(const std::string& command, const std::string& value, bool corrupt) {
    const SettingRule* rule = FindRule(command);
    if (!rule) return false;
    std::string held;
    switch (rule->kind) {
        case Kind::Decimal: {
            long number = 0;
            if (!ParseDecimal(value, number) || number < rule->minimum || number > rule->maximum)
                return false;
            held = std::to_string(number);
            break;
        }
        case Kind::BaudCode: {
            long code = 0;
            const std::vector<int>& codes = BaudCodes();
            if (!ParseDecimal(value, code) ||
                std::find(codes.begin(), codes.end(), code) == codes.end())
                return false;
            held = std::to_string(code);
            break;
        }
        case Kind::Dotted: {
            std::array<long, 4> parts{};
            if (!ParseDotted(value, parts)) return false;
            held = JoinDotted(parts);
            break;
        }
        case Kind::Flags:
            if (!IsFlagString(value)) return false;
            held = value;
            break;
    }
    if (corrupt) held = Corrupted(*rule, held);
    values_[command] = held;
    return true;
}

// "ma" + a 16-bit value programs the last two bytes of the MAC address, high byte first.
bool ModuleSettings::StoreMac(const std::string& value, bool corrupt) {
    long number = 0;
    if (!ParseDecimal(value, number) || number > 65535) return false;
    if (corrupt) number ^= 1;
    mac_[4] = static_cast<uint8_t>(number >> 8);
    mac_[5] = static_cast<uint8_t>(number & 0xFF);
    return true;
}

}  // namespace sim
