// The Verify command: results, colours, captions, and what a fault part-way leaves on show.
#include "form1_fixture.h"

namespace deckplate::ui {
namespace {

const QColor kBlue(0, 0, 255);

QColor NormalText() { return QApplication::palette().color(QPalette::Text); }

const char* const kSectionLabels[] = {"Label30", "Label32", "Label34", "Label36",
                                      "Label37", "Label31", "Label33", "Label35",
                                      "Label40", "Label38", "Label39"};

}  // namespace

class Form1VerifyTest : public QObject {
    Q_OBJECT

  private slots:
    void flatBarBayShowsTheCommandLinesValues();
    void exceededResultsTurnBlueAndBack();
    void angleNeverPickedIsABarePlateStrip();
    void boundaryBoxesDecideCoefficients_data();
    void boundaryBoxesDecideCoefficients();
    void flatBarCaptionsStayUntilAnAnglePick();
    void angleVerifyKeepsFlatBarStore();
    void deflectionLimitBoxPlaysNoPart();
    void anyThicknessIsComputedAsEntered();
    void faultStopsAtItsStep_data();
    void faultStopsAtItsStep();
    void zeroLoadsStopAtPlateDeflectionVerdict();
    void zeroSpacingContinuousStopsAtSelfWeight();
    void reportButtonFollowsTheLastRun();
    void reportIsWrittenBeforeTheViewerStarts();
    void failedReportWriteIsReportedAndNoViewerStarts();
};

void Form1VerifyTest::flatBarBayShowsTheCommandLinesValues() {
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Click("Command1");
    QVERIFY(f.platform.errors.isEmpty());
    const std::pair<const char*, const char*> texts[] = {{"Text6", " .12"},   {"Text7", " .6"},
                                                         {"Text8", " 17.36"}, {"Text10", " 1"},
                                                         {"Text11", " 1.39"}, {"Text12", " 51.34"}};
    for (const auto& [name, text] : texts) QCOMPARE(f.Text(name)->text(), QString(text));
    const std::pair<const char*, const char*> captions[] = {{"Label31", " 4"},
                                                            {"Label33", " 34.13"},
                                                            {"Label35", " 6.4"},
                                                            {"Label38", " 1.9"},
                                                            {"Label39", " 108.76"},
                                                            {"Label41", " .8"},
                                                            {"Label13", "钢铺板挠度满足要求"},
                                                            {"Label14", "钢铺板强度满足要求"},
                                                            {"Label20", "加劲肋挠度满足要求"},
                                                            {"Label21", "加劲肋强度满足要求"},
                                                            {"Label34", "扁钢形心与短肢边距(cm)"},
                                                            {"Label30", "扁钢强轴惯性矩(cm4)"},
                                                            {"Label32", "扁钢截面面积(cm2)"}};
    for (const auto& [name, text] : captions) QCOMPARE(f.Label(name)->text(), QString(text));
    for (const char* name :
         {"Label28", "Label29", "Label13", "Label14", "Label20", "Label21", "Label41"})
        QVERIFY2(!f.Label(name)->isHidden(), name);
    for (const char* name : kSectionLabels) QVERIFY2(!f.Label(name)->isHidden(), name);
    QCOMPARE(f.form->AstiffenerE, 6.4);
    QCOMPARE(f.form->IStiffenerE, 34.13);
    QCOMPARE(f.form->Alpha, 0.125);
    QCOMPARE(f.form->Beta, 0.1422);
    QVERIFY(f.Get<QPushButton>("Command3")->isEnabled());
    for (const char* name : {"Text7", "Text8", "Text11", "Text12"})
        QCOMPARE(f.TextColour(name), NormalText());
}

void Form1VerifyTest::exceededResultsTurnBlueAndBack() {
    Form1Fixture f;
    f.EnterAngleBay();
    f.Pick("Combo2", 0);  // L25x16x3: stiffener stress 337.63, ratio 129.5
    f.Click("Command1");
    QCOMPARE(f.Text("Text12")->text(), QString(" 337.63"));
    QCOMPARE(f.TextColour("Text12"), kBlue);
    QCOMPARE(f.TextColour("Text11"), kBlue);
    QCOMPARE(f.TextColour("Text8"), NormalText());
    QCOMPARE(f.TextColour("Text7"), NormalText());
    QCOMPARE(f.Label("Label21")->text(), QString("★加劲肋强度超出限值<215N/mm2>,须重新计算"));
    QCOMPARE(f.Label("Label20")->text(), QString("★加劲肋挠度1/ 129.5超出限值<1/200>，须重新计算"));

    f.Pick("Combo2", 30);  // L90x56x6 carries it
    f.Click("Command1");
    QCOMPARE(f.TextColour("Text12"), NormalText());
    QCOMPARE(f.TextColour("Text11"), NormalText());
    QCOMPARE(f.Label("Label21")->text(), QString("加劲肋强度满足要求"));

    f.Pick("Combo1", 0);  // 2.5 mm plate: plate deflection exceeded
    f.Click("Command1");
    QCOMPARE(f.TextColour("Text7"), kBlue);
    QVERIFY(f.Label("Label13")->text().startsWith("★平台铺板挠度1/"));
}

void Form1VerifyTest::angleNeverPickedIsABarePlateStrip() {
    Form1Fixture f;
    f.EnterAngleBay();
    f.Click("Command1");
    QVERIFY(f.platform.errors.isEmpty());
    QCOMPARE(f.Label("Label31")->text(), QString(" 0"));
    QCOMPARE(f.Label("Label35")->text(), QString(" 0"));
    QCOMPARE(f.Label("Label38")->text(), QString(" .3"));
    QVERIFY(f.Get<QPushButton>("Command3")->isEnabled());
}

void Form1VerifyTest::boundaryBoxesDecideCoefficients_data() {
    QTest::addColumn<bool>("check1");
    QTest::addColumn<bool>("check2");
    QTest::addColumn<double>("alpha");
    QTest::addColumn<double>("beta");
    QTest::newRow("four edges") << true << false << 0.125 << 0.1422;
    QTest::newRow("both ticked: continuous") << true << true << 0.1 << 0.11;
    QTest::newRow("continuous") << false << true << 0.1 << 0.11;
    QTest::newRow("neither: four edges") << false << false << 0.125 << 0.1422;
}

void Form1VerifyTest::boundaryBoxesDecideCoefficients() {
    QFETCH(bool, check1);
    QFETCH(bool, check2);
    QFETCH(double, alpha);
    QFETCH(double, beta);
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Get<QCheckBox>("Check1")->setChecked(check1);
    f.Get<QCheckBox>("Check2")->setChecked(check2);
    f.platform.messages.clear();
    f.Click("Command1");
    QCOMPARE(f.form->Alpha, alpha);
    QCOMPARE(f.form->Beta, beta);
}

void Form1VerifyTest::flatBarCaptionsStayUntilAnAnglePick() {
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Click("Command1");
    f.Get<QRadioButton>("Option2")->click();
    f.Click("Command1");
    QCOMPARE(f.Label("Label34")->text(), QString("扁钢形心与短肢边距(cm)"));
    f.Pick("Combo2", 13);
    QCOMPARE(f.Label("Label34")->text(), QString("角钢形心与短肢边距(cm)"));
    f.Click("Command1");
    QCOMPARE(f.Label("Label31")->text(), QString(" 2.04"));
}

void Form1VerifyTest::angleVerifyKeepsFlatBarStore() {
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Click("Command1");
    f.Get<QRadioButton>("Option2")->click();
    f.Pick("Combo2", 20);
    f.Click("Command1");
    QCOMPARE(f.form->AstiffenerE, 6.4);
    QCOMPARE(f.form->IStiffenerE, 34.13);
}

void Form1VerifyTest::deflectionLimitBoxPlaysNoPart() {
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Text("Text3")->setText("10");
    f.Click("Command1");
    QCOMPARE(f.Label("Label13")->text(), QString("钢铺板挠度满足要求"));
}

void Form1VerifyTest::anyThicknessIsComputedAsEntered() {
    // No whole-number limit on the thickness: 4.5 is 4.5 mm, and a 1100 mm slab computes.
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Pick("Combo1", 3);
    f.Click("Command1");
    QCOMPARE(f.Text("Text8")->text(), QString(" 30.86"));  // 6000 · .125 / (1.2 · 4.5²)
    f.Get<QComboBox>("Combo1")->setEditText("1100");
    f.Click("Command1");
    QVERIFY(f.platform.errors.isEmpty());
    QCOMPARE(f.Text("Text8")->text(), QString(" 0"));
}

// Each row: what is typed, where the run stops, and what it has written by then.
void Form1VerifyTest::faultStopsAtItsStep_data() {
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<bool>("continuous");
    QTest::addColumn<QString>("error");
    QTest::newRow("thickness beyond number range") << "1e999"
                                                   << "500" << false << "溢出";
    QTest::newRow("thickness 0") << ""
                                 << "500" << false << "除数为零";
    QTest::newRow("thickness not a number") << "abc"
                                            << "500" << true << "除数为零";
    QTest::newRow("spacing 0, four edges") << "6.0"
                                           << "0" << false << "除数为零";
}

void Form1VerifyTest::faultStopsAtItsStep() {
    QFETCH(QString, thickness);
    QFETCH(QString, spacing);
    QFETCH(bool, continuous);
    QFETCH(QString, error);
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Get<QComboBox>("Combo1")->setEditText(thickness);
    f.Type("Text5", spacing);
    f.Get<QCheckBox>("Check1")->setChecked(!continuous);
    f.Get<QCheckBox>("Check2")->setChecked(continuous);
    f.Click("Command1");
    QCOMPARE(f.platform.errors.size(), 1);
    QVERIFY2(f.platform.errors.front().contains(error), qPrintable(f.platform.errors.front()));
    // Nothing written: every result box still holds its start-up blank.
    for (const char* name : {"Text6", "Text7", "Text8", "Text10", "Text11", "Text12"})
        QCOMPARE(f.Text(name)->text(), QString(" "));
    QCOMPARE(f.Label("Label13")->text(), QString(" "));
    QVERIFY(f.Label("Label41")->isHidden());
    QVERIFY(!f.Get<QPushButton>("Command3")->isEnabled());
    // The inputs are kept for correction.
    QCOMPARE(f.Get<QComboBox>("Combo1")->currentText(), thickness);
    QCOMPARE(f.Text("Text9")->text(), QString("80"));
}

void Form1VerifyTest::zeroLoadsStopAtPlateDeflectionVerdict() {
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Type("Text1", " ");
    f.Type("Text2", " ");
    f.Click("Command1");
    QCOMPARE(f.platform.errors.size(), 1);
    QVERIFY(f.platform.errors.front().contains("除数为零"));
    QVERIFY(f.platform.errors.front().contains("钢铺板挠度"));
    // Numbers, section values and both strength verdicts are on show.
    QCOMPARE(f.Text("Text8")->text(), QString(" 0"));
    QCOMPARE(f.Text("Text12")->text(), QString(" 0"));
    QCOMPARE(f.Label("Label39")->text(), QString(" 108.76"));
    QCOMPARE(f.Label("Label41")->text(), QString(" .8"));
    QCOMPARE(f.Label("Label14")->text(), QString("钢铺板强度满足要求"));
    QCOMPARE(f.Label("Label21")->text(), QString("加劲肋强度满足要求"));
    QCOMPARE(f.form->AstiffenerE, 6.4);
    // The deflection lines are not: Label13 keeps the stress caption, Label20 its first caption.
    QCOMPARE(f.Label("Label13")->text(), QString("铺板强度σ= 0N/mm2"));
    QCOMPARE(f.Label("Label20")->text(), QString("Label20"));
    QVERIFY(!f.Label("Label13")->isHidden());
    for (const char* name : {"Label30", "Label36", "Label37", "Label40"})
        QVERIFY2(f.Label(name)->isHidden(), name);
    QVERIFY(!f.Get<QPushButton>("Command3")->isEnabled());
}

void Form1VerifyTest::zeroSpacingContinuousStopsAtSelfWeight() {
    for (const bool flatBar : {true, false}) {
        Form1Fixture f;
        f.EnterFlatBarBay();
        if (!flatBar) {
            f.Get<QRadioButton>("Option2")->click();
            f.Pick("Combo2", 0);  // writes Label31 " .86"
        }
        f.Type("Text5", "0");
        f.Get<QCheckBox>("Check1")->setChecked(false);
        f.Get<QCheckBox>("Check2")->setChecked(true);
        f.Click("Command1");
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY(f.platform.errors.front().contains("铺板及加劲肋自重"));
        QCOMPARE(f.Text("Text6")->text(), QString(" 0"));
        QCOMPARE(f.Label("Label13")->text(), QString("铺板强度σ= 0N/mm2"));
        QCOMPARE(f.Text("Text10")->text(), QString(" 0"));
        QVERIFY(!f.Label("Label41")->isHidden());
        QCOMPARE(f.Label("Label41")->text(), QString());
        if (flatBar) {
            QCOMPARE(f.Label("Label39")->text(), QString(" 108.76"));
            QCOMPARE(f.Label("Label34")->text(), QString("扁钢形心与短肢边距(cm)"));
            QCOMPARE(f.form->AstiffenerE, 0.0);  // step 11 not reached
        } else {
            QCOMPARE(f.Label("Label31")->text(), QString(" .86"));  // the pick's, not Verify's
            QCOMPARE(f.Label("Label39")->text(), QString(" "));
        }
        QVERIFY(f.Label("Label14")->isHidden());
    }
}

void Form1VerifyTest::reportButtonFollowsTheLastRun() {
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Click("Command1");
    QVERIFY(f.Get<QPushButton>("Command3")->isEnabled());
    f.Type("Text5", "0");
    f.Click("Command1");
    QVERIFY(!f.Get<QPushButton>("Command3")->isEnabled());
    f.Click("Command3");  // disabled: no report from a mixed window
    QVERIFY(f.platform.writes.isEmpty());
    f.Type("Text5", "500");
    f.Click("Command1");
    QVERIFY(f.Get<QPushButton>("Command3")->isEnabled());
}

void Form1VerifyTest::reportIsWrittenBeforeTheViewerStarts() {
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Click("Command1");
    f.Click("Command3");
    QCOMPARE(f.platform.calls, QStringList({"write", "viewer"}));
    QCOMPARE(f.platform.writes.size(), 1);
    // GBK bytes, ending in the stiffener strength verdict's "要求" with no line end.
    QVERIFY(f.platform.writes.front().endsWith(QByteArray("\xd2\xaa\xc7\xf3")));
    QVERIFY(f.platform.errors.isEmpty());

    f.platform.viewerFailure = "no viewer";
    f.Click("Command3");
    QCOMPARE(f.platform.writes.size(), 2);
    QCOMPARE(f.platform.errors.size(), 1);
    QVERIFY(f.platform.errors.front().contains("no viewer"));
}

void Form1VerifyTest::failedReportWriteIsReportedAndNoViewerStarts() {
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Click("Command1");
    f.platform.writeFailure = "disk full";
    f.Click("Command3");
    QCOMPARE(f.platform.calls, QStringList({"write"}));
    QCOMPARE(f.platform.errors.size(), 1);
    QVERIFY(f.platform.errors.front().contains("disk full"));
}

}  // namespace deckplate::ui

QTEST_MAIN(deckplate::ui::Form1VerifyTest)
#include "form1_verify_test.moc"
