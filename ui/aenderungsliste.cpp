#include "aenderungsliste.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace {

// More lines than this go into two columns where they fit: a whole half's
// list stands one below the other only where the screen is high enough.
constexpr qsizetype einspaltigHoechstens = 12;

// The width, in pixels, that the list may take: a message box on a
// 1366-pixel screen grows to 886 pixels, its margins included.
constexpr int hoechsteBreite = 800;
constexpr int spaltenabstand = 24;

} // namespace

QString aenderungsliste(const std::vector<std::string>& zeilen, const QFont& schrift) {
    const QFontMetrics metrik(schrift);
    QStringList texte;
    int breiteste = 0;
    for (const std::string& zeile : zeilen) {
        const QString text = QString::fromStdString(zeile);
        breiteste = std::max(breiteste, metrik.horizontalAdvance(text));
        texte << text.toHtmlEscaped();
    }
    const bool zweiSpalten =
        texte.size() > einspaltigHoechstens && 2 * breiteste + spaltenabstand <= hoechsteBreite;
    const qsizetype hoehe = zweiSpalten ? (texte.size() + 1) / 2 : texte.size();
    const QString zelle = QString("<td style=\"white-space:%1\">")
                              .arg(breiteste > hoechsteBreite ? "pre-wrap" : "pre");
    QString html = "<table cellspacing=\"0\" cellpadding=\"0\"><tr>" + zelle +
                   texte.mid(0, hoehe).join("<br>") + "</td>";
    if (zweiSpalten) {
        html += QString("<td width=\"%1\"></td>").arg(spaltenabstand) + zelle +
                texte.mid(hoehe).join("<br>") + "</td>";
    }
    return html + "</tr></table>";
}
