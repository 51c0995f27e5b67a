// The window's side of following the settings file on disk; what counts as
// a change and whether the fields may follow is the editing logic's.

#include "mainform.h"

#include <QApplication>
#include <QLineEdit>

void MainForm::dateiPruefen() {
    if (laeuft_ || QApplication::activeModalWidget() != nullptr) {
        return; // the next notice or poll comes
    }
    auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    const int stelle = feld != nullptr ? feld->cursorPosition() : 0;
    ausfuehren([this] { formular_.stillNachladen(); });
    if (feld != nullptr && feld == QApplication::focusWidget()) {
        feld->setCursorPosition(stelle);
    }
}
