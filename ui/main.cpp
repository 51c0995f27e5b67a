#include "anwendung.h"
#include "fensterrahmen.h"
#include "mainform.h"
#include "startmessung.h"
#include "startordner.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    anwendungEinrichten();
    startordnerWaehlen(QApplication::arguments());

    fensterrahmen fenster;
    startmessung::einrichten(fenster);
    fenster.formular().Form_Load();
    fenster.formular().zeigen();
    return QApplication::exec();
}
