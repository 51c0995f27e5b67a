// The safe replace on Windows: over an existing file, over a read-only one,
// over one that other programs hold open, and the in-place write.

#include "arbeitsordner.h"
#include "dateien.h"
#include "fehlernummer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <windows.h>

// The file layer calls ReplaceFileW through the program's import table;
// a test puts its own function there to act at the moment of the replace.
extern "C" decltype(&::ReplaceFileW) __imp_ReplaceFileW;

namespace {

namespace fs = std::filesystem;

const auto echtesErsetzen = __imp_ReplaceFileW;
std::function<BOOL(LPCWSTR alt, LPCWSTR neu, LPCWSTR sicherung)> beimErsetzen;

BOOL WINAPI umgeleitet(LPCWSTR alt, LPCWSTR neu, LPCWSTR sicherung, DWORD, LPVOID, LPVOID) {
    return beimErsetzen ? beimErsetzen(alt, neu, sicherung)
                        : echtesErsetzen(alt, neu, sicherung, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                         nullptr, nullptr);
}

class win32 : public arbeitsordner {
  protected:
    void SetUp() override {
        arbeitsordner::SetUp();
        DWORD schutz = 0;
        ::VirtualProtect(&__imp_ReplaceFileW, sizeof(void*), PAGE_READWRITE, &schutz);
        __imp_ReplaceFileW = umgeleitet;
    }
    void TearDown() override {
        beimErsetzen = nullptr;
        wartenMelden(nullptr);
        arbeitsordner::TearDown();
    }
    std::ptrdiff_t eintraege() const {
        return std::distance(fs::directory_iterator(ordner_), fs::directory_iterator{});
    }
};

// Another program's handle on a file, reading and sharing what `teilen` says.
HANDLE halten(LPCWSTR name, DWORD teilen = FILE_SHARE_READ | FILE_SHARE_WRITE) {
    return ::CreateFileW(name, GENERIC_READ, teilen, nullptr, OPEN_EXISTING, 0, nullptr);
}

// Lets go of the handle after `ms`, on a thread of its own.
std::jthread spaeterSchliessen(HANDLE h, DWORD ms) {
    return std::jthread([=] {
        ::Sleep(ms);
        ::CloseHandle(h);
    });
}

template <typename aufruf> std::string meldung(aufruf&& a) {
    try {
        a();
    } catch (const laufzeitfehler& f) {
        return f.beschreibung();
    }
    return {};
}

TEST_F(win32, ersetztUndRaeumtAuf) {
    schreiben("ApplicationSettings.xml", "alt");
    dateiErsetzen("ApplicationSettings.xml", "neu");
    EXPECT_EQ(lesen("ApplicationSettings.xml"), "neu");
    dateiErsetzen("neu.xml", "ganz neu");
    EXPECT_EQ(lesen("neu.xml"), "ganz neu");
    EXPECT_EQ(eintraege(), 2) << "no temporary or backup file is left behind";
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

// A scanner opens each new file in the folder for 300 ms, sharing read and
// write but not delete: the new one before the replace, the old one under
// its backup name after it. The save waits for it. A backup name held until
// the save is over is named in the message, with the new text in place.
TEST_F(win32, scannerHaeltJedeNeueDatei) {
    for (const bool lange : {false, true}) {
        schreiben("ApplicationSettings.xml", "alt");
        HANDLE gehalten = INVALID_HANDLE_VALUE;
        std::vector<std::jthread> scanner;
        beimErsetzen = [&](LPCWSTR alt, LPCWSTR neu, LPCWSTR sicherung) {
            if (scanner.empty()) {
                scanner.push_back(spaeterSchliessen(halten(neu), 300));
            }
            const BOOL gelungen = echtesErsetzen(alt, neu, sicherung,
                                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
            if (gelungen && lange) {
                gehalten = halten(sicherung);
            } else if (gelungen) {
                scanner.push_back(spaeterSchliessen(halten(sicherung), 300));
            }
            return gelungen;
        };
        const std::string text = meldung([] { dateiErsetzen("ApplicationSettings.xml", "neu"); });
        ::CloseHandle(gehalten);
        EXPECT_EQ(lesen("ApplicationSettings.xml"), "neu");
        EXPECT_EQ(text.find("Fassung unter ./.ApplicationSettings.xml.tmp") != std::string::npos,
                  lange)
            << text;
        EXPECT_EQ(eintraege(), lange ? 2 : 1);
    }
}

// Another program holds the settings file: a reader, without sharing
// delete, for 400 ms is waited for; one that holds it without any sharing
// until the save is over gets it refused, with the old text kept, nothing
// left beside it, and a message that says so for saving and for loading.
// The window hears when the waiting starts and ends.
TEST_F(win32, gehalteneDatei) {
    for (const bool lange : {false, true}) {
        schreiben("ApplicationSettings.xml", "alt");
        std::vector<bool> gemeldet;
        wartenMelden([&](bool wartet) { gemeldet.push_back(wartet); });
        const HANDLE h = halten(L"ApplicationSettings.xml", lange ? 0 : FILE_SHARE_READ);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        std::jthread leser = lange ? std::jthread() : spaeterSchliessen(h, 400);
        const std::string_view bisher[] = {"alt"};
        const std::string text =
            meldung([&] { dateiErsetzen("ApplicationSettings.xml", "neu", bisher); });
        EXPECT_EQ(gemeldet, (std::vector<bool>{true, false}));
        if (lange) {
            EXPECT_NE(text.find("geöffnet und gesperrt). Nichts wurde geschrieben"),
                      std::string::npos)
                << text;
            const std::string laden = meldung([] { dateiLesen("ApplicationSettings.xml"); });
            EXPECT_NE(laden.find("geöffnet und gesperrt). Sie wurde nicht gelesen"),
                      std::string::npos)
                << laden;
            ::CloseHandle(h);
        }
        EXPECT_EQ(lesen("ApplicationSettings.xml"), lange ? "alt" : "neu");
        EXPECT_EQ(eintraege(), 1);
    }
}

// Another program writes the file while the save waits for it: its text
// stays (75).
TEST_F(win32, aenderungWaehrendDesWartens) {
    schreiben("ApplicationSettings.xml", "alt");
    const HANDLE h = ::CreateFileW(L"ApplicationSettings.xml", GENERIC_WRITE, FILE_SHARE_READ,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
    wartenMelden([&](bool wartet) {
        DWORD n = 0;
        if (wartet && ::WriteFile(h, "fremd", 5, &n, nullptr)) {
            ::CloseHandle(h);
        }
    });
    const std::string_view bisher[] = {"alt"};
    EXPECT_EQ(fehlernummer([&] { dateiErsetzen("ApplicationSettings.xml", "neu", bisher); }), 75);
    EXPECT_EQ(lesen("ApplicationSettings.xml"), "fremd");
    EXPECT_EQ(eintraege(), 1);
}

// A replace that stops half way, with the old file under its backup name:
// the old file goes back, or, where another program has made a file under
// its name meanwhile, stays under the backup name that the message gives.
TEST_F(win32, halbesErsetzen) {
    for (const bool besetzt : {false, true}) {
        schreiben("ApplicationSettings.xml", "alt");
        std::wstring sicherung;
        beimErsetzen = [&](LPCWSTR alt, LPCWSTR, LPCWSTR s) {
            sicherung = s;
            ::MoveFileW(alt, s);
            if (besetzt) {
                schreiben("ApplicationSettings.xml", "fremd");
            }
            ::SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
            return FALSE;
        };
        const std::string text = meldung([] { dateiErsetzen("ApplicationSettings.xml", "neu"); });
        EXPECT_EQ(lesen("ApplicationSettings.xml"), besetzt ? "fremd" : "alt");
        EXPECT_EQ(eintraege(), besetzt ? 2 : 1);
        if (besetzt) {
            EXPECT_EQ(lesen(sicherung), "alt");
            EXPECT_NE(text.find(fs::path(sicherung).filename().string()), std::string::npos)
                << text;
        }
    }
}

// The in-place write of "ini.txt" in a folder that takes no new file: run
// by tests/windows/ohne_schreibrecht.sh as a user who may not create files
// in the working folder.
TEST(win32ohneSchreibrecht, schreibtAnOrt) {
    if (std::getenv("TAMVORIL_OHNE_SCHREIBRECHT") == nullptr) {
        GTEST_SKIP() << "only in a folder that takes no new file";
    }
    dateiSchreiben("ini.txt", "neu");
    std::ifstream ein("ini.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ein), {}), "neu");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator{}), 1);
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
