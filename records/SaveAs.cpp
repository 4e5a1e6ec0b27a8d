#include "records/SaveAs.h"

#include "records/RecordFileIo.h"
#include "records/RecordMerge.h"

#include <windows.h>

#include <cwchar>

namespace {

// Temporary names tried before giving up (another save of the same name may be under way).
constexpr int TEMPORARY_NAME_ATTEMPTS = 100;

const wchar_t* ExtensionOf(int filterIndex)
{
    switch (filterIndex) {
    case SAVE_AS_CSV:
        return L".csv";
    case SAVE_AS_TEXT:
        return L".txt";
    default:
        return L".jpg";
    }
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsHeldError(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

// The target's folder with its separator ("" for a bare name: the current folder).
std::wstring FolderPartOf(const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

bool FolderExists(const std::wstring& folder)
{
    if (folder.empty())
        return true;
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// An existing target that cannot be opened for writing with exclusive sharing is not replaced.
SaveResult CheckExistingTarget(const std::wstring& targetPath, unsigned long* error)
{
    const DWORD attributes = ::GetFileAttributesW(targetPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return SaveResult::Saved;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        *error = ERROR_DIRECTORY;
        return SaveResult::WriteFailed;
    }
    ClearFileError();
    switch (HoldOfAfterBriefReaders(targetPath)) {
    case FileHold::Free:
        return SaveResult::Saved;
    case FileHold::Held:
        return SaveResult::TargetHeld;
    default:
        *error = ErrorOfLastFailure();
        return SaveResult::WriteFailed;
    }
}

// Creates a new empty file "<target without extension>.~<process><n><extension>" beside the target.
SaveResult CreateTemporaryBeside(const std::wstring& targetPath, std::wstring* temporaryPath, unsigned long* error)
{
    const std::size_t dot = targetPath.find_last_of(L'.');
    const std::size_t separator = targetPath.find_last_of(L"\\/");
    const bool hasExtension = dot != std::wstring::npos && (separator == std::wstring::npos || dot > separator);
    const std::wstring stem = hasExtension ? targetPath.substr(0, dot) : targetPath;
    const std::wstring extension = hasExtension ? targetPath.substr(dot) : std::wstring();
    for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS; ++attempt) {
        wchar_t tag[32];
        std::swprintf(tag, 32, L".~%lx%d", ::GetCurrentProcessId(), attempt);
        const std::wstring path = stem + tag + extension;
        HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            ::CloseHandle(file);
            *temporaryPath = path;
            return SaveResult::Saved;
        }
        *error = ::GetLastError();
        if (*error == ERROR_PATH_NOT_FOUND)
            return SaveResult::FolderMissing;
        if (*error != ERROR_FILE_EXISTS && *error != ERROR_ALREADY_EXISTS)
            return SaveResult::WriteFailed;
    }
    return SaveResult::WriteFailed;
}

// The first line of a text file without its line end ("" when it cannot be read).
std::string FirstLineOf(const std::wstring& path)
{
    UniqueFile file = OpenFile(path, L"rb");
    if (!file)
        return std::string();
    CLineReader reader(file.get());
    std::string line;
    bool complete = false;
    return reader.Next(line, &complete) && complete ? line : std::string();
}

// A header row of the custom files in other units than these.
bool HeaderRowInOtherUnits(const std::string& line, RecordFileKind kind, const DisplayUnitSelection& units)
{
    const std::string header = BuildHeaderRow(SeparatorOf(kind), units);
    const size_t firstColumn = header.find(SeparatorOf(kind)) + 1;
    return line != header && line.compare(0, firstColumn, header, 0, firstColumn) == 0;
}

// The steps of ReplaceInOneStep; *error is the system's error code of a WriteFailed.
SaveResult WriteInOneStep(const std::wstring& targetPath, const std::function<bool(const std::wstring&)>& write,
                          unsigned long* error)
{
    if (!FolderExists(FolderPartOf(targetPath)))
        return SaveResult::FolderMissing;
    SaveResult result = CheckExistingTarget(targetPath, error);
    if (result != SaveResult::Saved)
        return result;
    std::wstring temporary;
    result = CreateTemporaryBeside(targetPath, &temporary, error);
    if (result != SaveResult::Saved)
        return result;
    ::SetLastError(0);
    if (!write(temporary) || !FlushToDisk(temporary)) {
        *error = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        return SaveResult::WriteFailed;
    }
    if (!::MoveFileExW(temporary.c_str(), targetPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        *error = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        return IsHeldError(*error) ? SaveResult::TargetHeld : SaveResult::WriteFailed;
    }
    return SaveResult::Saved;
}

}  // namespace

std::wstring SaveAsTargetPath(const std::wstring& chosenPath, int filterIndex)
{
    const std::wstring extension = ExtensionOf(filterIndex);
    const bool hasExtension = chosenPath.size() >= extension.size() &&
                              chosenPath.compare(chosenPath.size() - extension.size(), extension.size(), extension) == 0;
    return hasExtension ? chosenPath : chosenPath + extension;
}

const wchar_t* SaveAsDefaultExtension() { return ExtensionOf(SAVE_AS_CSV) + 1; }

bool SaveAsNeedsOverwriteQuestion(const std::wstring& chosenPath, const std::wstring& targetPath)
{
    return targetPath != chosenPath && Exists(targetPath);
}

SaveResult ReplaceInOneStep(const std::wstring& targetPath, const std::function<bool(const std::wstring&)>& write,
                            unsigned long* systemError)
{
    unsigned long error = 0;
    SaveResult result = WriteInOneStep(targetPath, write, &error);
    if (systemError != nullptr)
        *systemError = result == SaveResult::WriteFailed ? error : 0;
    return result;
}

SaveResult SaveRecordsAs(const std::wstring& installFolder, int filterIndex, const std::wstring& targetPath,
                         const DisplayUnitSelection& units, unsigned long* systemError)
{
    if (filterIndex != SAVE_AS_CSV && filterIndex != SAVE_AS_TEXT)
        return SaveResult::WriteFailed;
    const RecordFileKind kind = filterIndex == SAVE_AS_CSV ? RecordFileKind::CsvCustom : RecordFileKind::TxtCustom;
    const std::wstring copy = installFolder + UserCopyName(kind);
    if (!Exists(copy))
        return SaveResult::SourceMissing;
    if (!HeaderRowInOtherUnits(FirstLineOf(copy), kind, units)) {
        return ReplaceInOneStep(
            targetPath,
            [&copy](const std::wstring& temporary) { return ::CopyFileW(copy.c_str(), temporary.c_str(), FALSE) != FALSE; },
            systemError);
    }
    // The display-unit files are not in these units (yet): the records come from the base file.
    const std::wstring base = installFolder + RecordFileName(BaseKindOf(kind));
    return ReplaceInOneStep(
        targetPath,
        [&](const std::wstring& temporary) {
            ClearFileError();
            if (WriteConvertedRecords(kind, base, temporary, units))
                return true;
            ::SetLastError(ErrorOfLastFailure());
            return false;
        },
        systemError);
}
