#include "ordnerpfad.h"

#include "dateien.h"

std::string mitTrenner(std::string_view pfadtext) {
    std::string text(pfadtext);
    if (ordnerExistiert(text) && pfadtrennzeichen.find(text.back()) == std::string_view::npos) {
        text += pfadtrenner;
    }
    return text;
}
