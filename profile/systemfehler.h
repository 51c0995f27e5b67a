#pragma once

#include "laufzeitfehler.h"

#include <string>

// A failed system call on a file as a runtime error with a German
// description: 53 when the file or a folder on its path is missing, 70 when
// access is refused, 75 for any other cause. `name` is UTF-8.
laufzeitfehler systemfehler(int fehler, const std::string& name);

// The cause of a system error number in German; for numbers without a German
// text the generic access error with the number.
std::string systemursache(int fehler);
