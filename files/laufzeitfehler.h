#pragma once

#include <stdexcept>
#include <string>

// The one error type of the editing logic: a runtime error number with its
// German description. The window reports it at its event boundary. Inside
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

    // The standard description of the number.
    explicit laufzeitfehler(fehlernummer n);
    // The standard description followed by a detail (which file, which group).
    laufzeitfehler(fehlernummer n, const std::string& einzelheit);

    int nummer() const { return nummer_; }
    // UTF-8, ready for the window's message box.
    std::string beschreibung() const { return what(); }

    static std::string standardtext(fehlernummer n);

  private:
    int nummer_;
};
