// Private window messages through which the history download worker hands its result to the
// main window's thread.
#pragma once
#include <windows.h>

// Posted by the history download worker to the main dialog when a download attempt has ended.
// wParam: the DownloadOutcome (records/HistoryDownload.h); lParam: 0.
// The dialog's handler calls CompleteHistoryDownload with that outcome.
constexpr UINT WM_HISTORY_DOWNLOAD_DONE = WM_APP + 0x170;
