#pragma once

#include <QStringList>

// The Windows Start menu entry starts the program with this option. The
// program then works in the user's %APPDATA%\Tamvoril\, created when missing,
// so that "ini.txt" lives there and not in the installation folder, as the
// Linux menu's launcher does with ~/.config/tamvoril/.
inline constexpr const char* startmenueoption = "--benutzerordner";

// Changes to that folder when the option is given. Where the folder cannot be
// made or entered, a message says so and the program stays where it was
// started.
void startordnerWaehlen(const QStringList& argumente);
