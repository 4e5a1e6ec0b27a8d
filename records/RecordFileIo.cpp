#include "records/RecordFileIo.h"

#include "records/RecordFileIndex.h"
#include "station/FileWrites.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace {

thread_local unsigned long t_lastFileError = 0;
thread_local bool t_fileWaitsForbidden = false;

// Keeps the error of the system call that has just failed (see ErrorOfFailedFileCall); false, for
// the caller to return.
bool NoteFileError(unsigned long error = ErrorOfFailedFileCall())
{
    t_lastFileError = error != 0 ? error : ERROR_WRITE_FAULT;
    return false;
}

}  // namespace

unsigned long ErrorOfLastFailure() { return t_lastFileError != 0 ? t_lastFileError : ERROR_WRITE_FAULT; }

void KeepFileError(unsigned long error) { NoteFileError(error); }

void ClearFileError()
{
    t_lastFileError = 0;
    ::SetLastError(0);
}

UniqueFile OpenFile(const std::wstring& path, const wchar_t* mode)
{
    if (path.empty())
        return UniqueFile();
    ::SetLastError(0);
    UniqueFile file(_wfopen(path.c_str(), mode));
    if (!file)
        NoteFileError();
    return file;
}

bool IsMissingFileError(unsigned long error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool FlushFile(std::FILE* file)
{
    ::SetLastError(0);
    errno = 0;
    return std::fflush(file) == 0 || NoteFileError(ErrorOfFailedWrite(file));
}

std::wstring TemporaryPathOf(const std::wstring& path) { return path + L".new"; }

FileHold HoldOf(const std::wstring& path)
{
    // Opened without sharing, the file refuses this open while any other handle to it is open.
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return FileHold::Free;
    }
    const DWORD error = GetLastError();
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return FileHold::Free;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        NoteFileError(error);
        return FileHold::Held;
    default:
        NoteFileError(error);
        return FileHold::Refused;
    }
}

bool FlushToDisk(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return NoteFileError();
    const bool flushed = FlushFileBuffers(h) != FALSE || NoteFileError();
    CloseHandle(h);
    return flushed;
}

void FileWaitsForbiddenOnThisThread() { t_fileWaitsForbidden = true; }

namespace {

void PauseBetweenLooks() { ::Sleep(25); }

std::atomic<LookPause> g_pauseBetweenLooks{PauseBetweenLooks};

}  // namespace

LookPause SetLookPauseForTesting(LookPause pause)
{
    return g_pauseBetweenLooks.exchange(pause ? pause : PauseBetweenLooks);
}

FileHold HoldOfAfterBriefReaders(const std::wstring& path)
{
    // A reader that has the file open for a moment (a virus scanner, a backup, a viewer's refresh) is
    // waited for a little: only a file still held after that is one that cannot be replaced now.
    // The window's thread does not wait: its callers try a held file again at a later tick.
    constexpr int kLooks = 5;
    if (t_fileWaitsForbidden)
        return HoldOf(path);
    FileHold hold = HoldOf(path);
    for (int look = 1; look < kLooks && hold == FileHold::Held; ++look) {
        g_pauseBetweenLooks.load()();
        hold = HoldOf(path);
    }
    return hold;
}

