#include "mainform.h"

#include "aenderungsliste.h"
#include "dateien.h"
#include "ergebnisse.h"
#include "farben.h"
#include "laufzeitfehler.h"
#include "layouttabelle.h"
#include "meldungsknoepfe.h"
#include "ordnerpfad.h"
#include "schrift.h"
#include "steuerelemente.h"
#include "umwandlung.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QStyle>
#include <QTimer>

namespace {

constexpr const char* titel = "Tamvoril";

int pixel(int twips) {
    return qRound(static_cast<double>(twips) / twipsProPixel);
}

QString objektname(std::string_view name, int index) {
    const QString basis = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return index < 0 ? basis : basis + "(" + QString::number(index) + ")";
}

// Command1(0..4) select the vehicle, Command1(5..8) the route type.
ablage::auswahl auswahlDesKnopfs(int index) {
    return index <= 4 ? ablage::auswahl::fahrzeug : ablage::auswahl::route;
}

template <typename typ> void einordnen(std::vector<typ*>& feld, int index, typ* element) {
    if (static_cast<int>(feld.size()) <= index) {
        feld.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    feld[static_cast<std::size_t>(index)] = element;
}

} // namespace

MainForm::MainForm() {
    setWindowTitle(titel);
    setWindowIcon(QIcon(":/tamvoril.png"));
    setFixedSize(pixel(fensterbreite), pixel(fensterhoehe));
    setPalette(fensterpalette());
    setAutoFillBackground(true); // also inside the scrolling frame
    steuerelementeAnlegen();
    fokusfolgeSetzen();
    auswahlknoepfeEinrichten();
    ordnerwahlEinrichten();
    Text2->setPlaceholderText(alsText(pfadhinweis));
    setzePfadAktiv(false);
    setzePfadfarbe(pfadfarbe::bildlaufleiste);
    Text1[0]->setFocus();
}

void MainForm::steuerelementeAnlegen() {
    for (const steuerelement& e : layouttabelle) {
        const QString text =
            QString::fromUtf8(e.text.data(), static_cast<qsizetype>(e.text.size()));
        const int index = e.index;
        QWidget* w = nullptr;
        switch (e.aufgabe) {
        case rolle::linie:
            continue; // drawn by paintEvent
        case rolle::beschriftung:
            w = beschriftungAnlegen(text);
            break;
        case rolle::ueberschrift:
            w = beschriftungAnlegen(text);
            einordnen(Label3, index, static_cast<QLabel*>(w));
            break;
        case rolle::feld: {
            auto* feld = textfeldAnlegen(text);
            einordnen(Text1, index, feld);
            connect(feld, &textfeld::verlassen, this, [this, index] { Text1_LostFocus(index); });
            w = feld;
            break;
        }
        case rolle::pfadfeld:
            w = Text2 = textfeldAnlegen(text);
            break;
        case rolle::ergebnis:
            w = textfeldAnlegen(text);
            einordnen(Text3, index, static_cast<textfeld*>(w));
            break;
        case rolle::auswahlknopf:
            w = knopfAnlegen(text, [this, index] { Command1_Click(index); });
            einordnen(Command1, index, static_cast<knopf*>(w));
            break;
        case rolle::uebernahmeknopf:
            w = knopfAnlegen(text, [this, index] { Command2_Click(index); });
            einordnen(Command2, index, static_cast<knopf*>(w));
            break;
        case rolle::pfadknopf:
            w = Command3 = knopfAnlegen(text, [this] { Command3_Click(); });
            break;
        }
        w->setObjectName(objektname(e.name, e.index));
        w->setGeometry(pixel(e.links), pixel(e.oben), pixel(e.breite), pixel(e.hoehe));
        if (e.schrift != schriftart::standard) {
            w->setFont(schrift(e.schrift));
        }
        const std::string_view vorlesen = e.vorlesename.empty() ? e.text : e.vorlesename;
        w->setAccessibleName(
            QString::fromUtf8(vorlesen.data(), static_cast<qsizetype>(vorlesen.size())));
        steuerelemente_[{std::string(e.name), e.index}] = w;
    }
}

QLabel* MainForm::beschriftungAnlegen(const QString& text) {
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

textfeld* MainForm::textfeldAnlegen(const QString& text) {
    auto* feld = new textfeld(this);
    feld->setText(text);
    return feld;
}

knopf* MainForm::knopfAnlegen(const QString& text, const std::function<void()>& klick) {
    auto* k = new knopf(text, this);
    connect(k, &QPushButton::clicked, this, klick);
    return k;
}

void MainForm::fokusfolgeSetzen() {
    QWidget* vorher = nullptr;
    for (const fokuslauf& lauf : fokusfolge) {
        for (int i = lauf.von; i <= lauf.bis; ++i) {
            QWidget* w = element(std::string(lauf.name), i);
            if (vorher != nullptr) {
                QWidget::setTabOrder(vorher, w);
            }
            vorher = w;
        }
    }
}

void MainForm::auswahlknoepfeEinrichten() {
    for (knopf* k : Command1) {
        k->setCheckable(true);
        // A click toggles its button before the selection runs; the labels
        // decide afterwards, also when no selection ran.
        connect(k, &QPushButton::clicked, this, [this] { auswahlZeigen(); });
    }
    auswahlZeigen();
}

void MainForm::auswahlZeigen() {
    for (std::size_t i = 0; i < Command1.size(); ++i) {
        const QLabel* auswahl =
            Label3[static_cast<std::size_t>(auswahlDesKnopfs(static_cast<int>(i)))];
        Command1[i]->setChecked(Command1[i]->text() == auswahl->text());
    }
}

void MainForm::ordnerwahlEinrichten() {
    ordnerwahl_ =
        Text2->addAction(style()->standardIcon(QStyle::SP_DirIcon), QLineEdit::TrailingPosition);
    ordnerwahl_->setToolTip("Ordner wählen … (Strg+O)");
    ordnerwahl_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ordnerwahl_->setShortcutContext(Qt::WidgetShortcut);
    connect(ordnerwahl_, &QAction::triggered, this, [this] { ordnerWaehlen(); });
}

void MainForm::ordnerWaehlen() {
    const QString start = ordnerExistiert(pfadtext()) ? Text2->text() : QDir::homePath();
    const QString ordner = QFileDialog::getExistingDirectory(this, "Ordner wählen", start);
    if (!ordner.isEmpty()) {
        setzePfadtext(mitTrenner(alsBytes(QDir::toNativeSeparators(ordner))));
    }
}

QWidget* MainForm::element(const std::string& name, int index) const {
    const auto treffer = steuerelemente_.find({name, index});
    return treffer == steuerelemente_.end() ? nullptr : treffer->second;
}

void MainForm::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setPen(palette().color(QPalette::WindowText));
    for (const steuerelement& e : layouttabelle) {
        if (e.aufgabe == rolle::linie) {
            maler.drawLine(pixel(e.links), pixel(e.oben), pixel(e.links + e.breite),
                           pixel(e.oben + e.hoehe));
        }
    }
}

// The five events.

void MainForm::Form_Load() {
    // The load resets the fields first thing.
    ausfuehren([this] { formular_.lesen(); });
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
    ausfuehren([this, index] { feldVerlassen(*this, static_cast<std::int16_t>(index)); }, true);
}

void MainForm::ausfuehren(const std::function<void()>& handler, bool spaeterMelden) {
    if (laeuft_) {
        return;
    }
    laeuft_ = true;
    try {
        handler();
    } catch (const laufzeitfehler& f) {
        ausstehend_.push_back({f.nummer(), QString::fromStdString(f.beschreibung())});
    } catch (const std::bad_alloc&) {
        const laufzeitfehler f(laufzeitfehler::speichermangel);
        ausstehend_.push_back({f.nummer(), QString::fromStdString(f.beschreibung())});
    } catch (const std::exception&) {
        // The library's own texts are English: say in German what happened.
        ausstehend_.push_back({0, "Interner Fehler; die Aktion wurde abgebrochen."});
    }
    laeuft_ = false;
    if (ausstehend_.empty()) {
        return;
    }
    if (spaeterMelden) {
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
        const meldung m = ausstehend_.front();
        ausstehend_.erase(ausstehend_.begin());
        const QString text =
            m.nummer > 0 ? QString("Laufzeitfehler '%1':\n\n%2").arg(m.nummer).arg(m.beschreibung)
                         : m.beschreibung;
        QMessageBox box(QMessageBox::Critical, titel, text, QMessageBox::Ok, this);
        deutscheKnoepfe(box);
        box.exec();
    }
    laeuft_ = false;
}

// The store.

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

std::string MainForm::pfadtext() const {
    return alsBytes(Text2->text());
}

void MainForm::setzePfadtext(const std::string& text) {
    Text2->setText(alsText(text));
}

bool MainForm::pfadAktiv() const {
    return Text2->isEnabled();
}

void MainForm::setzePfadAktiv(bool aktiv) {
    Text2->setEnabled(aktiv);
    // A hidden action is disabled too, and with it its shortcut.
    ordnerwahl_->setVisible(aktiv);
}

void MainForm::pfadFokussieren() {
    Text2->setFocus();
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

bool MainForm::frageJaNein(const std::string& text, const std::vector<std::string>& aenderungen) {
    QMessageBox box(QMessageBox::NoIcon, titel, alsText(text), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setInformativeText(aenderungsliste(aenderungen, box.font()));
    box.setDefaultButton(QMessageBox::Yes);
    deutscheKnoepfe(box);
    return box.exec() == QMessageBox::Yes;
}
