#pragma once
// How numbers are written in level content, judged the way the game needs them: Irrlicht's
// readers take any text as a number (what is not one reads as 0, "1e999" as infinity), so the
// checks say which text is not the number it looks like.

#include <string_view>

// "12", "-0.5", "3e-2": what Irrlicht's float reader takes whole and finite; no sign '+', nan,
// inf or a number past the largest float ("1e39").
bool isPlainDecimal(std::string_view token);

// One to eight hexadecimal digits, as a mesh vertex's colour is written.
bool isHexColour(std::string_view token);

// Decimal digits only, at most nine of them (so the value fits an int); false otherwise.
bool readCount(std::string_view token, long& value);

// A number finite as a float, read by the C library, spaces around it allowed: false for "nan",
// "inf", "1e39" and for text that is not a number at all.
bool isFiniteNumber(std::string_view token);
