#pragma once
// What 文件 → 批量验算… found: the rows that passed, exceeded a limit or erred (the first errors
// with their lines), then the offer to open the results in the program the system gives CSV files
// (Excel on most Windows machines) and to write the calculation book: the whole schedule as one
// document (a summary of every row, then each computed row's book), or with 每行一个文件 ticked
// every computed row's own book into a folder the engineer chooses.

#include <string>
#include <vector>

#include "form/dialog.h"
#include "report/schedule_book.h"
#include "schedule/row_check.h"
#include "schedule/row_reader.h"

namespace deckplate::form {

enum class SummaryControl : int { Summary, OpenResults, WriteBooks, OneFilePerRow, Close };

/// One run over a schedule, as the summary tells it.
struct ScheduleRunRecord {
    std::string schedule;  ///< the schedule's path, UTF-8
    std::string results;   ///< where its results were written
    schedule::RowDefaults defaults;
    project::ProjectInfo project;  ///< as the books' title blocks state it
    schedule::Summary summary;
    std::vector<std::string> warnings;  ///< its reading's warnings, then its notes
    /// Every row, for the books: its bay, or its error in the window's words; empty with
    /// `booksLost` when memory ran short.
    std::vector<report::ScheduleBookRow> rows;
    bool booksLost = false;
};

class ScheduleSummaryDialog : public Dialog {
  public:
    ScheduleSummaryDialog(Platform& platform, ScheduleRunRecord run);

  private:
    void OnClicked(int control) override;
    void WriteBook();
    void WriteOneBook();
    void WriteBookFolder();

    Platform& platform_;
    ScheduleRunRecord run_;
};

/// The summary's text: the files, the count of each outcome, the first errors and warnings.
std::string SummaryText(const ScheduleRunRecord& run);

const DialogTable& ScheduleSummaryDialogTable();

}  // namespace deckplate::form
