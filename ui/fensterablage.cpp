// The store through which the editing logic reads and writes the window's
// controls: field texts as Windows-1252, the path as UTF-8.

#include "aenderungsliste.h"
#include "mainform.h"
#include "meldungsknoepfe.h"
#include "steuerelemente.h"
#include "umwandlung.h"

#include <QAccessible>
#include <QMessageBox>

std::string MainForm::liesFeld(int index) const {
    return alsBytes(Text1[index]->text());
}

std::string MainForm::liesFeldname(int index) const {
    return alsBytes(Text1[index]->accessibleName());
}

void MainForm::schreibFeld(int index, const std::string& text) {
    Text1[index]->setText(alsText(text));
}

void MainForm::schreibErgebnis(int index, const std::string& text) {
    Text3[index]->setText(alsText(text));
}

void MainForm::schreibFeldbefund(int index, const feldbefund& befund) {
    using art = textfeld::markierung;
    const art markierung = befund.zustand == feldzustand::abgelehnt      ? art::abgelehnt
                           : befund.zustand == feldzustand::nichtGeladen ? art::nichtGeladen
                                                                         : art::keine;
    Text1[index]->markieren(markierung, ausUtf8(befund.grund));
}

std::string MainForm::pfadtext() const {
    return alsUtf8(Text2->text());
}

void MainForm::setzePfadtext(const std::string& text) {
    Text2->setText(ausUtf8(text));
}

bool MainForm::pfadAktiv() const {
    return Text2->isEnabled();
}

void MainForm::setzePfadAktiv(bool aktiv) {
    Text2->setEnabled(aktiv);
    // A hidden action is disabled too, and with it its shortcut.
    ordnerwahl_->setVisible(aktiv);
    suchknopfZeigen(aktiv);
}

void MainForm::pfadFokussieren() {
    Text2->setFocus();
    Text2->selectAll();
}

void MainForm::setzePfadfarbe(pfadfarbe farbe) {
    QColor farbwert = Qt::white;
    if (farbe == pfadfarbe::bildlaufleiste) {
        farbwert = palette().color(QPalette::Midlight);
    } else if (farbe == pfadfarbe::schaltflaeche) {
        farbwert = palette().color(QPalette::Button);
    }
    QPalette p = Text2->palette();
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(gruppe, QPalette::Base, farbwert);
    }
    // The locked box shows the path that is in use: keep it readable.
    p.setColor(QPalette::Disabled, QPalette::Text, p.color(QPalette::Active, QPalette::Text));
    Text2->setPalette(p);
}

std::string MainForm::beschriftung(auswahl welche) const {
    return alsBytes(Label3[static_cast<std::size_t>(welche)]->text());
}

void MainForm::setzeBeschriftung(auswahl welche, const std::string& text) {
    Label3[static_cast<std::size_t>(welche)]->setText(alsText(text));
    auswahlZeigen();
}

void MainForm::setzePfadknopftext(const std::string& text) {
    Command3->setText(alsText(text));
    Command3->setAccessibleName(Command3->text());
}

void MainForm::zeigen() {
    // The top-level window: the form itself, or the frame around it.
    if (!window()->isVisible()) {
        window()->show();
    }
}

void MainForm::hinweisen(const std::string& text) {
    QMessageBox box(QMessageBox::Information, fenstertitel, ausUtf8(text), QMessageBox::Ok, this);
    deutscheKnoepfe(box);
    box.exec();
}

bool MainForm::frageJaNein(const std::string& text, const std::vector<std::string>& aenderungen) {
    QMessageBox box(QMessageBox::NoIcon, fenstertitel, alsText(text),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setInformativeText(aenderungsliste(aenderungen, box.font()));
    box.setDefaultButton(QMessageBox::Yes);
    deutscheKnoepfe(box);
    return box.exec() == QMessageBox::Yes;
}

namespace {

// A line in the window that screen readers announce when it changes: its
// text is its accessible name, and an empty line goes by its given name.
void zeileSetzen(QLabel* zeile, const std::string& text, const QString& name) {
    zeile->setText(ausUtf8(text));
    zeile->setToolTip(zeile->text()); // a long folder may not fit the line
    zeile->setAccessibleName(text.empty() ? name : zeile->text());
    zeile->setAccessibleDescription(zeile->text());
    QAccessibleEvent namensaenderung(zeile, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&namensaenderung);
    if (!text.empty()) {
        QAccessibleEvent meldung(zeile, QAccessible::Alert);
        QAccessible::updateAccessibility(&meldung);
    }
}

} // namespace

void MainForm::statusZeigen(const std::string& text) {
    zeileSetzen(Label8, text, "Meldung");
}

void MainForm::pfadnotizZeigen(const std::string& text) {
    zeileSetzen(Label7, text, "Hinweis");
}
