#include "schedule/row_reader.h"

#include <algorithm>
#include <cctype>

#include "calc/number_text.h"
#include "os/file_identity.h"
#include "os/paths.h"
#include "os/regular_file.h"

namespace deckplate::schedule {
namespace {

// clang-format off
constexpr ColumnRow kColumns[] = {
    {Column::Name,      "name",       BayField::Name,      true},
    {Column::Dead,      "dead",       BayField::Dead,      true},
    {Column::Live,      "live",       BayField::Live,      true},
    {Column::Thickness, "thickness",  BayField::Thickness, true},
    {Column::Span,      "span",       BayField::Span,      true},
    {Column::Spacing,   "spacing",    BayField::Spacing,   true},
    {Column::Boundary,  "boundary",   BayField::Boundary,  true},
    {Column::Stiffener, "stiffener",  BayField::Stiffener, true},
    {Column::Basis,     "basis",      BayField::Basis,     false},
    {Column::Steel,     "steel",      BayField::Steel,     false},
    {Column::PointLoad, "point_load", BayField::PointLoad, false},
    {Column::Patch,     "patch",      BayField::Patch,     false},
};
// clang-format on

constexpr bool RowsFollowTheEnumeration() {
    for (std::size_t i = 0; i < std::size(kColumns); ++i)
        if (static_cast<std::size_t>(kColumns[i].id) != i) return false;
    return std::size(kColumns) == kColumnCount;
}
static_assert(RowsFollowTheEnumeration(), "row i of the column table must describe Column(i)");

// A column as a message names it: "column 'spacing'".
const Input& InputOf(Column column) {
    static const std::array<Input, kColumnCount> inputs = [] {
        std::array<Input, kColumnCount> named;
        for (const ColumnRow& row : kColumns)
            named[static_cast<std::size_t>(row.id)] = {"column '" + std::string(row.header) + "'",
                                                       row.field};
        return named;
    }();
    return inputs[static_cast<std::size_t>(column)];
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

std::span<const ColumnRow> ScheduleColumns() { return kColumns; }

RowReader::RowReader(const std::string& path, const CsvReader::Warning& warn)
    : path_(path), file_(os::PathFromUtf8(path)), stream_(nullptr, &std::fclose) {
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
    reader_ = std::make_unique<CsvReader>(stream_.get(), warn);
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
    for (const ColumnRow& column : kColumns) {
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
            index_[static_cast<std::size_t>(column.id)] = at.front();
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

std::string RowReader::Cell(const std::vector<std::string>& cells, Column column) const {
    const std::optional<std::size_t> i = index_[static_cast<std::size_t>(column)];
    return i && *i < cells.size() ? Trim(cells[*i]) : std::string();
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
    row.name = Cell(row.cells, Column::Name);
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
    const std::string basis = Lower(Cell(cells, Column::Basis));
    row.basis = basis.empty() ? defaults.basis : ParseBasis(basis, InputOf(Column::Basis));

    // A required cell: a row too short to reach the column has no value there.
    const auto field = [&](Column column) -> std::string {
        const std::size_t i = *index_[static_cast<std::size_t>(column)];
        if (i >= cells.size())
            throw ValueError({.fault = ValueFault::NoValue, .input = InputOf(column)});
        return Trim(cells[i]);
    };
    BayInput bay;
    bay.dead = Load(field(Column::Dead), InputOf(Column::Dead));
    bay.live = Load(field(Column::Live), InputOf(Column::Live));
    bay.thickness = ThicknessOf(Length(field(Column::Thickness), InputOf(Column::Thickness)));
    bay.span = Length(field(Column::Span), InputOf(Column::Span));
    bay.spacing = Length(field(Column::Spacing), InputOf(Column::Spacing));
    bay.boundary = ParseBoundary(field(Column::Boundary), InputOf(Column::Boundary));
    bay.stiffener = ParseStiffener(field(Column::Stiffener), InputOf(Column::Stiffener));
    bay.basis = *row.basis;
    // The row's grade, or the run's under the current basis; the legacy basis knows Q235 only.
    const std::string steel = Cell(cells, Column::Steel);
    if (!steel.empty()) {
        bay.steel = ParseSteel(steel, InputOf(Column::Steel), &readQ345_);
        RequireGradeOfBasis(bay.steel, bay.basis, InputOf(Column::Steel));
    } else if (bay.basis == DesignBasis::Current) {
        bay.steel = defaults.steel;
    }
    RequirePartsInStrengthTable(bay, InputOf(Column::Thickness), InputOf(Column::Stiffener),
                                field(Column::Stiffener));

    // The point load: the row's own force and patch, or the run's.
    const std::string force = Cell(cells, Column::PointLoad), patch = Cell(cells, Column::Patch);
    const std::optional<double> kilonewtons =
        force.empty() ? defaults.pointLoad
                      : std::optional(PointLoadForce(force, InputOf(Column::PointLoad)));
    if (!kilonewtons) {
        if (!patch.empty()) {
            throw ValueError({.fault = ValueFault::PatchWithoutPointLoad,
                              .input = InputOf(Column::Patch),
                              .value = patch});
        }
        return bay;
    }
    const schedule::Patch on =
        patch.empty() ? defaults.patch : ParsePatch(patch, InputOf(Column::Patch));
    RequirePatchAtLeast(
        on, bay.thickness.mm, InputOf(Column::Patch),
        patch.empty() ? PlainNumberText(on.across) + "x" + PlainNumberText(on.along) : patch);
    bay.pointLoad =
        deckplate::PointLoad{.force = *kilonewtons, .across = on.across, .along = on.along};
    return bay;
}

}  // namespace deckplate::schedule
