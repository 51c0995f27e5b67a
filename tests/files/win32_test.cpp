// The safe replace on Windows: over an existing file, over a read-only one,
// over one that other programs hold open, and the in-place write.

#include "arbeitsordner.h"
#include "dateien.h"
#include "fehlernummer.h"
#include "sicherung.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <utility>
#include <windows.h>

// The file layer calls ReplaceFileW and MoveFileExW through the program's
// import table, where a test puts a stand-in.
extern "C" decltype(&::ReplaceFileW) __imp_ReplaceFileW;
extern "C" decltype(&::MoveFileExW) __imp_MoveFileExW;
extern "C" decltype(&::CopyFileW) __imp_CopyFileW;

namespace {

namespace fs = std::filesystem;
using win32 = arbeitsordner;
const auto echtesErsetzen = __imp_ReplaceFileW;
const auto echtesVerschieben = __imp_MoveFileExW;
const auto echtesKopieren = __imp_CopyFileW;

// Another program's handle on a file; let go of after `ms` on a thread of
// its own, or by the test where `ms` is 0.
std::vector<std::jthread> halter;
HANDLE halten(LPCWSTR name, DWORD zugriff, DWORD teilen, DWORD ms = 0) {
    const HANDLE h = ::CreateFileW(name, zugriff, teilen, nullptr, OPEN_EXISTING, 0, nullptr);
    if (ms > 0) {
        halter.emplace_back([=] { ::Sleep(ms), ::CloseHandle(h); });
    }
    return h;
}

// A scanner opens each new file once for 300 ms, sharing read and write but
// not delete: the new one before the replace, the backup after it.
BOOL WINAPI mitScanner(LPCWSTR alt, LPCWSTR neu, LPCWSTR sicherung, DWORD art, LPVOID, LPVOID) {
    static std::set<std::wstring> gesehen;
    if (gesehen.insert(neu).second) {
        halten(neu, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, 300);
    }
    const BOOL gelungen = echtesErsetzen(alt, neu, sicherung, art, nullptr, nullptr);
    if (gelungen) {
        halten(sicherung, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, 300);
    }
    return gelungen;
}

// A program that keeps the old version open, not sharing delete, until the
// test lets go.
HANDLE alteFassung = INVALID_HANDLE_VALUE;
BOOL WINAPI haeltAlteFassung(LPCWSTR alt, LPCWSTR neu, LPCWSTR sicherung, DWORD art, LPVOID,
                             LPVOID) {
    const BOOL gelungen = echtesErsetzen(alt, neu, sicherung, art, nullptr, nullptr);
    alteFassung = halten(sicherung, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    return gelungen;
}

// The replace moves the old file to its backup name, then fails to move the
// new one into its place.
BOOL WINAPI ohneNeue(LPCWSTR alt, LPCWSTR, LPCWSTR sicherung, DWORD, LPVOID, LPVOID) {
    echtesVerschieben(alt, sicherung, 0);
    ::SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    return FALSE;
}

BOOL WINAPI gesperrt(LPCWSTR, LPCWSTR, DWORD) {
    ::SetLastError(ERROR_SHARING_VIOLATION);
    return FALSE;
}

std::string meldung(const std::function<void()>& aufruf) {
    try {
        aufruf();
    } catch (const laufzeitfehler& f) {
        return f.beschreibung();
    }
    return {};
}

std::ptrdiff_t eintraege() {
    return std::distance(fs::directory_iterator("."), fs::directory_iterator{});
}

TEST_F(win32, ersetztUndRaeumtAuf) {
    schreiben("ApplicationSettings.xml", "alt");
    dateiErsetzen("ApplicationSettings.xml", "neu");
    EXPECT_EQ(lesen("ApplicationSettings.xml"), "neu");
    dateiErsetzen("neu.xml", "ganz neu");
    EXPECT_EQ(lesen("neu.xml"), "ganz neu");
    EXPECT_EQ(eintraege(), 2) << "no temporary or backup file is left behind";
}

// Once the new file is in place the save has succeeded, though another
// program holds the old version beyond the wait. The next save into the
// folder removes that leftover and no other file.
TEST_F(win32, gehalteneAlteFassungBleibtBisZumNaechstenSpeichern) {
    schreiben("ApplicationSettings.xml", "alt");
    schreiben(".notiz.bisher", "fremd");
    __imp_ReplaceFileW = haeltAlteFassung;
    EXPECT_EQ(meldung([] { dateiErsetzen("ApplicationSettings.xml", "neu"); }), "");
    __imp_ReplaceFileW = echtesErsetzen;
    ::CloseHandle(alteFassung);
    EXPECT_EQ(lesen("ApplicationSettings.xml"), "neu");
    EXPECT_EQ(eintraege(), 3);
    dateiSchreiben("ini.txt", "C:\\navi\\");
    EXPECT_EQ(eintraege(), 3);
    EXPECT_EQ(lesen(".notiz.bisher"), "fremd");
}

// A replace that fails after moving the old file away puts it back.
TEST_F(win32, alteFassungKommtZurueck) {
    schreiben("ApplicationSettings.xml", "alt");
    __imp_ReplaceFileW = ohneNeue;
    EXPECT_EQ(fehlernummer([] { dateiErsetzen("ApplicationSettings.xml", "neu"); }), 75);
    __imp_ReplaceFileW = echtesErsetzen;
    EXPECT_EQ(lesen("ApplicationSettings.xml"), "alt");
    EXPECT_EQ(eintraege(), 1);
}

// Where the old version cannot be put back, the message sends the user to
// it: no later save into the folder may delete the file it names, whether
// a copy of the old version could be made or not.
BOOL WINAPI verweigert(LPCWSTR, LPCWSTR, DWORD) {
    ::SetLastError(ERROR_WRITE_PROTECT);
    return FALSE;
}

BOOL WINAPI kopiertNicht(LPCWSTR, LPCWSTR, BOOL) {
    ::SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

TEST_F(win32, nichtZurueckgelegteFassungBleibt) {
    for (const auto kopieren : {echtesKopieren, &kopiertNicht}) {
        const std::string ordner = kopieren == echtesKopieren ? "kopie\\" : "ohne\\";
        const std::string datei = ordner + "ApplicationSettings.xml";
        fs::create_directory(ordner);
        schreiben(datei, "alt");
        __imp_ReplaceFileW = ohneNeue;
        __imp_MoveFileExW = verweigert;
        __imp_CopyFileW = kopieren;
        const std::string text = meldung([&] { dateiErsetzen(datei, "neu"); });
        __imp_CopyFileW = echtesKopieren;
        __imp_MoveFileExW = echtesVerschieben;
        __imp_ReplaceFileW = echtesErsetzen;
        EXPECT_NE(text.find("von Hand"), std::string::npos) << text;
        const std::size_t anfang = text.find("unter „") + std::string_view("unter „").size();
        const std::string bisher = text.substr(anfang, text.find("“", anfang) - anfang);
        ASSERT_EQ(lesen(bisher), "alt") << text;
        schreiben(datei, "vorgabe"); // the route planner starts afresh
        dateiErsetzen(datei, "neu");
        dateiSchreiben(ordner + "ini.txt", "C:\\navi\\");
        EXPECT_EQ(lesen(bisher), "alt") << text;
    }
}

// A backup copy that another program holds: the message says once that
// nothing was written, with no doubled full stop.
TEST_F(win32, gesperrteSicherungskopie) {
    __imp_MoveFileExW = gesperrt;
    const std::string text = meldung([] { sichern("ApplicationSettings.xml", "alt", 0); });
    __imp_MoveFileExW = echtesVerschieben;
    EXPECT_TRUE(text.ends_with("von einem anderen Programm geöffnet und gesperrt und blieb "
                               "unverändert. Bitte das andere Programm schließen und erneut "
                               "versuchen."))
        << text;
    EXPECT_EQ(text.find("nichts wurde geschrieben"), text.rfind("nichts wurde geschrieben"));
}

// The read-only attribute refuses the replace, though the system would let
// it happen, and stays.
TEST_F(win32, schreibgeschuetztBleibtUnberuehrt) {
    schreiben("ApplicationSettings.xml", "alt");
    ASSERT_TRUE(::SetFileAttributesW(L"ApplicationSettings.xml", FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(fehlernummer([] { dateiErsetzen("ApplicationSettings.xml", "neu"); }), 70);
    EXPECT_EQ(fehlernummer([] { dateiSchreiben("ApplicationSettings.xml", "neu"); }), 70);
    EXPECT_EQ(lesen("ApplicationSettings.xml"), "alt");
    EXPECT_NE(::GetFileAttributesW(L"ApplicationSettings.xml") & FILE_ATTRIBUTE_READONLY, 0u);
    ::SetFileAttributesW(L"ApplicationSettings.xml", FILE_ATTRIBUTE_NORMAL);
}

// Other programs at the settings file while a scanner looks at each new
// file: a reader for 400 ms, sharing delete or not, is waited for. One that
// reads without sharing until the save is over gets the save refused, with
// a message for saving and one for loading; one that writes once the save
// waits keeps its text (75). Nothing is left beside the file, and the
// window hears when each wait starts and ends.
TEST_F(win32, andereProgrammeAnDerDatei) {
    struct fall {
        DWORD zugriff, teilen, ms;
        const char *bleibt, *gewartet, *speichern, *laden;
    };
    const DWORD alle = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const fall faelle[] = {
        {GENERIC_READ, alle, 400, "neu", "()()", "", ""},
        {GENERIC_READ, alle & ~FILE_SHARE_DELETE, 400, "neu", "()()", "", ""},
        {GENERIC_READ, 0, 0, "alt", "()",
         "„ApplicationSettings.xml“ ist von einem anderen Programm geöffnet und gesperrt und "
         "blieb unverändert.",
         "gesperrt und wurde nicht gelesen. Bitte das andere Programm schließen"},
        {GENERIC_WRITE, 0, 0, "fremd", "()",
         "„ApplicationSettings.xml“ wurde von einem anderen Programm geändert", ""},
    };
    __imp_ReplaceFileW = mitScanner;
    for (const fall& f : faelle) {
        schreiben("ApplicationSettings.xml", "alt");
        HANDLE h = halten(L"ApplicationSettings.xml", f.zugriff, f.teilen, f.ms);
        std::string gewartet;
        wartenMelden([&](bool wartet) {
            OVERLAPPED anfang{};
            gewartet += wartet ? '(' : ')';
            // A writer writes once the save waits, and lets go.
            if (wartet && ::WriteFile(h, "fremd", 5, nullptr, &anfang)) {
                ::CloseHandle(std::exchange(h, INVALID_HANDLE_VALUE));
            }
        });
        const std::string_view bisher[] = {"alt"};
        const std::string text =
            meldung([&] { dateiErsetzen("ApplicationSettings.xml", "neu", bisher); });
        EXPECT_TRUE(text.starts_with(f.speichern)) << text;
        const std::string laden = meldung([] { dateiLesen("ApplicationSettings.xml"); });
        EXPECT_NE(laden.find(f.laden), std::string::npos) << laden;
        if (f.ms == 0 && h != INVALID_HANDLE_VALUE) {
            ::CloseHandle(h);
        }
        halter.clear();
        EXPECT_EQ(gewartet, f.gewartet);
        EXPECT_EQ(lesen("ApplicationSettings.xml"), f.bleibt);
        EXPECT_EQ(eintraege(), 1);
    }
    __imp_ReplaceFileW = echtesErsetzen;
    wartenMelden(nullptr);
}

// Run by tests/windows/ohne_schreibrecht.sh in a folder that takes no file.
TEST(win32ohneSchreibrecht, DISABLED_schreibtAnOrt) {
    dateiSchreiben("ini.txt", "neu");
    EXPECT_EQ(dateiLesen("ini.txt"), "neu");
    EXPECT_EQ(eintraege(), 1);
}

// Names are UTF-8 and reach the system as UTF-16.
TEST_F(win32, umlauteImNamen) {
    const std::string name = "Straße März.txt";
    dateiErsetzen(name, "neu");
    EXPECT_TRUE(fs::exists(fs::path(u8"Straße März.txt")));
    EXPECT_EQ(dateiLesen(name), "neu");
    EXPECT_TRUE(dateiExistiert(name));
}

} // namespace
