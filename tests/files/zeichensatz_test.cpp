#include "zeichensatz.h"

#include <gtest/gtest.h>

namespace {

TEST(zeichensatz, alle256BytesGehenHinUndZurueck) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    const std::u16string text = nachUnicode(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(nachCp1252(text), bytes);
}

// Each byte of 0x80..0x9F against its code point, both ways: a round trip
// alone passes with two entries swapped. The five bytes Windows-1252 leaves
// undefined stand for the C1 control of the same value.
TEST(zeichensatz, dieBytes80Bis9FUndIhreZeichen) {
    const std::u16string zeichen = u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021"
                                   u"\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                                   u"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                                   u"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178";
    ASSERT_EQ(zeichen.size(), 32u);
    for (int b = 0x80; b <= 0x9F; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::u16string z(1, zeichen[static_cast<std::size_t>(b - 0x80)]);
        EXPECT_EQ(nachUnicode(byte), z) << std::hex << b;
        EXPECT_EQ(nachCp1252(z), byte) << std::hex << b;
    }
}

TEST(zeichensatz, windows1252Zeichen) {
    EXPECT_EQ(nachUnicode("\xE4\xF6\xFC\xDF"), u"\u00E4\u00F6\u00FC\u00DF");
    EXPECT_EQ(nachCp1252(u"Sch\u00F6ne"), "Sch\xF6ne");
    EXPECT_EQ(nachUtf8("Au\xDF"
                       "erorts \x80"),
              "Au\xC3\x9F"
              "erorts \xE2\x82\xAC");
}

TEST(zeichensatz, fehlendeZeichenWerdenFragezeichen) {
    EXPECT_EQ(nachCp1252(u"\u0100\u4E2D"), "??");
    EXPECT_EQ(nachCp1252(u"a\U0001F600b"), "a?b");            // a surrogate pair is one character
    EXPECT_EQ(nachCp1252(std::u16string(1, u'\xD800')), "?"); // a lone half, too
}

// A view that ends inside a sequence is no character, though its bytes
// beyond the view would complete it.
TEST(zeichensatz, abgeschnittenerUtf8Ausschnitt) {
    const std::string_view ganz = "a\xC3\xA4\xE2\x82\xAC";
    EXPECT_TRUE(utf8Lesen(ganz, 1).has_value());
    EXPECT_FALSE(utf8Lesen(ganz.substr(0, 2), 1).has_value());
    EXPECT_FALSE(utf8Lesen(ganz.substr(0, 5), 3).has_value());
    EXPECT_EQ(utf8Lesen(ganz, 3)->zeichen, U'\u20AC');
}

} // namespace
