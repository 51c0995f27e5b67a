#include "anwendung.h"
#include "fensterrahmen.h"
#include "mainform.h"
#include "startordner.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A write beyond the file size limit (ulimit -f) would end the program
    // through SIGXFSZ; ignored, the write fails with EFBIG, which the file
    // layer reports like any other failure and the old file stays.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication anwendung(argc, argv);
    anwendungEinrichten();
    startordnerWaehlen(QApplication::arguments());

    fensterrahmen fenster;
    fenster.formular().Form_Load();
    fenster.formular().zeigen();
    return QApplication::exec();
}
