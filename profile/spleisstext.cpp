#include "spleisstext.h"

namespace {

using stueckliste = std::vector<std::string_view>;

// The index of the piece that starts at `stelle` of the joined text, after
// splitting the piece that spans it.
std::size_t grenze(stueckliste& stuecke, std::size_t stelle) {
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < stuecke.size(); ++i) {
        if (anfang == stelle) {
            return i;
        }
        if (stelle < anfang + stuecke[i].size()) {
            const std::size_t innen = stelle - anfang;
            stuecke.insert(stuecke.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                           stuecke[i].substr(innen));
            stuecke[i] = stuecke[i].substr(0, innen);
            return i + 1;
        }
        anfang += stuecke[i].size();
    }
    return stuecke.size();
}

} // namespace

void spleisstext::ersetzen(std::size_t stelle, std::size_t laenge, std::string_view neu) {
    spleissungen_.push_back({stelle, neu.size(), text_.substr(stelle, laenge)});
    text_.replace(stelle, laenge, neu);
}

std::vector<std::string_view> spleisstext::ursprung() const {
    stueckliste stuecke{text_};
    // Undo the splices, the latest first, on the list of pieces.
    for (auto s = spleissungen_.rbegin(); s != spleissungen_.rend(); ++s) {
        const auto von = static_cast<std::ptrdiff_t>(grenze(stuecke, s->stelle));
        const auto bis = static_cast<std::ptrdiff_t>(grenze(stuecke, s->stelle + s->neueLaenge));
        stuecke.erase(stuecke.begin() + von, stuecke.begin() + bis);
        stuecke.insert(stuecke.begin() + von, s->alt);
    }
    return stuecke;
}
