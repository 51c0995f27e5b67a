#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// What a file held when it was read: its size and a 64-bit FNV-1a hash of
// its bytes. Two stands differ when the content does; a file's times and
// rights do not enter.
struct inhaltsstand {
    std::size_t groesse = 0;
    std::uint64_t pruefsumme = 0;

    bool operator==(const inhaltsstand&) const = default;
};

inhaltsstand standVon(std::string_view inhalt);
