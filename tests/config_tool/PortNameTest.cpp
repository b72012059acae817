#include "PortName.h"

#include <gtest/gtest.h>

namespace {

struct PortCase {
    int number;
    const char* name;
};

TEST(PortName, NumbersOneTo254NameTheirPortOthersCom1) {
    const PortCase cases[] = {{1, "COM1"},   {7, "COM7"}, {10, "COM10"}, {254, "COM254"},
                              {255, "COM1"}, {0, "COM1"}, {-3, "COM1"},  {1000, "COM1"}};
    for (const auto& c : cases) {
        EXPECT_EQ(korvan::ComPortName(c.number), c.name) << c.number;
        EXPECT_EQ(korvan::ComDeviceName(c.number), std::string("\\\\.\\") + c.name) << c.number;
    }
}

}  // namespace
