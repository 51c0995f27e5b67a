#include "ordnerpfad.h"

#include "dateien.h"

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
