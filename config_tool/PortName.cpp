#include "PortName.h"

namespace korvan {

std::string ComPortName(int number) {
    if (number < 1 || number > 254) number = 1;
    return "COM" + std::to_string(number);
}

std::string ComDeviceName(int number) { return "\\\\.\\" + ComPortName(number); }

}  // namespace korvan
