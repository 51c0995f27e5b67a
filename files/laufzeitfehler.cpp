#include "laufzeitfehler.h"

std::string laufzeitfehler::standardtext(fehlernummer n) {
    switch (n) {
    case ungueltigesArgument:
        return "Ungültiger Prozeduraufruf oder ungültiges Argument";
    case ueberlauf:
        return "Überlauf";
    case speichermangel:
        return "Nicht genügend Speicher";
    case typenUnvertraeglich:
        return "Typen unverträglich";
    case dateinameFalsch:
        return "Dateiname oder -nummer falsch";
    case dateiNichtGefunden:
        return "Datei nicht gefunden";
    case hinterDateiende:
        return "Einlesen hinter Dateiende";
    case zugriffVerweigert:
        return "Zugriff verweigert";
    case pfadZugriffsfehler:
        return "Fehler beim Zugriff auf Pfad/Datei";
    case elementFehlt:
        return "Steuerelementfeld-Element existiert nicht";
    }
    return "Unbekannter Fehler";
}

laufzeitfehler::laufzeitfehler(fehlernummer n) : std::runtime_error(standardtext(n)), nummer_(n) {}

laufzeitfehler::laufzeitfehler(fehlernummer n, const std::string& meldung)
    : std::runtime_error(meldung), nummer_(n) {}

std::string laufzeitfehler::nummernzeile() const {
    return "Fehlernummer " + std::to_string(nummer_) + ": " +
           standardtext(static_cast<fehlernummer>(nummer_));
}
