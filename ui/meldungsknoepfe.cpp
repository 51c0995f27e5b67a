#include "meldungsknoepfe.h"

#include <QAbstractButton>
#include <QMessageBox>

void deutscheKnoepfe(QMessageBox& box) {
    const struct {
        QMessageBox::StandardButton knopf;
        const char* text;
    } texte[] = {{QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nein"}, {QMessageBox::Ok, "OK"}};
    for (const auto& t : texte) {
        if (QAbstractButton* k = box.button(t.knopf)) {
            k->setText(t.text);
        }
    }
}
