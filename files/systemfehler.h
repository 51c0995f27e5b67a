#pragma once

#include "laufzeitfehler.h"

#include <string>

// A failed system call on a file as a runtime error with a German
// description: 53 when the file or a folder on its path is missing, 70 when
// access is refused, 75 for any other cause. `fehler` is an errno value;
// `name` is UTF-8.
laufzeitfehler systemfehler(int fehler, const std::string& name);

// The message of a failed access to `name` with the runtime error number
// `nummer` (52, 53, 70 or 75) and the German cause.
laufzeitfehler systemmeldung(int nummer, const std::string& name, const std::string& ursache);

// The cause of a system error number in German; for numbers without a German
// text the number itself.
std::string systemursache(int fehler);

#ifdef _WIN32
// The same for a Win32 error code (GetLastError) while loading or saving. A
// file that another program holds open without sharing it is refused with
// 70 and a text of its own, which says what did not happen.
enum class vorgang { laden, speichern };
laufzeitfehler windowsfehler(unsigned long fehler, const std::string& name,
                             vorgang beim = vorgang::speichern);
#endif
