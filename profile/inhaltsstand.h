#pragma once

#include "dateien.h"

#include <cstddef>
#include <cstdint>
#include <optional>
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

// The stamp of the file `name`, taken before its content is read, where it
// may stand for that content until it changes: only where the last write
// lies well before now, so that any later write, within the coarsest step of
// the file's clock, gets another time. Nothing for a file written just now
// (or in the future by another clock), whose content is then read each time.
std::optional<dateistempel> stempelVorDemLesen(std::string_view name);
