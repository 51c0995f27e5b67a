#include "startordner.h"

#include "meldungen.h"

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
                             QString::fromStdString(meldungstext(
                                 meldung::arbeitsordnerFehlt,
                                 {{"ordner", QDir::toNativeSeparators(ordner).toStdString()}})));
    }
}
