// korvan-sim: a software Korvan module on a pseudo-terminal.
#include <csignal>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "Options.h"
#include "PtyPort.h"
#include "Runner.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

void InstallSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the wait in the main loop returns at once with EINTR.
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

// Replaces an earlier link of ours, never a file that is not a link.
bool MakeLink(const std::string& link, const std::string& target) {
    struct stat info {};
    if (lstat(link.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) return false;
        unlink(link.c_str());
    }
    return symlink(target.c_str(), link.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    sim::Options options;
    std::string error;
    if (!sim::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "korvan-sim: %s\n%s", error.c_str(), sim::Usage().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(sim::Usage().c_str(), stdout);
        return 0;
    }

    InstallSignalHandlers();
    sim::PtyPort port;
    if (!port.Open(error)) {
        std::fprintf(stderr, "korvan-sim: %s\n", error.c_str());
        return 1;
    }
    if (!options.linkPath.empty() && !MakeLink(options.linkPath, port.Path())) {
        std::fprintf(stderr, "korvan-sim: cannot make the link %s\n", options.linkPath.c_str());
        return 1;
    }
    std::printf("%s\n", port.Path().c_str());
    std::fflush(stdout);

    int code = sim::Runner(options, port).Run(stopRequested);
    if (!options.linkPath.empty()) unlink(options.linkPath.c_str());
    return code;
}
