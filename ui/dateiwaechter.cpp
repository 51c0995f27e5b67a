#include "dateiwaechter.h"

#include <QFileInfo>

dateiwaechter::dateiwaechter(QObject* eltern, std::function<void()> pruefen)
    : QObject(eltern), pruefen_(std::move(pruefen)) {
    connect(&waechter_, &QFileSystemWatcher::fileChanged, this, &dateiwaechter::anstossen);
    connect(&waechter_, &QFileSystemWatcher::directoryChanged, this, &dateiwaechter::anstossen);
    connect(&abfrage_, &QTimer::timeout, this, &dateiwaechter::anstossen);
    abfrage_.setInterval(abfrageMs);
}

void dateiwaechter::beobachten(const QString& datei) {
    if (datei != datei_) {
        if (!waechter_.files().isEmpty()) {
            waechter_.removePaths(waechter_.files());
        }
        if (!waechter_.directories().isEmpty()) {
            waechter_.removePaths(waechter_.directories());
        }
        datei_ = datei;
    }
    if (datei_.isEmpty()) {
        abfrage_.stop();
        return;
    }
    if (!abfrage_.isActive()) {
        abfrage_.start();
    }
    const QString ordner = QFileInfo(datei_).absolutePath();
    if (!waechter_.directories().contains(ordner)) {
        waechter_.addPath(ordner);
    }
    // Fails quietly while the file is missing; the folder's notice brings
    // the next attempt.
    if (!waechter_.files().contains(datei_) && QFileInfo::exists(datei_)) {
        waechter_.addPath(datei_);
    }
}

void dateiwaechter::anstossen() {
    pruefen_();
    beobachten(datei_);
    emit geprueft();
}
