// The window's side of following the settings file on disk; what counts as
// a change and whether the fields may follow is the editing logic's.

#include "mainform.h"

#include <QApplication>
#include <QLineEdit>

void MainForm::dateiPruefen() {
    if (laeuft_ || QApplication::activeModalWidget() != nullptr) {
        return; // the next notice or poll comes
    }
    // The focused field keeps its cursor and its selection, so that typing
    // after a reload still replaces what was selected.
    auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    const int stelle = feld != nullptr ? feld->cursorPosition() : 0;
    const int anfang = feld != nullptr ? feld->selectionStart() : -1;
    const int laenge = feld != nullptr ? feld->selectionLength() : 0;
    ausfuehren([this] { formular_.stillNachladen(); }, anlass::hintergrund);
    if (feld == nullptr || feld != QApplication::focusWidget()) {
        return;
    }
    if (anfang >= 0) {
        // Selected from the cursor's side, so the cursor stays where it was.
        const bool vorwaerts = stelle == anfang + laenge;
        feld->setSelection(vorwaerts ? anfang : anfang + laenge, vorwaerts ? laenge : -laenge);
    } else {
        feld->setCursorPosition(stelle);
    }
}
