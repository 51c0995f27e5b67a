#include "sicherung.h"

#include "dateien.h"
#include "laufzeitfehler.h"
#include "systemfehler.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// "2026-12-07 16-59-09": sorts as the time it names.
constexpr const char* zeitformat = "%Y-%m-%d %H-%M-%S";
constexpr std::size_t zeitlaenge = 19;

std::tm ortszeit(std::time_t zeit) {
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &zeit);
#else
    localtime_r(&zeit, &t);
#endif
    return t;
}

struct namensteile {
    std::string_view stamm;  // "ApplicationSettings"
    std::string_view endung; // ".xml", or empty
};

namensteile zerlegen(std::string_view dateiname) {
    const std::size_t punkt = dateiname.rfind('.');
    if (punkt == std::string_view::npos || punkt == 0) {
        return {dateiname, {}};
    }
    return {dateiname.substr(0, punkt), dateiname.substr(punkt)};
}

std::string kopiename(const namensteile& datei, std::string_view zeit, int nummer) {
    std::string name = std::string(datei.stamm) + " " + std::string(zeit);
    if (nummer > 1) {
        name += " (" + std::to_string(nummer) + ")";
    }
    return name + std::string(datei.endung);
}

// Where a copy stands among the others, from its name: its time, then its
// number in that second. Nothing for a name that no copy of the file has.
std::optional<std::pair<std::string, int>> rang(const namensteile& datei, std::string_view name) {
    const std::string vorn = std::string(datei.stamm) + " ";
    if (!name.starts_with(vorn) || !name.ends_with(datei.endung)) {
        return std::nullopt;
    }
    name.remove_prefix(vorn.size());
    name.remove_suffix(datei.endung.size());
    if (name.size() < zeitlaenge) {
        return std::nullopt;
    }
    const std::string_view zeit = name.substr(0, zeitlaenge);
    const std::string_view muster = "0000-00-00 00-00-00";
    for (std::size_t i = 0; i < zeitlaenge; ++i) {
        const bool ziffer = zeit[i] >= '0' && zeit[i] <= '9';
        if (muster[i] == '0' ? !ziffer : zeit[i] != muster[i]) {
            return std::nullopt;
        }
    }
    std::string_view rest = name.substr(zeitlaenge);
    int nummer = 1;
    if (!rest.empty()) {
        if (!rest.starts_with(" (") || !rest.ends_with(")")) {
            return std::nullopt;
        }
        rest = rest.substr(2, rest.size() - 3);
        const auto [ende, fehler] = std::from_chars(rest.data(), rest.data() + rest.size(), nummer);
        if (fehler != std::errc{} || ende != rest.data() + rest.size() || nummer < 2) {
            return std::nullopt;
        }
    }
    return std::pair{std::string(zeit), nummer};
}

// Removes the oldest copies beyond the latest ones kept. A copy that cannot
// be removed stays, and the next write tries again: the copy just made is
// what counts.
void aufraeumen(const namensteile& datei) {
    std::error_code fehler;
    std::vector<std::pair<std::pair<std::string, int>, fs::path>> kopien;
    for (fs::directory_iterator eintrag(fs::path(sicherungsordner), fehler), ende;
         !fehler && eintrag != ende; eintrag.increment(fehler)) {
        const std::u8string name = eintrag->path().filename().u8string();
        const std::string_view bytes(reinterpret_cast<const char*>(name.data()), name.size());
        std::error_code egal; // an entry that cannot be examined is no copy
        if (auto r = rang(datei, bytes); r && eintrag->is_regular_file(egal)) {
            kopien.emplace_back(std::move(*r), eintrag->path());
        }
    }
    if (kopien.size() <= behalteneSicherungen) {
        return;
    }
    std::ranges::sort(kopien, std::greater{});
    for (std::size_t i = behalteneSicherungen; i < kopien.size(); ++i) {
        fs::remove(kopien[i].second, fehler);
    }
}

// The cause of `f` without its standard text in front.
std::string einzelheit(const laufzeitfehler& f) {
    const std::string text = f.beschreibung();
    const std::string vorn =
        laufzeitfehler::standardtext(static_cast<laufzeitfehler::fehlernummer>(f.nummer())) + ": ";
    return text.starts_with(vorn) ? text.substr(vorn.size()) : text;
}

[[noreturn]] void nichtGesichert(const laufzeitfehler& f) {
    throw laufzeitfehler(static_cast<laufzeitfehler::fehlernummer>(f.nummer()),
                         "Keine Sicherungskopie möglich: " + einzelheit(f) +
                             ". Nichts wurde geschrieben.");
}

} // namespace

std::string sichern(std::string_view dateiname, std::string_view inhalt, std::time_t zeit) {
    const std::string ordner(sicherungsordner);
    std::error_code fehler;
    if (!fs::create_directory(fs::path(ordner), fehler) && fehler) {
        const int ursache = fehler.default_error_condition().value();
        // There only when something else of that name stands where the
        // folder belongs.
        nichtGesichert(ursache == EEXIST ? laufzeitfehler(laufzeitfehler::pfadZugriffsfehler,
                                                          "„" + ordner + "“ ist kein Ordner")
                                         : systemfehler(ursache, ordner));
    }
    const namensteile datei = zerlegen(dateiname);
    char zeittext[32];
    const std::tm t = ortszeit(zeit);
    std::strftime(zeittext, sizeof zeittext, zeitformat, &t);
    std::string name;
    for (int nummer = 1;; ++nummer) {
        name = ordner + pfadtrenner + kopiename(datei, zeittext, nummer);
        if (!dateiExistiert(name) && !ordnerExistiert(name)) {
            break;
        }
    }
    try {
        dateiErsetzen(name, inhalt);
    } catch (const laufzeitfehler& f) {
        nichtGesichert(f);
    }
    aufraeumen(datei);
    return name;
}
