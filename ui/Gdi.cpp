#include "Gdi.h"

namespace ui {

HFONT CreatePointFont(const std::string& face, int points, bool bold, bool underline) {
    WindowDc screen(nullptr);
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(points, GetDeviceCaps(screen.Dc(), LOGPIXELSY), 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

HFONT CreateStyledFont(HFONT base, bool bold, bool underline) {
    LOGFONTA font = {};
    HGDIOBJ source = base ? static_cast<HGDIOBJ>(base) : GetStockObject(DEFAULT_GUI_FONT);
    if (!GetObjectA(source, sizeof font, &font)) return nullptr;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = underline ? TRUE : FALSE;
    return CreateFontIndirectA(&font);
}

}  // namespace ui