bool ReplaceWithTemporary(const std::wstring& temporary, const std::wstring& target)
{
    const bool replaced = FlushToDisk(temporary) && HoldOfAfterBriefReaders(target) == FileHold::Free &&
                          (MoveFileExW(temporary.c_str(), target.c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE ||
                           NoteFileError());
    if (!replaced)
        DeleteFileW(temporary.c_str());
    return replaced;
}

bool CopyThroughTemporary(const std::wstring& source, const std::wstring& target)
{
    if (HoldOfAfterBriefReaders(target) != FileHold::Free)
        return false;
    const std::wstring temporary = TemporaryPathOf(target);
    if (!CopyFileW(source.c_str(), temporary.c_str(), FALSE)) {
        NoteFileError();
        DeleteFileW(temporary.c_str());
        return false;
    }
    return ReplaceWithTemporary(temporary, target);
}

bool CopyToNewFile(const std::wstring& from, const std::wstring& to)
{
    // Written whole under the temporary name, then renamed (never over a file that exists): a kill
    // at any moment leaves no part of a file at `to`.
    const std::wstring temporary = TemporaryPathOf(to);
    ::SetLastError(0);
    if (GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES)
        return NoteFileError(ERROR_FILE_EXISTS);
    const bool copied = (CopyFileW(from.c_str(), temporary.c_str(), FALSE) || NoteFileError()) &&
                        FlushToDisk(temporary) &&
                        (MoveFileExW(temporary.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) || NoteFileError());
    if (!copied)
        DeleteFileW(temporary.c_str());
    return copied;
}

bool ReplaceFileWith(const std::wstring& path, std::string_view bytes)
{
    const std::wstring temporary = TemporaryPathOf(path);
    return WriteWholeFile(temporary,
                          [bytes](CBufferedWriter& out) {
                              out.Write(bytes);
                              return true;
                          }) &&
           ReplaceWithTemporary(temporary, path);
}

bool AppendToExistingFile(const std::wstring& path, std::string_view bytes)
{
    // Readers may go on reading; no other writer comes in while the bytes go in.
    HANDLE h = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return NoteFileError();
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        ::SetLastError(0);
        ok = (WriteFile(h, bytes.data() + done, chunk, &written, nullptr) && written == chunk) ||
             NoteFileError(::GetLastError() != 0 ? ::GetLastError() : ERROR_DISK_FULL);
        done += written;
    }
    CloseHandle(h);
    return ok;
}

namespace {

bool ReadAt(std::FILE* f, long long offset, std::vector<char>& out)
{
    return _fseeki64(f, offset, SEEK_SET) == 0 && std::fread(out.data(), 1, out.size(), f) == out.size();
}

// Whether `file` holds the first and the last 64 KB of `prefix`'s `size` bytes at their places.
bool HoldsEndsOf(std::FILE* file, std::FILE* prefix, long long size)
{
    const long long piece = std::min<long long>(size, 1 << 16);
    std::vector<char> x(static_cast<size_t>(piece)), y(static_cast<size_t>(piece));
    for (long long offset : {0LL, size - piece})
        if (!ReadAt(file, offset, x) || !ReadAt(prefix, offset, y) || x != y)
            return false;
    return true;
}

// The size of an open file (-1 when it cannot be asked).
long long SizeOf(std::FILE* f)
{
    return _fseeki64(f, 0, SEEK_END) == 0 ? _ftelli64(f) : -1;
}

}  // namespace

bool SameBytes(const std::wstring& a, const std::wstring& b)
{
    UniqueFile fa = OpenFile(a, L"rb");
    UniqueFile fb = OpenFile(b, L"rb");
    if (!fa || !fb)
        return false;
    const long long size = SizeOf(fa.get());
    if (size < 0 || size != SizeOf(fb.get()) || _fseeki64(fa.get(), 0, SEEK_SET) != 0 ||
        _fseeki64(fb.get(), 0, SEEK_SET) != 0)
        return false;
    std::vector<char> x(1 << 20), y(1 << 20);
    for (;;) {
        const size_t n = std::fread(x.data(), 1, x.size(), fa.get());
        if (std::fread(y.data(), 1, y.size(), fb.get()) != n || std::memcmp(x.data(), y.data(), n) != 0)
            return false;
        if (n < x.size())
            return !std::ferror(fa.get()) && !std::ferror(fb.get());
    }
}

bool BeginsWithFile(const std::wstring& path, const std::wstring& prefix)
{
    UniqueFile file = OpenFile(path, L"rb");
    UniqueFile start = OpenFile(prefix, L"rb");
    if (!file || !start)
        return false;
    const long long size = SizeOf(start.get());
    return size >= 0 && SizeOf(file.get()) >= size && HoldsEndsOf(file.get(), start.get(), size);
}

