// Text forms shared by every decoder of station bytes (live blocks, settings, history, min/max).
#pragma once
#include <string>
#include <string_view>

// "%d".
std::wstring TextD(int value);
// "0%d" below 10, else "%d" (two digits for 0..99).
std::wstring TextP2(int value);
// "00%d" below 10, "0%d" below 100, else "%d".
std::wstring TextP3(int value);
// "200%d" when the two-digit year is below 10, else "20%d".
std::wstring TextYear2(int twoDigitYear);
// "%.2f" of a value that is held as a single-precision float first.
std::wstring TextF2(double value);
// "%X" of a byte (upper case, no leading zero).
std::wstring TextHexByte(int value);

// Marker of a nibble that is not a decimal digit: 0xB "HH", 0xC "LL", anything else "UU".
std::wstring NibbleMarker(int nibble);
// Compass word of a direction index 0..15 ("N", "NNE", ... "NNW"); "UU" outside.
std::wstring CompassWord(int index);
// Wind status nibble: 0 "DEFAULT", 10 "RESTART", 13 "CLEAR", 14 "MISS", other "UU".
std::wstring WindStatusText(int status);

// Wide text to narrow text, for ASCII decoder texts (a character above 0x7F becomes '?').
std::string NarrowText(std::wstring_view text);
// Wide text in the program's ANSI code page (CP_ACP), for names and lines that leave the
// program as 8-bit text; empty for empty text.
std::string NarrowAnsiText(std::wstring_view text);
