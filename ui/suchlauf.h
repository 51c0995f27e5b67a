#pragma once

#include "dateisuche.h"

#include <QObject>

#include <thread>

// The search for the settings file below the home folder, run off the
// window's thread so that the window stays usable. Its result arrives as
// `fertig` on the window's thread, unless the run was stopped or another
// started meanwhile: a stopped run's result is dropped.
class suchlauf : public QObject {
    Q_OBJECT

  public:
    explicit suchlauf(QObject* eltern) : QObject(eltern) {}
    ~suchlauf() override;

    void starten();
    void abbrechen();

  signals:
    void fertig(const einstellungssuche& ergebnis);

  private:
    std::jthread faden_;
    int nummer_ = 0; // the current run's; older results are dropped
};
