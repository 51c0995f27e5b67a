#pragma once

#include <span>
#include <string_view>

// The replace behind dateiErsetzen and dateiSchreiben, one for each
// platform: with the change check where `bisher` is given, and with the
// in-place write where the folder takes no new file and `ausweg` allows it.
enum class notfalls { nichts, direkt };

void ersetzen(std::string_view name, std::string_view inhalt,
              const std::span<const std::string_view>* bisher, notfalls ausweg);
