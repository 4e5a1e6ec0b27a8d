// "Save as" of the records and of a picture of the main window: the kinds the save dialog offers,
// the extension a chosen name gets, and the copy of the display-unit record file.
#pragma once
#include <string>

// Filter indexes of the save dialog (1-based, as the dialog reports them).
constexpr int SAVE_AS_CSV = 1;
constexpr int SAVE_AS_TEXT = 2;
constexpr int SAVE_AS_PICTURE = 3;  // any other index saves the picture too

// The chosen path with the kind's extension: ".csv", ".txt" or ".jpg" is appended unless the path's
// last four characters are exactly that extension (lower case).
std::wstring SaveAsTargetPath(const std::wstring& chosenPath, int filterIndex);

// Copies the display-unit record file of the kind ("RECORDS_CUSTOM.csv" or "RECORDS_CUSTOM.txt" in
// installFolder, which ends in a separator) onto the target. Nothing is written when that file does
// not exist yet or when the target is held open elsewhere (an existing target keeps its contents);
// false then, and for the picture kind.
bool SaveRecordsAs(const std::wstring& installFolder, int filterIndex, const std::wstring& targetPath);
