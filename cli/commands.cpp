#include "cli/commands.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iomanip>
#include <iostream>
#include <optional>

#include "calc/angle_catalogue.h"
#include "calc/number_text.h"
#include "calc/plate_thicknesses.h"
#include "cli/batch.h"
#include "cli/bay_source.h"
#include "cli/check_output.h"
#include "cli/design_output.h"
#include "cli/project_options.h"
#include "cli/run_files.h"
#include "cli/unknown_arguments.h"
#include "input/values.h"
#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/shown_text.h"
#include "report/book_file.h"
#include "schedule/row_reader.h"
#include "version/deckplate_version.h"

namespace deckplate::cli {
namespace {

using input::Input;
using input::Length;
using input::Load;
using input::ParseAngle;
using input::ParseBasis;
using input::ParseFlatBar;
using sizing::DesignRequest;
using sizing::DesignResult;
using sizing::StiffenerFamily;

// One bay as check and book take it: from the options, or from a bay file with the options
// given beside it overriding its values.
struct BaySources {
    std::optional<std::string> from;  ///< --from FILE.deckplate
    BayOptions options;
};

struct CheckOptions {
    BaySources bay;
    bool json = false;
    std::optional<std::string> save;  ///< --save FILE.deckplate
};

struct BookOptions {
    BaySources bay;
    std::string name;
    std::string output;
    ProjectOptions project;
};

// Numbers are taken as text and read strictly later, so the message can name the option.
template <class Text>
CLI::Option* AddNumber(CLI::App& command, const char* name, Text& text, const char* help) {
    return NeedsValue(command.add_option(name, text, help)->type_name("NUMBER"));
}

// A bay file's values stand in for the options not given beside it.
void AddFrom(CLI::App& command, std::optional<std::string>& from, const char* takes) {
    NeedsValue(command
                   .add_option("--from", from,
                               std::string("take ") + takes +
                                   " from a bay file the window saved (or check --save wrote); "
                                   "options given beside it override its values")
                   ->type_name("FILE.deckplate"));
}

// A bay's options, and --from with the bay file its values stand in for.
void AddBayOptions(CLI::App& check, BaySources& o) {
    AddFrom(check, o.from, "the bay");
    o.options.AddTo(check, BayUse::Check);
}

void AddProjectOptions(CLI::App& command, ProjectOptions& o) {
    NeedsValue(command
                   .add_option("--project", o.file,
                               "the project information of this bay file; the options below "
                               "replace its fields one by one")
                   ->type_name("FILE.deckplate"));
    for (const ProjectOption& option : ProjectOptionTable())
        NeedsValue(
            command.add_option(option.name, o.*option.given, option.help)->type_name("TEXT"));
}

void AddBookOptions(CLI::App& book, BookOptions& o) {
    AddBayOptions(book, o.bay);
    NeedsValue(book.add_option("--name", o.name, "the bay's name, printed under the title")
                   ->type_name("TEXT"));
    NeedsValue(book.add_option("-o,--output", o.output,
                               "the book's file: FILE.docx a Word document, FILE.html a web "
                               "page; a file there is replaced only by a whole book")
                   ->type_name("FILE.docx|FILE.html"))
        ->required();
    AddProjectOptions(book, o.project);
}

// The schedule's columns as the column table has them, so that the help lists every one.
std::string ScheduleHelp() {
    std::string required, optional;
    for (const schedule::ColumnRow& column : schedule::ScheduleColumns()) {
        std::string& list = column.required ? required : optional;
        (list += list.empty() ? "" : ", ") += column.header;
    }
    return "CSV with the columns " + required + ", and optionally " + optional;
}

void AddBatchOptions(CLI::App& batch, BatchOptions& o) {
    batch.add_option("schedule", o.schedule, ScheduleHelp())->required()->type_name("SCHEDULE.csv");
    NeedsValue(batch
                   .add_option("-o,--output", o.output,
                               "write the results here instead of standard output; a file "
                               "there is replaced only once the run completes")
                   ->type_name("RESULTS.csv"));
    o.defaults.AddTo(batch, BayUse::Run);
    NeedsValue(batch
                   .add_option("--books", o.books,
                               "also write each computed row's calculation book into this "
                               "folder, named after the row")
                   ->type_name("DIR"));
    NeedsValue(batch
                   .add_option("--book", o.book,
                               "also write one calculation book of the whole schedule: a summary "
                               "of every row, then each computed row's book; FILE.docx a Word "
                               "document, FILE.html a web page")
                   ->type_name("FILE.docx|FILE.html"));
    batch.add_flag("--docx", o.docx,
                   "write the books --books writes as Word documents (.docx) rather than web "
                   "pages (.html)");
    AddProjectOptions(batch, o.project);
}

BayInput ReadBay(const BaySources& o, const BaySource& source, std::ostream& err) {
    return o.options.Read(source, BayUse::Check, err);
}

void ReportArithmeticFault(const ArithmeticError& e, std::ostream& err) {
    err << "deckplate-cli: arithmetic fault: " << e.what()
        << "; nothing was checked (look for a zero or absurd input)\n";
}

// The bay file a bay is read --from: no output of the run may replace it.
void FromFile(RunFiles& files, const BaySources& o) {
    if (o.from) files.Input("--from", "the bay file --from reads", *o.from);
}

// check --save: the bay checked, as a bay file the window opens and check --from reads back.
void SaveBay(const BayInput& bay, const std::string& path, const project::ProjectInfo& project) {
    try {
        os::ReplaceTextFile(os::PathFromUtf8(path),
                            project::BayFileText({.programVersion = DECKPLATE_VERSION,
                                                  .project = project,
                                                  .bay = project::SavedBayOf(bay)}),
                            os::TextEncoding::Utf8);
    } catch (const os::FileError& e) {
        throw input::ValueError("--save " + os::ShownWhole(path) +
                                ": cannot be written: " + os::ShownWhole(e.what()));
    }
}

int RunCheck(const CheckOptions& o, std::ostream& out, std::ostream& err) {
    RunFiles files;
    FromFile(files, o.bay);
    // Saving the bay back to the file it came from is what --save is for: the same bay, with
    // the options given beside it.
    if (o.save) files.Output("--save", input::OutputFile(*o.save, {"--save"}), "--from");
    const BaySource source(o.bay.from);
    const BayInput bay = ReadBay(o.bay, source, err);
    if (o.save) SaveBay(bay, *o.save, source.Project());
    try {
        const BayCheck check = CheckBay(bay);
        const Utilisation utilisation = Utilisations(check);
        if (o.json)
            out << CheckJson(bay, check, utilisation).dump(2) << '\n';
        else
            out << CheckText(bay, check, utilisation);
        return check.AllPass() ? kAllPass : kLimitExceeded;
    } catch (const ArithmeticError& e) {
        if (o.json) out << ErrorJson(e).dump(2) << '\n';
        ReportArithmeticFault(e, err);
        return kArithmeticFault;
    }
}

int RunBook(const BookOptions& o, std::ostream& err) {
    RunFiles files;
    FromFile(files, o.bay);
    ProjectFile(files, o.project);
    const std::string output = input::OutputFile(o.output, {"-o"});
    files.Output("-o", output);
    const report::BookFormat format = BookFormatOf("-o", output);
    const BaySource source(o.bay.from);
    const BayInput bay = ReadBay(o.bay, source, err);
    const project::ProjectInfo project = ReadProjectInfo(o.project, source.Project());
    try {
        const BayCheck check = CheckBay(bay);
        report::WriteBook(report::BookInputOf(bay, o.name, project), check,
                          os::PathFromUtf8(output), format);
        if (check.AllPass()) return kAllPass;
        // The exit status alone would leave a user wondering whether the book was written.
        int checks = 0, failed = 0;
        for (const CheckRow& row : Checks()) {
            if (!InScope(row, ScopeOf(check))) continue;
            ++checks;
            failed += row.verdict(check).exceeded ? 1 : 0;
        }
        err << "deckplate-cli: wrote " << os::ShownWhole(output) << ": " << failed << " of "
            << checks << " checks failed\n";
        return kLimitExceeded;
    } catch (const ArithmeticError& e) {
        ReportArithmeticFault(e, err);
        err << "deckplate-cli: no book was written\n";
        return kArithmeticFault;
    } catch (const os::FileError& e) {
        err << "deckplate-cli: cannot write the book: " << os::ShownWhole(e.what()) << "\n";
        return kBadArguments;
    } catch (const report::BookFileError& e) {
        err << "deckplate-cli: no book was written: " << e.what() << "\n";
        return kBadArguments;
    }
}

struct DesignOptions {
    BaySources bay;
    std::optional<std::string> spacings;
    std::string family = "any";
    std::string top = "10";
    std::string leastThickness = "0";
    bool json = false;
};

void AddDesignOptions(CLI::App& design, DesignOptions& o) {
    AddFrom(design, o.bay.from,
            "the loads, span, spacing, boundary, basis, grade, safety class and point load");
    o.bay.options.AddTo(design, BayUse::Design);
    auto* spacings =
        NeedsValue(design
                       .add_option("--spacings", o.spacings,
                                   "vary the spacing too: FROM:TO:STEP in mm (400:1000:100)")
                       ->type_name("FROM:TO:STEP"));
    design.get_option("--spacing")->excludes(spacings);
    NeedsValue(design.add_option("--stiffener", o.family, "angle, flat or any (default)"))
        ->check(CLI::IsMember({"angle", "flat", "any"}));
    NeedsValue(
        design.add_option("--top", o.top, "how many designs to list (default 10)")->type_name("N"));
    AddNumber(design, "--least-thickness", o.leastThickness,
              "consider plates from this thickness on, mm (default: the whole list)");
    design.add_flag("--json", o.json, "print one JSON object");
}

// The largest of the loads, span and spacing as given (an option's text, or the bay file's
// value), for a search whose numbers outgrew what can be computed.
std::string LargestInput(const DesignOptions& o, const sizing::DesignRequest& request) {
    const auto given = [&](BayField field, double value) {
        const input::InputOption& option = input::RowOf(field).option;
        return std::string(option.name) + " " +
               o.bay.options.Text(option).value_or(PlainNumberText(value));
    };
    const BayInput& bay = request.bay;
    const std::pair<std::string, double> inputs[] = {
        {given(BayField::Dead, bay.dead), bay.dead},
        {given(BayField::Live, bay.live), bay.live},
        {given(BayField::Span, bay.span), bay.span},
        {o.spacings ? "--spacings " + *o.spacings
                    : given(BayField::Spacing, request.spacings.back()),
         request.spacings.back()}};
    return std::max_element(std::begin(inputs), std::end(inputs),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

int RunDesign(const DesignOptions& o, std::ostream& out, std::ostream& err) {
    // A bay file gives what design takes of a bay; its plate and stiffener are what is sought.
    const BaySource source(o.bay.from);
    sizing::DesignRequest request;
    const bool spacingGiven =
        o.bay.options.Given(input::RowOf(BayField::Spacing)) || source.HasFile();
    if (!o.spacings && !spacingGiven)
        throw input::ValueError(
            "the spacing is missing: give --spacing A or --spacings FROM:TO:STEP");
    request.bay = o.bay.options.Read(source, BayUse::Design, err, BayField::Spacing);
    request.spacings =
        o.spacings ? ParseSpacings(*o.spacings) : std::vector<double>{request.bay.spacing};
    request.family = o.family == "angle"  ? StiffenerFamily::Angle
                     : o.family == "flat" ? StiffenerFamily::Flat
                                          : StiffenerFamily::Any;
    request.top = static_cast<std::size_t>(input::WholeNumber(o.top, {"--top"}, 1, 100000));
    request.leastThickness = input::StrictNumber(o.leastThickness, {"--least-thickness"});
    if (request.leastThickness < 0)
        throw input::ValueError("--least-thickness: must be 0 mm or more, not " + o.leastThickness);
    if (const double thickest = PlateThicknesses().back(); request.leastThickness > thickest)
        throw input::ValueError("--least-thickness: the thickest plate of the list is " +
                                PlateThicknessText(thickest) + " mm, not " + o.leastThickness);
    if (const std::optional<PointLoad>& load = request.bay.pointLoad) {
        // Every plate of the search carries the patch: the thickest one decides its least side.
        input::RequirePatchAtLeast(
            {load->across, load->along}, PlateThicknesses().back(), {"--patch", BayField::Patch},
            PlainNumberText(load->across) + "x" + PlainNumberText(load->along));
    }
    const DesignResult result = sizing::Design(request);
    if (result.candidates > 0 && result.faults == result.candidates) {
        // Only the fault matters: no table of nothing, no note on a point load.
        if (o.json) out << ErrorJson(*result.firstFault).dump(2) << '\n';
        err << "deckplate-cli: nothing was checked: all " << result.candidates
            << " candidates hit an arithmetic fault (" << result.firstFault->what() << "); ";
        if (result.firstFault->fault() == ArithmeticFault::Overflow) {
            // A number beyond the range of doubles comes from an input far beyond a platform's.
            err << "the numbers outgrew what can be computed; look at the largest input, "
                << LargestInput(o, request) << "\n";
        } else {
            err << "look for a zero input\n";
        }
        return kArithmeticFault;
    }
    if (!request.bay.pointLoad) {
        err << "deckplate-cli: note: the point load was not checked; a work platform or walkway "
               "needs --point-load 1.5 (kN on 200x200 mm)\n";
    }
    PrintDesign(result, o.json, out);
    return result.passing.empty() ? kLimitExceeded : kAllPass;
}

void ListAngles(std::ostream& out) {
    out << "position designation  H(mm)  Ix(cm4)  y0(cm)  A(cm2)\n";
    int position = 0;
    for (const AngleRow& row : AngleCatalogue()) {
        out << std::setw(8) << position++ << ' ' << std::left << std::setw(11) << row.designation
            << std::right << std::setw(7) << row.H << std::setw(9) << row.Ix << std::setw(8)
            << row.y0 << std::setw(8) << row.A << '\n';
    }
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"Steel platform deck plate and stiffener check", "deckplate-cli"};
    app.require_subcommand(1);
    // A schedule's path "/data/s.csv" or "//server/share/s.csv" is a path on every system, never
    // a Windows-style option; the commands made below take this over.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", "deckplate-cli " DECKPLATE_VERSION);
    CheckOptions checkOptions;
    CLI::App* check = app.add_subcommand("check", "check one bay: deck plate and stiffener");
    AddBayOptions(*check, checkOptions.bay);
    check->add_flag("--json", checkOptions.json, "print one JSON object");
    NeedsValue(check
                   ->add_option("--save", checkOptions.save,
                                "also write the bay checked as a bay file, which the window "
                                "opens and --from reads back")
                   ->type_name("FILE.deckplate"));
    BookOptions bookOptions;
    CLI::App* book = app.add_subcommand(
        "book",
        "write the calculation book of one bay: a Word document (.docx) or a web page (.html)");
    AddBookOptions(*book, bookOptions);
    CLI::App* angles = app.add_subcommand("angles", "list the unequal-leg angle catalogue");
    BatchOptions batchOptions;
    CLI::App* batch = app.add_subcommand("batch", "check every bay of a CSV schedule");
    AddBatchOptions(*batch, batchOptions);
    DesignOptions designOptions;
    CLI::App* design =
        app.add_subcommand("design", "find the lightest plate and stiffener that pass");
    AddDesignOptions(*design, designOptions);
    app.footer("'deckplate-cli COMMAND --help' lists a command's options.");

    try {
        app.parse(argc, argv);
        if (angles->parsed()) {
            ListAngles(out);
            return kAllPass;
        }
        if (batch->parsed()) return RunBatch(batchOptions, out, err);
        if (design->parsed()) return RunDesign(designOptions, out, err);
        if (book->parsed()) return RunBook(bookOptions, err);
        return RunCheck(checkOptions, out, err);
    } catch (const CLI::Success& e) {  // --help or --version
        return app.exit(e, out, err);
    } catch (const CLI::ArgumentMismatch& e) {
        // CLI11 words these as counts ("--dead: At Most 1 required but received 2").
        const std::string what = os::ShownWhole(e.what());
        const std::string option = what.substr(0, what.find(':'));
        if (what.find("At Most") != std::string::npos)
            err << "deckplate-cli: " << option << " is given more than once; give it once\n";
        else if (what.find("required") != std::string::npos)
            err << "deckplate-cli: " << option << " needs a value\n";
        else
            err << "deckplate-cli: " << what << "\n";
        return kBadArguments;
    } catch (const CLI::ParseError& e) {
        // A mistyped option leaves the one it meant missing: the typo is what to name.
        err << "deckplate-cli: " << os::ShownWhole(UnknownArgumentText(app).value_or(e.what()))
            << "\n";
        return kBadArguments;
    } catch (const input::ValueError& e) {
        err << "deckplate-cli: " << os::ShownWhole(e.what()) << "\n";
        return kBadArguments;
    }
}

}  // namespace deckplate::cli
