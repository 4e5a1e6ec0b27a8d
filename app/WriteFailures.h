// Files the program could not write, as the user is told of them: what failed and why, in the
// current language, once for as long as the cause lasts.
#pragma once
#include <map>
#include <string>
#include <vector>

// Why a write failed, as the user is told.
enum class WriteReason { DiskFull, WriteProtected, AccessDenied, HeldElsewhere, FolderInTheWay, FolderMissing, Other };

// The reason of a failed write of `path` that the system answered with `error` (a Win32 error
// code). A folder where the file should be is found by looking at the path; a read-only file by its
// attribute.
WriteReason WriteReasonOf(const std::wstring& path, unsigned long error);

// The reason in words in the language (Other: with the system's error code).
std::wstring WriteReasonText(WriteReason reason, unsigned long error, int language);

// What the program was writing: the failures of each are said apart. Restore: a record file brought
// back from its copy or the other base file; Settings: the settings files, the rain reset and the
// rain history; AutoSave: the automatic saving's files.
enum class WriteTask { StationData, ChartPictures, RecordFiles, CustomRebuild, Restore, Settings, AutoSave };
constexpr int WRITE_TASK_COUNT = 7;

struct FailedWrite {
    std::wstring path;
    unsigned long error = 0;  // the system's error code
    WriteReason reason = WriteReason::Other;
};
// A failed write with its reason looked up.
FailedWrite FailedWriteOf(const std::wstring& path, unsigned long error);

// Which failures are news. A failure is said when no file of its task fails for the same reason
// already; a file is failing from its first failure until it is written again.
class CWriteFailureNotices {
public:
    // Takes the failures of one round of a task's writes and returns those to say, a group per
    // reason (the files of a group in the order given).
    std::vector<std::vector<FailedWrite>> Failed(WriteTask task, const std::vector<FailedWrite>& failures);
    // The file was written: it fails no longer.
    void Written(WriteTask task, const std::wstring& path);
    // Every file of the task fails no longer (a task that writes a new file each time, such as the
    // automatic saving, has its cause ended by the first file written).
    void Written(WriteTask task);
    // Some file of the task is failing (for the reason).
    bool Failing(WriteTask task) const { return !m_failing[static_cast<int>(task)].empty(); }
    bool Failing(WriteTask task, WriteReason reason) const;

private:
    std::map<std::wstring, WriteReason> m_failing[WRITE_TASK_COUNT];
};

// One failed write in words: the format (in the language) with its first "%s" the file's path and
// its second the reason.
std::wstring FailedWriteText(const wchar_t* format, const FailedWrite& failure, int language);

// The message of a group of failures of one reason in a task, in the language: the files (by
// their paths) that could not be written, why, and what the program does about it.
std::wstring WriteFailureMessage(WriteTask task, const std::vector<FailedWrite>& group, int language);
