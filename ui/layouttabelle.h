#pragma once

#include <array>
#include <string_view>

// Every control of the main window, written once. Positions and sizes are in
// twips (15 twips make one device-independent pixel); captions are UTF-8.
//
// For the line, Left/Top is its first end point and Width/Height the offset
// to the second.

// What each control is for; its kind of widget follows from that.
enum class rolle {
    beschriftung,    // a static label: row titles, road-class captions
    ueberschrift,    // Label3: the headings and the selected profiles' captions
    linie,           // Line1, drawn on the form
    feld,            // Text1: an editable value
    pfadfeld,        // Text2: the settings folder
    ergebnis,        // Text3: a result product
    auswahlknopf,    // Command1: selects a vehicle or route profile
    uebernahmeknopf, // Command2: writes the vehicle or the route half
    pfadknopf,       // Command3: edits and saves the settings folder
    suchknopf,       // Command4: searches the home folder for the settings file
    sicherungsknopf, // opens the backups of the settings file
};

// "MS Sans Serif" bold at 13.5, 9.75 and 8.25 points, or the window's default
// font at regular weight.
enum class schriftart { standard, titel, zeilentitel, klein };

struct steuerelement {
    std::string_view name;
    int index; // -1 for a control that is not part of an array
    rolle aufgabe;
    std::string_view text;
    int links;
    int oben;
    int breite;
    int hoehe;
    schriftart schrift;
    std::string_view vorlesename; // for screen readers; empty: the text
};

inline constexpr int twipsProPixel = 15;
inline constexpr int fensterbreite = 11805;
inline constexpr int fensterhoehe = 11115;

