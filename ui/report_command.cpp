// The report button: a snapshot of the window becomes the report file, then the viewer opens it.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "form1.h"
#include "report_file.h"
#include "report_text.h"

namespace deckplate::ui {

void Form1::Command3_Click() {
    const auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
    const auto caption = [](const QLabel* label) { return label->text().toStdString(); };
    report::ReportSnapshot w;
    w.Text1 = text(Text(1));
    w.Text2 = text(Text(2));
    w.Text3 = text(Text(3));
    w.Combo1 = Combo(1)->currentText().toStdString();
    w.Text4 = text(Text(4));
    w.Text5 = text(Text(5));
    w.Text9 = text(Text(9));
    w.Text13 = text(Text(13));
    w.Combo2 = Combo(2)->currentText().toStdString();
    w.Option1 = Option(1)->isChecked();
    w.Check1 = Check(1)->isChecked();
    w.Check2 = Check(2)->isChecked();
    w.Label38 = caption(Label(38));
    w.Label39 = caption(Label(39));
    w.Text6 = text(Text(6));
    w.Text7 = text(Text(7));
    w.Text8 = text(Text(8));
    w.Text10 = text(Text(10));
    w.Text11 = text(Text(11));
    w.Text12 = text(Text(12));
    w.Label13 = caption(Label(13));
    w.Label14 = caption(Label(14));
    w.Label20 = caption(Label(20));
    w.Label21 = caption(Label(21));
    w.AstiffenerE = AstiffenerE;
    w.IStiffenerE = IStiffenerE;
    w.Aangle1 = Aangle1;
    w.Iangle1 = Iangle1;
    w.Yoangle1 = Yoangle1;
    w.Alpha = Alpha;
    w.Beta = Beta;

    const QByteArray bytes = report::EncodeGbk(QString::fromStdString(report::ReportText(w)));
    if (const QString failure = platform_.WriteReportFile(bytes); !failure.isEmpty()) {
        platform_.ReportError(this, QStringLiteral("计算书未能保存。\n") + failure);
        return;
    }
    if (const QString failure = platform_.StartViewer(); !failure.isEmpty())
        platform_.ReportError(this, QStringLiteral("计算书已保存，但无法打开。\n") + failure);
}

}  // namespace deckplate::ui
