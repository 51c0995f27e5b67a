#pragma once

#include <string>
#include <string_view>

// A field's text for a message, in UTF-8: whole when short, else enough to
// recognise it and its length, since a broken file can put a whole profile
// into one field.
std::string kurztext(std::string_view text);
