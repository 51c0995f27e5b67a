#include "fensterrahmen.h"

#include "mainform.h"
#include "massstab.h"

#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>

fensterrahmen::fensterrahmen() : formular_(new MainForm) {
    setWindowTitle(formular_->windowTitle());
    setWindowIcon(formular_->windowIcon());
    setPalette(formular_->palette());
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // not a stop of the form's focus order
    setWidget(formular_);
    // Reparenting cleared the form's focus.
    formular_->element("Text1", 0)->setFocus();
}

void fensterrahmen::showEvent(QShowEvent* ereignis) {
    QScrollArea::showEvent(ereignis);
    einpassen();
    if (!gezeigt_) {
        gezeigt_ = true;
        // Once shown, the window manager's frame is known: fit again with it.
        QTimer::singleShot(0, this, [this] { einpassen(); });
    }
}

void fensterrahmen::moveEvent(QMoveEvent* ereignis) {
    QScrollArea::moveEvent(ereignis);
    // A window manager may frame the window only after it was shown, and
    // reports the frame with the move that puts the window inside it.
    if (gezeigt_ && !einpassend_ && frameGeometry().size() - size() != rand_) {
        einpassen();
    }
}

void fensterrahmen::einpassen() {
    einpassend_ = true;
    const QRect platz = platz_.isValid() ? platz_ : screen()->availableGeometry();
    const QSize rand = frameGeometry().size() - size(); // none before the first show
    rand_ = rand;
    const QSize frei = platz.size() - rand;
    formular_->massstabSetzen(passenderMassstab(frei));
    const QSize inhalt = formular_->size();
    if (inhalt.width() <= frei.width() && inhalt.height() <= frei.height()) {
        setFixedSize(inhalt);
    } else {
        const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        bool senkrecht = inhalt.height() > frei.height();
        const bool waagrecht = inhalt.width() + (senkrecht ? leiste : 0) > frei.width();
        senkrecht = senkrecht || (waagrecht && inhalt.height() + leiste > frei.height());
        const QSize voll = inhalt + QSize(senkrecht ? leiste : 0, waagrecht ? leiste : 0);
        setMinimumSize(0, 0);
        setMaximumSize(voll);
        resize(voll.boundedTo(frei));
    }
    // Windows places a new window where it places every new one, cascading,
    // whether it fits there or not: the window is moved inside the screen.
    if (isVisible()) {
        const QRect aussen = frameGeometry();
        move(std::clamp(aussen.x(), platz.left(),
                        std::max(platz.left(), platz.right() + 1 - aussen.width())),
             std::clamp(aussen.y(), platz.top(),
                        std::max(platz.top(), platz.bottom() + 1 - aussen.height())));
    }
    einpassend_ = false;
}