long long MendBrokenLastLine(const std::wstring& path, long long completeBytes, long long size, char separator)
{
    if (size <= completeBytes)
        return size;
    // No record line is anywhere near this long: a longer tail is cut without being read.
    constexpr long long LONGEST_LAST_LINE = 4096;
    std::string tail(static_cast<size_t>(std::min(size - completeBytes, LONGEST_LAST_LINE)), '\0');
    if (UniqueFile file = OpenFile(path, L"rb")) {
        if (_fseeki64(file.get(), size - static_cast<long long>(tail.size()), SEEK_SET) != 0 ||
            std::fread(&tail[0], 1, tail.size(), file.get()) != tail.size())
            return -1;
    } else {
        return -1;
    }
    if (tail.back() == '\r')
        return AppendToExistingFile(path, "\n") ? size + 1 : -1;
    if (size - completeBytes < LONGEST_LAST_LINE && IsWholeRecordLine(tail, separator))
        return AppendToExistingFile(path, "\r\n") ? size + 2 : -1;
    return TruncateFileTo(path, completeBytes) ? completeBytes : -1;
}

bool TruncateFileTo(const std::wstring& path, long long size)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return NoteFileError();
    LARGE_INTEGER at;
    at.QuadPart = size;
    const bool ok = (SetFilePointerEx(h, at, nullptr, FILE_BEGIN) && SetEndOfFile(h)) || NoteFileError();
    CloseHandle(h);
    return ok;
}

bool CLineReader::Fill()
{
    if (m_eof)
        return false;
    m_pos = 0;
    m_len = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (m_len == 0) {
        m_eof = true;
        if (std::ferror(m_file))
            m_failed = true;
        return false;
    }
    return true;
}

bool CLineReader::Next(std::string& line, bool* complete)
{
    line.clear();
    bool any = false;
    for (;;) {
        if (m_pos >= m_len && !Fill()) {
            if (!any)
                return false;
            if (complete)
                *complete = false;
            return true;
        }
        any = true;
        const char* start = m_buffer.data() + m_pos;
        const void* nl = std::memchr(start, '\n', m_len - m_pos);
        if (nl) {
            size_t n = static_cast<const char*>(nl) - start;
            line.append(start, n);
            m_pos += n + 1;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (complete)
                *complete = true;
            return true;
        }
        line.append(start, m_len - m_pos);
        m_pos = m_len;
    }
}

bool TakeLastLine(std::string& line, char separator)
{
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
        return true;
    }
    return IsWholeRecordLine(line, separator);
}

bool CBufferedWriter::Flush()
{
    if (!m_out.empty()) {
        ::SetLastError(0);
        errno = 0;
        if (!m_file || std::fwrite(m_out.data(), 1, m_out.size(), m_file) != m_out.size())
            m_failed = !NoteFileError(ErrorOfFailedWrite(m_file));
        m_out.clear();
    }
    return !m_failed;
}

bool WriteWholeFile(const std::wstring& path, const std::function<bool(CBufferedWriter&)>& fill)
{
    bool written = false;
    if (UniqueFile file = OpenFile(path, L"wb")) {
        CBufferedWriter out(file.get());
        written = fill(out) && out.Flush() && FlushFile(file.get());
    }
    if (!written)
        DeleteFileW(path.c_str());
    return written;
}

long long CompleteLinesEnd(std::FILE* file)
{
    if (_fseeki64(file, 0, SEEK_END) != 0)
        return -1;
    long long end = _ftelli64(file);
    std::vector<char> chunk(1 << 16);
    while (end > 0) {
        const long long start = std::max(0LL, end - static_cast<long long>(chunk.size()));
        const size_t n = static_cast<size_t>(end - start);
        if (_fseeki64(file, start, SEEK_SET) != 0 || std::fread(chunk.data(), 1, n, file) != n)
            return -1;
        for (size_t i = n; i > 0; --i)
            if (chunk[i - 1] == '\n')
                return start + static_cast<long long>(i);
        end = start;
    }
    return 0;
}
