// The safe replace on Windows: over an existing file, over a read-only one,
// over one that is held open without sharing, and the in-place write.

#include "arbeitsordner.h"
#include "dateien.h"
#include "fehlernummer.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

namespace fs = std::filesystem;
using win32 = arbeitsordner;

TEST_F(win32, ersetztUndRaeumtAuf) {
    schreiben("ApplicationSettings.xml", "alt");
    dateiErsetzen("ApplicationSettings.xml", "neu");
    EXPECT_EQ(lesen("ApplicationSettings.xml"), "neu");
    dateiErsetzen("neu.xml", "ganz neu");
    EXPECT_EQ(lesen("neu.xml"), "ganz neu");
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_), fs::directory_iterator{}), 2)
        << "no temporary or backup file is left behind";
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

// A file that another program keeps open without sharing it for writing
// and deleting: a message of its own, and nothing is written.
TEST_F(win32, gesperrteDateiHatEigeneMeldung) {
    schreiben("ApplicationSettings.xml", "alt");
    const HANDLE gesperrt = ::CreateFileW(L"ApplicationSettings.xml", GENERIC_READ, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(gesperrt, INVALID_HANDLE_VALUE);
    try {
        dateiErsetzen("ApplicationSettings.xml", "neu");
        ADD_FAILURE() << "replaced a locked file";
    } catch (const laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), 70);
        EXPECT_NE(f.beschreibung().find("von einem anderen Programm geöffnet und gesperrt"),
                  std::string::npos)
            << f.beschreibung();
    }
    ::CloseHandle(gesperrt);
    EXPECT_EQ(lesen("ApplicationSettings.xml"), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner_), fs::directory_iterator{}), 1);
}

// Names are Windows-1252 bytes and reach the system as UTF-16.
TEST_F(win32, umlauteImNamen) {
    const std::string name = "Stra\xC3\x9F"
                             "e M\xC3\xA4rz.txt";
    dateiErsetzen(name, "neu");
    EXPECT_TRUE(fs::exists(fs::path(u8"Straße März.txt")));
    EXPECT_EQ(dateiLesen(name), "neu");
    EXPECT_TRUE(dateiExistiert(name));
}

} // namespace
