#include "Options.h"

#include <sstream>

namespace sim {
namespace {

bool ParseNumber(const std::string& text, long maximum, long& value) {
    if (text.empty() || text.size() > 9) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= maximum;
}

bool IsCommandName(const std::string& text) {
    return text.size() == 2 && text[0] >= 'a' && text[0] <= 'z' && text[1] >= 'a' &&
           text[1] <= 'z';
}

// COUNT[:CMD], COUNT a number or "all"; CMD two lower-case letters.
bool ParseRule(const std::string& text, FaultRule& rule) {
    std::string count = text;
    size_t colon = text.find(':');
    if (colon != std::string::npos) {
        count = text.substr(0, colon);
        rule.command = text.substr(colon + 1);
        if (!IsCommandName(rule.command)) return false;
    }
    if (count == "all") {
        rule.count = -1;
        return true;
    }
    long value = 0;
    if (!ParseNumber(count, 1000000, value)) return false;
    rule.count = static_cast<int>(value);
    return true;
}

// Comma-separated block numbers, and "eot" for the ACK that ends the transfer.
bool ParseAckList(const std::string& text, Faults& faults) {
    std::stringstream items(text);
    std::string item;
    bool any = false;
    while (std::getline(items, item, ',')) {
        long number = 0;
        if (item == "eot") {
            faults.dropEotAck = true;
        } else if (ParseNumber(item, 1000000, number) && number > 0) {
            faults.droppedAcks.insert(static_cast<size_t>(number));
        } else {
            return false;
        }
        any = true;
    }
    return any;
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
    for (const std::string& arg : args) {
        size_t equals = arg.find('=');
        std::string name = arg.substr(0, equals);
        std::string value = equals == std::string::npos ? std::string() : arg.substr(equals + 1);
        bool hasValue = equals != std::string::npos;
        bool ok = true;
        long number = 0;
        Faults& faults = options.faults;
        if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--quiet" && !hasValue) {
            options.quiet = true;
        } else if (name == "--version") {
            ok = hasValue && !value.empty() && value.size() <= 62;
            options.version = value;
        } else if (name == "--state") {
            ok = !value.empty();
            options.stateFile = value;
        } else if (name == "--unpack") {
            ok = !value.empty();
            options.unpackDir = value;
        } else if (name == "--link") {
            ok = !value.empty();
            options.linkPath = value;
        } else if (name == "--baud") {
            ok = ParseNumber(value, 4000000, number) && number >= 50;
            options.baud = number;
        } else if (name == "--silence") {
            ok = ParseRule(value, faults.silence);
        } else if (name == "--error") {
            faults.error.command = "sv";
            ok = ParseRule(value, faults.error);
        } else if (name == "--garbage") {
            ok = ParseRule(value, faults.garbage);
        } else if (name == "--overlong") {
            ok = ParseRule(value, faults.overlong);
        } else if (name == "--late") {
            ok = ParseRule(value, faults.late);
        } else if (name == "--late-ms") {
            ok = ParseNumber(value, 600000, number);
            faults.lateMs = static_cast<int>(number);
        } else if (name == "--mismatch") {
            ok = IsCommandName(value) && value != "sv" && value != "zp";
            faults.mismatch.insert(value);
        } else if (name == "--drop-ack") {
            ok = ParseAckList(value, faults);
        } else {
            error = "unknown argument: " + arg;
            return false;
        }
        if (!ok) {
            error = "bad value in " + arg;
            return false;
        }
    }
    return true;
}

std::string Usage() {
    return R"(usage: korvan-sim [OPTION...]
A software Korvan module on a pseudo-terminal. The first line on standard output is the
terminal's path; map it to a COM port (tools/com-port) and talk to it at any line setting.

  --version=TEXT     the reply to "sv" (default SV1.0.7-LNK)
  --state=FILE       write the settings and MAC address as reply lines after every change
  --unpack=DIR       after each completed transfer write DIR/image.bin and the unpacked pages
  --link=PATH        also make PATH a symbolic link to the terminal (removed at exit)
  --baud=RATE        pace both directions at RATE baud, 10 bits per byte (default: no pacing)
  --quiet            no trace of commands and replies on standard error

Faults. COUNT is a number of command lines or "all"; :CMD limits a fault to one command.
  --error=COUNT[:CMD]     answer "Error" (default command: sv)
  --silence=COUNT[:CMD]   do not answer at all
  --garbage=COUNT[:CMD]   answer with a line of garbage
  --overlong=COUNT[:CMD]  answer with the reply padded beyond 64 characters
  --late=COUNT[:CMD]      answer only after --late-ms=MS milliseconds (default 3000)
  --mismatch=CMD          keep an altered value when CMD sets one (the read-back differs)
  --drop-ack=N[,N...]     never ACK block N (1 = first block); "eot" for the final ACK
)";
}

}  // namespace sim
