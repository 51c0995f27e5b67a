#pragma once

#include <string>

// The texts of the lines the window shows without a box, and of the
// refusal of a read-only settings file, kept together in one place. UTF-8.

// The note by the path box at a load: the folder `ordner` is missing, or
// holds no settings file.
std::string ordnerFehltText(const std::string& ordner);
std::string dateiFehltText(const std::string& ordner);

// The line after a write at the local time `uhrzeit` ("16:59:09") that kept
// the backup `sicherung` (its name, without folder); "Nichts geändert" for
// a write that found nothing to change.
std::string gespeichertText(const std::string& uhrzeit, const std::string& sicherung);
std::string nichtsGeaendertText();

// Error 70 before the question: the settings file `datei` cannot be written.
std::string schreibgeschuetztText(const std::string& datei);
