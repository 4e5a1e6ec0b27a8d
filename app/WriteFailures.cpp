#include "app/WriteFailures.h"

#include "texts/TextTables.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <initializer_list>

namespace {

int ReasonRow(WriteReason reason)
{
    switch (reason) {
    case WriteReason::DiskFull:
        return WRITE_REASON_DISK_FULL;
    case WriteReason::WriteProtected:
        return WRITE_REASON_WRITE_PROTECTED;
    case WriteReason::AccessDenied:
        return WRITE_REASON_ACCESS_DENIED;
    case WriteReason::HeldElsewhere:
        return WRITE_REASON_HELD;
    case WriteReason::FolderInTheWay:
        return WRITE_REASON_FOLDER_IN_THE_WAY;
    case WriteReason::FolderMissing:
        return WRITE_REASON_FOLDER_MISSING;
    default:
        return WRITE_REASON_SYSTEM_ERROR;
    }
}

int MessageRow(WriteTask task)
{
    switch (task) {
    case WriteTask::RecordFiles:
        return WRITE_FAILED_RECORDS_WAIT;
    case WriteTask::CustomRebuild:
        return WRITE_FAILED_REBUILD;
    case WriteTask::Restore:
        return WRITE_FAILED_RESTORE;
    case WriteTask::AutoSave:
        return WRITE_FAILED_AUTO_SAVE;
    default:
        return WRITE_FAILED_TRIED_AGAIN;
    }
}

// The format with each "%s" replaced by the next of the texts.
std::wstring Filled(const std::wstring& format, std::initializer_list<std::wstring> texts)
{
    std::wstring out;
    auto next = texts.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == L'%' && i + 1 < format.size() && format[i + 1] == L's' && next != texts.end()) {
            out += *next++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

}  // namespace

WriteReason WriteReasonOf(const std::wstring& path, unsigned long error)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return WriteReason::FolderInTheWay;
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return WriteReason::DiskFull;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return WriteReason::HeldElsewhere;
    case ERROR_WRITE_PROTECT:
        return WriteReason::WriteProtected;
    case ERROR_ACCESS_DENIED:
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)
                   ? WriteReason::WriteProtected
                   : WriteReason::AccessDenied;
    case ERROR_PATH_NOT_FOUND:
        return WriteReason::FolderMissing;
    default:
        return WriteReason::Other;
    }
}

std::wstring WriteReasonText(WriteReason reason, unsigned long error, int language)
{
    const wchar_t* format = TextAt(g_writeFailureReasons, ReasonRow(reason), language);
    if (reason != WriteReason::Other)
        return format;
    wchar_t text[128];
    std::swprintf(text, 128, format, error);
    return text;
}

FailedWrite FailedWriteOf(const std::wstring& path, unsigned long error)
{
    return FailedWrite{path, error, WriteReasonOf(path, error)};
}

std::vector<std::vector<FailedWrite>> CWriteFailureNotices::Failed(WriteTask task,
                                                                  const std::vector<FailedWrite>& failures)
{
    std::map<std::wstring, WriteReason>& failing = m_failing[static_cast<int>(task)];
    std::vector<std::vector<FailedWrite>> news;  // a group per reason, never empty
    for (const FailedWrite& failure : failures) {
        auto group = std::find_if(news.begin(), news.end(), [&](const std::vector<FailedWrite>& said) {
            return said.front().reason == failure.reason;
        });
        if (group != news.end())
            group->push_back(failure);  // said with the others of the round
        else if (!Failing(task, failure.reason))
            news.push_back({failure});
        failing[failure.path] = failure.reason;
    }
    return news;
}

bool CWriteFailureNotices::Failing(WriteTask task, WriteReason reason) const
{
    for (const auto& [path, failing] : m_failing[static_cast<int>(task)])
        if (failing == reason)
            return true;
    return false;
}

void CWriteFailureNotices::Written(WriteTask task, const std::wstring& path)
{
    m_failing[static_cast<int>(task)].erase(path);
}

void CWriteFailureNotices::Written(WriteTask task) { m_failing[static_cast<int>(task)].clear(); }

std::wstring FailedWriteText(const wchar_t* format, const FailedWrite& failure, int language)
{
    return Filled(format, {failure.path, WriteReasonText(failure.reason, failure.error, language)});
}

std::wstring WriteFailureMessage(WriteTask task, const std::vector<FailedWrite>& group, int language)
{
    if (group.empty())
        return std::wstring();
    std::wstring files;
    for (const FailedWrite& failure : group)
        files += (files.empty() ? L"" : L", ") + failure.path;
    const FailedWrite& first = group.front();
    return Filled(TextAt(g_writeFailureTexts, MessageRow(task), language),
                  {files, WriteReasonText(first.reason, first.error, language)});
}
