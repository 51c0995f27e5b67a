#include "dateien.h"

#include "anort.h"
#include "dateiname.h"
#include "ersetzen.h"
#include "geduld.h"
#include "laufzeitfehler.h"
#include "meldungen.h"
#include "systemfehler.h"
#include "vergleich.h"
#include "windowsname.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <windows.h>

namespace {

// Closes the handle on every way out; `schliessen` reports a failed close.
class griff {
  public:
    explicit griff(HANDLE h) : h_(h) {}
    griff(const griff&) = delete;
    griff& operator=(const griff&) = delete;
    ~griff() {
        if (gueltig()) {
            ::CloseHandle(h_);
        }
    }
    HANDLE h() const { return h_; }
    bool gueltig() const { return h_ != INVALID_HANDLE_VALUE; }
    void schliessen(const std::string& name) {
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        if (!::CloseHandle(h)) {
            throw windowsfehler(::GetLastError(), name);
        }
    }

  private:
    HANDLE h_;
};

// Win32 errors that a program holding a file for a moment causes: worth
// another attempt after a pause. Access denied counts only for an existing
// file without the read-only attribute, which stays refused.
bool voruebergehend(DWORD fehler, const std::wstring& datei) {
    switch (fehler) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
        return true;
    case ERROR_ACCESS_DENIED: {
        const DWORD attribute = ::GetFileAttributesW(datei.c_str());
        return attribute != INVALID_FILE_ATTRIBUTES &&
               (attribute & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
    }
    default:
        return false;
    }
}

// Runs `versuch`, which returns ERROR_SUCCESS or a Win32 error, again after
// each pause while it fails only for a moment; returns its last result.
DWORD beharrlich(const std::function<DWORD()>& versuch, const std::wstring& datei) {
    geduld warten;
    DWORD fehler = versuch();
    while (fehler != ERROR_SUCCESS && voruebergehend(fehler, datei) && warten.abwarten()) {
        fehler = versuch();
    }
    return fehler;
}

// A name from the system, UTF-16, as UTF-8.
std::string utf8(const wchar_t* breit) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, breit, -1, nullptr, 0, nullptr, nullptr);
    std::string name(n > 0 ? static_cast<std::size_t>(n) : 1, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, breit, -1, name.data(), n, nullptr, nullptr);
    name.pop_back();
    return name;
}

DWORD ergebnis(BOOL gelungen) {
    return gelungen ? ERROR_SUCCESS : ::GetLastError();
}

// Runs `schritt` once `pruefen` finds the old file unchanged, both again
// after each pause while either fails only for a moment.
DWORD geprueftBeharrlich(const std::function<DWORD()>& pruefen,
                         const std::function<BOOL()>& schritt, const std::wstring& datei) {
    return beharrlich(
        [&] {
            const DWORD anders = pruefen();
            return anders != ERROR_SUCCESS ? anders : ergebnis(schritt());
        },
        datei);
}

// Deletes a file, waiting for a program that holds it for a moment; true
// once it is gone.
bool loeschen(const std::wstring& datei) {
    const DWORD fehler = beharrlich([&] { return ergebnis(::DeleteFileW(datei.c_str())); }, datei);
    return fehler == ERROR_SUCCESS || fehler == ERROR_FILE_NOT_FOUND;
}

// Deletes a file on every way out unless it has been kept.
class wegraeumen {
  public:
    explicit wegraeumen(std::wstring name) : name_(std::move(name)) {}
    wegraeumen(const wegraeumen&) = delete;
    wegraeumen& operator=(const wegraeumen&) = delete;
    ~wegraeumen() {
        if (!name_.empty()) {
            loeschen(name_);
        }
    }
    void behalten() { name_.clear(); }

  private:
    std::wstring name_;
};

[[noreturn]] void scheitern(const std::string& name, vorgang beim = vorgang::speichern) {
    throw windowsfehler(::GetLastError(), name, beim);
}

