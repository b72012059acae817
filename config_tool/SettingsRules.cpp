#include "SettingsRules.h"

#include <climits>
#include <optional>

#include "BaudCodes.h"
#include "DecimalText.h"
#include "DottedValue.h"
#include "MacList.h"
#include "OptionFlags.h"

namespace korvan {

namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string ValueOf(const std::string& line) { return line.size() > 2 ? line.substr(2) : ""; }

AddressTexts DottedTexts(const DottedParts& parts) {
    return {std::to_string(parts[0]), std::to_string(parts[1]), std::to_string(parts[2]),
            std::to_string(parts[3])};
}

// The address a reply letter after "N" names; null for any other letter.
AddressTexts* AddressFor(char letter, DeviceSettings& settings) {
    switch (Upper(letter)) {
        case 'C': return &settings.client;
        case 'G': return &settings.gateway;
        case 'I': return &settings.ip;
        case 'S': return &settings.subnet;
        default: return nullptr;
    }
}

// The serial time travels in tens of milliseconds; a huge value saturates instead of overflowing.
int TensToMilliseconds(int tens) {
    long long ms = static_cast<long long>(tens) * 10;
    if (ms > INT_MAX) return INT_MAX;
    if (ms < INT_MIN) return INT_MIN;
    return static_cast<int>(ms);
}

void ApplyDecimal(char letter, int value, DeviceSettings& settings) {
    switch (Upper(letter)) {
        case 'A': settings.clientPort = value; break;
        case 'B': settings.baudItem = BaudItemForReadCode(value); break;
        case 'H': settings.serverTimeout = value; break;
        case 'J': settings.updatePeriod = value; break;
        case 'T': settings.serialTime = TensToMilliseconds(value); break;
        default: break;
    }
}

bool AllIntegers(const AddressTexts& texts) {
    for (const auto& text : texts) {
        if (!IntegerValue(text)) return false;
    }
    return true;
}

void CompareAddress(const std::string& value, const AddressTexts& texts, const std::string& name,
                    std::vector<std::string>& mismatches) {
    DottedParts parts = ParseDottedValue(value);
    for (int k = 0; k < 4; ++k) {
        std::optional<int> typed = IntegerValue(texts[k]);
        if (!typed || *typed != parts[k]) {
            mismatches.push_back(name + " (" + std::to_string(k + 1) + ") Write Error ");
        }
    }
}

void CompareFlag(const std::string& flags, int position, bool box, const std::string& name,
                 std::vector<std::string>& mismatches) {
    if (FlagSet(flags, position) != box) mismatches.push_back(name + " Write Error ");
}

void CompareFlags(const std::string& flags, const DeviceSettings& settings,
                  std::vector<std::string>& mismatches) {
    CompareFlag(flags, kFlagDhcp, settings.dhcp, "Get Address Automatically", mismatches);
    CompareFlag(flags, kFlagBroadcast, settings.broadcast, "Use Broadcast Address", mismatches);
    CompareFlag(flags, kFlagClient, settings.clientEnabled, "Enable Client", mismatches);
    // Compared with what the write sent, so that a write made with neither framing box
    // checked (as at start) is not reported as failed.
    CompareFlag(flags, kFlagTimed, settings.timed, "Serial Port Timed", mismatches);
    CompareFlag(flags, kFlagWatchdog, settings.watchdog, "Enable Watchdog", mismatches);
}

void CompareNumber(long long readBack, long long expected, const std::string& line,
                   std::vector<std::string>& mismatches) {
    if (readBack != expected) mismatches.push_back(line);
}

}  // namespace

std::string CutAtLineEnd(const std::string& line) {
    size_t cr = line.find('\r', 2);
    return cr == std::string::npos ? line : line.substr(0, cr);
}

