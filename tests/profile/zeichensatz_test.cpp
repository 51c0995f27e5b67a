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

TEST(zeichensatz, windows1252Zeichen) {
    EXPECT_EQ(nachUnicode("\x80\xE4\xF6\xFC\xDF\x9F"), u"\u20AC\u00E4\u00F6\u00FC\u00DF\u0178");
    EXPECT_EQ(nachCp1252(u"Sch\u00F6ne \u20AC \u2013"), "Sch\xF6ne \x80 \x96");
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

} // namespace
