#include "zahlen.h"

#include "laufzeitfehler.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

bool istZiffer(char z) {
    return z >= '0' && z <= '9';
}

// The parts of a number, as views into the text read.
struct zerlegtezahl {
    bool negativ = false;
    std::string_view ganz;     // digits before the comma
    std::string_view bruch;    // digits behind it
    std::string_view exponent; // sign and digits, or empty
};

// Reads the German form; a point counts as the comma, as every point of the
// text becomes one before it is read.
zerlegtezahl zerlegen(std::string_view t) {
    const auto fehlt = [] { return laufzeitfehler(laufzeitfehler::typenUnvertraeglich); };
    zerlegtezahl z;
    std::size_t i = 0;
    const auto blanks = [&] {
        while (i < t.size() && t[i] == ' ') {
            ++i;
        }
    };
    const auto ziffern = [&] {
        const std::size_t anfang = i;
        while (i < t.size() && istZiffer(t[i])) {
            ++i;
        }
        return t.substr(anfang, i - anfang);
    };
    blanks();
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        z.negativ = t[i++] == '-';
    }
    z.ganz = ziffern();
    if (i < t.size() && (t[i] == ',' || t[i] == '.')) {
        ++i;
        z.bruch = ziffern();
    }
    if (z.ganz.empty() && z.bruch.empty()) {
        throw fehlt();
    }
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        const std::size_t anfang = ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            ++i;
        }
        if (ziffern().empty()) {
            throw fehlt();
        }
        z.exponent = t.substr(anfang, i - anfang);
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
    std::string ziffern = std::string(z.ganz) + std::string(z.bruch);
    const std::size_t erste = ziffern.find_first_not_of('0');
    if (erste == std::string::npos) {
        return ausserhalb::zuKlein;
    }
    long exponent = 0;
    if (!z.exponent.empty()) {
        // Saturate: beyond nine digits only the sign matters.
        const std::string betrag(z.exponent.substr(z.exponent.find_first_not_of("+-")));
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

constexpr std::array<double, 16> zehnerpotenzen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The form of nearly every field, "0.95" or "80": digits with at most one
// point (or comma) and nothing else, at most 15 digits. Its digits as an
// integer and the power of ten are both exact doubles, so one division
// gives the correctly rounded value, as from_chars would; read in one pass,
// without the general reader. Nothing for any other form.
std::optional<double> schlichteZahl(std::string_view t) {
    std::uint64_t ziffern = 0;
    std::size_t anzahl = 0;
    std::size_t komma = t.size();
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (istZiffer(t[i])) {
            ziffern = ziffern * 10 + static_cast<std::uint64_t>(t[i] - '0');
            ++anzahl;
        } else if ((t[i] == '.' || t[i] == ',') && komma == t.size()) {
            komma = i;
        } else {
            return std::nullopt;
        }
    }
    if (anzahl == 0 || anzahl > 15) {
        return std::nullopt;
    }
    const std::size_t nachkomma = komma == t.size() ? 0 : t.size() - komma - 1;
    return static_cast<double>(ziffern) / zehnerpotenzen[nachkomma];
}

// Significant digits (the first never zero, none trailing) and the decimal
// exponent of the first.
struct dezimalzahl {
    char ziffern[17];
    std::size_t anzahl;
    int exponent;
};

// Reads what to_chars wrote in scientific form: d.ddde+XX.
dezimalzahl wissenschaftlichLesen(const char* anfang, const char* ende) {
    dezimalzahl z{};
    const char* p = anfang;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            z.ziffern[z.anzahl++] = *p;
        }
    }
    ++p;
    std::from_chars(*p == '+' ? p + 1 : p, ende, z.exponent);
    return z;
}

// A positive value rounded to 15 significant digits. The shortest digits that
// read back as the value are cheap to get, and rounded to 15 digits they give
// the value's own rounding: a 15-digit rounding boundary between them and the
// value would itself be a shorter or closer text of the value. Only where
// they stand exactly on such a boundary is the value itself rounded.
dezimalzahl fuenfzehnStellen(double betrag) {
    char puffer[40];
    const auto kurz =
        std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific);
    dezimalzahl z = wissenschaftlichLesen(puffer, kurz.ptr);
    if (z.anzahl > 15) {
        const std::string_view rest(z.ziffern + 15, z.anzahl - 15);
        if (rest == "5" || rest == "50") {
            const auto genau = std::to_chars(puffer, puffer + sizeof puffer, betrag,
                                             std::chars_format::scientific, 14);
            z = wissenschaftlichLesen(puffer, genau.ptr);
        } else {
            z.anzahl = 15;
            if (rest[0] >= '5') {
                std::size_t i = 15;
                while (i > 0 && z.ziffern[i - 1] == '9') {
                    z.ziffern[--i] = '0';
                }
                if (i == 0) {
                    z.ziffern[0] = '1';
                    ++z.exponent;
                } else {
                    ++z.ziffern[i - 1];
                }
            }
        }
    }
    while (z.ziffern[z.anzahl - 1] == '0') {
        --z.anzahl;
    }
    return z;
}

