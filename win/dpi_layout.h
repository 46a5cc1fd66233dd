#pragma once
// Where each control stands, and the fonts it is drawn in, at a screen's DPI. The control table
// gives twips relative to a control's container; the window is laid out as measured, at 96 DPI
// (15 twips a pixel, each container's offset in whole pixels as the Qt window places it), and
// scaled to the window's DPI in one place, Scaled().

#include <windows.h>

#include "form/control_table.h"

namespace deckplate::win {

inline constexpr unsigned kLayoutDpi = 96;

/// `pixels` measured at 96 DPI, in pixels at `dpi` (rounded to the nearest).
int Scaled(int pixels, unsigned dpi);

/// A length in twips, in whole pixels at 96 DPI as the layout was measured, scaled to `dpi`.
int PixelsFromTwips(int twips, unsigned dpi);

/// A dropped list's height at 96 DPI: about twelve items.
inline constexpr int kDroppedListPixels = 180;

/// The control's rectangle in the window's client area at `dpi`, pixels, with the optional
/// groups of `layout` on show (none, as the window first opens). Every control is a child of the
/// window itself: its position is summed through the frames that contain it.
RECT ControlRect(form::Control control, unsigned dpi, const form::FormLayout& layout = {});

/// The size of the window's client area below the menu bar at `dpi`, pixels.
SIZE ClientSize(unsigned dpi, const form::FormLayout& layout = {});

/// The window's fonts at one DPI: 9 pt SimSun (宋体) for every caption and box, 14.25 pt YouYuan
/// (幼圆) for the two "设计提示" headings, SimSun again where YouYuan is not installed.
class FormFonts {
  public:
    explicit FormFonts(unsigned dpi);
    ~FormFonts();
    FormFonts(const FormFonts&) = delete;
    FormFonts& operator=(const FormFonts&) = delete;

    HFONT Font(form::Face face) const { return face == form::Face::Hint ? hint_ : ui_; }

  private:
    HFONT ui_;
    HFONT hint_;
};

}  // namespace deckplate::win
