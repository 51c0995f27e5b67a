#include "aenderungsliste.h"

#include <QStringList>

#include <algorithm>
#include <span>

namespace {

// More lines than this go into two columns: a whole half's list stands one
// below the other only where the screen is high enough for it.
constexpr std::size_t einspaltigHoechstens = 12;

QString spalte(std::span<const std::string> zeilen) {
    QStringList texte;
    for (const std::string& zeile : zeilen) {
        texte << QString::fromStdString(zeile).toHtmlEscaped();
    }
    return "<td style=\"white-space:pre\">" + texte.join("<br>") + "</td>";
}

} // namespace

QString aenderungsliste(const std::vector<std::string>& zeilen) {
    const std::size_t spalten = zeilen.size() > einspaltigHoechstens ? 2 : 1;
    const std::size_t hoehe = (zeilen.size() + spalten - 1) / spalten;
    const std::span<const std::string> alle(zeilen);
    QString html = "<table cellspacing=\"0\" cellpadding=\"0\"><tr>";
    for (std::size_t von = 0; von < alle.size(); von += hoehe) {
        if (von > 0) {
            html += "<td width=\"24\"></td>";
        }
        html += spalte(alle.subspan(von, std::min(hoehe, alle.size() - von)));
    }
    return html + "</tr></table>";
}
