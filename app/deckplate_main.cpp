#include <QApplication>

#include "form1.h"
#include "qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationDisplayName(deckplate::ui::kApplicationTitle);
    deckplate::ui::QtPlatform platform;
    deckplate::ui::Form1 form1(platform);
    form1.Form_Load();
    form1.show();
    return application.exec();
}
