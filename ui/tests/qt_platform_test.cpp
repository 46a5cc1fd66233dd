// The Qt platform: remembered choices saved and read back, and given up rather than waited for
// while the settings file's lock is held; messages shown as plain text; the Save dialog giving a
// name typed without an extension the proposed one before it asks about replacing a file; every
// file dialog starting in the folder last used; a viewer that fails named with its reason.
#include "ui/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <queue>

#include "os/paths.h"

namespace deckplate::ui {
namespace {

// Answers the modal dialogs that open, in order, one step each, and records what they said. A
// dialog beyond the steps is closed and counted, so that no test can hang.
class ModalAnswers {
  public:
    using Step = std::function<void(QWidget*)>;
    explicit ModalAnswers(std::vector<Step> steps) {
        for (Step& step : steps) steps_.push(std::move(step));
        QObject::connect(&look_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == handled_) return;
            handled_ = modal;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages.push_back(box->text());
                const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                plainText = plainText && label && label->textFormat() == Qt::PlainText;
            }
            if (steps_.empty()) {
                ++unexpected;
                modal->close();
                return;
            }
            // Taken after this look, which a modal loop the step starts would otherwise hold.
            QTimer::singleShot(0, modal, [step = steps_.front(), modal] { step(modal); });
            steps_.pop();
        });
        look_.start(20);
    }

    QStringList messages;   ///< the texts of the message boxes, in order
    bool plainText = true;  ///< every message box showed its text as it is
    int unexpected = 0;     ///< dialogs beyond the steps

  private:
    std::queue<Step> steps_;
    QTimer look_;
    QPointer<QWidget> handled_;
};

// Steps that answer a dialog.
ModalAnswers::Step Type(const QString& name) {
    return [name](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QTEST_ASSERT(dialog != nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        static_cast<QDialog*>(dialog)->accept();  // as its 保存 button does
    };
}
ModalAnswers::Step Press(QMessageBox::StandardButton button) {
    return [button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QTEST_ASSERT(box != nullptr);
        box->button(button)->click();
    };
}
ModalAnswers::Step Close() {
    return [](QWidget* modal) { modal->close(); };
}
// Notes the folder a file dialog starts in, then cancels it.
ModalAnswers::Step NoteFolder(QString& folder) {
    return [&folder](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QTEST_ASSERT(dialog != nullptr);
        folder = dialog->directory().absolutePath();
        dialog->reject();
    };
}

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void aSettingIsGivenUpWhileItsLockIsHeld();
    void messagesShowTheirTextAsItIs();
    void theSaveDialogGivesTheExtensionBeforeItAsks_data();
    void theSaveDialogGivesTheExtensionBeforeItAsks();
    void fileDialogsStartInTheFolderLastUsed();
    void aViewerThatFailsIsNamedWithItsReason_data();
    void aViewerThatFailsIsNamedWithItsReason();

  private:
    QTemporaryDir folder_;
    QString home_;
};

void QtPlatformTest::initTestCase() {
    QVERIFY(folder_.isValid());
    QCoreApplication::setOrganizationName(QStringLiteral("DeckPlate"));
    QCoreApplication::setApplicationName(QStringLiteral("deckplate"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    // A home without a documents folder.
    home_ = folder_.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home_));
    qputenv("HOME", home_.toUtf8());
}

void QtPlatformTest::init() { QSettings().clear(); }

// The first choice is saved where no settings folder exists yet. Then the lock is held as by a
// writer that hangs (this test holds it), which QSettings would wait for without end: the choice
// is given up and the program goes on. Once the lock is free, a choice is saved again.
void QtPlatformTest::aSettingIsGivenUpWhileItsLockIsHeld() {
    QtPlatform platform;
    platform.SaveSetting("basis", "legacy");
    QCOMPARE(platform.LoadSetting("basis"), "legacy");
    {
        QLockFile held(QSettings().fileName() + QStringLiteral(".lock"));
        QVERIFY(held.tryLock());
        platform.SaveSetting("basis", "current");
        QCOMPARE(platform.LoadSetting("basis"), "legacy");
    }
    platform.SaveSetting("basis", "current");
    QCOMPARE(platform.LoadSetting("basis"), "current");
}

// A file's name or a key that looks like markup is shown as it is, never as rich text.
void QtPlatformTest::messagesShowTheirTextAsItIs() {
    const QString text = QStringLiteral("无法打开“<i>x.deckplate”：\n<h1>KEY</h1>");
    ModalAnswers answers({Close(), Close()});
    QtPlatform platform;
    platform.ReportError(text.toStdString());
    platform.ShowMessage(text.toStdString());
    QCOMPARE(answers.messages, QStringList({text, text}));
    QVERIFY(answers.plainText);
}

