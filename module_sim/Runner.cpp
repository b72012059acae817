#include "Runner.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

#include "StateFiles.h"

namespace sim {
namespace {

// A transfer that receives nothing for this long is given up, so the module takes command lines
// again (the sender died, or a dropped ACK stalled it).
constexpr std::chrono::seconds kTransferIdleLimit{10};
// How often a closed port is looked at again: the terminal reports a hang-up continuously until
// a peer opens it, so it cannot be waited on.
constexpr std::chrono::milliseconds kClosedPortRecheck{50};
// Longest sleep, so that a stop request is seen promptly even if a signal slips past poll.
constexpr std::chrono::milliseconds kLongestSleep{200};

}  // namespace

Runner::Runner(const Options& options, PtyPort& port)
    : options_(options), port_(port), module_(options.version, options.faults) {
    if (options.baud > 0) {
        byteTime_ = std::chrono::duration_cast<Clock::duration>(
            std::chrono::microseconds(10000000 / options.baud));
    }
    module_.OnSettingsChanged = [this] { SaveState(); };
    module_.OnImageReceived = [this](const std::string& image) { SaveImage(image); };
    if (!options.quiet) module_.OnTrace = [this](const std::string& line) { Trace(line); };
}

int Runner::Run(const volatile std::sig_atomic_t& stop) {
    SaveState();
    while (!stop) {
        Clock::time_point now = Clock::now();
        DeliverDueInput(now);
        bool full = !WriteDueOutput(now);
        if (module_.InTransfer() && now - lastInput_ > kTransferIdleLimit) module_.Reset();

        pollfd watch{port_.Fd(), static_cast<short>(POLLIN | (full ? POLLOUT : 0)), 0};
        auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(NextWake(now) - now);
        int timeout = static_cast<int>(std::max<long long>(0, wait.count())) + 1;
        int ready = poll(&watch, 1, timeout);
        if (ready < 0) {
            if (errno == EINTR) continue;
            std::perror("korvan-sim: poll");
            return 1;
        }
        if (watch.revents & POLLHUP) {
            if (peerOpen_) PeerClosed();
            usleep(std::chrono::microseconds(kClosedPortRecheck).count());
            continue;
        }
        if (!peerOpen_) {
            peerOpen_ = true;
            Trace("port opened");
        }
        if (watch.revents & POLLIN) ReadFromPeer(Clock::now());
    }
    Trace("stopped");
    return 0;
}

void Runner::ReadFromPeer(Clock::time_point now) {
    char buffer[512];
    ssize_t count = read(port_.Fd(), buffer, sizeof buffer);
    if (count <= 0) return;
    lastInput_ = now;
    for (ssize_t i = 0; i < count; ++i) {
        // A byte is there once its ten bits have crossed the line.
        Clock::time_point due = now;
        if (byteTime_ != Clock::duration::zero()) {
            due = std::max(now, inLineFree_) + byteTime_;
            inLineFree_ = due;
        }
        incoming_.push_back({buffer[i], due});
    }
}

void Runner::DeliverDueInput(Clock::time_point now) {
    std::string due;
    while (!incoming_.empty() && incoming_.front().due <= now) {
        due.push_back(incoming_.front().byte);
        incoming_.pop_front();
    }
    if (!due.empty()) Queue(module_.Receive(due), now);
}

void Runner::Queue(const std::vector<Output>& outputs, Clock::time_point now) {
    for (const Output& output : outputs) {
        outgoing_.push_back({output.bytes, now + std::chrono::milliseconds(output.delayMs)});
    }
}

bool Runner::WriteDueOutput(Clock::time_point now) {
    while (!outgoing_.empty()) {
        Pending& head = outgoing_.front();
        if (now < head.notBefore) return true;
        size_t count = head.bytes.size() - outgoingSent_;
        if (byteTime_ != Clock::duration::zero()) {
            // One byte at a time, each leaving when the previous one has crossed the line.
            Clock::time_point due = std::max(head.notBefore, outLineFree_) + byteTime_;
            if (now < due) return true;
            outLineFree_ = due;
            count = 1;
        }
        ssize_t written = write(port_.Fd(), head.bytes.data() + outgoingSent_, count);
        if (written < 0) return errno != EAGAIN;
        outgoingSent_ += static_cast<size_t>(written);
        if (outgoingSent_ == head.bytes.size()) {
            outgoing_.pop_front();
            outgoingSent_ = 0;
        }
    }
    return true;
}

Runner::Clock::time_point Runner::NextWake(Clock::time_point now) const {
    Clock::time_point wake = now + kLongestSleep;
    if (!incoming_.empty()) wake = std::min(wake, incoming_.front().due);
    if (!outgoing_.empty()) {
        Clock::time_point due = outgoing_.front().notBefore;
        if (byteTime_ != Clock::duration::zero()) due = std::max(due, outLineFree_) + byteTime_;
        wake = std::min(wake, due);
    }
    return wake;
}

// Bytes on a serial line that nobody listens to are lost; so are the half-heard command and
// any running transfer.
void Runner::PeerClosed() {
    peerOpen_ = false;
    incoming_.clear();
    outgoing_.clear();
    outgoingSent_ = 0;
    port_.DiscardUnread();
    module_.Reset();
    Trace("port closed");
}

void Runner::SaveState() {
    if (options_.stateFile.empty()) return;
    std::string error;
    if (!WriteStateFile(options_.stateFile, module_.Settings().ReportAll(), error)) Trace(error);
}

void Runner::SaveImage(const std::string& image) {
    if (options_.unpackDir.empty()) return;
    std::vector<std::string> problems;
    UnpackToFolder(options_.unpackDir, image, unpacked_, problems);
    for (const std::string& problem : problems) Trace("unpack: " + problem);
    Trace("image unpacked into " + options_.unpackDir);
}

void Runner::Trace(const std::string& line) const {
    if (options_.quiet) return;
    std::fprintf(stderr, "korvan-sim: %s\n", line.c_str());
    std::fflush(stderr);
}

}  // namespace sim
