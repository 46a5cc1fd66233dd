#pragma once
// The window's fonts. The layout is measured for a 9 pt Song (Ming) typeface whose lines are
// one em high, as SimSun is on Windows; AR PL UMing has the same metrics on Linux, so the
// two-line captions ("加劲肋跨度mm：") fit their boxes.

#include <QFont>

namespace deckplate::ui {

/// 9 pt user-interface font.
QFont UiFont();
/// "幼圆" at 14.25 pt, normal weight, for the two "设计提示" headings.
QFont HintFont();

}  // namespace deckplate::ui
