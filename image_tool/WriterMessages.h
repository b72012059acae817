#pragma once
// The progress and failure lines both writers print.
#include <ostream>
#include <string>

namespace voka {

inline void ReportCannotCreate(std::ostream& console, const std::string& outputFile) {
    console << "Fatal Error: Could not create/open '" << outputFile << "' for writing.\n";
}

inline void ReportAdding(std::ostream& console, const std::string& shownPath) {
    console << "Adding '" << shownPath << "'...\n";
}

inline void ReportCannotOpen(std::ostream& console, const std::string& shownPath) {
    console << "Fatal Error: Could not open '" << shownPath << "' file for reading.\n";
}

inline void ReportCannotRead(std::ostream& console, const std::string& shownPath) {
    console << "Fatal Error: Could not read '" << shownPath << "' file.\n";
}

inline void ReportSizeSoFar(std::ostream& console, long long size) {
    console << "VOKA Size so far " << size << "...\n";
}

inline void ReportWriteFailed(std::ostream& console, const std::string& outputFile) {
    console << "Fatal Error: Could not write '" << outputFile << "'.\n";
}

// Size counter steps: an entry counts 20 whatever the format.
constexpr long long kEntrySizeStep = 20;

}  // namespace voka
