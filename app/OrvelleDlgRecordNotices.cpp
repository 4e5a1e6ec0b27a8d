// Telling the user what was done to the record files: a file brought back from its copy or from the
// other base file, and the station's clock going back. The merges leave the notices in
// m_recordFiles; they are told on the window's thread in one message box, once, in the window's turn
// of messages (TellUser). A restore that the user has not answered yet is told again at the next
// start (records/RecordNotices.h).
#include "app/OrvelleDlg.h"

#include "app/RecordFileNotices.h"
#include "records/RecordNotices.h"

void COrvelleDlg::RecordFileNoticesWaiting()
{
    // Told after the merge that found them has ended, not in its middle.
    if (m_hWnd != nullptr)
        ::PostMessageW(m_hWnd, WM_RECORD_FILE_NOTICES, 0, 0);
}

LRESULT COrvelleDlg::OnRecordFileNotices(WPARAM, LPARAM)
{
    // Told in the window's turn of messages: after a box that is open, never beside it.
    if (m_recordFiles.notices.empty())
        return 0;
    // A restore is untold (kept for the next start) until the user has answered its box.
    std::vector<RecordFileNotice> notices;
    notices.swap(m_recordFiles.notices);
    const std::wstring text = RecordFileNoticeText(notices, m_language);
    m_messages.Add(text, MB_OK, [this, notices] { NoticesTold(m_installFolder, notices, m_recordFiles); });
    return 0;
}
