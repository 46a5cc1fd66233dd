// The Qt platform's remembered choices: saved and read back, and given up rather than waited for
// while the settings file's lock is held.
#include "ui/qt_platform.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace deckplate::ui {

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void aSettingIsGivenUpWhileItsLockIsHeld();

  private:
    QTemporaryDir folder_;
};

void QtPlatformTest::initTestCase() {
    QVERIFY(folder_.isValid());
    QCoreApplication::setOrganizationName(QStringLiteral("DeckPlate"));
    QCoreApplication::setApplicationName(QStringLiteral("deckplate"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
}

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

}  // namespace deckplate::ui

QTEST_MAIN(deckplate::ui::QtPlatformTest)
#include "qt_platform_test.moc"
