#pragma once

#include <string>
#include <string_view>

// The name as the Win32 wide-character calls take it: the UTF-8 name in
// UTF-16. A name that is long (from 248 units, the limit of a new folder;
// files end at 259) is made absolute and given the "\\?\" prefix, or
// "\\?\UNC\" for a share, which lifts the limit. Short names stay as they
// are, so relative ones resolve as before. Call namePruefen first.
std::wstring windowsname(std::string_view utf8);
