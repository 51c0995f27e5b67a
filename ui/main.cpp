#include "mainform.h"
#include "schrift.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName("Tamvoril");
    QApplication::setDesktopFileName("tamvoril");
    QApplication::setStyle("Fusion");
    QApplication::setWindowIcon(QIcon(":/tamvoril.png"));
    schriftenEinrichten();

    MainForm fenster;
    fenster.Form_Load();
    fenster.zeigen();
    return QApplication::exec();
}
