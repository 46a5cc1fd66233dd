// A whole batch run on arbitrary schedule bytes. It ends with status 0, 1 or 2 and a reason
// for 2. A run that checks rows writes well-formed UTF-8 CSV in which every row has the
// header's columns, a status of pass, fail or error and no "inf" or "nan" among its results,
// and its exit status agrees with those rows.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "os/utf8.h"
#include "schedule/csv_reader.h"

namespace {

using deckplate::schedule::CsvReader;

void Require(bool condition) {
    if (!condition) std::abort();
}

// The results' own columns, after the input's: the design basis, the computed values and
// verdicts, then these last five.
constexpr std::size_t kLastColumns = 5;  // max_utilisation, status, error, note, version

std::vector<std::vector<std::string>> ReadBack(std::string& results) {
    std::FILE* file = fmemopen(results.data(), results.size(), "rb");
    Require(file != nullptr);
    std::vector<std::vector<std::string>> rows;
    {
        CsvReader reader(file);
        for (std::vector<std::string> row; reader.Next(row);) rows.push_back(row);
    }
    std::fclose(file);
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The schedule as a file in memory, read through its path as any schedule is.
    static const int fd = memfd_create("schedule.csv", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    Require(fd >= 0 && ftruncate(fd, 0) == 0);
    Require(pwrite(fd, data, size, 0) == static_cast<ssize_t>(size));

    std::ostringstream out, err;
    const int status = deckplate::cli::RunBatch({.schedule = path}, out, err);
    Require(status >= 0 && status <= 2);
    if (status == 2) {
        Require(!err.str().empty());
        return 0;
    }
    std::string results = out.str();
    Require(results.starts_with("\xef\xbb\xbf"));
    Require(deckplate::os::IsUtf8(results.data(), results.size(), false));

    const auto rows = ReadBack(results);
    Require(!rows.empty());
    const std::vector<std::string>& header = rows.front();
    const std::size_t columns = header.size();
    Require(columns >= kLastColumns + 1 && header[columns - 4] == "status" &&
            header[columns - 3] == "error" && header[columns - 2] == "note" &&
            header.back() == "version");
    // The design basis stands after the schedule's own columns, which may repeat its name.
    std::size_t basisColumn = columns;
    for (std::size_t c = columns; c-- > 0;)
        if (header[c] == "design_basis") {
            basisColumn = c;
            break;
        }
    Require(basisColumn < columns - kLastColumns);
    bool allPass = true;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto& row = rows[r];
        Require(row.size() == columns);
        const std::string& rowStatus = row[columns - 4];
        Require(rowStatus == "pass" || rowStatus == "fail" || rowStatus == "error");
        Require((rowStatus == "error") == !row[columns - 3].empty());
        Require(!row.back().empty());
        const std::string& basis = row[basisColumn];
        Require(basis == "legacy" || basis == "current" || (rowStatus == "error" && basis.empty()));
        allPass = allPass && rowStatus == "pass";
        for (std::size_t c = basisColumn; c < columns - 4; ++c)
            Require(row[c].find("inf") == std::string::npos &&
                    row[c].find("nan") == std::string::npos);
    }
    Require(status == (allPass ? 0 : 1));
    return 0;
}
