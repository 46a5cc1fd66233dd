// The reactions to the user's choices between calculations.
#include "form1_fixture.h"

namespace deckplate::ui {

class Form1InteractionTest : public QObject {
    Q_OBJECT

  private slots:
    void boundaryBoxesWarnWhenBothTicked_data();
    void boundaryBoxesWarnWhenBothTicked();
    void optionSwitchKeepsTypedText();
    void anglePickWritesHiddenCells();
    void angleVariablesSurviveOptionSwitches();
    void verifyIsEnabledOnlyByAPick();
    void exitEndsTheProgram();
};

void Form1InteractionTest::boundaryBoxesWarnWhenBothTicked_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("check1");
    QTest::addColumn<bool>("check2");
    QTest::newRow("tick continuous") << QStringList{"Check2"} << 1 << true << true;
    QTest::newRow("then clear one") << QStringList{"Check2", "Check1"} << 1 << false << true;
    QTest::newRow("tick four edges again")
        << QStringList{"Check2", "Check1", "Check1"} << 2 << true << true;
    QTest::newRow("clear both") << QStringList{"Check1"} << 0 << false << false;
    QTest::newRow("switch cleanly") << QStringList{"Check1", "Check2"} << 0 << false << true;
}

void Form1InteractionTest::boundaryBoxesWarnWhenBothTicked() {
    QFETCH(QStringList, clicks);
    QFETCH(int, messages);
    QFETCH(bool, check1);
    QFETCH(bool, check2);
    Form1Fixture f;
    for (const QString& name : clicks) f.Click(qPrintable(name));
    QCOMPARE(f.platform.messages.size(), messages);
    for (const QString& message : f.platform.messages) QCOMPARE(message, QString("请选择其中之一"));
    QCOMPARE(f.Get<QCheckBox>("Check1")->isChecked(), check1);
    QCOMPARE(f.Get<QCheckBox>("Check2")->isChecked(), check2);
}

void Form1InteractionTest::optionSwitchKeepsTypedText() {
    Form1Fixture f;
    f.Get<QRadioButton>("Option1")->click();
    for (const char* name : {"Label15", "Label22", "Label23", "Label24", "Text9", "Text13"})
        QVERIFY2(!f.form->findChild<QWidget*>(name)->isHidden(), name);
    QVERIFY(f.Text("Text9")->isEnabled());
    QVERIFY(f.Get<QComboBox>("Combo2")->isHidden());
    QVERIFY(f.Label("label16")->isHidden());
    f.Type("Text9", "80");
    f.Type("Text13", "8");

    f.Get<QRadioButton>("Option2")->click();
    QVERIFY(f.Text("Text9")->isHidden());
    QVERIFY(f.Text("Text9")->isEnabled());  // hidden, but left enabled
    QVERIFY(f.Text("Text13")->isEnabled());
    QVERIFY(!f.Get<QComboBox>("Combo2")->isHidden());
    QVERIFY(f.Label("Label23")->isHidden());

    f.Get<QRadioButton>("Option1")->click();
    QCOMPARE(f.Text("Text9")->text(), QString("80"));
    QCOMPARE(f.Text("Text13")->text(), QString("8"));
}

void Form1InteractionTest::anglePickWritesHiddenCells() {
    Form1Fixture f;
    f.Label("Label34")->setText("扁钢形心与短肢边距(cm)");  // as a flat-bar Verify leaves it
    f.Pick("Combo2", 0);
    QCOMPARE(f.form->indexjudge, std::int16_t{0});
    QCOMPARE(f.form->Iangle1, 0.7);
    QCOMPARE(f.form->Yoangle1, 0.86);
    QCOMPARE(f.form->Aangle1, 1.162);
    QCOMPARE(f.form->Hangle1, 25.0);
    QCOMPARE(f.Label("Label31")->text(), QString(" .86"));
    QCOMPARE(f.Label("Label33")->text(), QString(" .7"));
    QCOMPARE(f.Label("Label35")->text(), QString(" 1.16"));
    QCOMPARE(f.Label("Label34")->text(), QString("角钢形心与短肢边距(cm)"));
    QCOMPARE(f.Label("Label30")->text(), QString("角钢强轴惯性矩(cm4)"));
    QCOMPARE(f.Label("Label32")->text(), QString("角钢截面面积(cm2)"));
    QVERIFY(f.Label("Label31")->isHidden());  // written, but shown only by Verify
    QCOMPARE(f.Label("Label38")->text(), QString(" "));

    f.Pick("Combo2", 50);
    QCOMPARE(f.form->indexjudge, std::int16_t{50});
    QCOMPARE(f.form->Hangle1, 140.0);
    QCOMPARE(f.Label("Label33")->text(), QString(" 445.5"));
}

void Form1InteractionTest::angleVariablesSurviveOptionSwitches() {
    Form1Fixture f;
    f.Pick("Combo2", 40);
    f.Get<QRadioButton>("Option1")->click();
    f.Get<QRadioButton>("Option2")->click();
    QCOMPARE(f.form->indexjudge, std::int16_t{40});
    QCOMPARE(f.form->Aangle1, 17.17);
    QCOMPARE(f.form->Hangle1, 100.0);
    // Typing another designation into the field does not change the chosen angle.
    f.Get<QComboBox>("Combo2")->setEditText("");
    QTest::keyClicks(f.Get<QComboBox>("Combo2"), "L25x16x3");
    QTest::keyClick(f.Get<QComboBox>("Combo2")->lineEdit(), Qt::Key_Return);
    QCOMPARE(f.form->indexjudge, std::int16_t{40});
}

void Form1InteractionTest::verifyIsEnabledOnlyByAPick() {
    Form1Fixture f;
    auto* verify = f.Get<QPushButton>("Command1");
    QTest::keyClicks(f.Get<QComboBox>("Combo1"), "6.0");
    QVERIFY(!verify->isEnabled());
    QTest::keyClick(f.Get<QComboBox>("Combo1")->lineEdit(), Qt::Key_Return);
    QVERIFY(!verify->isEnabled());  // Enter after typing a list text is still typing
    QCOMPARE(f.Get<QComboBox>("Combo1")->currentText(), QString("6.0"));
    f.Click("Command1");  // a disabled button does nothing
    QCOMPARE(f.Text("Text6")->text(), QString(" "));
    f.Pick("Combo1", 3);
    QVERIFY(verify->isEnabled());
    f.Get<QComboBox>("Combo1")->setEditText("");
    QVERIFY(verify->isEnabled());  // stays enabled
}

void Form1InteractionTest::exitEndsTheProgram() {
    Form1Fixture f;
    f.EnterFlatBarBay();
    f.Click("Command1");
    f.Click("Command2");
    QCOMPARE(f.platform.endProgramCalls, 1);
    QVERIFY(f.platform.messages.isEmpty());
}

}  // namespace deckplate::ui

QTEST_MAIN(deckplate::ui::Form1InteractionTest)
#include "form1_interaction_test.moc"