void ApplyReplyLine(const std::string& reply, DeviceSettings& settings) {
    std::string line = CutAtLineEnd(reply);
    if (line.size() < 2) return;
    std::string value = ValueOf(line);
    switch (Upper(line[0])) {
        case 'B':
            ApplyDecimal(line[1], LeadingDecimal(value), settings);
            break;
        case 'E':
            if (Upper(line[1]) == 'O') ApplyFlagString(value, settings);
            break;
        case 'M':
            if (line[0] == 'M' && line[1] == 'A') settings.mac = FormatMacList(value);
            break;
        case 'N':
            if (AddressTexts* address = AddressFor(line[1], settings)) {
                *address = DottedTexts(ParseDottedValue(value));
            }
            break;
        default:
            break;
    }
}

std::vector<std::string> ValidateSettings(const DeviceSettings& settings) {
    std::vector<std::string> messages;
    if (!AllIntegers(settings.ip)) messages.push_back("Invalid IP Address");
    if (!AllIntegers(settings.gateway)) messages.push_back("Invalid Gateway Address");
    if (!AllIntegers(settings.subnet)) messages.push_back("Invalid Submask");
    if (settings.clientEnabled && !AllIntegers(settings.client)) {
        messages.push_back("Invalid Client Address");
    }
    if (settings.updatePeriod >= settings.serverTimeout) {
        messages.push_back("Connect Timeout must be greater than Connect Update Period");
    }
    return messages;
}

std::vector<std::string> BuildCommandLines(const DeviceSettings& settings, bool all) {
    std::vector<std::string> lines;
    auto add = [&lines](const std::string& letters, const std::string& value) {
        lines.push_back(letters + value + "\r\n");
    };
    if (!settings.dhcp || all) {
        add("ni", JoinDotted(settings.ip));
        add("ng", JoinDotted(settings.gateway));
        add("ns", JoinDotted(settings.subnet));
    }
    if (settings.clientEnabled || all) {
        add("nc", JoinDotted(settings.client));
        add("ba", std::to_string(settings.clientPort));
    }
    add("bh", std::to_string(settings.serverTimeout));
    add("bj", std::to_string(settings.updatePeriod));
    add("eo", FlagString(settings));
    add("bb", std::to_string(BaudCodeForItem(settings.baudItem)));
    if (settings.timed || all) add("bt", std::to_string(settings.serialTime / 10));
    add("zc", "");
    return lines;
}

std::vector<std::string> ReadBackMismatches(const std::string& reply,
                                            const DeviceSettings& settings) {
    std::vector<std::string> mismatches;
    std::string line = CutAtLineEnd(reply);
    if (line.size() < 2) return mismatches;
    std::string letters = line.substr(0, 2);
    std::string value = ValueOf(line);
    long long number = LeadingDecimal(value);
    if (letters == "BA") {
        CompareNumber(number, settings.clientPort, "Client Port Write Error ", mismatches);
    } else if (letters == "BB") {
        // The code is compared with the code sent, so that an unknown code never matches.
        CompareNumber(number, BaudCodeForItem(settings.baudItem),
                      "Serial Port Baud Rate Write Error ", mismatches);
    } else if (letters == "BH") {
        CompareNumber(number, settings.serverTimeout, "Timeout Write Error ", mismatches);
    } else if (letters == "BJ") {
        CompareNumber(number, settings.updatePeriod, "Update Period Write Error ", mismatches);
    } else if (letters == "BT") {
        CompareNumber(number * 10, settings.serialTime, "Serial Time Write Error ", mismatches);
    } else if (letters == "EO") {
        CompareFlags(value, settings, mismatches);
    } else if (letters == "NC") {
        CompareAddress(value, settings.client, "Client Address", mismatches);
    } else if (letters == "NG") {
        CompareAddress(value, settings.gateway, "Gateway Address", mismatches);
    } else if (letters == "NI") {
        CompareAddress(value, settings.ip, "IP Address", mismatches);
    } else if (letters == "NS") {
        CompareAddress(value, settings.subnet, "Submask", mismatches);
    }
    return mismatches;
}

}  // namespace korvan
