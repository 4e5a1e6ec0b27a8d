#include "station/FileWrites.h"

#include <windows.h>

#include <cerrno>

unsigned long ErrorOfFailedFileCall()
{
    const DWORD error = ::GetLastError();
    if (error != 0)
        return error;
    switch (errno) {
    case ENOSPC:
        return ERROR_DISK_FULL;
    case EACCES:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    case ENOENT:
        return ERROR_PATH_NOT_FOUND;
    case EBUSY:
        return ERROR_SHARING_VIOLATION;
    case EISDIR:
        return ERROR_DIRECTORY;
    default:
        return ERROR_WRITE_FAULT;
    }
}

unsigned long ErrorOfFailedWrite(std::FILE* file)
{
    const unsigned long error = ErrorOfFailedFileCall();
    if (file == nullptr || error != ERROR_WRITE_FAULT)
        return error;
    std::clearerr(file);
    ::SetLastError(0);
    errno = 0;
    const char probe = 0;
    if (std::fwrite(&probe, 1, 1, file) == 1 && std::fflush(file) == 0)
        return error;
    return ErrorOfFailedFileCall();
}

bool WriteWholeFileOrNone(const std::wstring& path, const wchar_t* mode, const std::function<void(std::FILE*)>& write,
                          unsigned long* error)
{
    unsigned long failure = 0;
    ::SetLastError(0);
    errno = 0;
    if (std::FILE* file = path.empty() ? nullptr : _wfopen(path.c_str(), mode)) {
        write(file);
        // The reason of a write that failed on the way is learnt while the file is open.
        ::SetLastError(0);
        errno = 0;
        if (std::ferror(file) != 0 || std::fflush(file) != 0)
            failure = ErrorOfFailedWrite(file);
        if (std::fclose(file) != 0 && failure == 0)
            failure = ErrorOfFailedFileCall();
        if (failure != 0)
            ::DeleteFileW(path.c_str());
    } else {
        failure = path.empty() ? ERROR_INVALID_NAME : ErrorOfFailedFileCall();
    }
    if (error != nullptr)
        *error = failure;
    return failure == 0;
}
