#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

// Watches the settings file the window shows and asks `pruefen` to look at
// it whenever it may have changed: on the system's notice for the file or
// its folder (a safe replace puts a new file under the name, which drops the
// watch on the old one), and every few seconds, since mounted network
// folders send no notices. Whether the content changed is `pruefen`'s to
// decide.
class dateiwaechter : public QObject {
    Q_OBJECT

  public:
    static constexpr int abfrageMs = 3000;

    dateiwaechter(QObject* eltern, std::function<void()> pruefen);

    // Watches `datei` (empty: nothing) from now on; watching the same file
    // again re-adds a watch the system dropped.
    void beobachten(const QString& datei);

  signals:
    // After each look, for tests that wait for one.
    void geprueft();

  private:
    void anstossen();

    QFileSystemWatcher waechter_;
    QTimer abfrage_;
    std::function<void()> pruefen_;
    QString datei_;
};
