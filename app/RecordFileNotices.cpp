#include "app/RecordFileNotices.h"

#include "platform/ui/UiString.h"
#include "texts/TextTables.h"

namespace {

std::wstring ParagraphOf(const RecordFileNotice& notice, int language)
{
    using Event = RecordFileNotice::Event;
    CString text;
    const wchar_t* file = notice.file.c_str();
    const wchar_t* source = notice.source.c_str();
    switch (notice.event) {
    case Event::RestoredMissing:
        text.Format(TextAt(g_recordFileNoticeTexts, RECORD_FILE_RESTORED_MISSING, language), file, source);
        break;
    case Event::RestoredShort:
        text.Format(TextAt(g_recordFileNoticeTexts, RECORD_FILE_RESTORED_SHORT, language), file, source,
                    notice.keptAs.c_str());
        break;
    case Event::RestoredUnreadable:
        text.Format(TextAt(g_recordFileNoticeTexts, RECORD_FILE_RESTORED_UNREADABLE, language), file, source,
                    notice.keptAs.c_str());
        break;
    case Event::RecordsAdded:
        text.Format(TextAt(g_recordFileNoticeTexts, RECORD_FILE_RECORDS_ADDED, language), file, source);
        break;
    case Event::RestoredDamaged:
        text.Format(TextAt(g_recordFileNoticeTexts, RECORD_FILE_RESTORED_DAMAGED, language), file, source,
                    notice.keptAs.c_str());
        break;
    case Event::DamagedLinesTakenOut:
        text.Format(TextAt(g_recordFileNoticeTexts, RECORD_FILE_DAMAGED_LINES_TAKEN_OUT, language), file,
                    notice.keptAs.c_str());
        break;
    case Event::ClockWentBack:
    default:
        text = TextAt(g_recordFileNoticeTexts, RECORD_FILE_CLOCK_WENT_BACK, language);
        break;
    }
    return text.str();
}

}  // namespace

std::wstring RecordFileNoticeText(const std::vector<RecordFileNotice>& notices, int language)
{
    std::wstring text;
    for (const RecordFileNotice& notice : notices) {
        if (!text.empty())
            text += L"\n\n";
        text += ParagraphOf(notice, language);
    }
    return text;
}
