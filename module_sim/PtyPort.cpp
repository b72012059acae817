#include "PtyPort.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace sim {
namespace {

std::string Failed(const std::string& call) { return call + ": " + std::strerror(errno); }

}  // namespace

PtyPort::~PtyPort() {
    if (fd_ >= 0) close(fd_);
}

bool PtyPort::Open(std::string& error) {
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) {
        error = Failed("posix_openpt");
        return false;
    }
    if (grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
        error = Failed("unlockpt");
        return false;
    }
    const char* name = ptsname(fd_);
    if (!name) {
        error = Failed("ptsname");
        return false;
    }
    path_ = name;

    // Raw mode is a property of the terminal, not of an open file: set it through a short-lived
    // descriptor of the peer side. Closing it leaves the master reporting a hang-up until a
    // peer opens the terminal, which is how the module tells that nobody is listening.
    int peer = open(path_.c_str(), O_RDWR | O_NOCTTY);
    if (peer < 0) {
        error = Failed("open " + path_);
        return false;
    }
    termios settings{};
    bool ok = tcgetattr(peer, &settings) == 0;
    if (ok) {
        cfmakeraw(&settings);
        cfsetispeed(&settings, B19200);
        cfsetospeed(&settings, B19200);
        ok = tcsetattr(peer, TCSANOW, &settings) == 0;
    }
    if (!ok) error = Failed("tcsetattr " + path_);
    close(peer);
    return ok;
}

void PtyPort::DiscardUnread() {
    if (fd_ >= 0) tcflush(fd_, TCIOFLUSH);
}

}  // namespace sim
