// The help file and the viewer that shows it.
//
// The program opens ".\hlp\Help.chm" (relative to the current folder, the install folder) through
// the system's HTML Help. Tests put a recording viewer in its place (SetViewer), so that the help
// commands can be checked where no HTML Help viewer runs; nothing offers this to users.
#pragma once
#include <windows.h>

namespace help {

constexpr const wchar_t* HELP_FILE = L".\\hlp\\Help.chm";

// Same arguments and result as HtmlHelpW.
using Viewer = HWND (*)(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data);

// Opens the help file with the command through the current viewer (HtmlHelpW unless a test
// replaced it).
HWND Open(HWND owner, UINT command, DWORD_PTR data);

// Puts a viewer in place of HtmlHelpW (null: HtmlHelpW again); returns the previous one.
Viewer SetViewer(Viewer viewer);

}  // namespace help
