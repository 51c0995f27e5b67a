#pragma once

#include <stdexcept>
#include <string>

// The one error type of the editing logic: a runtime error number with its
// German message, which comes from the table of messages (meldungen.h). The
// window reports it at its event boundary, the message first and the number
// with its standard text on a line of its own. Inside
// the logic two places handle it: the load takes "file not found" (53) for
// "ini.txt" as a first start, and the write guard takes a field that does not
// read as a number for what it is and names it in an error of its own. Other
// places catch it only to undo a step and raise it again.
class laufzeitfehler : public std::runtime_error {
  public:
    enum fehlernummer : int {
        ungueltigesArgument = 5,
        ueberlauf = 6,
        speichermangel = 7,
        typenUnvertraeglich = 13,
        dateinameFalsch = 52,
        dateiNichtGefunden = 53,
        hinterDateiende = 62,
        zugriffVerweigert = 70,
        pfadZugriffsfehler = 75,
        elementFehlt = 340,
    };

    // The standard description of the number as the message, for errors
    // that the logic catches and says again in words of its own.
    explicit laufzeitfehler(fehlernummer n);
    laufzeitfehler(fehlernummer n, const std::string& meldung);

    int nummer() const { return nummer_; }
    // The message, UTF-8, ready for the window's message box.
    std::string beschreibung() const { return what(); }
    // "Fehlernummer 13: Typen unverträglich".
    std::string nummernzeile() const;

    static std::string standardtext(fehlernummer n);

  private:
    int nummer_;
};
