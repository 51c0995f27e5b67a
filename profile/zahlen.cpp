#include "zahlen.h"

#include "laufzeitfehler.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool istZiffer(char z) {
    return z >= '0' && z <= '9';
}

struct zerlegtezahl {
    bool negativ = false;
    std::string ganz;     // digits before the comma
    std::string bruch;    // digits behind it
    std::string exponent; // sign and digits, or empty
};

// Reads the German form, with the points already turned into commas.
zerlegtezahl zerlegen(std::string_view t) {
    const auto fehlt = [] { return laufzeitfehler(laufzeitfehler::typenUnvertraeglich); };
    zerlegtezahl z;
    std::size_t i = 0;
    const auto blanks = [&] {
        while (i < t.size() && t[i] == ' ') {
            ++i;
        }
    };
    const auto ziffern = [&](std::string& ziel) {
        while (i < t.size() && istZiffer(t[i])) {
            ziel += t[i++];
        }
    };
    blanks();
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        z.negativ = t[i++] == '-';
    }
    ziffern(z.ganz);
    if (i < t.size() && t[i] == ',') {
        ++i;
        ziffern(z.bruch);
    }
    if (z.ganz.empty() && z.bruch.empty()) {
        throw fehlt();
    }
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            z.exponent += t[i++];
        }
        const std::size_t vorDenZiffern = z.exponent.size();
        ziffern(z.exponent);
        if (z.exponent.size() == vorDenZiffern) {
            throw fehlt();
        }
    }
    blanks();
    if (i != t.size()) {
        throw fehlt();
    }
    return z;
}

enum class ausserhalb { zuKlein, groessteZahl, zuGross };

// The largest double as zahlText shows it: reading that text back must give
// the largest double, not an overflow.
constexpr std::string_view groessteZiffern = "179769313486232";
constexpr long groessteStellen = 309; // 0.179769313486232E+309

// For a value that from_chars found out of range: too small (it becomes
// zero), at most the largest double as shown with 15 digits, or too large.
ausserhalb einordnen(const zerlegtezahl& z) {
    std::string ziffern = z.ganz + z.bruch;
    const std::size_t erste = ziffern.find_first_not_of('0');
    if (erste == std::string::npos) {
        return ausserhalb::zuKlein;
    }
    long exponent = 0;
    if (!z.exponent.empty()) {
        // Saturate: beyond nine digits only the sign matters.
        const std::string betrag = z.exponent.substr(z.exponent.find_first_not_of("+-"));
        exponent = betrag.size() > 9 ? 1000000000L : std::strtol(betrag.c_str(), nullptr, 10);
        if (z.exponent[0] == '-') {
            exponent = -exponent;
        }
    }
    // The value is 0.d1d2d3... x 10^stellen.
    const long stellen = static_cast<long>(z.ganz.size()) - static_cast<long>(erste) + exponent;
    if (stellen <= 0) {
        return ausserhalb::zuKlein;
    }
    ziffern.erase(0, erste);
    ziffern.resize(std::max(ziffern.size(), groessteZiffern.size()), '0');
    std::string grenze(groessteZiffern);
    grenze.resize(ziffern.size(), '0');
    if (stellen == groessteStellen && ziffern <= grenze) {
        return ausserhalb::groessteZahl;
    }
    return ausserhalb::zuGross;
}

} // namespace

double zahlLesen(std::string_view text) {
    std::string t(text);
    std::replace(t.begin(), t.end(), '.', ',');
    const zerlegtezahl z = zerlegen(t);

    std::string c = z.ganz.empty() ? "0" : z.ganz;
    if (!z.bruch.empty()) {
        c += "." + z.bruch;
    }
    if (!z.exponent.empty()) {
        c += "e" + z.exponent;
    }
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(c.data(), c.data() + c.size(), wert);
    if (fehler == std::errc::result_out_of_range) {
        switch (einordnen(z)) {
        case ausserhalb::zuKlein:
            wert = 0.0;
            break;
        case ausserhalb::groessteZahl:
            wert = std::numeric_limits<double>::max();
            break;
        case ausserhalb::zuGross:
            throw laufzeitfehler(laufzeitfehler::ueberlauf);
        }
    } else if (fehler != std::errc{} || ende != c.data() + c.size()) {
        throw laufzeitfehler(laufzeitfehler::typenUnvertraeglich);
    }
    return z.negativ ? -wert : wert;
}

std::string zahlText(double wert) {
    if (wert == 0.0) {
        return "0";
    }
    // d.dddddddddddddde+XX: the value rounded to 15 significant digits.
    char puffer[40];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert),
                                        std::chars_format::scientific, 14);
    const std::string_view wissenschaftlich(puffer, ergebnis.ptr - puffer);
    const std::size_t e = wissenschaftlich.find('e');
    std::string ziffern =
        std::string(1, wissenschaftlich[0]) + std::string(wissenschaftlich.substr(2, e - 2));
    ziffern.erase(ziffern.find_last_not_of('0') + 1);
    const int exponent = std::atoi(std::string(wissenschaftlich.substr(e + 1)).c_str());

    std::string text = wert < 0 ? "-" : "";
    if (exponent < -4 || exponent > 14) {
        text += ziffern[0];
        if (ziffern.size() > 1) {
            // Two appends rather than "," + ziffern.substr(1): GCC 12 at -O3
            // inlines that operator+ into a memcpy it falsely reports as
            // overlapping (-Wrestrict).
            text += ',';
            text += std::string_view(ziffern).substr(1);
        }
        const std::string betrag = std::to_string(std::abs(exponent));
        text += exponent < 0 ? "E-" : "E+";
        text += (betrag.size() < 2 ? "0" : "") + betrag;
    } else if (exponent < 0) {
        text += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + ziffern;
    } else {
        const auto ganzstellen = static_cast<std::size_t>(exponent) + 1;
        if (ziffern.size() <= ganzstellen) {
            text += ziffern + std::string(ganzstellen - ziffern.size(), '0');
        } else {
            text += ziffern.substr(0, ganzstellen) + "," + ziffern.substr(ganzstellen);
        }
    }
    return text;
}