// clang-format off
inline constexpr std::array<steuerelement, 166> layouttabelle{{
    // Row "Preverenz City Fahrzeug": title, road-class captions, fields 0 to 7
    {"Label2", 0, rolle::beschriftung, "Preverenz City Fahrzeug", 120, 720, 1095, 735, schriftart::zeilentitel, ""},
    {"Label1", 0, rolle::beschriftung, "Autobahn", 1440, 720, 1095, 285, schriftart::standard, ""},
    {"Label1", 1, rolle::beschriftung, "Schnellstraße", 2640, 720, 1095, 285, schriftart::standard, ""},
    {"Label1", 2, rolle::beschriftung, "Bundesstraße", 3960, 720, 1095, 285, schriftart::standard, ""},
    {"Label1", 3, rolle::beschriftung, "Landstraße", 5280, 720, 1095, 285, schriftart::standard, ""},
    {"Label1", 4, rolle::beschriftung, "Ortsdurchfahrt", 6600, 720, 1095, 285, schriftart::standard, ""},
    {"Label1", 5, rolle::beschriftung, "Nebenstraße", 7920, 720, 1095, 285, schriftart::standard, ""},
    {"Label1", 6, rolle::beschriftung, "Gasse ", 9240, 720, 1095, 285, schriftart::standard, ""},
    {"Label1", 7, rolle::beschriftung, "Wohnstraße", 10560, 720, 1095, 285, schriftart::standard, ""},
    {"Text1", 0, rolle::feld, "", 1320, 1080, 1095, 285, schriftart::standard, "Preverenz City Fahrzeug, Autobahn"},
    {"Text1", 1, rolle::feld, "", 2640, 1080, 1095, 285, schriftart::standard, "Preverenz City Fahrzeug, Schnellstraße"},
    {"Text1", 2, rolle::feld, "", 3960, 1080, 1095, 285, schriftart::standard, "Preverenz City Fahrzeug, Bundesstraße"},
    {"Text1", 3, rolle::feld, "", 5280, 1080, 1095, 285, schriftart::standard, "Preverenz City Fahrzeug, Landstraße"},
    {"Text1", 4, rolle::feld, "", 6600, 1080, 1095, 285, schriftart::standard, "Preverenz City Fahrzeug, Ortsdurchfahrt"},
    {"Text1", 5, rolle::feld, "", 7920, 1080, 1095, 285, schriftart::standard, "Preverenz City Fahrzeug, Nebenstraße"},
    {"Text1", 6, rolle::feld, "", 9240, 1080, 1095, 285, schriftart::standard, "Preverenz City Fahrzeug, Gasse"},
    {"Text1", 7, rolle::feld, "", 10560, 1080, 1095, 285, schriftart::standard, "Preverenz City Fahrzeug, Wohnstraße"},
    // Row "Geschw. City": title, road-class captions, fields 20 to 27
    {"Label2", 3, rolle::beschriftung, "Geschw. City", 90, 1545, 1095, 615, schriftart::zeilentitel, ""},
    {"Label1", 23, rolle::beschriftung, "Autobahn", 1440, 1560, 1095, 285, schriftart::standard, ""},
    {"Label1", 22, rolle::beschriftung, "Schnellstraße", 2640, 1560, 1095, 285, schriftart::standard, ""},
    {"Label1", 21, rolle::beschriftung, "Bundesstraße", 3960, 1560, 1095, 285, schriftart::standard, ""},
    {"Label1", 20, rolle::beschriftung, "Landstraße", 5280, 1560, 1095, 285, schriftart::standard, ""},
    {"Label1", 19, rolle::beschriftung, "Ortsdurchfahrt", 6600, 1560, 1095, 285, schriftart::standard, ""},
    {"Label1", 18, rolle::beschriftung, "Nebenstraße", 7920, 1560, 1095, 285, schriftart::standard, ""},
    {"Label1", 17, rolle::beschriftung, "Gasse ", 9240, 1560, 1095, 285, schriftart::standard, ""},
    {"Label1", 16, rolle::beschriftung, "Wohnstraße", 10560, 1560, 1095, 285, schriftart::standard, ""},
    {"Text1", 20, rolle::feld, "", 1320, 1800, 1095, 285, schriftart::standard, "Geschw. City, Autobahn"},
    {"Text1", 21, rolle::feld, "", 2640, 1800, 1095, 285, schriftart::standard, "Geschw. City, Schnellstraße"},
    {"Text1", 22, rolle::feld, "", 3960, 1800, 1095, 285, schriftart::standard, "Geschw. City, Bundesstraße"},
    {"Text1", 23, rolle::feld, "", 5280, 1800, 1095, 285, schriftart::standard, "Geschw. City, Landstraße"},
    {"Text1", 24, rolle::feld, "", 6600, 1800, 1095, 285, schriftart::standard, "Geschw. City, Ortsdurchfahrt"},
    {"Text1", 25, rolle::feld, "", 7920, 1800, 1095, 285, schriftart::standard, "Geschw. City, Nebenstraße"},
    {"Text1", 26, rolle::feld, "", 9240, 1800, 1095, 285, schriftart::standard, "Geschw. City, Gasse"},
    {"Text1", 27, rolle::feld, "", 10560, 1800, 1095, 285, schriftart::standard, "Geschw. City, Wohnstraße"},
    // Row "Preverenz Außerorts Fahrzeug": title, road-class captions, fields 8 to 15
    {"Label2", 1, rolle::beschriftung, "Preverenz Außerorts Fahrzeug", 120, 2280, 1095, 735, schriftart::zeilentitel, ""},
    {"Label1", 15, rolle::beschriftung, "Autobahn", 1440, 2280, 1095, 285, schriftart::standard, ""},
    {"Label1", 14, rolle::beschriftung, "Schnellstraße", 2640, 2280, 1095, 285, schriftart::standard, ""},
    {"Label1", 13, rolle::beschriftung, "Bundesstraße", 3960, 2280, 1095, 285, schriftart::standard, ""},
    {"Label1", 12, rolle::beschriftung, "Landstraße", 5280, 2280, 1095, 285, schriftart::standard, ""},
    {"Label1", 11, rolle::beschriftung, "Ortsdurchfahrt", 6600, 2280, 1095, 285, schriftart::standard, ""},
    {"Label1", 10, rolle::beschriftung, "Nebenstraße", 7920, 2280, 1095, 285, schriftart::standard, ""},
    {"Label1", 9, rolle::beschriftung, "Gasse ", 9240, 2280, 1095, 285, schriftart::standard, ""},
    {"Label1", 8, rolle::beschriftung, "Feldweg", 10560, 2280, 1095, 285, schriftart::standard, ""},
    {"Text1", 8, rolle::feld, "", 1320, 2640, 1095, 285, schriftart::standard, "Preverenz Außerorts Fahrzeug, Autobahn"},
    {"Text1", 9, rolle::feld, "", 2640, 2640, 1095, 285, schriftart::standard, "Preverenz Außerorts Fahrzeug, Schnellstraße"},
    {"Text1", 10, rolle::feld, "", 3960, 2640, 1095, 285, schriftart::standard, "Preverenz Außerorts Fahrzeug, Bundesstraße"},
    {"Text1", 11, rolle::feld, "", 5280, 2640, 1095, 285, schriftart::standard, "Preverenz Außerorts Fahrzeug, Landstraße"},
    {"Text1", 12, rolle::feld, "", 6600, 2640, 1095, 285, schriftart::standard, "Preverenz Außerorts Fahrzeug, Ortsdurchfahrt"},
    {"Text1", 13, rolle::feld, "", 7920, 2640, 1095, 285, schriftart::standard, "Preverenz Außerorts Fahrzeug, Nebenstraße"},
    {"Text1", 14, rolle::feld, "", 9240, 2640, 1095, 285, schriftart::standard, "Preverenz Außerorts Fahrzeug, Gasse"},
    {"Text1", 15, rolle::feld, "", 10560, 2640, 1095, 285, schriftart::standard, "Preverenz Außerorts Fahrzeug, Feldweg"},
    // Row "Geschw. Außerorts": title, road-class captions, fields 28 to 35
    {"Label2", 4, rolle::beschriftung, "Geschw. Außerorts", 120, 3120, 1095, 735, schriftart::zeilentitel, ""},
    {"Label1", 24, rolle::beschriftung, "Autobahn", 1440, 3120, 1095, 285, schriftart::standard, ""},
    {"Label1", 25, rolle::beschriftung, "Schnellstraße", 2640, 3120, 1095, 285, schriftart::standard, ""},
    {"Label1", 26, rolle::beschriftung, "Bundesstraße", 3960, 3120, 1095, 285, schriftart::standard, ""},
    {"Label1", 27, rolle::beschriftung, "Landstraße", 5280, 3120, 1095, 285, schriftart::standard, ""},
    {"Label1", 28, rolle::beschriftung, "Ortsdurchfahrt", 6600, 3120, 1095, 285, schriftart::standard, ""},
    {"Label1", 29, rolle::beschriftung, "Nebenstraße", 7920, 3120, 1095, 285, schriftart::standard, ""},
    {"Label1", 30, rolle::beschriftung, "Gasse ", 9240, 3120, 1095, 285, schriftart::standard, ""},
    {"Label1", 31, rolle::beschriftung, "Feldweg", 10560, 3120, 1095, 285, schriftart::standard, ""},
    {"Text1", 28, rolle::feld, "", 1320, 3480, 1095, 285, schriftart::standard, "Geschw. Außerorts, Autobahn"},
    {"Text1", 29, rolle::feld, "", 2640, 3480, 1095, 285, schriftart::standard, "Geschw. Außerorts, Schnellstraße"},
    {"Text1", 30, rolle::feld, "", 3960, 3480, 1095, 285, schriftart::standard, "Geschw. Außerorts, Bundesstraße"},
    {"Text1", 31, rolle::feld, "", 5280, 3480, 1095, 285, schriftart::standard, "Geschw. Außerorts, Landstraße"},
    {"Text1", 32, rolle::feld, "", 6600, 3480, 1095, 285, schriftart::standard, "Geschw. Außerorts, Ortsdurchfahrt"},
    {"Text1", 33, rolle::feld, "", 7920, 3480, 1095, 285, schriftart::standard, "Geschw. Außerorts, Nebenstraße"},
    {"Text1", 34, rolle::feld, "", 9240, 3480, 1095, 285, schriftart::standard, "Geschw. Außerorts, Gasse"},
    {"Text1", 35, rolle::feld, "", 10560, 3480, 1095, 285, schriftart::standard, "Geschw. Außerorts, Feldweg"},
    // Row "Preverenz City  Route": title, road-class captions, fields 36 to 43
    {"Label2", 7, rolle::beschriftung, "Preverenz City  Route", 150, 6120, 1095, 735, schriftart::zeilentitel, ""},
    {"Label1", 39, rolle::beschriftung, "Autobahn", 1470, 6120, 1095, 285, schriftart::standard, ""},
    {"Label1", 38, rolle::beschriftung, "Schnellstraße", 2670, 6120, 1095, 285, schriftart::standard, ""},
    {"Label1", 37, rolle::beschriftung, "Bundesstraße", 3990, 6120, 1095, 285, schriftart::standard, ""},
    {"Label1", 36, rolle::beschriftung, "Landstraße", 5310, 6120, 1095, 285, schriftart::standard, ""},
    {"Label1", 35, rolle::beschriftung, "Ortsdurchfahrt", 6630, 6120, 1095, 285, schriftart::standard, ""},
    {"Label1", 34, rolle::beschriftung, "Nebenstraße", 7950, 6120, 1095, 285, schriftart::standard, ""},
    {"Label1", 33, rolle::beschriftung, "Gasse ", 9270, 6120, 1095, 285, schriftart::standard, ""},
    {"Label1", 32, rolle::beschriftung, "Wohnstraße", 10590, 6120, 1095, 285, schriftart::standard, ""},
    {"Text1", 36, rolle::feld, "", 1290, 6525, 1095, 285, schriftart::standard, "Preverenz City  Route, Autobahn"},
    {"Text1", 37, rolle::feld, "", 2610, 6525, 1095, 285, schriftart::standard, "Preverenz City  Route, Schnellstraße"},
    {"Text1", 38, rolle::feld, "", 3930, 6525, 1095, 285, schriftart::standard, "Preverenz City  Route, Bundesstraße"},
    {"Text1", 39, rolle::feld, "", 5250, 6525, 1095, 285, schriftart::standard, "Preverenz City  Route, Landstraße"},
    {"Text1", 40, rolle::feld, "", 6570, 6525, 1095, 285, schriftart::standard, "Preverenz City  Route, Ortsdurchfahrt"},
    {"Text1", 41, rolle::feld, "", 7890, 6525, 1095, 285, schriftart::standard, "Preverenz City  Route, Nebenstraße"},
    {"Text1", 42, rolle::feld, "", 9210, 6525, 1095, 285, schriftart::standard, "Preverenz City  Route, Gasse"},
    {"Text1", 43, rolle::feld, "", 10530, 6525, 1095, 285, schriftart::standard, "Preverenz City  Route, Wohnstraße"},
    // Row "Preverenz Außerorts Route": title, road-class captions, fields 44 to 51
    {"Label2", 8, rolle::beschriftung, "Preverenz Außerorts Route", 135, 7005, 1095, 735, schriftart::zeilentitel, ""},
    {"Label1", 40, rolle::beschriftung, "Autobahn", 1440, 6945, 1095, 285, schriftart::standard, ""},
    {"Label1", 41, rolle::beschriftung, "Schnellstraße", 2640, 6945, 1095, 285, schriftart::standard, ""},
    {"Label1", 42, rolle::beschriftung, "Bundesstraße", 3960, 6945, 1095, 285, schriftart::standard, ""},
    {"Label1", 43, rolle::beschriftung, "Landstraße", 5280, 6945, 1095, 285, schriftart::standard, ""},
    {"Label1", 44, rolle::beschriftung, "Ortsdurchfahrt", 6600, 6945, 1095, 285, schriftart::standard, ""},
    {"Label1", 45, rolle::beschriftung, "Nebenstraße", 7920, 6945, 1095, 285, schriftart::standard, ""},
    {"Label1", 46, rolle::beschriftung, "Gasse ", 9240, 6945, 1095, 285, schriftart::standard, ""},
    {"Label1", 47, rolle::beschriftung, "Feldweg", 10560, 6945, 1095, 285, schriftart::standard, ""},
    {"Text1", 44, rolle::feld, "", 1290, 7365, 1095, 285, schriftart::standard, "Preverenz Außerorts Route, Autobahn"},
    {"Text1", 45, rolle::feld, "", 2610, 7365, 1095, 285, schriftart::standard, "Preverenz Außerorts Route, Schnellstraße"},
    {"Text1", 46, rolle::feld, "", 3930, 7365, 1095, 285, schriftart::standard, "Preverenz Außerorts Route, Bundesstraße"},
    {"Text1", 47, rolle::feld, "", 5250, 7365, 1095, 285, schriftart::standard, "Preverenz Außerorts Route, Landstraße"},
    {"Text1", 48, rolle::feld, "", 6570, 7365, 1095, 285, schriftart::standard, "Preverenz Außerorts Route, Ortsdurchfahrt"},
    {"Text1", 49, rolle::feld, "", 7890, 7365, 1095, 285, schriftart::standard, "Preverenz Außerorts Route, Nebenstraße"},
    {"Text1", 50, rolle::feld, "", 9210, 7365, 1095, 285, schriftart::standard, "Preverenz Außerorts Route, Gasse"},
    {"Text1", 51, rolle::feld, "", 10530, 7365, 1095, 285, schriftart::standard, "Preverenz Außerorts Route, Feldweg"},
    // Vehicle half: title, selection, specials, selection buttons, apply button
    {"Label3", 2, rolle::ueberschrift, "Fahrzeug:", 0, 120, 1575, 495, schriftart::titel, ""},
    {"Sicherungen", -1, rolle::sicherungsknopf, "&Sicherungen…", 9960, 120, 1725, 375, schriftart::standard, "Sicherungen"},
    {"Label3", 0, rolle::ueberschrift, "PKW schnell", 3840, -390, 2415, 495, schriftart::titel, ""},
    {"Label2", 2, rolle::beschriftung, "Specials", 105, 4185, 1095, 255, schriftart::zeilentitel, ""},
    {"Text1", 16, rolle::feld, "", 1305, 4185, 1095, 285, schriftart::standard, "Specials, 1"},
    {"Text1", 17, rolle::feld, "", 2625, 4185, 1095, 285, schriftart::standard, "Specials, 2"},
    {"Text1", 18, rolle::feld, "", 3945, 4185, 1095, 285, schriftart::standard, "Specials, 3"},
    {"Text1", 19, rolle::feld, "", 5265, 4185, 1095, 285, schriftart::standard, "Specials, 4"},
    {"Label2", 5, rolle::beschriftung, "Fahrzeug", 120, 4920, 1095, 255, schriftart::zeilentitel, ""},
    {"Command2", 0, rolle::uebernahmeknopf, "Änderungen übernehmen", 9960, 4170, 1725, 1140, schriftart::standard, ""},
    {"Command1", 0, rolle::auswahlknopf, "PKW schnell", 1320, 4920, 1095, 375, schriftart::standard, ""},
    {"Command1", 1, rolle::auswahlknopf, "PKW normal", 2640, 4920, 1095, 375, schriftart::standard, ""},
    {"Command1", 2, rolle::auswahlknopf, "PKW langs.", 3960, 4920, 1095, 375, schriftart::standard, ""},
    {"Command1", 3, rolle::auswahlknopf, "Motorrad", 5280, 4920, 1095, 375, schriftart::standard, ""},
    {"Command1", 4, rolle::auswahlknopf, "LKW", 6600, 4920, 1095, 375, schriftart::standard, ""},
    // Separator between the halves: from (Left, Top) by (Width, Height)
    {"Line1", -1, rolle::linie, "", 0, 5415, 11805, -15, schriftart::standard, ""},
    // Route half
    {"Label3", 3, rolle::ueberschrift, "Route:", 120, 5520, 1095, 495, schriftart::titel, ""},
    {"Label3", 1, rolle::ueberschrift, "Schnelle", 1320, 5520, 2415, 495, schriftart::titel, ""},
    {"Label2", 9, rolle::beschriftung, "Specials Route", 30, 7980, 1095, 585, schriftart::zeilentitel, ""},
    {"Text1", 52, rolle::feld, "", 1290, 8055, 1095, 285, schriftart::standard, "Specials Route, 1"},
    {"Text1", 53, rolle::feld, "", 2610, 8055, 1095, 285, schriftart::standard, "Specials Route, 2"},
    {"Text1", 54, rolle::feld, "", 3975, 8055, 1095, 285, schriftart::standard, "Specials Route, 3"},
    {"Text1", 55, rolle::feld, "", 5265, 8055, 1095, 285, schriftart::standard, "Specials Route, 4"},
    {"Label2", 10, rolle::beschriftung, "Value", 7170, 8040, 720, 255, schriftart::zeilentitel, ""},
    {"Text1", 56, rolle::feld, "", 7905, 8040, 1095, 285, schriftart::standard, "Value"},
    {"Command2", 1, rolle::uebernahmeknopf, "Anderungen übernemen", 9945, 7995, 1725, 1140, schriftart::standard, ""},
    {"Label2", 6, rolle::beschriftung, "Route", 150, 8820, 1095, 255, schriftart::zeilentitel, ""},
    {"Command1", 5, rolle::auswahlknopf, "Schnelle", 1350, 8700, 1095, 375, schriftart::standard, ""},
    {"Command1", 6, rolle::auswahlknopf, "Optimale", 2670, 8700, 1095, 375, schriftart::standard, ""},
    {"Command1", 7, rolle::auswahlknopf, "Kurze", 3990, 8700, 1095, 375, schriftart::standard, ""},
    {"Command1", 8, rolle::auswahlknopf, "Schöne", 5310, 8700, 1095, 375, schriftart::standard, ""},
    // Path row and credit line
    {"Label4", -1, rolle::beschriftung, "Tamvoril 1.0", 9960, 9135, 1695, 225, schriftart::klein, ""},
    {"Command3", -1, rolle::pfadknopf, "Pfad", 75, 9330, 1140, 345, schriftart::standard, ""},
    {"Text2", -1, rolle::pfadfeld, "", 1365, 9360, 9180, 315, schriftart::klein, "Pfad"},
    {"Command4", -1, rolle::suchknopf, "Suchen", 10620, 9345, 1065, 345, schriftart::standard, ""},
    {"Label7", -1, rolle::beschriftung, "", 1365, 9105, 8520, 225, schriftart::klein, "Hinweis"},
    // Results block
    {"Label6", -1, rolle::beschriftung, "Ergebnis", 105, 9795, 1035, 315, schriftart::klein, ""},
    {"Label1", 48, rolle::beschriftung, "Autobahn", 1410, 9795, 1095, 285, schriftart::standard, ""},
    {"Label1", 49, rolle::beschriftung, "Schnellstraße", 2610, 9795, 1095, 285, schriftart::standard, ""},
    {"Label1", 50, rolle::beschriftung, "Bundesstraße", 3930, 9795, 1095, 285, schriftart::standard, ""},
    {"Label1", 51, rolle::beschriftung, "Landstraße", 5250, 9795, 1095, 285, schriftart::standard, ""},
    {"Label1", 52, rolle::beschriftung, "Ortsdurchfahrt", 6570, 9795, 1095, 285, schriftart::standard, ""},
    {"Label1", 53, rolle::beschriftung, "Nebenstraße", 7890, 9795, 1095, 285, schriftart::standard, ""},
    {"Label1", 54, rolle::beschriftung, "Gasse ", 9210, 9795, 1095, 285, schriftart::standard, ""},
    {"Label1", 55, rolle::beschriftung, "Wohnstraße", 10530, 9795, 1095, 285, schriftart::standard, ""},
    {"Label5", 0, rolle::beschriftung, "City", 120, 10110, 1095, 255, schriftart::standard, ""},
    {"Label5", 1, rolle::beschriftung, "Außerorts", 105, 10380, 1095, 255, schriftart::standard, ""},
    {"Text3", 0, rolle::ergebnis, "-", 1305, 10095, 1095, 285, schriftart::standard, "Ergebnis City, Autobahn"},
    {"Text3", 1, rolle::ergebnis, "-", 2610, 10095, 1095, 285, schriftart::standard, "Ergebnis City, Schnellstraße"},
    {"Text3", 2, rolle::ergebnis, "-", 3900, 10095, 1095, 285, schriftart::standard, "Ergebnis City, Bundesstraße"},
    {"Text3", 3, rolle::ergebnis, "-", 5145, 10080, 1095, 285, schriftart::standard, "Ergebnis City, Landstraße"},
    {"Text3", 4, rolle::ergebnis, "-", 6435, 10080, 1095, 285, schriftart::standard, "Ergebnis City, Ortsdurchfahrt"},
    {"Text3", 5, rolle::ergebnis, "-", 7695, 10080, 1095, 285, schriftart::standard, "Ergebnis City, Nebenstraße"},
    {"Text3", 6, rolle::ergebnis, "-", 9075, 10080, 1095, 285, schriftart::standard, "Ergebnis City, Gasse"},
    {"Text3", 7, rolle::ergebnis, "-", 10425, 10065, 1095, 285, schriftart::standard, "Ergebnis City, Wohnstraße"},
    {"Text3", 8, rolle::ergebnis, "-", 1305, 10380, 1095, 285, schriftart::standard, "Ergebnis Außerorts, Autobahn"},
    {"Text3", 9, rolle::ergebnis, "-", 2610, 10410, 1095, 285, schriftart::standard, "Ergebnis Außerorts, Schnellstraße"},
    {"Text3", 10, rolle::ergebnis, "-", 3900, 10410, 1095, 285, schriftart::standard, "Ergebnis Außerorts, Bundesstraße"},
    {"Text3", 11, rolle::ergebnis, "-", 5145, 10395, 1095, 285, schriftart::standard, "Ergebnis Außerorts, Landstraße"},
    {"Text3", 12, rolle::ergebnis, "-", 6435, 10395, 1095, 285, schriftart::standard, "Ergebnis Außerorts, Ortsdurchfahrt"},
    {"Text3", 13, rolle::ergebnis, "-", 7710, 10395, 1095, 285, schriftart::standard, "Ergebnis Außerorts, Nebenstraße"},
    {"Text3", 14, rolle::ergebnis, "-", 9075, 10425, 1095, 285, schriftart::standard, "Ergebnis Außerorts, Gasse"},
    {"Text3", 15, rolle::ergebnis, "-", 10425, 10425, 1095, 285, schriftart::standard, "Ergebnis Außerorts, Wohnstraße"},
    // The line that says what the last write did
    {"Label8", -1, rolle::beschriftung, "", 120, 10770, 11565, 255, schriftart::klein, "Meldung"},
}};
// clang-format on

// The order in which the tab key visits the controls: runs of one array's
// members, first to last index. Labels and the line never take the focus.
struct fokuslauf {
    std::string_view name;
    int von;
    int bis;
};

inline constexpr std::array<fokuslauf, 14> fokusfolge{{
    {"Text1", 0, 7},
    {"Text1", 9, 15},
    {"Text1", 18, 21},
    {"Text1", 8, 8},
    {"Text1", 22, 35},
    {"Text1", 16, 17},
    {"Command1", 0, 8},
    {"Text1", 36, 56},
    {"Command2", 0, 1},
    {"Text2", -1, -1},
    {"Command4", -1, -1},
    {"Command3", -1, -1},
    {"Sicherungen", -1, -1},
    {"Text3", 0, 15},
}};
