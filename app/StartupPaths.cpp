#include "app/StartupPaths.h"

#include <windows.h>

std::wstring InstallFolderOf(const std::wstring& modulePath)
{
    std::size_t slash = modulePath.rfind(L'\\');
    if (slash == std::wstring::npos)
        return std::wstring();
    return modulePath.substr(0, slash + 1);
}

std::wstring ModuleFolder()
{
    wchar_t modulePath[1024] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, modulePath, 1023);
    return (length > 0 && length < 1023) ? InstallFolderOf(std::wstring(modulePath, length)) : std::wstring();
}

std::wstring ProgramInstallFolder(const std::wstring& moduleFolder)
{
    return moduleFolder.empty() ? FALLBACK_INSTALL_FOLDER : moduleFolder;
}

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
