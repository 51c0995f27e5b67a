#include "anwendung.h"

#include "dateien.h"
#include "schrift.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

void anwendungEinrichten() {
    // The resources live in a static library, whose unreferenced objects the
    // linker would drop.
    Q_INIT_RESOURCE(tamvoril);

    // The program is German only, whatever the system's language: Qt's own
    // texts (standard buttons, context menus) follow it. The Windows build
    // carries them; elsewhere they come with the system's Qt.
    auto* uebersetzer = new QTranslator(qApp);
    if (uebersetzer->load("qtbase_de", ":/uebersetzungen") ||
        uebersetzer->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(uebersetzer);
    }

    QApplication::setApplicationName("Tamvoril");
    QApplication::setDesktopFileName("tamvoril");
    QApplication::setStyle("Fusion");
    QApplication::setWindowIcon(QIcon(":/tamvoril.png"));
    schriftenEinrichten();

    // While the file layer waits for a file that another program holds for
    // a moment, the wait cursor shows.
    wartenMelden([](bool wartet) {
        if (wartet) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    });
}
