#include "platform/ui/UiFile.h"

BOOL CFile::Open(const wchar_t* path, UINT flags)
{
    Close();
    m_path = path;
    DWORD access = 0;
    switch (flags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0;
    switch (flags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;  // shareCompat, shareExclusive
    }
    DWORD creation = OPEN_EXISTING;
    if (flags & modeCreate)
        creation = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES security = {sizeof(security), nullptr, (flags & modeNoInherit) ? FALSE : TRUE};
    m_hFile = ::CreateFileW(path, access, share, &security, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_lastError = m_hFile == INVALID_HANDLE_VALUE ? ::GetLastError() : 0;
    return m_hFile != INVALID_HANDLE_VALUE;
}

void CFile::Close()
{
    if (m_hFile != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}

UINT CFile::Read(void* buffer, UINT count)
{
    DWORD read = 0;
    if (!IsOpen() || !::ReadFile(m_hFile, buffer, count, &read, nullptr))
        return 0;
    return read;
}

bool CFile::Write(const void* buffer, UINT count)
{
    DWORD written = 0;
    return IsOpen() && ::WriteFile(m_hFile, buffer, count, &written, nullptr) && written == count;
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    position.QuadPart = 0;
    if (!IsOpen() || !::SetFilePointerEx(m_hFile, distance, &position, from))
        return 0;
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!IsOpen() || !::GetFileSizeEx(m_hFile, &size))
        return 0;
    return static_cast<ULONGLONG>(size.QuadPart);
}

bool CFile::SetLength(ULONGLONG length)
{
    if (!IsOpen())
        return false;
    Seek(static_cast<LONGLONG>(length), begin);
    return ::SetEndOfFile(m_hFile) != FALSE;
}
