#pragma once
// The COM device behind the "Use Comm Port" number.
#include <string>

namespace korvan {

// "COM" + n for 1 to 254; any other number gives "COM1".
std::string ComPortName(int number);

// The name CreateFile takes: the "\\.\" device prefix works for every port and is needed from
// COM10 on.
std::string ComDeviceName(int number);

}  // namespace korvan