// X typed where X.deckplate is: the dialog asks about X.deckplate, and replaces it only on 是.
void QtPlatformTest::theSaveDialogGivesTheExtensionBeforeItAsks_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("replace");       // the answer to the question, when asked
    QTest::addColumn<QString>("chosen");     // the file chosen in the end; empty: none
    QTest::addColumn<QStringList>("asked");  // the questions asked
    const QString replace = QStringLiteral("“X.deckplate”已存在。\n要替换它吗？");
    QTest::newRow("typed without the extension, not replaced")
        << "X" << false << QString() << QStringList{replace};
    QTest::newRow("typed without the extension, replaced")
        << "X" << true << "X.deckplate" << QStringList{replace};
    QTest::newRow("typed with it, replaced")
        << "X.deckplate" << true << "X.deckplate" << QStringList{replace};
    QTest::newRow("a new name") << "Y" << true << "Y.deckplate" << QStringList{};
}

void QtPlatformTest::theSaveDialogGivesTheExtensionBeforeItAsks() {
    QFETCH(QString, typed);
    QFETCH(bool, replace);
    QFETCH(QString, chosen);
    QFETCH(QStringList, asked);
    QTemporaryDir bays;
    QFile existing(bays.filePath(QStringLiteral("X.deckplate")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    // Not replaced: the dialog comes again, and is then cancelled.
    std::vector<ModalAnswers::Step> steps{Type(typed)};
    if (!asked.isEmpty()) steps.push_back(Press(replace ? QMessageBox::Yes : QMessageBox::No));
    if (chosen.isEmpty()) steps.push_back(Close());
    ModalAnswers answers(steps);
    QtPlatform platform;
    const std::string answer =
        platform.ChooseSaveFile(bays.filePath(QStringLiteral("未命名.deckplate")).toStdString());
    QCOMPARE(QString::fromStdString(answer), chosen.isEmpty() ? chosen : bays.filePath(chosen));
    QCOMPARE(answers.messages, asked);
    QCOMPARE(answers.unexpected, 0);
}

// Open, Save and the folder dialog start where the last file or folder was chosen, while it is
// there; else in the documents, or home without them (never in home with "Documents" typed).
void QtPlatformTest::fileDialogsStartInTheFolderLastUsed() {
    QTemporaryDir site;
    QString started[4];
    ModalAnswers answers({NoteFolder(started[0]), Type(QStringLiteral("a")), NoteFolder(started[1]),
                          NoteFolder(started[2]), NoteFolder(started[3])});
    QtPlatform platform;
    platform.ChooseOpenFile("铺板计算文件", "deckplate");
    const std::string saved = platform.ChooseSaveFile(
        QDir(site.path()).filePath(QStringLiteral("未命名.deckplate")).toStdString());
    QCOMPARE(QString::fromStdString(saved), QDir(site.path()).filePath("a.deckplate"));
    platform.ChooseOpenFile("排表", "csv");
    platform.ChooseFolder("选择写入计算书的文件夹");
    site.remove();
    platform.ChooseSaveFile("钢平台计算书.html");
    QCOMPARE(started[0], QDir(home_).absolutePath());
    QCOMPARE(started[1], QDir(site.path()).absolutePath());
    QCOMPARE(started[2], QDir(site.path()).absolutePath());
    QCOMPARE(started[3], QDir(home_).absolutePath());
    QCOMPARE(answers.unexpected, 0);
}

// xdg-open stands in as a script; its statuses are those its manual gives.
void QtPlatformTest::aViewerThatFailsIsNamedWithItsReason_data() {
    QTest::addColumn<QString>("viewer");  // the script's body; empty: no xdg-open at all
    QTest::addColumn<QString>("said");    // after the file's path; empty: opened
    QTest::newRow("shown") << "exit 0" << QString();
    QTest::newRow("still showing it") << "exec sleep 5" << QString();
    QTest::newRow("no program for the kind") << "exit 3"
                                             << "：系统中没有打开这类文件的程序。";
    QTest::newRow("a browser that will not start") << "exit 4"
                                                   << "：打开它的程序未能启动，或报告了错误。";
    QTest::newRow("killed") << "kill -9 $$"
                            << "：xdg-open 被信号 9 终止。";
    QTest::newRow("no xdg-open") << QString() << "：系统中没有 xdg-open。";
}

void QtPlatformTest::aViewerThatFailsIsNamedWithItsReason() {
    QFETCH(QString, viewer);
    QFETCH(QString, said);
    QTemporaryDir bin;
    if (!viewer.isEmpty()) {
        QFile script(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\n" + viewer + "\n").toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + (viewer.isEmpty() ? "" : ":/usr/bin:/bin"));
    QtPlatform platform;
    const std::string report = "/home/张三/d/WExo.txt";
    const std::string failure = platform.OpenFile(report, form::Viewer::TextEditor);
    qputenv("PATH", path);
    QCOMPARE(QString::fromStdString(failure),
             said.isEmpty() ? said : "无法打开 " + QString::fromStdString(report) + said);
}

}  // namespace deckplate::ui

QTEST_MAIN(deckplate::ui::QtPlatformTest)
#include "qt_platform_test.moc"
