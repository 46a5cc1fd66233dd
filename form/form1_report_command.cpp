// The report button: a snapshot of the window becomes the report file, then the viewer opens it.
#include "form/error_report.h"
#include "form/form1.h"
#include "report/report_text.h"

namespace deckplate::form {

using enum Control;

void Form1::Command3_Click() {
    const auto text = [this](Control control) { return State(control).text; };
    report::ReportSnapshot w;
    w.Text1 = text(Text1);
    w.Text2 = text(Text2);
    w.Text3 = text(Text3);
    w.Combo1 = text(Combo1);
    w.Text4 = text(Text4);
    w.Text5 = text(Text5);
    w.Text9 = text(Text9);
    w.Text13 = text(Text13);
    w.Combo2 = text(Combo2);
    w.Option1 = State(Option1).checked;
    w.Check1 = State(Check1).checked;
    w.Check2 = State(Check2).checked;
    w.Label38 = text(Label38);
    w.Label39 = text(Label39);
    w.Text6 = text(Text6);
    w.Text7 = text(Text7);
    w.Text8 = text(Text8);
    w.Text10 = text(Text10);
    w.Text11 = text(Text11);
    w.Text12 = text(Text12);
    w.Label13 = text(Label13);
    w.Label14 = text(Label14);
    w.Label20 = text(Label20);
    w.Label21 = text(Label21);
    w.AstiffenerE = vars_.AstiffenerE;
    w.IStiffenerE = vars_.IStiffenerE;
    w.Aangle1 = vars_.Aangle1;
    w.Iangle1 = vars_.Iangle1;
    w.Yoangle1 = vars_.Yoangle1;
    w.Alpha = vars_.Alpha;
    w.Beta = vars_.Beta;
    w.LoadCombination = loadCombination_;
    w.pointLoadShown = PointLoadShown();
    w.Text14 = text(Text14);
    w.Text15 = text(Text15);
    w.Text16 = text(Text16);
    w.Text17 = text(Text17);
    w.Text18 = text(Text18);
    w.Text19 = text(Text19);
    w.Text20 = text(Text20);
    w.Label57 = text(Label57);
    w.Label58 = text(Label58);
    w.Label59 = text(Label59);
    w.Label60 = text(Label60);

    const std::string report = report::ReportText(w);
    std::string path;
    try {
        path = platform_.ReportPath();
        platform_.WriteTextFile(path, report, os::TextEncoding::Gbk);
    } catch (const os::FileError& error) {
        // No drive D:, or no room on it: the same report can go elsewhere.
        if (!SaveElsewhere(error, path, report, os::TextEncoding::Gbk, "WExo.txt",
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
    if (const std::string failure = platform_.OpenFile(path, viewer); !failure.empty())
        platform_.ReportError("计算书已" + std::string(done) + "，但无法打开。\n" + failure);
}

}  // namespace deckplate::form
