#include "dateien.h"

#include "ersetzen.h"

void dateiErsetzen(std::string_view name, std::string_view inhalt) {
    ersetzen(name, inhalt, nullptr, notfalls::nichts);
}

void dateiErsetzen(std::string_view name, std::string_view inhalt,
                   std::span<const std::string_view> bisher) {
    ersetzen(name, inhalt, &bisher, notfalls::nichts);
}

void dateiSchreiben(std::string_view name, std::string_view inhalt) {
    ersetzen(name, inhalt, nullptr, notfalls::direkt);
}
