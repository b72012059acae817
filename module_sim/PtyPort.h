#pragma once
// The module's end of a pseudo-terminal. The other end is the "serial port" a peer opens by
// its path; it is put in raw mode once, and the setting survives the peer closing it.
#include <string>

namespace sim {

class PtyPort {
public:
    PtyPort() = default;
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    // Creates the terminal pair; false with a message naming the failed call.
    bool Open(std::string& error);

    // The master side: non-blocking, read and written by the module.
    int Fd() const { return fd_; }
    // The path a peer opens ("/dev/pts/3").
    const std::string& Path() const { return path_; }

    // Throws away the bytes still on their way in either direction.
    void DiscardUnread();

private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace sim
