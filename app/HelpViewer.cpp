#include "app/HelpViewer.h"

#include <htmlhelp.h>

namespace help {

namespace {

HWND SystemViewer(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data)
{
    return ::HtmlHelpW(owner, file, command, data);
}

Viewer g_viewer = SystemViewer;

}  // namespace

HWND Open(HWND owner, UINT command, DWORD_PTR data) { return g_viewer(owner, HELP_FILE, command, data); }

Viewer SetViewer(Viewer viewer)
{
    const Viewer previous = g_viewer;
    g_viewer = viewer ? viewer : SystemViewer;
    return previous;
}

}  // namespace help
