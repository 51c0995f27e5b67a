// What reaches the Win32 wide-character calls, since Wine ignores the
// classic length limit that real Windows enforces.

#include "windowsname.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

std::wstring aktuellerOrdner() {
    std::wstring ordner(MAX_PATH * 4, L'\0');
    ordner.resize(::GetCurrentDirectoryW(static_cast<DWORD>(ordner.size()), ordner.data()));
    return ordner;
}

TEST(windowsname, kurzBleibtLangWirdAbsolutMitPraefix) {
    const std::string a(120, 'a');
    const std::string b(140, 'b');
    const std::wstring wa(a.begin(), a.end());
    const std::wstring wb(b.begin(), b.end());
    const struct {
        const char* fall;
        std::string name;
        std::wstring erwartet;
    } faelle[] = {
        {"short", "C:\\navi\\ApplicationSettings.xml", L"C:\\navi\\ApplicationSettings.xml"},
        {"short and relative", "ini.txt", L"ini.txt"},
        {"letters outside Windows-1252",
         "C:\\\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x80\x93 A\xC4\x9Fr\xC4\xB1",
         L"C:\\\u0141\u00F3d\u017A \u2013 A\u011Fr\u0131"},
        {"four-byte character", "C:\\\xF0\x9F\x9A\x97", L"C:\\\xD83D\xDE97"},
        {"247 units", "C:\\" + std::string(244, 'k'), L"C:\\" + std::wstring(244, L'k')},
        {"248 units", "C:\\" + std::string(245, 'k'), L"\\\\?\\C:\\" + std::wstring(245, L'k')},
        {"long", "C:\\" + a + "\\" + b, L"\\\\?\\C:\\" + wa + L"\\" + wb},
        {"long, forward slashes", "C:/" + a + "/" + b, L"\\\\?\\C:\\" + wa + L"\\" + wb},
        {"long share", "\\\\server\\share\\" + a + "\\" + b,
         L"\\\\?\\UNC\\server\\share\\" + wa + L"\\" + wb},
        {"long relative", a + "\\" + b, L"\\\\?\\" + aktuellerOrdner() + L"\\" + wa + L"\\" + wb},
        {"prefixed already", "\\\\?\\C:\\" + a, L"\\\\?\\C:\\" + wa},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(windowsname(fall.name), fall.erwartet) << fall.fall;
    }
}

} // namespace
