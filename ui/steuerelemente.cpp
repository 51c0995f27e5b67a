#include "steuerelemente.h"

#include "farben.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <limits>

textfeld::textfeld(QWidget* eltern) : QLineEdit(eltern) {
    // The boxes are 19 pixels high, one less than the style asks for with
    // the default font: take that pixel from the room above the text.
    setTextMargins(0, -1, 0, 0);
    // A value passage of a broken file can be longer than the default limit
    // of 32767 characters; a cut text would be written back cut.
    setMaxLength(std::numeric_limits<int>::max());
}

void textfeld::focusOutEvent(QFocusEvent* ereignis) {
    QLineEdit::focusOutEvent(ereignis);
    if (ereignis->reason() != Qt::ActiveWindowFocusReason &&
        ereignis->reason() != Qt::PopupFocusReason) {
        emit verlassen();
    }
}

void textfeld::markieren(markierung art, const QString& grund) {
    // After every load each field is marked: most stay as they were.
    if (art == markierung_ && toolTip() == grund) {
        return;
    }
    setToolTip(grund);
    setAccessibleDescription(grund);
    markierung_ = art;
    if (art == markierung::nichtGeladen) {
        QPalette p = palette();
        p.setColor(QPalette::Base, nichtGeladenGrund());
        p.setColor(QPalette::Text, nichtGeladenText());
        setPalette(p);
    } else {
        setPalette(QPalette()); // the window's palette again
    }
    update();
}

void textfeld::paintEvent(QPaintEvent* ereignis) {
    QLineEdit::paintEvent(ereignis);
    if (markierung_ != markierung::abgelehnt) {
        return;
    }
    // Drawn over the style's frame, inside the field's own rectangle, so it
    // never covers a neighbour.
    constexpr int breite = 2;
    QPainter maler(this);
    const QColor farbe = fehlerfarbe();
    maler.fillRect(0, 0, width(), breite, farbe);
    maler.fillRect(0, height() - breite, width(), breite, farbe);
    maler.fillRect(0, 0, breite, height(), farbe);
    maler.fillRect(width() - breite, 0, breite, height(), farbe);
}

knopf::knopf(const QString& beschriftung, QWidget* eltern) : QPushButton(beschriftung, eltern) {
    setFocusPolicy(Qt::StrongFocus);
}

void knopf::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (isChecked()) {
        option.palette.setColor(QPalette::Button, auswahlfarbe());
    }
    const QString beschriftung = option.text;
    option.text.clear();
    maler.drawControl(QStyle::CE_PushButton, option);
    const QRect innen = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    maler.drawItemText(innen, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                       option.palette, isEnabled(), beschriftung, QPalette::ButtonText);
}
