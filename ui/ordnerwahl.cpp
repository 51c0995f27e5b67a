// The chooser behind the folder button in the path box and Ctrl+O: it shows
// the settings file, and takes either a folder or the settings file, whose
// folder is meant.

#include "dateien.h"
#include "laufzeitfehler.h"
#include "mainform.h"
#include "ordnerpfad.h"
#include "steuerelemente.h"
#include "umwandlung.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

// Whether the typed text names a folder to start the dialog in. A name no
// file can have (a NUL, on Windows a character that Windows forbids) names
// none: the dialog opens all the same, so that the user can pick one.
bool startordnerGetippt(const std::string& text) {
    try {
        return ordnerExistiert(text);
    } catch (const laufzeitfehler&) {
        return false;
    }
}

// A file dialog in which accepting a folder, or nothing in the folder
// shown, takes that folder instead of opening it. Only Qt's own dialog
// calls this; the system's dialog returns files alone.
class ordnerOderDatei : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    QString ordner; // the folder taken, where one was

    void accept() override {
        const QString gewaehlt = selectedFiles().value(0);
        if (gewaehlt.isEmpty() || QFileInfo(gewaehlt).isDir()) {
            ordner = gewaehlt.isEmpty() ? directory().absolutePath() : gewaehlt;
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

void MainForm::ordnerWaehlen() {
    sucheBeenden(); // the user's choice wins
    const QString start = startordnerGetippt(pfadtext()) ? Text2->text() : QDir::homePath();
    ordnerOderDatei dialog(this, "Ordner wählen", start);
    const QString datei = ausUtf8(profilformular::einstellungsdatei);
    dialog.setNameFilters({"Einstellungsdatei (" + datei + ")", "Alle Dateien (*)"});
#ifdef Q_OS_WIN
    // The system's file dialog shows the file but takes no folder: with
    // Shift its folder dialog opens instead.
    const bool nurOrdner = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    dialog.setFileMode(nurOrdner ? QFileDialog::Directory : QFileDialog::ExistingFile);
#else
    // The system's folder dialogs here hide files, and its file dialogs take
    // no folder: Qt's own does both.
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QString ordner = dialog.ordner;
    if (ordner.isEmpty()) {
        const QFileInfo gewaehlt(dialog.selectedFiles().value(0));
        if (gewaehlt.filePath().isEmpty()) {
            return;
        }
        ordner = gewaehlt.isDir() ? gewaehlt.filePath() : gewaehlt.absolutePath();
    }
    setzePfadtext(mitTrenner(alsUtf8(QDir::toNativeSeparators(ordner))));
}
