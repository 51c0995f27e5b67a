#include "sicherungsdialog.h"

#include "laufzeitfehler.h"
#include "meldungen.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString zeilen(const std::vector<std::string>& texte) {
    QStringList liste;
    for (const std::string& t : texte) {
        liste << QString::fromStdString(t);
    }
    return liste.join('\n');
}

} // namespace

sicherungsdialog::sicherungsdialog(QWidget* eltern, std::vector<eintrag> eintraege,
                                   vergleicher vergleichen, QString ordner)
    : QDialog(eltern), eintraege_(std::move(eintraege)), einzelheiten_(eintraege_.size()),
      brauchbar_(eintraege_.size(), false) {
    setWindowTitle("Sicherungen");
    auto* spalte = new QVBoxLayout(this);

    auto* listentitel =
        new QLabel("&Sicherungen vor den letzten Schreibvorgängen, die neueste zuerst:");
    liste_ = new QListWidget;
    listentitel->setBuddy(liste_);
    liste_->setAccessibleName("Sicherungen");
    for (const eintrag& e : eintraege_) {
        liste_->addItem(e.zeit + " – wird verglichen …");
    }
    auto* einzeltitel = new QLabel("&Unterschiede, Datei jetzt → Sicherung:");
    einzelheit_ = new QPlainTextEdit;
    einzelheit_->setReadOnly(true);
    einzelheit_->setAccessibleName("Unterschiede");
    einzeltitel->setBuddy(einzelheit_);
    if (eintraege_.empty()) {
        einzelheit_->setPlainText(
            "Es gibt noch keine Sicherungen. Jeder Schreibvorgang legt vorher "
            "eine an.");
    }

    auto* knoepfe = new QDialogButtonBox;
    auto* oeffnen = knoepfe->addButton("&Ordner öffnen", QDialogButtonBox::ActionRole);
    zurueckholen_ = knoepfe->addButton("&Zurückholen…", QDialogButtonBox::AcceptRole);
    knoepfe->addButton("Schließen", QDialogButtonBox::RejectRole);
    zurueckholen_->setEnabled(false);
    for (QPushButton* k : {oeffnen, zurueckholen_}) {
        k->setAutoDefault(false);
    }
    connect(oeffnen, &QPushButton::clicked, this,
            [ordner] { QDesktopServices::openUrl(QUrl::fromLocalFile(ordner)); });
    connect(zurueckholen_, &QPushButton::clicked, this, [this] {
        gewaehlt_ = eintraege_[static_cast<std::size_t>(liste_->currentRow())].datei;
        accept();
    });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(liste_, &QListWidget::currentRowChanged, this, [this] { auswahlZeigen(); });

    spalte->addWidget(listentitel);
    spalte->addWidget(liste_, 2);
    spalte->addWidget(einzeltitel);
    spalte->addWidget(einzelheit_, 3);
    spalte->addWidget(knoepfe);
    resize(620, 460);

    // One comparison after the other, each reported as it ends.
    arbeiter_ = std::thread([this, vergleichen = std::move(vergleichen)] {
        for (std::size_t i = 0; i < eintraege_.size() && !abbrechen_; ++i) {
            const int zeile = static_cast<int>(i);
            try {
                const sicherungsvergleich v = vergleichen(eintraege_[i].datei);
                QMetaObject::invokeMethod(
                    this, [this, zeile, v] { ergebnisZeigen(zeile, v); }, Qt::QueuedConnection);
            } catch (const laufzeitfehler& f) {
                const QString text = QString::fromStdString(f.beschreibung());
                const bool lesbar = f.nummer() == laufzeitfehler::ungueltigesArgument;
                QMetaObject::invokeMethod(
                    this, [this, zeile, text, lesbar] { fehlerZeigen(zeile, text, lesbar); },
                    Qt::QueuedConnection);
            } catch (const std::exception&) {
                // Out of memory on a stray huge file, say: that row cannot be
                // compared.
                const QString text =
                    QString::fromStdString(meldungstext(meldung::speichermangel, {}));
                QMetaObject::invokeMethod(
                    this, [this, zeile, text] { fehlerZeigen(zeile, text, true); },
                    Qt::QueuedConnection);
            }
        }
    });
    if (!eintraege_.empty()) {
        liste_->setCurrentRow(0);
    }
}

sicherungsdialog::~sicherungsdialog() {
    // Reports still queued for this dialog go with it.
    abbrechen_ = true;
    arbeiter_.join();
}

void sicherungsdialog::ergebnisZeigen(int zeile, const sicherungsvergleich& v) {
    const auto i = static_cast<std::size_t>(zeile);
    liste_->item(zeile)->setText(eintraege_[i].zeit + " – " +
                                 QString::fromStdString(unterschiedszahl(v.anders)));
    einzelheiten_[i] = v.zeilen.empty()
                           ? QString("Die Profile der Sicherung gleichen der Datei jetzt.")
                           : zeilen(v.zeilen);
    brauchbar_[i] = true;
    if (liste_->currentRow() == zeile) {
        auswahlZeigen();
    }
}

void sicherungsdialog::fehlerZeigen(int zeile, const QString& text, bool lesbar) {
    const auto i = static_cast<std::size_t>(zeile);
    liste_->item(zeile)->setText(eintraege_[i].zeit +
                                 (lesbar ? " – nicht verwendbar" : " – nicht lesbar"));
    einzelheiten_[i] = text;
    if (liste_->currentRow() == zeile) {
        auswahlZeigen();
    }
}

void sicherungsdialog::auswahlZeigen() {
    const int zeile = liste_->currentRow();
    if (zeile < 0) {
        return;
    }
    const auto i = static_cast<std::size_t>(zeile);
    einzelheit_->setPlainText(einzelheiten_[i].isEmpty() ? QString("Wird verglichen …")
                                                         : einzelheiten_[i]);
    zurueckholen_->setEnabled(brauchbar_[i]);
}
