#pragma once

#include <array>
#include <string_view>

// Cuts a marked passage out of a settings text without parsing it.
//
// The result always has three elements. On success they are views into the
// text passed in: everything up to and including the last opening marker,
// the value passage, and everything from the last closing marker on; joined
// in order they give the text back. When a marker is missing, one element
// holds a fixed error text and the other two are empty, and `fehler` names
// the marker. Only `fehler` tells the two apart: a text may hold an error
// text as its value.
//
// The views stay valid as long as the text that was split.
enum class suchfehler : unsigned char {
    keiner,
    such1,
    such2,
    such3,
    suchnach1,
    suchnach2,
    suchnach3
};

struct teilstuecke {
    std::array<std::string_view, 3> elemente{};
    suchfehler fehler = suchfehler::keiner;

    std::string_view operator[](std::size_t i) const { return elemente[i]; }
};

class textroutine {
  public:
    static constexpr std::string_view such1Fehler = "such1 ERROR";
    static constexpr std::string_view such2Fehler = "such2 ERROR";
    static constexpr std::string_view such3Fehler = "such3 ERROR";
    static constexpr std::string_view suchnach1Fehler = "suchnach1 ERROR";
    static constexpr std::string_view suchnach2Fehler = "suchnach2 ERROR";
    static constexpr std::string_view suchnach3Fehler = "suchnach3 ERROR";

    // Searches such1, then such2 and such3 (when not empty) each from just
    // behind the previous one, then suchnach1 from the value start, then
    // suchnach2 and suchnach3 (when not empty) each from the previous closing
    // position. such3 is only considered when such2 is used, suchnach3 only
    // when suchnach2 is used. An empty such1 or suchnach1 is found at the
    // start of its search as long as that lies within the text.
    teilstuecke zerlege(std::string_view text, std::string_view such1, std::string_view such2,
                        std::string_view such3, std::string_view suchnach1,
                        std::string_view suchnach2, std::string_view suchnach3) const;

    // The same split for a caller that already holds such1Stelle, the
    // position of such1, so that several splits of one text under the same
    // name search the name once; and within the part of the text that ends
    // in front of the 0-based position `bereichsende`: a marker counts only
    // where it lies wholly in front of it, so a split never reaches into the
    // text behind. The elements still cover the whole text.
    teilstuecke zerlegeAb(std::string_view text, std::size_t such1Stelle, std::size_t bereichsende,
                          std::string_view such1, std::string_view such2, std::string_view such3,
                          std::string_view suchnach1, std::string_view suchnach2,
                          std::string_view suchnach3) const;

    // True when a marker was missing.
    static bool istFehler(const teilstuecke& teile) { return teile.fehler != suchfehler::keiner; }
};

// The exact, case-sensitive search shared by the splitter and its callers:
// the 1-based position of the first occurrence of `marke` at or behind the
// 1-based position `ab`, or 0. An empty marker is found at `ab` while `ab`
// lies within the text. `ab` must be at least 1.
std::size_t finde(std::string_view text, std::string_view marke, std::size_t ab);
