// Closing the window with fields edited and not applied asks before the
// edits are lost; the logic knows what the last load put into the fields.

#include "mainform.h"
#include "meldungen.h"
#include "meldungsknoepfe.h"

#include <QCloseEvent>
#include <QMessageBox>

bool MainForm::schliessenErlaubt() {
    if (!formular_.bearbeitet()) {
        return true;
    }
    QMessageBox box(QMessageBox::Question, fenstertitel,
                    QString::fromStdString(meldungstext(meldung::verwerfen, {})),
                    QMessageBox::Yes | QMessageBox::No, this);
    // Enter keeps the edits.
    box.setDefaultButton(QMessageBox::No);
    deutscheKnoepfe(box);
    return box.exec() == QMessageBox::Yes;
}

void MainForm::closeEvent(QCloseEvent* ereignis) {
    ereignis->setAccepted(schliessenErlaubt());
}

void MainForm::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    // The window is the scrolling frame once the form has been put into it.
    if (window() != this) {
        window()->installEventFilter(this);
    }
}

bool MainForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == window() && objekt != this && ereignis->type() == QEvent::Close &&
        !schliessenErlaubt()) {
        ereignis->ignore();
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}
