// CFile: a file handle with the open modes and share modes of the platform's file class.
// Failures are reported by return values (Open FALSE, Write false, Read a short count), never by
// exceptions.
#pragma once
#include "platform/ui/UiString.h"

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,      // as shareExclusive
        shareExclusive = 0x0010,   // no other open of the file while this one is open
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,       // create; truncate an existing file unless modeNoTruncate
        modeNoTruncate = 0x2000,
        typeText = 0x4000,         // accepted and ignored: CFile is always binary
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = FILE_BEGIN, current = FILE_CURRENT, end = FILE_END };

    CFile() = default;
    CFile(const wchar_t* path, UINT flags) { Open(path, flags); }
    virtual ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

    BOOL Open(const wchar_t* path, UINT flags);
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    void Close();
    UINT Read(void* buffer, UINT count);
    bool Write(const void* buffer, UINT count);
    ULONGLONG Seek(LONGLONG offset, UINT from);
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG GetLength() const;
    bool SetLength(ULONGLONG length);
    void Flush() { if (IsOpen()) ::FlushFileBuffers(m_hFile); }
    const CString& GetFilePath() const { return m_path; }
    DWORD GetLastOpenError() const { return m_lastError; }

private:
    CString m_path;
    DWORD m_lastError = 0;
};
