// The start benchmark's floor: a bare Qt window with the controls of the
// layout table, each as the same kind of widget with the same text, place and
// font, the separator line drawn, in the same style. Nothing else: no
// settings, no file read, no logic. With TAMVORIL_STARTMESSUNG set it reports
// its first paint as the program does.

#include "layouttabelle.h"
#include "massstab.h"
#include "schrift.h"
#include "startmessung.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

class flaeche : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        for (const steuerelement& e : layouttabelle) {
            if (e.aufgabe == rolle::linie) {
                maler.drawLine(pixel(e.links, 1.0), pixel(e.oben, 1.0),
                               pixel(e.links + e.breite, 1.0), pixel(e.oben + e.hoehe, 1.0));
            }
        }
    }
};

QWidget* anlegen(const steuerelement& e, QWidget* eltern) {
    const QString text = QString::fromUtf8(e.text.data(), static_cast<qsizetype>(e.text.size()));
    switch (e.aufgabe) {
    case rolle::linie:
        return nullptr;
    case rolle::beschriftung:
    case rolle::ueberschrift: {
        auto* label = new QLabel(text, eltern);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case rolle::feld:
    case rolle::pfadfeld:
    case rolle::ergebnis:
        return new QLineEdit(text, eltern);
    case rolle::auswahlknopf:
    case rolle::uebernahmeknopf:
    case rolle::pfadknopf:
    case rolle::suchknopf:
    case rolle::sicherungsknopf:
        break;
    }
    return new QPushButton(text, eltern);
}

} // namespace

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QApplication::setStyle("Fusion");
    schriftenEinrichten();

    flaeche fenster;
    fenster.setWindowTitle("Tamvoril");
    fenster.setFixedSize(pixel(fensterbreite, 1.0), pixel(fensterhoehe, 1.0));
    for (const steuerelement& e : layouttabelle) {
        if (QWidget* w = anlegen(e, &fenster)) {
            const int links = pixel(e.links, 1.0);
            const int oben = pixel(e.oben, 1.0);
            w->setGeometry(links, oben, pixel(e.links + e.breite, 1.0) - links,
                           pixel(e.oben + e.hoehe, 1.0) - oben);
            if (e.schrift != schriftart::standard) {
                w->setFont(schrift(e.schrift));
            }
        }
    }
    startmessung::einrichten(fenster);
    fenster.show();
    return QApplication::exec();
}
