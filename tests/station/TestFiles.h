// Scratch files of the station tests.
#pragma once
#include <string>

// A path in the temporary folder, unique to this test program.
std::string TempFilePath(const std::string& name);
// The same path in wide characters (the temporary folder's name is ASCII).
std::wstring Wide(const std::string& path);
// The file's bytes ("" when it can't be read).
std::string ReadWholeFile(const std::string& path);
// Line `index` (from 0) without its line break; "" when missing.
std::string ReadLine(const std::string& path, int index);
