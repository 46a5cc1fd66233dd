#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "form/form1.h"
#include "ui/form1_window.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Where QSettings keeps the remembered choices: ~/.config/DeckPlate/deckplate.conf.
    QApplication::setOrganizationName(QStringLiteral("DeckPlate"));
    // No application display name: Qt would append it to every window title that does not end
    // in it ("平台钢铺板计算 — 现行规范 — 平台钢铺板计算"). The model's title is shown as it is.
    QApplication::setApplicationName(QStringLiteral("deckplate"));
    // Qt's own words (the OK of a message box) in Chinese, like the rest of the window.
    QTranslator qtWords;
    if (qtWords.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtWords);
    deckplate::ui::QtPlatform platform;
    deckplate::form::Form1 model(platform);
    deckplate::ui::Form1Window window(model);
    platform.SetWindow(&window);
    window.Form_Load();
    window.show();
    // deckplate FILE.deckplate, as the desktop starts it for a file double-clicked.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        model.OpenBayFile(arguments.at(1).toStdString());
    return application.exec();
}
