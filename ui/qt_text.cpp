#include "ui/qt_text.h"

namespace deckplate::ui {

QString QStringFromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace deckplate::ui
