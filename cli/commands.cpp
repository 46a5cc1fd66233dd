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
#include "os/file_replacement.h"
#include "os/paths.h"
#include "os/shown_text.h"
#include "report/book_file.h"
#include "schedule/row_reader.h"
#include "schedule/values.h"
#include "version/deckplate_version.h"

namespace deckplate::cli {
namespace {

using schedule::Input;
using schedule::Length;
using schedule::Load;
using schedule::ParseAngle;
using schedule::ParseBasis;
using schedule::ParseFlatBar;
using sizing::DesignRequest;
using sizing::DesignResult;
using sizing::StiffenerFamily;

// One bay as check and book take it: from the options, or from a bay file with the options
// given beside it overriding its values.
struct BayOptions {
    std::optional<std::string> dead, live, thickness, span, spacing;
    std::optional<std::string> from;  ///< --from FILE.deckplate
    BasisOptions basis;
    bool continuous = false;
    std::optional<std::string> flatBar;
    std::optional<std::string> angle;

    PointLoadOptions pointLoad;
};

struct CheckOptions {
    BayOptions bay;
    bool json = false;
    std::optional<std::string> save;  ///< --save FILE.deckplate
};

struct BookOptions {
    BayOptions bay;
    std::string name;
    std::string output;
    ProjectOptions project;
};

// An option that takes a value takes the next word even when it is the next option
// ("--dead --live 2" would read "--live" as the dead load): say the value is missing instead.
// A negative number ("-1", "-80x-8") is a value.
CLI::Option* NeedsValue(CLI::Option* option) {
    const std::string name = option->get_name();
    option->check(CLI::Validator(
        [name](std::string& value) {
            if (LooksLikeOption(value)) throw schedule::ValueError(name + " needs a value");
            return std::string();
        },
        ""));
    return option;
}

// Taken as text and read by ReadBasis, as a schedule's basis and steel columns are.
void AddBasis(CLI::App& command, BasisOptions& o) {
    NeedsValue(command
                   .add_option("--basis", o.basis,
                               "design basis: legacy (1.2 D + 1.4 P, f = 215, the default) or "
                               "current (GB 55001-2021 factors, f by grade and thickness, shear "
                               "and outstand checked)")
                   ->type_name("legacy|current"));
    NeedsValue(command
                   .add_option("--steel", o.steel,
                               "steel grade under the current basis: Q235 (the default), Q355, "
                               "Q390, Q420 or Q460")
                   ->type_name("GRADE"));
}

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

// `patchAlsoNeeds`: what else a patch may stand on, for batch the schedule's column.
void AddPointLoadOptions(CLI::App& command, PointLoadOptions& o,
                         std::string_view patchAlsoNeeds = "") {
    NeedsValue(command
                   .add_option("--point-load", o.force,
                               "also check a point load of KN kN (a standard value; 1.5 for a "
                               "work platform or walkway) on the patch, as a load case of its own")
                   ->type_name("KN"));
    NeedsValue(command
                   .add_option("--patch", o.patch,
                               "the point load's patch, across x along the stiffeners, mm "
                               "(default 200x200); needs --point-load" +
                                   std::string(patchAlsoNeeds))
                   ->type_name("UxV"));
}

// Each of --dead, --live, --thickness, --span and --spacing is needed unless --from gives it.
void AddBayOptions(CLI::App& check, BayOptions& o) {
    AddFrom(check, o.from, "the bay");
    AddNumber(check, "--dead", o.dead, "dead load, kN/m²");
    AddNumber(check, "--live", o.live, "live load, kN/m²");
    AddNumber(check, "--thickness", o.thickness, "deck plate thickness, mm (e.g. 4.5)");
    AddNumber(check, "--span", o.span, "stiffener span, mm");
    AddNumber(check, "--spacing", o.spacing, "stiffener spacing, mm");
    check.add_flag("--continuous", o.continuous,
                   "plate continuous over three or more spans (default: four edges simply "
                   "supported)");
    auto* flat = NeedsValue(check
                                .add_option("--flat-bar", o.flatBar,
                                            "flat bar height x thickness, mm (80x8; x, X, * or ×)")
                                ->type_name("HxT"));
    auto* angle = NeedsValue(
        check
            .add_option("--angle", o.angle, "angle designation (L63x40x5; any case, x, X, * or ×)")
            ->type_name("DESIGNATION"));
    flat->excludes(angle);
    AddBasis(check, o.basis);
    AddPointLoadOptions(check, o.pointLoad);
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
    AddBasis(batch, o.basis);
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
    AddPointLoadOptions(batch, o.pointLoad, " or a point_load column");
    AddProjectOptions(batch, o.project);
}

BayInput ReadBay(const BayOptions& o, const BaySource& source, std::ostream& err) {
    using project::SavedBay;
    BayInput bay;
    bay.dead = source.Value(o.dead, {"--dead", BayField::Dead}, &SavedBay::dead, "dead", Load);
    bay.live = source.Value(o.live, {"--live", BayField::Live}, &SavedBay::live, "live", Load);
    bay.thickness = ThicknessOf(source.Value(o.thickness, {"--thickness", BayField::Thickness},
                                             &SavedBay::thickness, "thickness", Length));
    bay.span = source.Value(o.span, {"--span", BayField::Span}, &SavedBay::span, "span", Length);
    bay.spacing = source.Value(o.spacing, {"--spacing", BayField::Spacing}, &SavedBay::spacing,
                               "spacing", Length);
    bay.boundary = source.BoundaryOf(o.continuous);
    const BasisChoice basis = ReadBasis(o.basis, err, source.Basis());
    bay.basis = basis.basis;
    bay.steel = basis.steel;
    bay.stiffener = source.Stiffener(o.flatBar, o.angle);
    const bool flatBar = std::holds_alternative<FlatBar>(bay.stiffener);
    schedule::RequirePartsInStrengthTable(
        bay,
        source.Giver(o.thickness.has_value(), {"--thickness", BayField::Thickness}, "thickness"),
        source.Giver(o.flatBar || o.angle,
                     {o.flatBar ? "--flat-bar" : "--angle", BayField::Stiffener},
                     flatBar ? "flat_bar_thickness" : "angle"),
        o.flatBar.value_or(""));
    bay.pointLoad = source.PointLoadOf(o.pointLoad);
    if (bay.pointLoad) {
        schedule::RequirePatchAtLeast(
            {bay.pointLoad->across, bay.pointLoad->along}, bay.thickness.mm,
            {"--patch", BayField::Patch},
            PlainNumberText(bay.pointLoad->across) + "x" + PlainNumberText(bay.pointLoad->along));
    }
    return bay;
}

void ReportArithmeticFault(const ArithmeticError& e, std::ostream& err) {
    err << "deckplate-cli: arithmetic fault: " << e.what()
        << "; nothing was checked (look for a zero or absurd input)\n";
}

// The bay file a bay is read --from: no output of the run may replace it.
void FromFile(RunFiles& files, const BayOptions& o) {
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
        throw schedule::ValueError("--save " + os::ShownWhole(path) +
                                   ": cannot be written: " + os::ShownWhole(e.what()));
    }
}

int RunCheck(const CheckOptions& o, std::ostream& out, std::ostream& err) {
    RunFiles files;
    FromFile(files, o.bay);
    // Saving the bay back to the file it came from is what --save is for: the same bay, with
    // the options given beside it.
    if (o.save) files.Output("--save", schedule::OutputFile(*o.save, {"--save"}), "--from");
    const BaySource source(o.bay.from);
    const BayInput bay = ReadBay(o.bay, source, err);
    if (o.save) SaveBay(bay, *o.save, source.Project());
    try {
        const BayCheck check = CheckBay(bay);
        const Utilisation utilisation = Utilisations(check);
        if (o.json)
            out << CheckJson(check, utilisation).dump(2) << '\n';
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
    const std::string output = schedule::OutputFile(o.output, {"-o"});
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
    std::optional<std::string> dead, live, span, spacing;
    std::optional<std::string> from;
    BasisOptions basis;
    std::optional<std::string> spacings;
    bool continuous = false;
    std::string family = "any";
    std::string top = "10";
    std::string leastThickness = "0";
    bool json = false;
    PointLoadOptions pointLoad;
};

void AddDesignOptions(CLI::App& design, DesignOptions& o) {
    AddFrom(design, o.from, "the loads, span, spacing, boundary, basis and point load");
    AddNumber(design, "--dead", o.dead, "dead load, kN/m²");
    AddNumber(design, "--live", o.live, "live load, kN/m²");
    AddNumber(design, "--span", o.span, "stiffener span, mm");
    auto* spacing = AddNumber(design, "--spacing", o.spacing, "stiffener spacing, mm");
    auto* spacings =
        NeedsValue(design
                       .add_option("--spacings", o.spacings,
                                   "vary the spacing too: FROM:TO:STEP in mm (400:1000:100)")
                       ->type_name("FROM:TO:STEP"));
    spacing->excludes(spacings);
    design.add_flag("--continuous", o.continuous, "plate continuous over three or more spans");
    AddBasis(design, o.basis);
    NeedsValue(design.add_option("--stiffener", o.family, "angle, flat or any (default)"))
        ->check(CLI::IsMember({"angle", "flat", "any"}));
    NeedsValue(
        design.add_option("--top", o.top, "how many designs to list (default 10)")->type_name("N"));
    AddNumber(design, "--least-thickness", o.leastThickness,
              "consider plates from this thickness on, mm (default: the whole list)");
    design.add_flag("--json", o.json, "print one JSON object");
    AddPointLoadOptions(design, o.pointLoad);
}

int RunDesign(const DesignOptions& o, std::ostream& out, std::ostream& err) {
    // A bay file gives what design takes of a bay; its plate and stiffener are what is sought.
    using project::SavedBay;
    const BaySource source(o.from);
    DesignRequest request;
    request.dead = source.Value(o.dead, {"--dead", BayField::Dead}, &SavedBay::dead, "dead", Load);
    request.live = source.Value(o.live, {"--live", BayField::Live}, &SavedBay::live, "live", Load);
    request.span =
        source.Value(o.span, {"--span", BayField::Span}, &SavedBay::span, "span", Length);
    if (o.spacings) {
        request.spacings = ParseSpacings(*o.spacings);
    } else if (o.spacing || source.HasFile()) {
        request.spacings = {source.Value(o.spacing, {"--spacing", BayField::Spacing},
                                         &SavedBay::spacing, "spacing", Length)};
    } else {
        throw schedule::ValueError(
            "the spacing is missing: give --spacing A or --spacings FROM:TO:STEP");
    }
    request.continuous = source.BoundaryOf(o.continuous).continuous;
    const BasisChoice basis = ReadBasis(o.basis, err, source.Basis());
    request.basis = basis.basis;
    request.steel = basis.steel;
    request.family = o.family == "angle"  ? StiffenerFamily::Angle
                     : o.family == "flat" ? StiffenerFamily::Flat
                                          : StiffenerFamily::Any;
    request.top = static_cast<std::size_t>(schedule::WholeNumber(o.top, {"--top"}, 1, 100000));
    request.leastThickness = schedule::StrictNumber(o.leastThickness, {"--least-thickness"});
    if (request.leastThickness < 0)
        throw schedule::ValueError("--least-thickness: must be 0 mm or more, not " +
                                   o.leastThickness);
    if (const std::string_view thickest = PlateThicknesses().back();
        request.leastThickness > ParseNumber(thickest))
        throw schedule::ValueError("--least-thickness: the thickest plate of the list is " +
                                   std::string(thickest) + " mm, not " + o.leastThickness);
    request.pointLoad = source.PointLoadOf(o.pointLoad);
    if (request.pointLoad) {
        // Every plate of the search carries the patch: the thickest one decides its least side.
        schedule::RequirePatchAtLeast({request.pointLoad->across, request.pointLoad->along},
                                      ParseNumber(PlateThicknesses().back()),
                                      {"--patch", BayField::Patch},
                                      PlainNumberText(request.pointLoad->across) + "x" +
                                          PlainNumberText(request.pointLoad->along));
    }
    const DesignResult result = sizing::Design(request);
    if (result.candidates > 0 && result.faults == result.candidates) {
        // Only the fault matters: no table of nothing, no note on a point load.
        if (o.json) out << ErrorJson(*result.firstFault).dump(2) << '\n';
        err << "deckplate-cli: nothing was checked: all " << result.candidates
            << " candidates hit an arithmetic fault (" << result.firstFault->what() << "); ";
        if (result.firstFault->fault() == ArithmeticFault::Overflow) {
            // A number beyond the range of doubles comes from an input far beyond a platform's.
            // Each as given: an option's text, or the bay file's value.
            const auto given = [](const char* option, const std::optional<std::string>& text,
                                  double value) {
                return std::string(option) + " " + text.value_or(PlainNumberText(value));
            };
            const std::pair<std::string, double> inputs[] = {
                {given("--dead", o.dead, request.dead), request.dead},
                {given("--live", o.live, request.live), request.live},
                {given("--span", o.span, request.span), request.span},
                {o.spacings ? "--spacings " + *o.spacings
                            : given("--spacing", o.spacing, request.spacings.back()),
                 request.spacings.back()}};
            const auto largest =
                std::max_element(std::begin(inputs), std::end(inputs),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
            err << "the numbers outgrew what can be computed; look at the largest input, "
                << largest->first << "\n";
        } else {
            err << "look for a zero input\n";
        }
        return kArithmeticFault;
    }
    if (!request.pointLoad) {
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
    } catch (const schedule::ValueError& e) {
        err << "deckplate-cli: " << os::ShownWhole(e.what()) << "\n";
        return kBadArguments;
    }
}

}  // namespace deckplate::cli
