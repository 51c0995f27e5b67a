#include "ordnersuche.h"

#include "dateiname.h"
#include "laufzeitfehler.h"
#include "windowsname.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr std::size_t hoechsteTiefe = 64;

std::string utf8(std::wstring_view breit) {
    if (breit.empty()) {
        return {};
    }
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, breit.data(), static_cast<int>(breit.size()),
                                        nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, breit.data(), static_cast<int>(breit.size()), text.data(), n,
                          nullptr, nullptr);
    return text;
}

std::wstring utf16(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int n =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring breit(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), breit.data(), n);
    return breit;
}

// FILETIME counts 100 ns since 1601.
std::int64_t sekunden(const FILETIME& zeit) {
    const auto einheiten =
        (static_cast<std::uint64_t>(zeit.dwHighDateTime) << 32) | zeit.dwLowDateTime;
    return static_cast<std::int64_t>(einheiten / 10000000ULL) - 11644473600LL;
}

class lauf {
  public:
    lauf(std::string_view name, const ordnerfilter& betreten, const suchgrenzen& grenzen,
         std::stop_token halt)
        : name_(utf16(name)), betreten_(betreten), grenzen_(grenzen), halt_(std::move(halt)) {}

    void ordner(const std::string& pfad, const std::string& relativ, std::size_t tiefe) {
        std::wstring muster;
        try {
            namePruefen(pfad);
            muster = windowsname(pfad + "*");
        } catch (const laufzeitfehler&) {
            return;
        }
        WIN32_FIND_DATAW daten{};
        HANDLE liste =
            ::FindFirstFileExW(muster.c_str(), FindExInfoBasic, &daten, FindExSearchNameMatch,
                               nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (liste == INVALID_HANDLE_VALUE) {
            return;
        }
        std::vector<std::string> unterordner;
        do {
            const std::wstring_view n = daten.cFileName;
            if (n == L"." || n == L"..") {
                continue;
            }
            if (++gelesen_ > grenzen_.eintraege) {
                ergebnis.vorzeitig = true;
                break;
            }
            if ((gelesen_ & 255) == 0 && vorbei()) {
                break;
            }
            // A junction or a symbolic link is a reparse point: never entered.
            if (daten.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                continue;
            }
            if (daten.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                unterordner.push_back(utf8(n));
            } else if (::CompareStringOrdinal(n.data(), static_cast<int>(n.size()), name_.data(),
                                              static_cast<int>(name_.size()), TRUE) == CSTR_EQUAL) {
                ergebnis.dateien.push_back({pfad, sekunden(daten.ftLastWriteTime)});
            }
        } while (::FindNextFileW(liste, &daten));
        ::FindClose(liste);
        // In order of their names, so that a walk cut short by a limit
        // always covers the same part.
        std::ranges::sort(unterordner);
        for (const std::string& u : unterordner) {
            if (vorbei()) {
                break;
            }
            const std::string weiter = relativ.empty() ? u : relativ + "/" + u;
            if (tiefe < hoechsteTiefe && betreten_(weiter)) {
                ordner(pfad + u + "\\", weiter, tiefe + 1);
            }
        }
    }

    bool vorbei() {
        if (halt_.stop_requested() || std::chrono::steady_clock::now() >= grenzen_.frist) {
            ergebnis.vorzeitig = true;
        }
        return ergebnis.vorzeitig;
    }

    ordnerlauf ergebnis;

  private:
    std::wstring name_;
    const ordnerfilter& betreten_;
    const suchgrenzen& grenzen_;
    std::stop_token halt_;
    std::size_t gelesen_ = 0;
};

} // namespace

ordnerlauf dateienSuchen(std::string_view wurzel, std::string_view name,
                         const ordnerfilter& betreten, const suchgrenzen& grenzen,
                         std::stop_token halt) {
    lauf l(name, betreten, grenzen, std::move(halt));
    std::string pfad(wurzel);
    if (pfad.empty() || l.vorbei()) {
        return l.ergebnis;
    }
    // The folders found are shown: in Windows' own spelling, whatever the
    // home folder's variable holds.
    std::replace(pfad.begin(), pfad.end(), '/', '\\');
    if (pfad.back() != '\\') {
        pfad += '\\';
    }
    l.ordner(pfad, "", 0);
    return l.ergebnis;
}

std::string heimordner() {
    // The process's environment block, which a change by the program itself
    // reaches too.
    std::wstring heim(MAX_PATH, L'\0');
    DWORD n =
        ::GetEnvironmentVariableW(L"USERPROFILE", heim.data(), static_cast<DWORD>(heim.size()));
    if (n >= heim.size()) {
        heim.resize(n);
        n = ::GetEnvironmentVariableW(L"USERPROFILE", heim.data(), n);
    }
    heim.resize(n < heim.size() ? n : 0);
    return utf8(heim);
}
