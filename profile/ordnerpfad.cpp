#include "ordnerpfad.h"

#include "dateien.h"
#include "ordnersuche.h"
#include "profilformular.h"

#include <algorithm>

namespace {

// The folder as Windows finds it: without trailing blanks and dots, but for
// a last part of dots alone ("..", "."), which names a folder as it stands.
std::string_view wieWindowsIhnFindet(std::string_view text) {
#ifdef _WIN32
    const std::size_t teil = text.find_last_of(pfadtrennzeichen) + 1;
    const std::size_t ende = text.find_last_not_of(" .");
    if (ende != std::string_view::npos && ende >= teil && text.find_last_not_of('.') >= teil) {
        return text.substr(0, ende + 1);
    }
#endif
    return text;
}

} // namespace

std::string mitTrenner(std::string_view pfadtext) {
    const std::string ordner(wieWindowsIhnFindet(pfadtext));
    if (ordner.empty() || !ordnerExistiert(ordner)) {
        return std::string(pfadtext);
    }
    if (pfadtrennzeichen.find(ordner.back()) != std::string_view::npos) {
        return ordner;
    }
    return ordner + pfadtrenner;
}

namespace {

bool istEinstellungsdatei(std::string_view name) {
    const std::string_view datei = profilformular::einstellungsdatei;
#ifdef _WIN32
    const auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(name, datei, {}, klein, klein);
#else
    return name == datei;
#endif
}

} // namespace

std::string ordnerAusEingabe(std::string_view pfadtext) {
    std::string text(pfadtext);
#ifndef _WIN32
    if (text == "~" || text.starts_with("~/")) {
        const std::string heim = heimordner();
        if (!heim.empty()) {
            text.replace(0, 1, heim);
        }
    }
#endif
    const std::size_t teil = text.find_last_of(pfadtrennzeichen) + 1;
    if (teil > 0 && istEinstellungsdatei(std::string_view(text).substr(teil)) &&
        !ordnerExistiert(text)) {
        text.erase(teil);
    }
    return mitTrenner(text);
}
