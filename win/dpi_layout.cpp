#include "win/dpi_layout.h"

#include <cmath>
#include <cwchar>

namespace deckplate::win {
namespace {

using form::Control;

// Top-left corner of a control at 96 DPI, in the window's client area.
POINT Origin(Control control, const form::FormLayout& layout) {
    if (control == Control::Window) return {0, 0};
    const form::Placement place = form::ControlPlacement(control, layout);
    const POINT container = Origin(form::Row(control).container, layout);
    return {container.x + place.left / form::kTwipsPerPixel,
            container.y + place.top / form::kTwipsPerPixel};
}

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

bool FontInstalled(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

HFONT CreateFormFont(const wchar_t* face, double points, unsigned dpi) {
    LOGFONTW font{};
    const int pixelsAt96 = static_cast<int>(std::lround(points * kLayoutDpi / 72.0));
    font.lfHeight = -Scaled(pixelsAt96, dpi);  // negative: the em, not the line
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

}  // namespace

int Scaled(int pixels, unsigned dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kLayoutDpi));
}

int PixelsFromTwips(int twips, unsigned dpi) { return Scaled(twips / form::kTwipsPerPixel, dpi); }

RECT ControlRect(Control control, unsigned dpi, const form::FormLayout& layout) {
    const form::Placement place = form::ControlPlacement(control, layout);
    const POINT origin = Origin(control, layout);
    const int left = Scaled(origin.x, dpi);
    const int top = Scaled(origin.y, dpi);
    return {left, top, left + PixelsFromTwips(place.width, dpi),
            top + PixelsFromTwips(place.height, dpi)};
}

SIZE ClientSize(unsigned dpi, const form::FormLayout& layout) {
    return {PixelsFromTwips(form::ClientWidthTwips(layout), dpi),
            PixelsFromTwips(form::ClientHeightTwips(layout), dpi)};
}

FormFonts::FormFonts(unsigned dpi)
    : ui_(CreateFormFont(L"SimSun", form::kUiPointSize, dpi)),
      hint_(CreateFormFont(FontInstalled(L"YouYuan") ? L"YouYuan" : L"SimSun", form::kHintPointSize,
                           dpi)) {}

FormFonts::~FormFonts() {
    DeleteObject(ui_);
    DeleteObject(hint_);
}

}  // namespace deckplate::win
