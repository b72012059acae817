#pragma once
// Starts a program, waits for it, and hands back its exit code and standard output.
#include <string>
#include <vector>

namespace vokatest {

struct ProgramRun {
    int ExitCode = -1;
    std::string Output;  // standard output; CR LF folded to LF
};

// Runs program with arguments (each passed as one argument, empty ones included) in the
// current folder; outputFile receives the program's standard output while it runs.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& outputFile);

}  // namespace vokatest
