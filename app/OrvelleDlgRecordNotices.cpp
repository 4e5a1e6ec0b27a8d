// Telling the user what was done to the record files: a file brought back from its copy or from the
// other base file, and the station's clock going back. The merges leave the notices in
// m_recordFiles; they are told on the window's thread in one message box, once, in the window's turn
// of messages (TellUser).
#include "app/OrvelleDlg.h"

#include "app/RecordFileNotices.h"

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
    TellUser(RecordFileNoticeText(m_recordFiles.notices, m_language));
    m_recordFiles.notices.clear();
    return 0;
}
