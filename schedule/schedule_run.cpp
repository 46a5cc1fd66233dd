#include "schedule/schedule_run.h"

#include <ostream>

#include "schedule/results_writer.h"

namespace deckplate::schedule {

report::ScheduleBookRow BookRowOf(const ScheduleRow& row, const RowCheck& result) {
    return {.line = row.line,
            .name = row.name,
            .bay = result.check ? row.bay : std::nullopt,
            .check = result.check,
            .error = result.error ? RowErrorWords(*result.error) : std::string()};
}

std::optional<Summary> RunSchedule(RowReader& rows, const RowDefaults& defaults,
                                   std::ostream& results, const RunHooks& hooks) {
    ResultsWriter writer(results, rows.Header(), rows.Scope(defaults));
    RowChecker checker;
    Summary summary;
    for (ScheduleRow row; results && rows.Next(defaults, row);) {
        const RowCheck result = checker.Check(row);
        writer.Write(row, result);
        summary.Count(result);
        if (hooks.checked) hooks.checked(row, result);
        if (hooks.progress &&
            !hooks.progress({.line = row.line, .bytesRead = rows.BytesRead(), .size = rows.Size()}))
            return std::nullopt;
    }
    return summary;
}

}  // namespace deckplate::schedule
