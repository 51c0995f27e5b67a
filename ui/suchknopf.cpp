// The search for the settings file from the window: at a first start and
// with the button "Suchen" beside the path box, which shows only while the
// box is editable. A found folder goes into the box, unsaved; "Fertig" takes
// it. Whatever the user types or picks before the search ends wins.

#include "mainform.h"
#include "meldungen.h"
#include "ordnersuche.h"
#include "steuerelemente.h"
#include "suchlauf.h"
#include "umwandlung.h"

#include <QApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QTimer>

void MainForm::sucheEinrichten() {
    suche_ = new suchlauf(this);
    Label7 = static_cast<QLabel*>(element("Label7"));
    connect(suche_, &suchlauf::fertig, this, &MainForm::fundZeigen);
    connect(Text2, &QLineEdit::textEdited, this, [this] { sucheBeenden(); });
}

void MainForm::suchknopfZeigen(bool sichtbar) {
    // Hidden and disabled, so that the tab key passes it too.
    Command4->setVisible(sichtbar);
    Command4->setEnabled(sichtbar);
    if (!sichtbar) {
        sucheBeenden();
    }
}

void MainForm::sucheStarten(bool vomKnopf) {
    sucheBeenden();
    vomKnopf_ = vomKnopf;
    sucheOffen_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor); // working, yet usable
    Command4->setText("Abbrechen");
    suche_->starten();
}

void MainForm::sucheBeenden() {
    pfadnotizZeigen("");
    if (sucheOffen_) {
        sucheOffen_ = false;
        suche_->abbrechen();
        Command4->setText("Suchen");
        QApplication::restoreOverrideCursor();
    }
}

void MainForm::suchknopfGedrueckt() {
    if (sucheOffen_) {
        sucheBeenden();
    } else {
        sucheStarten(true);
    }
}

void MainForm::fundZeigen(const einstellungssuche& ergebnis) {
    if (!sucheOffen_) {
        return; // stopped while the result waited
    }
    if (laeuft_) {
        // Another handler's box is open: the result waits until it closes.
        QTimer::singleShot(50, this, [this, ergebnis] { fundZeigen(ergebnis); });
        return;
    }
    sucheOffen_ = false;
    Command4->setText("Suchen");
    QApplication::restoreOverrideCursor();
    const auto& funde = ergebnis.funde;
    std::size_t gewaehlt = 0;
    if (funde.empty()) {
        if (vomKnopf_) {
            Label7->setText(QString::fromStdString(meldungstext(
                ergebnis.vorzeitig ? meldung::nichtsGefundenVorzeitig : meldung::nichtsGefunden,
                {})));
        }
        return;
    }
    if (funde.size() > 1) {
        QStringList zeilen;
        for (const einstellungsfund& f : funde) {
            zeilen << QString("%1   (geändert am %2)")
                          .arg(ausUtf8(f.ordner), QDateTime::fromSecsSinceEpoch(f.geaendert)
                                                      .toString("dd.MM.yyyy, HH:mm"));
        }
        QInputDialog dialog(this);
        dialog.setWindowTitle(fenstertitel);
        dialog.setLabelText(QString("%1 gefunden in diesen Ordnern, zuletzt geänderte zuerst:")
                                .arg(ausUtf8(profilformular::einstellungsdatei)));
        dialog.setComboBoxItems(zeilen);
        dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
        dialog.setOkButtonText("Übernehmen");
        dialog.setCancelButtonText("Abbrechen");
        laeuft_ = true; // no handler runs while the dialog is open
        const bool angenommen = dialog.exec() == QDialog::Accepted;
        laeuft_ = false;
        if (!angenommen) {
            return;
        }
        gewaehlt =
            static_cast<std::size_t>(std::max<qsizetype>(0, zeilen.indexOf(dialog.textValue())));
    }
    setzePfadtext(funde[gewaehlt].ordner);
    pfadFokussieren();
    Label7->setText(QString::fromStdString(meldungstext(meldung::dateiGefunden, {})));
}
