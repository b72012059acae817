#include "Messages.h"

namespace ui {

UINT SelectTextMessage() {
    static const UINT message = RegisterWindowMessageA(kSelectTextMessageName);
    return message;
}

UINT RowCheckMessage() {
    static const UINT message = RegisterWindowMessageA(kRowCheckMessageName);
    return message;
}

}  // namespace ui