// Opened for reading, shared with every other reader and writer.
HANDLE zumLesen(const std::wstring& name) {
    return ::CreateFileW(name.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// One call moves at most this much, well inside a DWORD.
constexpr std::size_t happen = std::size_t{1} << 30;

// Reads up to `laenge` bytes; fewer only at the end of the file.
std::size_t lesenBis(HANDLE h, char* ziel, std::size_t laenge, const std::string& name,
                     vorgang beim = vorgang::speichern) {
    std::size_t gelesen = 0;
    while (gelesen < laenge) {
        DWORD n = 0;
        const auto wunsch = static_cast<DWORD>(std::min(laenge - gelesen, happen));
        if (!::ReadFile(h, ziel + gelesen, wunsch, &n, nullptr)) {
            scheitern(name, beim);
        }
        if (n == 0) {
            break;
        }
        gelesen += n;
    }
    return gelesen;
}

void allesSchreiben(HANDLE h, std::string_view inhalt, const std::string& name) {
    while (!inhalt.empty()) {
        DWORD n = 0;
        const auto wunsch = static_cast<DWORD>(std::min(inhalt.size(), happen));
        if (!::WriteFile(h, inhalt.data(), wunsch, &n, nullptr)) {
            scheitern(name);
        }
        inhalt.remove_prefix(n);
    }
}

void synchronisieren(HANDLE h, const std::string& name) {
    if (!::FlushFileBuffers(h)) {
        scheitern(name);
    }
}

std::string ganzLesen(HANDLE h, const std::string& name, vorgang beim = vorgang::speichern) {
    std::string inhalt;
    LARGE_INTEGER groesse{};
    if (::GetFileSizeEx(h, &groesse)) {
        inhalt.resize(static_cast<std::size_t>(groesse.QuadPart));
    }
    inhalt.resize(lesenBis(h, inhalt.data(), inhalt.size(), name, beim));
    // The file may have grown meanwhile; keep reading until its end.
    char mehr[4096];
    while (const std::size_t n = lesenBis(h, mehr, sizeof mehr, name, beim)) {
        inhalt.append(mehr, n);
    }
    return inhalt;
}

// ERROR_SUCCESS while the file holds exactly the pieces of `bisher`, the
// Win32 error where it cannot be opened; a file that holds anything else or
// is gone is another program's change (75).
DWORD vergleichen(const std::wstring& datei, const std::string& name,
                  std::span<const std::string_view> bisher) {
    griff h(zumLesen(datei));
    if (!h.gueltig()) {
        const DWORD fehler = ::GetLastError();
        if (fehler != ERROR_FILE_NOT_FOUND) {
            return fehler;
        }
    } else if (haeltGenau([&](char* ziel, std::size_t n) { return lesenBis(h.h(), ziel, n, name); },
                          bisher)) {
        return ERROR_SUCCESS;
    }
    geaendert(name);
}

// Writes an existing file in place: emptied first, then written and
// flushed. A write that fails part way puts the old text back; a crash
// between the two steps leaves an empty file, which the loader reports.
void direktSchreiben(const std::wstring& datei, const std::string& name, std::string_view inhalt) {
    const std::string alt = [&] {
        griff h(zumLesen(datei));
        if (!h.gueltig()) {
            scheitern(name);
        }
        return ganzLesen(h.h(), name);
    }();
    HANDLE offen = INVALID_HANDLE_VALUE;
    const DWORD fehler = beharrlich(
        [&] {
            offen = ::CreateFileW(datei.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            return offen == INVALID_HANDLE_VALUE ? ::GetLastError() : ERROR_SUCCESS;
        },
        datei);
    if (fehler != ERROR_SUCCESS) {
        throw windowsfehler(fehler, name);
    }
    griff h(offen);
    const auto setzen = [&](std::string_view text) {
        LARGE_INTEGER anfang{};
        if (!::SetFilePointerEx(h.h(), anfang, nullptr, FILE_BEGIN) || !::SetEndOfFile(h.h())) {
            scheitern(name);
        }
        allesSchreiben(h.h(), text, name);
        synchronisieren(h.h(), name);
    };
    anOrtSetzen(setzen, inhalt, alt);
    h.schliessen(name);
}

// The tag of an old version's backup name, so that a later save recognises
// one that could not be deleted: ".name.bisher" and eight letters or digits.
constexpr std::string_view altkennung = "bisher";

bool istAlteFassung(std::string_view eintrag) {
    constexpr std::string_view mitte = ".bisher"; // "." and altkennung
    static_assert(mitte.substr(1) == altkennung);
    if (!eintrag.starts_with('.') || eintrag.size() < 2 + mitte.size() + zufallslaenge) {
        return false;
    }
    const std::string_view zufall = eintrag.substr(eintrag.size() - zufallslaenge);
    return eintrag.substr(eintrag.size() - zufallslaenge - mitte.size(), mitte.size()) == mitte &&
           std::ranges::all_of(
               zufall, [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

// Deletes the old versions that earlier saves left in the folder of `name`,
// each in one attempt: one still held waits for the save after.
void alteFassungenEntfernen(const std::string& name) {
    const std::string ordner = ordnerVon(name);
    try {
        for (const std::string& eintrag : dateienIn(ordner)) {
            const std::wstring datei = windowsname(ordner + eintrag);
            // A read-only one is an old version a failed replace kept for
            // the user, whom its message sent there.
            if (istAlteFassung(eintrag) &&
                (::GetFileAttributesW(datei.c_str()) & FILE_ATTRIBUTE_READONLY) == 0) {
                ::DeleteFileW(datei.c_str());
            }
        }
    } catch (const laufzeitfehler&) {
        // A folder that cannot be listed keeps its leftovers; the save stands.
    }
}

// Keeps an old version that could not be put back out of reach of the next
// save's cleanup, which would delete it under its backup name: a copy
// beside the file under a name a user recognises, or, where no copy can be
// made, the backup itself marked read-only. Returns the name to give the
// user.
std::string retten(const std::wstring& sicherung, const std::string& name,
                   const std::string& sicherungsname) {
    const std::string rettungsname = name + " (bisherige Fassung " + zufallskennung("") + ")";
    if (::CopyFileW(sicherung.c_str(), windowsname(rettungsname).c_str(), TRUE)) {
        ::DeleteFileW(sicherung.c_str());
        return rettungsname;
    }
    const DWORD attribute = ::GetFileAttributesW(sicherung.c_str());
    if (attribute != INVALID_FILE_ATTRIBUTES) {
        ::SetFileAttributesW(sicherung.c_str(), attribute | FILE_ATTRIBUTE_READONLY);
    }
    return sicherungsname;
}

// Puts the old file back from its backup name after a replace that stopped
// half way. Where that fails, the message says where the old text is.
void zuruecklegen(const std::wstring& datei, const std::wstring& sicherung, const std::string& name,
                  const std::string& sicherungsname) {
    if (beharrlich(
            [&] {
                return ergebnis(
                    ::MoveFileExW(sicherung.c_str(), datei.c_str(), MOVEFILE_WRITE_THROUGH));
            },
            sicherung) != ERROR_SUCCESS) {
        throw meldungsfehler(
            meldung::nichtZurueckgelegt,
            {{"datei", name}, {"bisher", retten(sicherung, name, sicherungsname)}});
    }
}

// Moves the new file over the old one once `pruefen` finds the old one
// unchanged, again after a pause while another program holds either.
// ReplaceFileW keeps the old file's attributes, access control list and
// streams. Its old file goes to a backup name first, so that whatever step
// fails, the old file can be put back where it was.
void ueberAlteLegen(const std::wstring& datei, const std::wstring& neu, const std::string& name,
                    const std::function<DWORD()>& pruefen) {
    const std::string sicherungsname = vorlaeufigerName(name, zufallskennung(altkennung));
    const std::wstring sicherung = windowsname(sicherungsname);
    const DWORD fehler = geprueftBeharrlich(
        pruefen,
        [&] {
            return ::ReplaceFileW(datei.c_str(), neu.c_str(), sicherung.c_str(),
                                  REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
        },
        datei);
    if (fehler == ERROR_SUCCESS) {
        // The new file is in place: the save has succeeded. An old version
        // that another program still holds stays for the next save.
        loeschen(sicherung);
        return;
    }
    if (fehler == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        zuruecklegen(datei, sicherung, name, sicherungsname);
    }
    throw windowsfehler(fehler, name);
}

} // namespace

void ersetzen(std::string_view zielname, std::string_view inhalt,
              const std::span<const std::string_view>* bisher, notfalls ausweg) {
    namePruefen(zielname);
    const std::string name(zielname);
    const std::wstring datei = windowsname(zielname);
    const DWORD attribute = ::GetFileAttributesW(datei.c_str());
    const bool vorhanden = attribute != INVALID_FILE_ATTRIBUTES;
    if (!vorhanden && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
        scheitern(name);
    }
    if (vorhanden && (attribute & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw systemfehler(EISDIR, name);
    }
    // A read-only file is refused, as a file without write permission is
    // elsewhere, also where the system would let it be replaced.
    if (vorhanden && (attribute & FILE_ATTRIBUTE_READONLY) != 0) {
        throw systemfehler(EACCES, name);
    }

    std::wstring vorlaeufig;
    HANDLE neu = INVALID_HANDLE_VALUE;
    for (int versuch = 0; neu == INVALID_HANDLE_VALUE && versuch < 100; ++versuch) {
        vorlaeufig = windowsname(vorlaeufigerName(zielname, zufallskennung()));
        neu = ::CreateFileW(vorlaeufig.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (neu == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    if (neu == INVALID_HANDLE_VALUE) {
        const DWORD fehler = ::GetLastError();
        if (ausweg == notfalls::direkt && vorhanden && fehler == ERROR_ACCESS_DENIED) {
            direktSchreiben(datei, name, inhalt);
            return;
        }
        throw windowsfehler(fehler, name);
    }
    // Declared first, so that the handle is closed before the file goes.
    wegraeumen temporaer(vorlaeufig);
    griff h(neu);
    allesSchreiben(h.h(), inhalt, name);
    // Data the disk did not take must not replace the old file.
    synchronisieren(h.h(), name);
    h.schliessen(name);
    const auto pruefen = [&]() -> DWORD {
        return bisher == nullptr ? ERROR_SUCCESS : vergleichen(datei, name, *bisher);
    };
    if (vorhanden) {
        ueberAlteLegen(datei, vorlaeufig, name, pruefen);
    } else {
        const DWORD fehler = geprueftBeharrlich(
            pruefen,
            [&] {
                return ::MoveFileExW(vorlaeufig.c_str(), datei.c_str(), MOVEFILE_WRITE_THROUGH);
            },
            vorlaeufig);
        // A file that another program made meanwhile is not overwritten.
        if (fehler == ERROR_ALREADY_EXISTS) {
            geaendert(name);
        }
        if (fehler != ERROR_SUCCESS) {
            throw windowsfehler(fehler, name);
        }
    }
    temporaer.behalten();
    alteFassungenEntfernen(name);
}

bool dateiExistiert(std::string_view name) {
    namePruefen(name);
    const DWORD attribute = ::GetFileAttributesW(windowsname(name).c_str());
    return attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool schreibgeschuetzt(std::string_view name) {
    namePruefen(name);
    const DWORD attribute = ::GetFileAttributesW(windowsname(name).c_str());
    return attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attribute & FILE_ATTRIBUTE_READONLY) != 0;
}

bool ordnerNimmtKeineDatei(std::string_view name) {
    namePruefen(name);
    return false;
}

bool ordnerExistiert(std::string_view name) {
    namePruefen(name);
    const DWORD attribute = ::GetFileAttributesW(windowsname(name).c_str());
    return attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<dateistempel> dateiStempel(std::string_view name) {
    namePruefen(name);
    WIN32_FILE_ATTRIBUTE_DATA daten{};
    if (!::GetFileAttributesExW(windowsname(name).c_str(), GetFileExInfoStandard, &daten) ||
        (daten.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    // FILETIME counts 100 ns steps since 1601.
    constexpr std::int64_t von1601bis1970 = 116'444'736'000'000'000;
    const auto zeit =
        static_cast<std::int64_t>((std::uint64_t{daten.ftLastWriteTime.dwHighDateTime} << 32) |
                                  daten.ftLastWriteTime.dwLowDateTime);
    return dateistempel{(std::uint64_t{daten.nFileSizeHigh} << 32) | daten.nFileSizeLow,
                        (zeit - von1601bis1970) * 100};
}

std::string dateiLesen(std::string_view zielname) {
    namePruefen(zielname);
    const std::string name(zielname);
    const std::wstring datei = windowsname(zielname);
    const DWORD attribute = ::GetFileAttributesW(datei.c_str());
    if (attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw systemfehler(EISDIR, name);
    }
    griff h(zumLesen(datei));
    if (!h.gueltig()) {
        scheitern(name, vorgang::laden);
    }
    return ganzLesen(h.h(), name, vorgang::laden);
}

void dateiBlockweiseLesen(std::string_view zielname,
                          const std::function<bool(std::string_view)>& weiter) {
    namePruefen(zielname);
    const std::string name(zielname);
    griff h(zumLesen(windowsname(zielname)));
    if (!h.gueltig()) {
        scheitern(name, vorgang::laden);
    }
    std::string block(blockgroesse, '\0');
    while (const std::size_t n =
               lesenBis(h.h(), block.data(), block.size(), name, vorgang::laden)) {
        if (!weiter(std::string_view(block.data(), n))) {
            return;
        }
    }
}

void ordnerAnlegen(std::string_view zielname) {
    namePruefen(zielname);
    const std::string name(zielname);
    const std::wstring ordner = windowsname(zielname);
    const DWORD fehler =
        beharrlich([&] { return ergebnis(::CreateDirectoryW(ordner.c_str(), nullptr)); }, ordner);
    if (fehler == ERROR_SUCCESS) {
        return;
    }
    if (fehler != ERROR_ALREADY_EXISTS) {
        throw windowsfehler(fehler, name);
    }
    if (!ordnerExistiert(zielname)) {
        throw meldungsfehler(meldung::keinOrdner, {{"datei", name}});
    }
}

std::vector<std::string> dateienIn(std::string_view ordner) {
    namePruefen(ordner);
    std::string muster(ordner);
    if (muster.empty() || pfadtrennzeichen.find(muster.back()) == std::string::npos) {
        muster += pfadtrenner;
    }
    WIN32_FIND_DATAW eintrag{};
    const HANDLE suche = ::FindFirstFileExW(windowsname(muster + "*").c_str(), FindExInfoBasic,
                                            &eintrag, FindExSearchNameMatch, nullptr, 0);
    if (suche == INVALID_HANDLE_VALUE) {
        if (::GetLastError() == ERROR_FILE_NOT_FOUND) {
            return {};
        }
        scheitern(std::string(ordner));
    }
    std::vector<std::string> namen;
    do {
        if ((eintrag.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            namen.push_back(utf8(eintrag.cFileName));
        }
    } while (::FindNextFileW(suche, &eintrag));
    const DWORD fehler = ::GetLastError();
    ::FindClose(suche);
    if (fehler != ERROR_NO_MORE_FILES) {
        throw windowsfehler(fehler, std::string(ordner));
    }
    return namen;
}

void dateiLoeschen(std::string_view zielname) {
    namePruefen(zielname);
    const std::wstring datei = windowsname(zielname);
    const DWORD fehler = beharrlich([&] { return ergebnis(::DeleteFileW(datei.c_str())); }, datei);
    if (fehler != ERROR_SUCCESS && fehler != ERROR_FILE_NOT_FOUND) {
        throw windowsfehler(fehler, std::string(zielname));
    }
}
