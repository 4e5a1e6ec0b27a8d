// "Save as" of the records and of a picture of the main window: the kinds the save dialog offers,
// the extension a chosen name gets, the overwrite question about the file really written, and the
// writing itself, which replaces the target in one step or leaves it as it was.
#pragma once
#include "records/RecordMerge.h"

#include <functional>
#include <string>

// Filter indexes of the save dialog (1-based, as the dialog reports them).
constexpr int SAVE_AS_CSV = 1;
constexpr int SAVE_AS_TEXT = 2;
constexpr int SAVE_AS_PICTURE = 3;  // any other index saves the picture too

// The chosen path with the kind's extension: ".csv", ".txt" or ".jpg" is appended unless the path's
// last four characters are exactly that extension (lower case).
std::wstring SaveAsTargetPath(const std::wstring& chosenPath, int filterIndex);

// The save dialog's default extension ("csv"): a name typed without an extension gets the chosen
// filter's, so the dialog's overwrite question is about the file that will be written.
const wchar_t* SaveAsDefaultExtension();

// True when the file that will be written is not the one the dialog returned (an extension was
// appended) and it exists already: the dialog's overwrite question was not about it.
bool SaveAsNeedsOverwriteQuestion(const std::wstring& chosenPath, const std::wstring& targetPath);

enum class SaveResult {
    Saved,
    SourceMissing,  // no display-unit copy of the records yet
    FolderMissing,  // the target's folder does not exist
    TargetHeld,     // another program has the target open
    WriteFailed,    // anything else: the file could not be written or put in place
};

// Writes a file the user keeps in one step: `write` fills a new temporary file in the target's
// folder (its name ends in the target's extension), which then replaces the target. When anything
// fails the target keeps its bytes and the temporary file is removed. For WriteFailed,
// *systemError (when given) receives the system's error code (0 when the system gave none).
SaveResult ReplaceInOneStep(const std::wstring& targetPath, const std::function<bool(const std::wstring&)>& write,
                            unsigned long* systemError = nullptr);

// Writes the records in the display units `units` onto the target through ReplaceInOneStep: the
// display-unit copy of the kind ("RECORDS_CUSTOM.csv" or "RECORDS_CUSTOM.txt" in installFolder,
// which ends in a separator); when its header row names other units (its rebuild after a unit
// change has not ended, or failed), the lines of the base-unit record file ("csv.dat", "txt.dat")
// converted into them. Nothing is written when there are no records yet
// (SourceMissing); the picture kind is WriteFailed.
SaveResult SaveRecordsAs(const std::wstring& installFolder, int filterIndex, const std::wstring& targetPath,
                         const DisplayUnitSelection& units, unsigned long* systemError = nullptr);
