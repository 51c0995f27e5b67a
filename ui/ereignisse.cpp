// The five events that enter the editing logic, and the reporting of the
// errors they raise: each handler runs alone, and its error is shown in a
// box while the window stays usable.

#include "dateien.h"
#include "dateiwaechter.h"
#include "ergebnisse.h"
#include "laufzeitfehler.h"
#include "mainform.h"
#include "meldungen.h"
#include "meldungsknoepfe.h"
#include "pfaddatei.h"
#include "sicherungsdialog.h"
#include "steuerelemente.h"
#include "umwandlung.h"

#include <QDir>
#include <QMessageBox>
#include <QTimer>

void MainForm::Form_Load() {
    // The load resets the fields first thing.
    ausfuehren([this] { formular_.lesen(); });
    // A first start: the settings file is looked for while the window opens.
    if (!dateiExistiert(pfaddateiname) && pfadAktiv()) {
        sucheStarten(false);
    }
}

void MainForm::Command1_Click(int index) {
    ausfuehren([this, index] {
        if (index >= 0 && index <= 8) {
            setzeBeschriftung(auswahlDesKnopfs(index), alsBytes(Command1[index]->text()));
        }
        formular_.lesen();
    });
}

void MainForm::Command2_Click(int index) {
    ausfuehren([this, index] {
        if (index == 0) {
            formular_.fahrzeugUebernehmen();
        } else {
            formular_.routeUebernehmen();
        }
    });
}

void MainForm::Command3_Click() {
    ausfuehren([this] { formular_.pfadUmschalten(); });
}

void MainForm::Text1_LostFocus(int index) {
    ausfuehren([this, index] { feldVerlassen(*this, static_cast<std::int16_t>(index)); },
               anlass::verlassen);
}

void MainForm::sicherungenZeigen() {
    ausfuehren([this] {
        std::vector<sicherungsdialog::eintrag> eintraege;
        for (const sicherungsangabe& s : formular_.sicherungen()) {
            eintraege.push_back({s.datei, QString::fromStdString(s.zeit)});
        }
        const QString ordner = QDir::current().absoluteFilePath(QString::fromUtf8(
            sicherungsordner.data(), static_cast<qsizetype>(sicherungsordner.size())));
        sicherungsdialog dialog(this, std::move(eintraege), formular_.sicherungsvergleicher(),
                                ordner);
        if (dialog.exec() == QDialog::Accepted && !dialog.gewaehlt().empty()) {
            formular_.sicherungZurueckholen(dialog.gewaehlt());
        }
    });
}

namespace {

// The message, then its number with the standard text on a line of its own.
QString meldungsbox(const laufzeitfehler& f) {
    return QString::fromStdString(f.beschreibung() + "\n\n" + f.nummernzeile());
}

} // namespace

void MainForm::ausfuehren(const std::function<void()>& handler, anlass wodurch) {
    if (laeuft_) {
        return;
    }
    laeuft_ = true;
    if (wodurch == anlass::handlung) {
        statusZeigen(""); // the word on the last write stays until the next action
    }
    try {
        handler();
    } catch (const laufzeitfehler& f) {
        ausstehend_.push_back(meldungsbox(f));
    } catch (const std::bad_alloc&) {
        ausstehend_.push_back(meldungsbox(meldungsfehler(meldung::speichermangel, {})));
    } catch (const std::exception&) {
        // The library's own texts are English: say in German what happened.
        ausstehend_.push_back(QString::fromStdString(meldungstext(meldung::intern, {})));
    }
    laeuft_ = false;
    waechter_->beobachten(ausUtf8(formular_.geladeneDatei()));
    if (ausstehend_.empty()) {
        return;
    }
    if (wodurch == anlass::verlassen) {
        // A box opened inside a focus change would swallow the click that
        // caused it.
        QTimer::singleShot(0, this, [this] { melden(); });
    } else {
        melden();
    }
}

void MainForm::melden() {
    if (laeuft_) {
        return; // the running handler reports them when it ends
    }
    laeuft_ = true; // no handler runs while a box is open
    while (!ausstehend_.empty()) {
        const QString text = ausstehend_.front();
        ausstehend_.erase(ausstehend_.begin());
        QMessageBox box(QMessageBox::Critical, fenstertitel, text, QMessageBox::Ok, this);
        deutscheKnoepfe(box);
        box.exec();
    }
    laeuft_ = false;
}
