#include "cli/progress.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <string>

namespace deckplate::cli {

Progress::Progress(long long totalBytes)
    : total_(totalBytes), enabled_(isatty(STDERR_FILENO) == 1), start_(Clock::now()) {}

void Progress::Update(long long rows, long long bytes) {
    if (!enabled_ || (rows & 1023) != 0) return;  // the clock is read every 1024 rows
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(100))
        return;
    last_ = now;
    shown_ = true;
    const int percent = total_ > 0 ? static_cast<int>(std::min(100LL, 100 * bytes / total_)) : 0;
    const int filled = percent / 5;
    std::cerr << "\r[" << std::string(filled, '#') << std::string(20 - filled, ' ') << "] "
              << percent << "%  " << rows << " rows" << std::flush;
}

Progress::~Progress() {
    if (shown_) std::cerr << "\r" << std::string(50, ' ') << "\r" << std::flush;
}

}  // namespace deckplate::cli
