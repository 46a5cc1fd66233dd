#pragma once
// The model and the calculation speak UTF-8; Qt speaks QString. Every text the Qt window shows
// crosses into Qt here.

#include <QString>
#include <string_view>

namespace deckplate::ui {

/// The UTF-8 `text` as a QString; a byte that is not UTF-8 becomes U+FFFD.
QString QStringFromUtf8(std::string_view text);

}  // namespace deckplate::ui
