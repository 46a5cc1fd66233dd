#include "os/today.h"

#include <ctime>

namespace deckplate::os {

std::string TodayIso() {
    const std::time_t now = std::time(nullptr);
    char text[16] = {};
    // Called on one thread (the command line's, the window's): localtime's shared result is safe.
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, "%Y-%m-%d", local);
    return text;
}

}  // namespace deckplate::os
