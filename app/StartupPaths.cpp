#include "app/StartupPaths.h"

#include "station/DecodeText.h"

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
    const std::string narrow = NarrowAnsiText(text);
    std::size_t copied = narrow.size() < size - 1 ? narrow.size() : size - 1;
    std::memcpy(buffer, narrow.data(), copied);
    buffer[copied] = '\0';
}

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
