#pragma once

#include <QFont>
#include <QString>

#include <string>
#include <vector>

// The writers' list of changes as the question box's second text, in the
// box's font: the lines in their order, as they are (blanks included,
// nothing read as markup), in two columns where one column would be too
// high and two fit side by side, so that a list of all 57 fields fits a
// 1366 × 768 screen. Lines too wide for the box wrap. The lines are UTF-8.
QString aenderungsliste(const std::vector<std::string>& zeilen, const QFont& schrift);
