// Encodings of the program's texts where a narrow text is needed: the charting library takes its
// titles, labels and file paths in UTF-8.
#pragma once
#include <string>

// UTF-8 of a wide text (a null text is empty).
std::string Utf8(const std::wstring& text);
std::string Utf8(const wchar_t* text);
