#pragma once

#include <QString>

#include <string>
#include <vector>

// The writers' list of changes as the question box's second text: the lines
// in their order, as they are (blanks included, nothing read as markup), in
// two columns once one column would be too high, so that a list of all 57
// fields fits a 1366 × 768 screen. The lines are UTF-8.
QString aenderungsliste(const std::vector<std::string>& zeilen);
