#pragma once

#include "zurueckholen.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The dialog "Sicherungen": the backups of the settings file, newest first,
// each with how many profile values it would change, and below the list
// every value that differs in the backup selected. The comparisons run in a
// thread of their own, so the window never waits for them; the dialog only
// shows what the editing logic computes and hands the choice back.
class sicherungsdialog : public QDialog {
    Q_OBJECT

  public:
    struct eintrag {
        std::string datei; // the backup's path, UTF-8
        QString zeit;      // "07.12.2026 16:59:09"
    };
    // Compares one backup with the settings file as it is now; runs in the
    // dialog's thread and must not touch the window.
    using vergleicher = std::function<sicherungsvergleich(const std::string& datei)>;

    sicherungsdialog(QWidget* eltern, std::vector<eintrag> eintraege, vergleicher vergleichen,
                     QString ordner);
    ~sicherungsdialog() override;

    // The backup chosen with "Zurückholen", or empty.
    const std::string& gewaehlt() const { return gewaehlt_; }

  private:
    void ergebnisZeigen(int zeile, const sicherungsvergleich& v);
    // A backup that could not be compared: not readable, or readable but
    // of no use (no profiles, too large).
    void fehlerZeigen(int zeile, const QString& text, bool lesbar);
    void auswahlZeigen();

    std::vector<eintrag> eintraege_;
    std::vector<QString> einzelheiten_; // what the view below shows for each row
    std::vector<bool> brauchbar_;       // a backup that can be taken back
    QListWidget* liste_ = nullptr;
    QPlainTextEdit* einzelheit_ = nullptr;
    QPushButton* zurueckholen_ = nullptr;
    std::string gewaehlt_;
    std::atomic<bool> abbrechen_{false};
    std::thread arbeiter_;
};
