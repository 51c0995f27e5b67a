#pragma once

#include <string>
#include <string_view>

// The two number conversions of the result products, for the German format
// (decimal comma), written directly so that the process locale plays no part.

// Every "." becomes "," and the text is read as a German decimal number:
// optional blanks around it, an optional sign, digits with at most one
// decimal comma, and an optional exponent (E or e, optional sign, digits).
// Anything else raises the type-mismatch error; a value beyond the double
// range raises the overflow error, except that the largest double as
// zahlText shows it (1,79769313486232E+308) reads back as the largest double.
// Values too small for a double become 0.
double zahlLesen(std::string_view text);

// 15 significant digits, decimal comma, no trailing zeros, no grouping;
// exponent form (1E+15, 1E-05) when the rounded value's decimal exponent lies
// outside -4 to 14. Negative zero shows as 0. The value must be finite.
std::string zahlText(double wert);
