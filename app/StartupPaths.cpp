#include "app/StartupPaths.h"

#include <windows.h>

#include <cstring>

std::wstring InstallFolderOf(const std::wstring& modulePath)
{
    std::size_t slash = modulePath.rfind(L'\\');
    if (slash == std::wstring::npos)
        return std::wstring();
    return modulePath.substr(0, slash + 1);
}

void CopyNarrowTruncated(const std::wstring& text, char* buffer, std::size_t size)
{
    if (size == 0)
        return;
    buffer[0] = '\0';
    if (text.empty())
        return;
    int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return;
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &narrow[0], length, nullptr, nullptr);
    std::size_t copied = narrow.size() < size - 1 ? narrow.size() : size - 1;
    std::memcpy(buffer, narrow.data(), copied);
    buffer[copied] = '\0';
}

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
