// uidriver: drives the windows of our programs from outside, for end-to-end tests and the
// main job. See docs/ui-driver.md.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
    // Plain LF lines for the Linux scripts reading our output.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) {
        fputs(uidriver::Usage().c_str(), stderr);
        return 2;
    }
    std::vector<std::string> arguments(argv + 2, argv + argc);
    return uidriver::RunCommand(argv[1], arguments);
}
