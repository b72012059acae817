#pragma once
// The module's settings as the "Data" page shows them. The window's controls are the only
// lasting store; this is a snapshot taken from them (and put back into them) so that the
// rules of reading, checking and writing work without a window.
#include <array>
#include <string>

namespace korvan {

using AddressTexts = std::array<std::string, 4>;  // the four edits of one address, as typed

struct DeviceSettings {
    AddressTexts ip, gateway, subnet, client;
    bool dhcp = false;
    int baudItem = -1;        // BaudRateComboBox item, -1 none selected
    bool useCrLf = false;     // "Use CR/LF" and "Timed" form one group; both clear at start
    bool timed = false;
    int serialTime = 20;      // milliseconds
    int updatePeriod = 60;    // seconds
    int clientPort = 3012;
    int serverTimeout = 60;   // seconds
    bool watchdog = false;
    bool clientEnabled = true;
    bool broadcast = true;
    std::string mac;          // as shown, 00:04:A3:01:02:03
};

}  // namespace korvan
