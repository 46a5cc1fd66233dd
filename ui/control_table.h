#pragma once
// The window's controls as one table: name, kind, container, position and size in twips,
// caption or initial text, and initial state. The window builds itself from it, and the tests
// check the built widgets against it.

#include <QColor>
#include <span>
#include <string_view>

namespace deckplate::ui {

enum class Kind { Frame, Label, TextBox, ComboBox, CheckBox, OptionButton, PushButton };

/// Which colour a control's text (or a frame's caption) has; Default is the style's own.
enum class Ink { Default, Navy, Blue };

struct ControlRow {
    std::string_view name;  ///< objectName: "Text1", "label16", "Command3"
    Kind kind;
    std::string_view container;    ///< "form1" or a frame's name
    int left, top, width, height;  ///< twips, relative to the container
    std::string_view caption;      ///< caption, or initial text of a text box
    bool visible = true;
    bool enabled = true;
    bool checked = false;  ///< check box ticked, option button selected
    Ink ink = Ink::Default;
    bool valueCell = false;  ///< label that reads as a box: window background and text colour
};

/// Every control of the window, containers before their contents.
std::span<const ControlRow> ControlTable();

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 8145;
inline constexpr int kClientHeightTwips = 6975;

QColor InkColour(Ink ink);

}  // namespace deckplate::ui
