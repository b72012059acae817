// VOKA: packs the files of one folder into a page image, binary or C source.
//   exit codes: 0 image written, 1 usage text shown, 4 the image could not be (fully) written
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "ImageWriter.h"
#include "VokaOptions.h"

namespace {

constexpr int kExitUsage = 1;

// The local time as ctime() writes it: 24 characters and a line feed.
std::string CurrentDateText() {
    std::time_t now = std::time(nullptr);
    const char* text = std::ctime(&now);
    return text ? text : "\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    voka::Options options = voka::ParseOptions(arguments, std::cout);
    if (options.UsageRequested) {
        std::cout << voka::UsageText() << std::flush;
        return kExitUsage;
    }
    voka::WriteResult result = voka::WriteImage(options, CurrentDateText(), std::cout);
    std::cout << std::flush;
    return voka::ExitCodeFor(result);
}
