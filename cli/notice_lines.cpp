#include "cli/notice_lines.h"

#include <ostream>

#include "input/value_words.h"

namespace deckplate::cli {

void SayNotices(std::ostream& err, std::span<const input::Notice> notices,
                std::string_view schedule) {
    for (const input::Notice& notice : notices) {
        err << "deckplate-cli: "
            << (input::SeverityOf(notice.kind) == input::Severity::Warning ? "warning: " : "note: ")
            << input::NoticeText(notice, schedule) << "\n";
    }
}

}  // namespace deckplate::cli
