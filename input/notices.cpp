#include "input/notices.h"

#include <algorithm>

namespace deckplate::input {

Severity SeverityOf(NoticeKind kind) {
    switch (kind) {
        case NoticeKind::FormerGradeName:
            return Severity::Note;
        case NoticeKind::NotUtf8AfterMark:
            return Severity::Warning;
    }
    return Severity::Warning;
}

void Notices::Add(Notice notice) {
    if (!Has(notice.kind)) kept_.push_back({std::move(notice)});
}

bool Notices::Has(NoticeKind kind) const {
    return std::ranges::any_of(kept_,
                               [kind](const Kept& kept) { return kept.notice.kind == kind; });
}

std::vector<Notice> Notices::Take(Severity least) {
    std::vector<Notice> taken;
    for (const Severity severity : {Severity::Warning, Severity::Note}) {
        if (severity < least) continue;
        for (Kept& kept : kept_) {
            if (kept.taken || SeverityOf(kept.notice.kind) != severity) continue;
            kept.taken = true;
            taken.push_back(kept.notice);
        }
    }
    return taken;
}

}  // namespace deckplate::input
