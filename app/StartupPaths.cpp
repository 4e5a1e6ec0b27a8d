#include "app/StartupPaths.h"

#include <windows.h>

std::wstring InstallFolderOf(const std::wstring& modulePath)
{
    std::size_t slash = modulePath.rfind(L'\\');
    if (slash == std::wstring::npos)
        return std::wstring();
    return modulePath.substr(0, slash + 1);
}

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
