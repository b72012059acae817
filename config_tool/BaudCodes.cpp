#include "BaudCodes.h"

namespace korvan {

namespace {

constexpr int kCodes[] = {129, 65, 32, 15, 7};
constexpr int kItemCount = sizeof kCodes / sizeof kCodes[0];
constexpr int k19200Item = 3;

}  // namespace

int BaudCodeForItem(int item) {
    return (item >= 0 && item < kItemCount) ? kCodes[item] : kCodes[k19200Item];
}

int BaudItemForReadCode(int code) {
    for (int item = 0; item < kItemCount; ++item) {
        if (kCodes[item] == code) return item;
    }
    return k19200Item;
}

}  // namespace korvan
