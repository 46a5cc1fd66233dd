#pragma once
// What a reading has to tell besides its values and errors: a grade given by its former name, a
// schedule whose text may not read as it means. The reading goes on; each notice is data that the
// reading adds to the caller's Notices, and each front end words it (notice_words.h): the command
// line in English on standard error, the window in Chinese in 批量验算's summary.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace deckplate::input {

enum class NoticeKind : std::uint8_t {
    /// Q345, the grade's name before GB/T 1591-2018, read as Q355.
    FormerGradeName,
    /// A schedule that starts with a UTF-8 byte-order mark has a `line` that is not UTF-8: its
    /// characters are shown as U+FFFD. `asGbk`: the line as GBK, when it reads as GBK.
    NotUtf8AfterMark,
};

/// A warning: what was read may not be what the user meant. A note: read as meant, worth
/// knowing. A warning is said before the notes, since it may change how they read.
enum class Severity : std::uint8_t { Note, Warning };

Severity SeverityOf(NoticeKind kind);

struct Notice {
    NoticeKind kind = NoticeKind::FormerGradeName;
    long long line = 0;                  ///< the schedule's line, the header line 1
    std::optional<std::string> asGbk{};  ///< NotUtf8AfterMark: the line read as GBK

    friend bool operator==(const Notice&, const Notice&) = default;
};

/// The notices of a reading, each kind once: the first of its kind stands for the rest (a
/// hundred rows given as Q345 are one note). Taken as a front end says them, warnings first.
class Notices {
  public:
    /// Keeps `notice` unless one of its kind came before.
    void Add(Notice notice);
    /// Whether one of `kind` came.
    bool Has(NoticeKind kind) const;
    /// Those of `least` severity or more not taken before, warnings first, then in the order
    /// they came.
    std::vector<Notice> Take(Severity least = Severity::Note);

  private:
    struct Kept {
        Notice notice;
        bool taken = false;
    };
    std::vector<Kept> kept_;
};

}  // namespace deckplate::input
