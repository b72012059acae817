// The real korvan-sim program, driven over its pseudo-terminal as a serial port.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "TransferFixtures.h"
#include "scratch_dir.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::seconds kPatience{5};

// A running korvan-sim with the given switches; stopped with SIGTERM at the end.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args) {
        const std::string program = ProgramPath();
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        args.insert(args.begin(), program);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ), 0)
            << program;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        path_ = ReadFirstLine(out[0]);
        close(out[0]);
    }
    ~SimProcess() {
        if (pid_ > 0) Stop();
    }

    const std::string& Path() const { return path_; }

    // Sends the signal and returns the exit status (-1 if it did not exit by itself).
    int Stop(int signal = SIGTERM) {
        kill(pid_, signal);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    // CTest names the program; run by hand, the test finds it in its own build tree.
    static std::string ProgramPath() {
        if (const char* named = std::getenv("KORVAN_SIM")) return named;
        char self[4096] = {};
        ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
        std::string path(self, length > 0 ? static_cast<size_t>(length) : 0);
        return path.substr(0, path.rfind("/tests/")) + "/module_sim/korvan-sim";
    }

    static std::string ReadFirstLine(int fd) {
        std::string line;
        char c = 0;
        while (read(fd, &c, 1) == 1 && c != '\n') line.push_back(c);
        return line;
    }

    pid_t pid_ = 0;
    std::string path_;
};

// The peer's side: the "serial port" as a program opens it.
class Port {
public:
    explicit Port(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) {}
    ~Port() { Close(); }
    bool IsOpen() const { return fd_ >= 0; }
    void Close() {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }
    void Write(const std::string& bytes) {
        ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Reads until `count` bytes came or the patience ran out.
    std::string Read(size_t count) {
        std::string got;
        Clock::time_point end = Clock::now() + kPatience;
        while (got.size() < count && Clock::now() < end) {
            pollfd watch{fd_, POLLIN, 0};
            if (poll(&watch, 1, 100) <= 0) continue;
            char buffer[256];
            ssize_t n = read(fd_, buffer, std::min(sizeof buffer, count - got.size()));
            if (n > 0) got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }
    // Reads one line up to and including CR LF.
    std::string ReadLine() {
        std::string line;
        while (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0) {
            std::string next = Read(1);
            if (next.empty()) break;
            line += next;
        }
        return line;
    }
    std::string Ask(const std::string& command) {
        Write(command);
        return ReadLine();
    }

private:
    int fd_;
};

// Waits until the file holds the text (the program writes it after the reply goes out).
bool FileHolds(const std::string& path, const std::string& text) {
    Clock::time_point end = Clock::now() + kPatience;
    do {
        if (testsupport::ReadFileBytes(path).find(text) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (Clock::now() < end);
    return false;
}

TEST(KorvanSimProgram, ConfiguresAndReceivesPagesOverItsTerminal) {
    testsupport::ScratchDir dir;
    SimProcess sim({"--quiet", "--state=" + (dir / "state.txt"), "--unpack=" + (dir / "pages")});
    ASSERT_EQ(sim.Path().rfind("/dev/pts/", 0), 0u) << sim.Path();
    Port port(sim.Path());
    ASSERT_TRUE(port.IsOpen());

    EXPECT_EQ(port.Ask("sv\r\n"), "SV1.0.7-LNK\r\n");
    EXPECT_EQ(port.Ask("ni10.20.30.40\r\n"), "NI10.20.30.40\r\n");
    EXPECT_TRUE(FileHolds(dir / "state.txt", "\nNI10.20.30.40\n"));
    EXPECT_EQ(port.Ask("ma4660\r\n"), "MA0,4,163,0,18,52,\r\n");
    EXPECT_TRUE(FileHolds(dir / "state.txt", "\nMA0,4,163,0,18,52,\n"));

    const std::string page = "<html>\r\n<body>" + std::string(400, 'k') + "</body>\r\n</html>";
    const std::string picture("\x03\x04\x00\x01\xFF\r\n", 7);
    const std::string image =
        fixtures::PackPages({{"index.htm", page}, {"logo.gif", picture}}, 32);
    port.Write("zp\r\n");
    EXPECT_EQ(port.Read(1), "\x15");
    for (size_t n = 1; n <= fixtures::BlockCount(image); ++n) {
        port.Write(fixtures::MakeBlock(n, image));
        ASSERT_EQ(port.Read(1), "\x06") << "block " << n;
    }
    port.Write("\x04");
    EXPECT_EQ(port.Read(1), "\x06");
    EXPECT_EQ(testsupport::ReadFileBytes(dir / "pages/INDEX.HTM"),
              "<html><body>" + std::string(400, 'k') + "</body></html>");
    EXPECT_EQ(testsupport::ReadFileBytes(dir / "pages/LOGO.GIF"), picture);

    EXPECT_EQ(port.Ask("ni\r\n"), "NI10.20.30.40\r\n");
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(KorvanSimProgram, SurvivesThePeerClosingAndReopeningThePort) {
    SimProcess sim({"--quiet"});
    {
        Port port(sim.Path());
        ASSERT_TRUE(port.IsOpen());
        EXPECT_EQ(port.Ask("bb7\r\n"), "BB7\r\n");
        port.Write("ni1.2");  // a half-sent line
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    {
        Port port(sim.Path());
        ASSERT_TRUE(port.IsOpen());
        EXPECT_EQ(port.Ask("sv\r\n"), "SV1.0.7-LNK\r\n");
        EXPECT_EQ(port.Ask("bb\r\n"), "BB7\r\n");
        port.Write("zp\r\n");  // a transfer the peer walks away from
        EXPECT_EQ(port.Read(1), "\x15");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Port port(sim.Path());
    EXPECT_EQ(port.Ask("ni\r\n"), "NI192.168.0.20\r\n");
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(KorvanSimProgram, PacesBytesAtTheBaudRate) {
    SimProcess sim({"--quiet", "--baud=1200"});
    Port port(sim.Path());
    ASSERT_TRUE(port.IsOpen());
    Clock::time_point start = Clock::now();
    EXPECT_EQ(port.Ask("sv\r\n"), "SV1.0.7-LNK\r\n");
    // 4 bytes in and 13 out, 10 bits each, cannot take less than 17 * 10 / 1200 s.
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(141));
}

TEST(KorvanSimProgram, HoldsBackALateReplyAndKeepsTheOrder) {
    SimProcess sim({"--quiet", "--late=1:sv", "--late-ms=600"});
    Port port(sim.Path());
    ASSERT_TRUE(port.IsOpen());
    Clock::time_point start = Clock::now();
    port.Write("sv\r\nbb\r\n");
    EXPECT_EQ(port.ReadLine(), "SV1.0.7-LNK\r\n");
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(600));
    EXPECT_EQ(port.ReadLine(), "BB15\r\n");
}

TEST(KorvanSimProgram, StopsOnSigintAndRemovesItsLink) {
    testsupport::ScratchDir dir;
    const std::string link = dir / "COM1";
    SimProcess sim({"--quiet", "--link=" + link});
    char target[64] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(sim.Path(), target);
    EXPECT_EQ(sim.Stop(SIGINT), 0);
    struct stat info {};
    EXPECT_NE(lstat(link.c_str(), &info), 0);
}

}  // namespace
