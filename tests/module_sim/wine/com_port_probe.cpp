// Opens a COM port the way the configuration tool does (19200 8N1, no flow control), sends one
// command line and prints the reply line. Exit code 0 when a full reply line came back.
//
//   com_port_probe COMn LINE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Handle {
    HANDLE value;
    ~Handle() {
        if (value != INVALID_HANDLE_VALUE) CloseHandle(value);
    }
};

bool Configure(HANDLE port) {
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(port, &dcb)) return false;
    dcb.BaudRate = CBR_19200;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    if (!SetCommState(port, &dcb)) return false;
    COMMTIMEOUTS timeouts = {};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    return SetCommTimeouts(port, &timeouts) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: com_port_probe COMn LINE\n");
        return 2;
    }
    Handle port{CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                            nullptr)};
    if (port.value == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot open %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    if (!Configure(port.value)) {
        std::fprintf(stderr, "cannot set up %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    std::string line = std::string(argv[2]) + "\r\n";
    DWORD written = 0;
    if (!WriteFile(port.value, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
        written != line.size()) {
        std::fprintf(stderr, "cannot write to %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    std::string reply;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000) {
        char byte = 0;
        DWORD got = 0;
        if (!ReadFile(port.value, &byte, 1, &got, nullptr)) break;
        if (got == 0) {
            Sleep(10);
            continue;
        }
        reply.push_back(byte);
        if (reply.size() >= 2 && reply.compare(reply.size() - 2, 2, "\r\n") == 0) {
            std::printf("%s", reply.c_str());
            return 0;
        }
    }
    std::fprintf(stderr, "no reply line from %s (got %u bytes)\n", argv[1],
                 static_cast<unsigned>(reply.size()));
    return 1;
}
