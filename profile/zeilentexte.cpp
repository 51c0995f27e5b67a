#include "zeilentexte.h"

std::string ordnerFehltText(const std::string& ordner) {
    return "Der Ordner „" + ordner +
           "“ existiert nicht. Bitte über „Pfad“ einen anderen Ordner wählen.";
}

std::string dateiFehltText(const std::string& ordner) {
    return "Im Ordner „" + ordner +
           "“ liegt keine ApplicationSettings.xml. Bitte über „Pfad“ einen anderen Ordner wählen.";
}

std::string gespeichertText(const std::string& uhrzeit, const std::string& sicherung) {
    return "Gespeichert um " + uhrzeit + " – Sicherung: " + sicherung;
}

std::string nichtsGeaendertText() {
    return "Nichts geändert";
}

std::string schreibgeschuetztText(const std::string& datei) {
    return "Die Datei „" + datei +
           "“ ist schreibgeschützt, nichts wurde geschrieben. Bitte den Schreibschutz der Datei "
           "aufheben (Eigenschaften der Datei) und dann noch einmal übernehmen.";
}
