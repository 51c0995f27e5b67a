#include "mainform.h"

#include "dateien.h"
#include "dateiwaechter.h"
#include "farben.h"
#include "laufzeitfehler.h"
#include "layouttabelle.h"
#include "massstab.h"
#include "ordnerpfad.h"
#include "schrift.h"
#include "steuerelemente.h"
#include "umwandlung.h"

#include <QAction>
#include <QPainter>
#include <QStyle>

namespace {

QString objektname(std::string_view name, int index) {
    const QString basis = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return index < 0 ? basis : basis + "(" + QString::number(index) + ")";
}

template <typename typ> void einordnen(std::vector<typ*>& feld, int index, typ* element) {
    if (static_cast<int>(feld.size()) <= index) {
        feld.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    feld[static_cast<std::size_t>(index)] = element;
}

} // namespace

MainForm::MainForm() {
    setWindowTitle(fenstertitel);
    setWindowIcon(QIcon(":/tamvoril.png"));
    setPalette(fensterpalette());
    setAutoFillBackground(true); // also inside the scrolling frame
    steuerelementeAnlegen();
    massstabSetzen(1.0);
    fokusfolgeSetzen();
    auswahlknoepfeEinrichten();
    ordnerwahlEinrichten();
    sucheEinrichten();
    Text2->setPlaceholderText(ausUtf8(pfadhinweis));
    Label8 = static_cast<QLabel*>(element("Label8"));
    // Enter in the editable box is "Fertig".
    connect(Text2, &QLineEdit::returnPressed, this, [this] {
        if (pfadAktiv()) {
            Command3_Click();
        }
    });
    setzePfadAktiv(false);
    setzePfadfarbe(pfadfarbe::bildlaufleiste);
    waechter_ = new dateiwaechter(this, [this] { dateiPruefen(); });
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
        case rolle::suchknopf:
            w = Command4 = knopfAnlegen(text, [this] { suchknopfGedrueckt(); });
            break;
        case rolle::sicherungsknopf:
            w = knopfAnlegen(text, [this] { sicherungenZeigen(); });
            break;
        }
        w->setObjectName(objektname(e.name, e.index));
        platziert_.emplace_back(w, &e);
        const std::string_view vorlesen = e.vorlesename.empty() ? e.text : e.vorlesename;
        w->setAccessibleName(
            QString::fromUtf8(vorlesen.data(), static_cast<qsizetype>(vorlesen.size())));
        steuerelemente_[{std::string(e.name), e.index}] = w;
    }
}

void MainForm::massstabSetzen(double massstab) {
    if (massstab == massstab_) {
        return;
    }
    massstab_ = massstab;
    setFixedSize(pixel(fensterbreite, massstab), pixel(fensterhoehe, massstab));
    // The controls of the default font inherit it from the form.
    setFont(schrift(schriftart::standard, massstab));
    for (const auto& [w, e] : platziert_) {
        const int links = pixel(e->links, massstab);
        const int oben = pixel(e->oben, massstab);
        w->setGeometry(links, oben, pixel(e->links + e->breite, massstab) - links,
                       pixel(e->oben + e->hoehe, massstab) - oben);
        if (e->schrift != schriftart::standard) {
            w->setFont(schrift(e->schrift, massstab));
        }
    }
    update();
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
    ordnerwahl_ = Text2->addAction(QIcon(), QLineEdit::TrailingPosition);
    // The folder icon comes from the desktop's icon theme, a search of some
    // hundred files: made when the button first shows, which at most starts
    // is never, since a saved folder locks the path box.
    ordnerwahl_->setVisible(false);
    connect(ordnerwahl_, &QAction::visibleChanged, this, [this] {
        if (ordnerwahl_->isVisible() && ordnerwahl_->icon().isNull()) {
            ordnerwahl_->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
        }
    });
#ifdef Q_OS_WIN
    ordnerwahl_->setToolTip("Ordner wählen … (Strg+O, mit Umschalt nur Ordner)");
#else
    ordnerwahl_->setToolTip("Ordner wählen … (Strg+O)");
#endif
    ordnerwahl_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ordnerwahl_->setShortcutContext(Qt::WidgetShortcut);
    connect(ordnerwahl_, &QAction::triggered, this,
            [this] { ausfuehren([this] { ordnerWaehlen(); }); });
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
            maler.drawLine(pixel(e.links, massstab_), pixel(e.oben, massstab_),
                           pixel(e.links + e.breite, massstab_),
                           pixel(e.oben + e.hoehe, massstab_));
        }
    }
}

ablage::auswahl MainForm::auswahlDesKnopfs(int index) {
    return index <= 4 ? ablage::auswahl::fahrzeug : ablage::auswahl::route;
}
