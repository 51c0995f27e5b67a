#include "kurztext.h"

#include "zeichensatz.h"

namespace {

constexpr std::size_t gezeigteZeichen = 40;

} // namespace

std::string kurztext(std::string_view text) {
    if (text.size() <= gezeigteZeichen) {
        return nachUtf8(text);
    }
    return nachUtf8(text.substr(0, gezeigteZeichen)) + " … (" + std::to_string(text.size()) +
           " Zeichen)";
}
