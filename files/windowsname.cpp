#include "windowsname.h"

#include "zeichensatz.h"

#include <windows.h>

namespace {

// CreateDirectoryW refuses 248 units and more, the file calls 260.
constexpr std::size_t kurzBis = MAX_PATH - 12;

std::wstring utf16(std::string_view utf8) {
    std::wstring breit;
    breit.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto z = utf8Lesen(utf8, i);
        // namePruefen has refused anything else; keep the byte for safety.
        const char32_t c = z ? z->zeichen : static_cast<unsigned char>(utf8[i]);
        i += z ? z->laenge : 1;
        if (c >= 0x10000) {
            breit += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            breit += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            breit += static_cast<wchar_t>(c);
        }
    }
    return breit;
}

std::wstring absolut(const std::wstring& name) {
    std::wstring voll(name.size() + MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            ::GetFullPathNameW(name.c_str(), static_cast<DWORD>(voll.size()), voll.data(), nullptr);
        if (n == 0) {
            return name; // the call that uses it reports what is wrong
        }
        if (n < voll.size()) {
            voll.resize(n);
            return voll;
        }
        voll.resize(n);
    }
}

} // namespace

std::wstring windowsname(std::string_view utf8) {
    const std::wstring name = utf16(utf8);
    if (name.starts_with(L"\\\\?\\") || name.starts_with(L"\\\\.\\")) {
        return name;
    }
    const std::wstring voll = absolut(name);
    if (voll.size() < kurzBis) {
        return name;
    }
    if (voll.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + voll.substr(2);
    }
    return L"\\\\?\\" + voll;
}