// Most products lie next to a decimal with a few places: 70 x 0.95 x 1.1
// is 73.14999999999999 as a double, and shows as 73,15. Scaled by 10^k for
// k = 0 to 4 and rounded to a whole number r, the value lies so close to r
// that r with k decimals is its 15-digit rounding, where the distance, with
// all the scaling may have erred, stays below half a unit of the value's
// 15th digit. That check needs no digits, so the search for the shortest
// digits is left to the other values. Nothing where no k passes it.
std::optional<std::string> wenigeStellen(double wert) {
    const double betrag = std::fabs(wert);
    for (std::size_t k = 0; k <= 4; ++k) {
        const double m = betrag * zehnerpotenzen[k];
        const double r = std::nearbyint(m);
        if (r < 1 || r >= 1e15) {
            continue;
        }
        std::size_t vorn = 0; // digits in front of the point of m
        while (vorn < 15 && m >= zehnerpotenzen[vorn]) {
            ++vorn;
        }
        const double halbeEinheit = 0.5 / zehnerpotenzen[15 - vorn];
        if (std::fabs(m - r) + m * 0x1p-52 >= halbeEinheit) {
            continue;
        }
        char puffer[24];
        char* ende =
            std::to_chars(puffer, puffer + sizeof puffer, static_cast<std::uint64_t>(r)).ptr;
        std::string ziffern(puffer, ende);
        std::size_t nachkomma = k;
        while (nachkomma > 0 && ziffern.back() == '0') {
            ziffern.pop_back();
            --nachkomma;
        }
        if (ziffern.size() <= nachkomma) {
            ziffern.insert(0, nachkomma + 1 - ziffern.size(), '0'); // 0,05
        }
        std::string text = wert < 0 ? "-" : "";
        text.append(ziffern, 0, ziffern.size() - nachkomma);
        if (nachkomma > 0) {
            text += ',';
            text.append(ziffern, ziffern.size() - nachkomma);
        }
        return text;
    }
    return std::nullopt;
}

} // namespace

double zahlLesen(std::string_view text) {
    if (const auto wert = schlichteZahl(text)) {
        return *wert;
    }
    const zerlegtezahl z = zerlegen(text);

    std::string c(z.ganz.empty() ? "0" : z.ganz);
    if (!z.bruch.empty()) {
        c += '.';
        c += z.bruch;
    }
    if (!z.exponent.empty()) {
        c += 'e';
        c += z.exponent;
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
    if (auto kurz = wenigeStellen(wert)) {
        return std::move(*kurz);
    }
    const dezimalzahl gerundet = fuenfzehnStellen(std::fabs(wert));
    const std::string_view ziffern(gerundet.ziffern, gerundet.anzahl);
    const std::size_t anzahl = gerundet.anzahl;
    const int exponent = gerundet.exponent;

    std::string text;
    if (wert < 0) {
        text += '-';
    }
    if (exponent < -4 || exponent > 14) {
        text += ziffern[0];
        if (anzahl > 1) {
            text += ',';
            text += ziffern.substr(1);
        }
        text += 'E';
        text += exponent < 0 ? '-' : '+';
        const int betrag = std::abs(exponent);
        if (betrag < 10) {
            text += '0';
        }
        char stellen[8];
        text.append(stellen, std::to_chars(stellen, stellen + sizeof stellen, betrag).ptr);
    } else if (exponent < 0) {
        text += '0';
        text += ',';
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += ziffern;
    } else {
        const auto ganzstellen = static_cast<std::size_t>(exponent) + 1;
        if (anzahl <= ganzstellen) {
            text += ziffern;
            text.append(ganzstellen - anzahl, '0');
        } else {
            text += ziffern.substr(0, ganzstellen);
            text += ',';
            text += ziffern.substr(ganzstellen);
        }
    }
    return text;
}
