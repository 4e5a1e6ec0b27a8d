#include "records/RecordNotices.h"

#include "records/RecordFileIo.h"

#include <windows.h>

#include <algorithm>

const wchar_t* const UNTOLD_NOTICES_FILE_NAME = L"tmpRecordNotices.txt";

namespace {

constexpr char FIELD_SEPARATOR = '\t';

// Only the restores are kept: they tell of files that another program damaged. (A file name of the
// install folder is plain ASCII; anything else is no name this program gave.)
bool IsRestore(RecordFileNotice::Event event) { return event != RecordFileNotice::Event::ClockWentBack; }

std::string NarrowName(const std::wstring& name)
{
    std::string narrow;
    for (wchar_t c : name)
        narrow += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return narrow;
}

bool IsPlainName(const std::string& name)
{
    return std::all_of(name.begin(), name.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '\\' && c != '/' && c != ':' && c != '?' && c != '*';
    });
}

// One line per notice: the event's number, the file, the source and the name kept aside, tab-separated.
std::string BytesOf(const std::vector<RecordFileNotice>& notices)
{
    std::string bytes;
    for (const RecordFileNotice& notice : notices)
        bytes += std::to_string(static_cast<int>(notice.event)) + FIELD_SEPARATOR + NarrowName(notice.file) +
                 FIELD_SEPARATOR + NarrowName(notice.source) + FIELD_SEPARATOR + NarrowName(notice.keptAs) + "\r\n";
    return bytes;
}

bool NoticeOfLine(const std::string& line, RecordFileNotice* notice)
{
    std::vector<std::string> fields;
    for (size_t start = 0;;) {
        const size_t end = line.find(FIELD_SEPARATOR, start);
        fields.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (fields.size() != 4 || fields[0].size() != 1 || fields[0][0] < '0' || fields[0][0] > '9' ||
        fields[1].empty() || !std::all_of(fields.begin() + 1, fields.end(), IsPlainName))
        return false;
    const int event = fields[0][0] - '0';
    if (event > static_cast<int>(RecordFileNotice::Event::DamagedLinesTakenOut) ||
        !IsRestore(static_cast<RecordFileNotice::Event>(event)))
        return false;
    notice->event = static_cast<RecordFileNotice::Event>(event);
    notice->file.assign(fields[1].begin(), fields[1].end());
    notice->source.assign(fields[2].begin(), fields[2].end());
    notice->keptAs.assign(fields[3].begin(), fields[3].end());
    return true;
}

// Writes the untold notices (the file removed when there are none).
void WriteUntold(const std::wstring& installFolder, const std::vector<RecordFileNotice>& untold)
{
    const std::wstring path = installFolder + UNTOLD_NOTICES_FILE_NAME;
    if (untold.empty())
        DeleteFileW(path.c_str());
    else
        ReplaceFileWith(path, BytesOf(untold));
}

}  // namespace

void KeepUntold(const std::wstring& installFolder, const RecordFileNotice& notice, CRecordFiles& files)
{
    if (!IsRestore(notice.event))
        return;
    files.untold.push_back(notice);
    WriteUntold(installFolder, files.untold);
}

void ForgetUntold(const std::wstring& installFolder, const RecordFileNotice& notice, CRecordFiles& files)
{
    NoticesTold(installFolder, std::vector<RecordFileNotice>{notice}, files);
}

void NoticesTold(const std::wstring& installFolder, const std::vector<RecordFileNotice>& told, CRecordFiles& files)
{
    bool any = false;
    for (const RecordFileNotice& notice : told) {
        const auto at = std::find(files.untold.begin(), files.untold.end(), notice);
        if (at != files.untold.end()) {
            files.untold.erase(at);
            any = true;
        }
    }
    if (any)
        WriteUntold(installFolder, files.untold);
}

std::vector<RecordFileNotice> ReadUntoldNotices(const std::wstring& installFolder)
{
    std::vector<RecordFileNotice> notices;
    UniqueFile file = OpenFile(installFolder + UNTOLD_NOTICES_FILE_NAME, L"rb");
    if (!file)
        return notices;
    CLineReader reader(file.get());
    std::string line;
    bool complete = false;
    RecordFileNotice notice;
    while (reader.Next(line, &complete))
        if (complete && NoticeOfLine(line, &notice))
            notices.push_back(notice);
    return notices;
}

void TakeUntoldNoticesOfEarlierRun(const std::wstring& installFolder, CRecordFiles& files)
{
    files.untold = ReadUntoldNotices(installFolder);
}

void TellUntoldNoticesOfEarlierRun(const std::wstring& installFolder, size_t earlierCount, CRecordFiles& files)
{
    earlierCount = std::min(earlierCount, files.untold.size());
    std::vector<RecordFileNotice> earlier(files.untold.begin(), files.untold.begin() + static_cast<std::ptrdiff_t>(earlierCount));
    std::vector<RecordFileNotice> kept(files.untold.begin() + static_cast<std::ptrdiff_t>(earlierCount), files.untold.end());
    std::vector<RecordFileNotice> told;
    for (const RecordFileNotice& notice : earlier) {
        const bool replacedAgain = std::any_of(kept.begin(), kept.end(),
                                               [&](const RecordFileNotice& now) { return now.file == notice.file; });
        const bool keptAsideGone =
            !notice.keptAs.empty() && StateOfFile(installFolder + notice.keptAs).size < 0;
        if (!replacedAgain && !keptAsideGone)
            told.push_back(notice);
    }
    files.notices.insert(files.notices.begin(), told.begin(), told.end());
    told.insert(told.end(), kept.begin(), kept.end());
    if (told != files.untold) {
        files.untold = std::move(told);
        WriteUntold(installFolder, files.untold);
    }
}
