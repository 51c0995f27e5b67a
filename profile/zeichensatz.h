#pragma once

#include <string>
#include <string_view>

// The settings text, the field texts and the captions are held as bytes of
// Windows-1252, one character per byte. These are the only conversions
// between those bytes and Unicode. The five bytes that Windows-1252 leaves
// undefined map to the C1 control characters of the same value, so all 256
// byte values survive a round trip.

std::u16string nachUnicode(std::string_view bytes);

// Characters that Windows-1252 cannot represent become "?"; a surrogate pair
// is one character and becomes one "?".
std::string nachCp1252(std::u16string_view text);

// UTF-8 of the bytes, for file names and for messages.
std::string nachUtf8(std::string_view bytes);
