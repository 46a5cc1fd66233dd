#include "commands.h"

#include <CLI/CLI.hpp>
#include <iomanip>
#include <iostream>
#include <optional>

#include "angle_catalogue.h"
#include "arguments.h"
#include "check_output.h"

namespace deckplate::cli {
namespace {

struct CheckOptions {
    std::string dead, live, thickness, span, spacing;
    bool continuous = false;
    std::optional<std::string> flatBar;
    std::optional<std::string> angle;
    bool json = false;
};

void AddCheckOptions(CLI::App& check, CheckOptions& o) {
    const auto number = [&](const char* name, std::string& text, const char* help) {
        check.add_option(name, text, help)->required()->type_name("NUMBER");
    };
    number("--dead", o.dead, "dead load, kN/m2");
    number("--live", o.live, "live load, kN/m2");
    number("--thickness", o.thickness, "deck plate thickness, mm (e.g. 4.5)");
    number("--span", o.span, "stiffener span, mm");
    number("--spacing", o.spacing, "stiffener spacing, mm");
    check.add_flag("--continuous", o.continuous,
                   "plate continuous over three or more spans (default: four edges simply "
                   "supported)");
    auto* flat =
        check.add_option("--flat-bar", o.flatBar, "flat bar height x thickness, mm (80x8)")
            ->type_name("HxT");
    auto* angle = check.add_option("--angle", o.angle, "angle designation (L63x40x5)")
                      ->type_name("DESIGNATION");
    flat->excludes(angle);
    check.add_flag("--json", o.json, "print one JSON object");
}

BayInput ReadBay(const CheckOptions& o) {
    BayInput bay;
    bay.dead = StrictNumber(o.dead, "--dead");
    bay.live = StrictNumber(o.live, "--live");
    bay.thickness = StrictNumber(o.thickness, "--thickness");
    bay.span = StrictNumber(o.span, "--span");
    bay.spacing = StrictNumber(o.spacing, "--spacing");
    bay.continuous = o.continuous;
    if (o.flatBar) {
        bay.stiffener = ParseFlatBar(*o.flatBar, "--flat-bar");
    } else if (o.angle) {
        bay.stiffener = ParseAngle(*o.angle, "--angle");
    } else {
        throw UsageError("the stiffener is missing: give --flat-bar HxT or --angle DESIGNATION");
    }
    return bay;
}

int RunCheck(const CheckOptions& o, std::ostream& out, std::ostream& err) {
    const BayInput bay = ReadBay(o);
    try {
        const BayCheck check = CheckBay(bay);
        if (o.json)
            out << CheckJson(check).dump(2) << '\n';
        else
            out << CheckText(bay, o.flatBar ? *o.flatBar : *o.angle, check);
        return check.AllPass() ? kAllPass : kLimitExceeded;
    } catch (const ArithmeticError& e) {
        if (o.json) out << ErrorJson(e).dump(2) << '\n';
        err << "deckplate-cli: arithmetic fault: " << e.what()
            << "; nothing was checked (look for a zero or absurd input)\n";
        return kArithmeticFault;
    }
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
    CheckOptions checkOptions;
    CLI::App* check = app.add_subcommand("check", "check one bay: deck plate and stiffener");
    AddCheckOptions(*check, checkOptions);
    CLI::App* angles = app.add_subcommand("angles", "list the unequal-leg angle catalogue");

    try {
        app.parse(argc, argv);
        if (angles->parsed()) {
            ListAngles(out);
            return kAllPass;
        }
        return RunCheck(checkOptions, out, err);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        err << "deckplate-cli: " << e.what() << "\n";
        return kBadArguments;
    } catch (const UsageError& e) {
        err << "deckplate-cli: " << e.what() << "\n";
        return kBadArguments;
    }
}

}  // namespace deckplate::cli
