#pragma once
// The command line of korvan-sim.
#include <string>
#include <vector>

#include "Faults.h"

namespace sim {

struct Options {
    std::string version = "SV1.0.7-LNK";  // the whole reply to "sv", without CR LF
    Faults faults;
    long baud = 0;           // 0: bytes move as fast as the terminal takes them
    std::string stateFile;   // empty: no state file
    std::string unpackDir;   // empty: images are not unpacked
    std::string linkPath;    // empty: no symbolic link to the terminal
    bool quiet = false;      // no trace on standard error
    bool help = false;
};

// Fills options from the arguments (without the program name). On failure returns false and
// sets error to a one-line message naming the argument.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

// The text of --help.
std::string Usage();

}  // namespace sim
