#include "schedule/row_reader.h"

#include <algorithm>
#include <cctype>

#include "calc/number_text.h"
#include "os/file_identity.h"
#include "os/paths.h"
#include "os/regular_file.h"

namespace deckplate::schedule {

using input::Input;
using input::ParseBasis;
using input::ValueError;
using input::ValueFault;
namespace {

// The columns: the rows' names, then one for each input of a bay.
const std::vector<ColumnRow>& Columns() {
    static const std::vector<ColumnRow> columns = [] {
        std::vector<ColumnRow> all{{"name", BayField::Name, true}};
        for (const input::InputRow& row : input::BayInputs())
            all.push_back({row.key, row.field, row.required});
        return all;
    }();
    return columns;
}

// A column as a message names it: "column 'spacing'".
Input InputOf(BayField field) {
    const auto column = std::ranges::find(Columns(), field, &ColumnRow::field);
    return {"column '" + std::string(column->header) + "'", field};
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A header column as a spreadsheet names it: A, B, … Z, AA, AB …
std::string ColumnLetter(std::size_t index) {
    std::string letters;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

// Every column whose header is `name`, without regard to case or blanks around it.
std::vector<std::size_t> Positions(const std::vector<std::string>& header, std::string_view name) {
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < header.size(); ++i)
        if (Lower(Trim(header[i])) == name) positions.push_back(i);
    return positions;
}

// A header that is one cell holding the names with another separator: which one.
char SeparatorFound(const std::vector<std::string>& header) {
    if (header.size() != 1) return '\0';
    for (const char separator : {';', '\t'})
        if (header[0].find(separator) != std::string::npos) return separator;
    return '\0';
}

}  // namespace

std::span<const ColumnRow> ScheduleColumns() { return Columns(); }

RowReader::RowReader(const std::string& path, input::Notices* notices)
    : path_(path),
      file_(os::PathFromUtf8(path)),
      stream_(nullptr, &std::fclose),
      notices_(notices) {
    // Named in UTF-8 on every system: on Windows a narrow name would be read in the ANSI code
    // page, and 平台排表.csv would not be found. A FIFO would keep the run waiting without end.
    try {
        stream_ = os::OpenRegularFile(file_);
    } catch (const os::OpenError& e) {
        const ScheduleFault fault = e.fault() == os::OpenFault::Folder ? ScheduleFault::IsFolder
                                    : e.fault() == os::OpenFault::NotAFile
                                        ? ScheduleFault::NotAFile
                                        : ScheduleFault::CannotOpen;
        throw ScheduleError({.fault = fault, .path = path, .reason = e.reason()});
    }
    std::fseek(stream_.get(), 0, SEEK_END);
    size_ = std::ftell(stream_.get());
    std::fseek(stream_.get(), 0, SEEK_SET);
    reader_ = std::make_unique<CsvReader>(stream_.get(), notices);
    bool empty = false;
    try {
        empty = !reader_->Next(header_);
    } catch (const ScheduleError& e) {
        ScheduleProblem problem = e.Problem();
        problem.path = path;
        throw ScheduleError(std::move(problem));
    }
    if (empty) throw ScheduleError({.fault = ScheduleFault::Empty, .path = path});

    std::vector<std::string> missing;
    for (const ColumnRow& column : Columns()) {
        const std::vector<std::size_t> at = Positions(header_, column.header);
        // Which of two values would count is anyone's guess: the schedule must say.
        if (at.size() > 1) {
            std::string letters;
            for (std::size_t i = 0; i < at.size(); ++i)
                (letters += i == 0              ? ""
                            : i + 1 < at.size() ? ", "
                                                : " and ") += ColumnLetter(at[i]);
            throw ScheduleError({.fault = ScheduleFault::RepeatedColumn,
                                 .columns = {std::string(column.header)},
                                 .letters = letters});
        }
        if (!at.empty())
            index_[column.field] = at.front();
        else if (column.required)
            missing.emplace_back(column.header);
    }
    if (!missing.empty()) {
        throw ScheduleError({.fault = ScheduleFault::MissingColumns,
                             .columns = std::move(missing),
                             .separator = SeparatorFound(header_)});
    }
}

RowReader::~RowReader() = default;

bool RowReader::IsFile(const std::filesystem::path& output) const {
    return os::SameFile(file_, output);
}

bool RowReader::Has(BayField field) const { return index_.contains(field); }

std::string RowReader::Cell(const std::vector<std::string>& cells, BayField field) const {
    const auto i = index_.find(field);
    return i != index_.end() && i->second < cells.size() ? Trim(cells[i->second]) : std::string();
}

bool RowReader::Next(const RowDefaults& defaults, ScheduleRow& row) {
    try {
        if (!reader_->Next(row.cells)) return false;
    } catch (const ScheduleError& e) {
        ScheduleProblem problem = e.Problem();
        problem.path = path_;
        throw ScheduleError(std::move(problem));
    }
    row.line = ++line_;
    row.name = Cell(row.cells, BayField::Name);
    row.basis.reset();
    row.bay.reset();
    row.problem.reset();
    try {
        row.bay = ReadBay(row.cells, defaults, row);
    } catch (const ValueError& e) {
        row.problem = e.Problem();
    }
    return true;
}

BayInput RowReader::ReadBay(const std::vector<std::string>& cells, const RowDefaults& defaults,
                            ScheduleRow& row) {
    // The basis first: the results file gives it even for a row whose other cells fail.
    const std::string basis = Cell(cells, BayField::Basis);
    row.basis =
        basis.empty() ? defaults.bay.basis : input::ParseBasis(basis, InputOf(BayField::Basis));
    // The run's bay, each input the row gives read over it in the table's order. What the cells
    // notice counts once they are all read: a row that cannot be read says so by its error.
    BayInput bay = defaults.bay;
    input::Notices cellNotices;
    for (const input::InputRow& input : input::BayInputs()) {
        if (!Has(input.field)) continue;
        // A required cell: a row too short to reach the column has no value there.
        if (input.required && index_.at(input.field) >= cells.size())
            throw ValueError({.fault = ValueFault::NoValue, .input = InputOf(input.field)});
        const std::string cell = Cell(cells, input.field);
        if (cell.empty() && !input.required) continue;
        const bool ownPointLoad = input.field == BayField::PointLoad && !bay.pointLoad;
        Input given = InputOf(input.field);
        given.notices = &cellNotices;
        input.read(cell, given, bay);
        // The run's patch stands under the point load a row gives of its own.
        if (ownPointLoad && defaults.patch) {
            bay.pointLoad->across = defaults.patch->across;
            bay.pointLoad->along = defaults.patch->along;
        }
    }
    if (notices_)
        for (input::Notice& notice : cellNotices.Take()) notices_->Add(std::move(notice));
    input::KeepToTheBasis(bay, [&](BayField field) -> std::optional<input::GivenInput> {
        std::string cell = Cell(cells, field);
        if (cell.empty()) return std::nullopt;
        return input::GivenInput{InputOf(field), std::move(cell)};
    });
    input::RequireSound(bay, InputOf);
    return bay;
}

}  // namespace deckplate::schedule
