#pragma once
// What 文件 → 批量验算… found: the rows that passed, exceeded a limit or erred (the first errors
// with their lines), then the offer to open the results in the program the system gives CSV files
// (Excel on most Windows machines) and to write every computed row's calculation book into a
// folder the engineer chooses.

#include <string>
#include <vector>

#include "calc/bay_input.h"
#include "form/dialog.h"
#include "schedule/row_check.h"
#include "schedule/row_reader.h"

namespace deckplate::form {

enum class SummaryControl : int { Summary, OpenResults, WriteBooks, Close };

/// A computed row, as its calculation book needs it.
struct BookBay {
    BayInput bay;
    std::string name;  ///< the row's name cell
    long long line = 0;
};

/// One run over a schedule, as the summary tells it.
struct ScheduleRunRecord {
    std::string schedule;  ///< the schedule's path, UTF-8
    std::string results;   ///< where its results were written
    schedule::RowDefaults defaults;
    schedule::Summary summary;
    std::vector<std::string> warnings;  ///< about the schedule's text, as its reading found
    /// The computed rows, for their books; empty with `booksLost` when memory ran short.
    std::vector<BookBay> bays;
    bool booksLost = false;
};

class ScheduleSummaryDialog : public Dialog {
  public:
    ScheduleSummaryDialog(Platform& platform, ScheduleRunRecord run);

  private:
    void OnClicked(int control) override;
    void WriteAllBooks();

    Platform& platform_;
    ScheduleRunRecord run_;
};

/// The summary's text: the files, the count of each outcome, the first errors and warnings.
std::string SummaryText(const ScheduleRunRecord& run);

const DialogTable& ScheduleSummaryDialogTable();

}  // namespace deckplate::form
