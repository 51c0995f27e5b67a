#include "startordner.h"

#include <QDir>
#include <QMessageBox>

void startordnerWaehlen(const QStringList& argumente) {
    if (!argumente.contains(startmenueoption)) {
        return;
    }
    const QString basis = qEnvironmentVariable("APPDATA");
    const QString ordner = QDir(basis).filePath("Tamvoril");
    if (basis.isEmpty() || !QDir().mkpath(ordner) || !QDir::setCurrent(ordner)) {
        QMessageBox::warning(nullptr, "Tamvoril",
                             QString("Der Arbeitsordner „%1“ lässt sich nicht anlegen oder öffnen.")
                                 .arg(QDir::toNativeSeparators(ordner)));
    }
}
