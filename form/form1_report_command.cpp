// The report button: a snapshot of the window becomes the report file, then the viewer opens it.
#include "calc/angle_catalogue.h"
#include "form/check_views.h"
#include "form/error_report.h"
#include "form/form1.h"
#include "report/report_text.h"

namespace deckplate::form {

using enum Control;

namespace {

using report::ReportSnapshot;

// The report's texts besides the inputs', each from the control that shows it.
constexpr std::pair<std::string ReportSnapshot::*, Control> kReportTexts[] = {
    {&ReportSnapshot::deflectionLimit, DeflectionLimit},
    {&ReportSnapshot::compositeCentroid, CompositeCentroid},
    {&ReportSnapshot::compositeInertia, CompositeInertia},
    {&ReportSnapshot::plateMoment, PlateMoment},
    {&ReportSnapshot::stiffenerMoment, StiffenerMoment},
};

}  // namespace

report::ReportSnapshot Form1::Snapshot() const {
    ReportSnapshot w;
    w.inputs = InputTexts();
    for (const auto& [text, control] : kReportTexts) w.*text = State(control).text;
    for (const CheckView& view : CheckViews()) {
        report::ReportCheck& check = w.checks[static_cast<std::size_t>(view.check)];
        if (view.box) check.value = State(*view.box).text;
        if (view.limitBox) check.limit = State(*view.limitBox).text;
        check.verdict = State(view.verdict).text;
        // A check the last Verify made (the report prints only those): its symbol and the rule of
        // its limit.
        const CheckRow& row = RowOf(view.check);
        if (lastCheck_ && InScope(row, ScopeOf(*lastCheck_))) {
            check.symbol = SymbolText(row.symbol(*lastCheck_));
            check.rule = LimitRuleText(row.limitRule(*lastCheck_));
        }
    }
    w.flatBar = State(FlatBarChoice).checked;
    // The angle Verify checked: the one picked last, whatever was typed into the list's field
    // since ("L25x16x3inf" would print a size the stresses are not of).
    w.inputs[BayField::Stiffener] =
        State(AngleSize).picked >= 0
            ? std::string(AngleCatalogue()[static_cast<std::size_t>(vars_.indexjudge)].designation)
            : State(AngleSize).text;
    w.simplySupported = State(SimplySupported).checked;
    w.continuous = State(Continuous).checked;
    w.AstiffenerE = vars_.AstiffenerE;
    w.IStiffenerE = vars_.IStiffenerE;
    w.Aangle1 = vars_.Aangle1;
    w.Iangle1 = vars_.Iangle1;
    w.Yoangle1 = vars_.Yoangle1;
    w.Alpha = vars_.Alpha;
    w.Beta = vars_.Beta;
    w.loadCombination = loadCombination_;
    w.currentBasis = !loadCombination_.empty();
    w.inputs[BayField::Steel] = steelLine_;
    w.pointLoadShown = PointLoadShown();
    w.patchCutTo = patchCutTo_;
    return w;
}

void Form1::Report_Click() {
    const ReportSnapshot w = Snapshot();
    const std::string report = report::ReportText(w);
    std::string path;
    try {
        path = platform_.ReportPath();
        platform_.WriteTextFile(path, report, os::TextEncoding::Gbk);
    } catch (const os::FileError& error) {
        // No drive D:, or no room on it: the same report can go elsewhere.
        if (!SaveElsewhere(error, path, report, os::TextEncoding::Gbk, kReportFileName,
                           "计算书未能保存"))
            return;
    }
    OpenFile(path, Viewer::TextEditor, "保存");
}

bool Form1::SaveElsewhere(const os::FileError& error, std::string& path, std::string_view text,
                          os::TextEncoding encoding, std::string_view proposed,
                          std::string_view failed) {
    platform_.ReportError(std::string(failed) + "。\n" + FileErrorText(error) +
                          "\n请另选位置保存。");
    path = platform_.ChooseSaveFile(proposed);
    return !path.empty() && WriteFile(path, text, encoding, failed);
}

bool Form1::WriteFile(const std::string& path, std::string_view text, os::TextEncoding encoding,
                      std::string_view failed) {
    try {
        platform_.WriteTextFile(path, text, encoding);
        return true;
    } catch (const os::FileError& error) {
        platform_.ReportError(std::string(failed) + "。\n" + FileErrorText(error));
        return false;
    }
}

void Form1::OpenFile(const std::string& path, Viewer viewer, std::string_view done) {
    // The failure names the file written and says why no viewer shows it.
    if (const std::string failure = platform_.OpenFile(path, viewer); !failure.empty())
        platform_.ReportError("计算书已" + std::string(done) + "。\n" + failure);
}

}  // namespace deckplate::form
