#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "form1.h"
#include "qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationDisplayName(deckplate::ui::kApplicationTitle);
    // Qt's own words (the OK of a message box) in Chinese, like the rest of the window.
    QTranslator qtWords;
    if (qtWords.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtWords);
    deckplate::ui::QtPlatform platform;
    deckplate::ui::Form1 form1(platform);
    form1.Form_Load();
    form1.show();
    return application.exec();
}
