// Small file helpers shared by the record-file writers: wide-path opening, a buffered line reader
// that tells complete lines from a last line without line end, and a buffered writer.
// Record files are 8-bit text whose lines end with CR LF; they are read and written in binary mode
// so that the bytes on disk are exactly the ones built here.
#pragma once
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct FileCloser {
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// _wfopen with the given mode ("rb", "wb", "ab"); null when the file cannot be opened.
UniqueFile OpenFile(const std::wstring& path, const wchar_t* mode);

// The helpers below keep the system's error code (a Win32 error) of their last failure on this
// thread: what a caller that saw an operation fail tells the user as the reason. ClearFileError
// forgets it before an operation; ErrorOfLastFailure afterwards is that error, or the system's
// general write fault when the failure left none of its own (never 0).
void ClearFileError();
unsigned long ErrorOfLastFailure();
// Keeps `error` as the last failure's (after clean-up calls that may have failed on their own).
void KeepFileError(unsigned long error);

// True for the system's errors that say a file or its folder does not exist.
bool IsMissingFileError(unsigned long error);

// fflush of an open file; false (the error kept for ErrorOfLastFailure) when its bytes did not all go in.
bool FlushFile(std::FILE* file);

// The temporary file beside a file that is replaced in one step: path + ".new".
std::wstring TemporaryPathOf(const std::wstring& path);

// Writes what the system holds of the file to the disk; false when it cannot be opened or flushed.
bool FlushToDisk(const std::wstring& path);

// Whether a file can be replaced: Free (also when it does not exist), Held (another program has it
// open), or Refused (any other reason it cannot be opened for writing).
enum class FileHold { Free, Held, Refused };
FileHold HoldOf(const std::wstring& path);
// HoldOf, with a file held only for a moment waited for (about a tenth of a second): what the files
// that are replaced look at before they are. On a thread that must not wait on files (the window's,
// FileWaitsForbiddenOnThisThread) it is HoldOf: a held file is tried again later instead.
FileHold HoldOfAfterBriefReaders(const std::wstring& path);
// Tests: what is done between two looks at a held file (nullptr: a pause of 25 ms). Returns the
// previous one.
using LookPause = void (*)();
LookPause SetLookPauseForTesting(LookPause pause);

// Called once by a thread that must never sleep or wait on a file (the window's thread).
void FileWaitsForbiddenOnThisThread();

// Replaces target by temporary in one step (the temporary file is flushed to disk first). A target
// that another program holds open longer than a moment (HoldOfAfterBriefReaders) is left as it is.
// The temporary file is gone afterwards either way.
bool ReplaceWithTemporary(const std::wstring& temporary, const std::wstring& target);

// Copies source over target in one step, through the target's temporary file. False (target as it
// was) when the source cannot be read or the target is held open elsewhere longer than a moment.
bool CopyThroughTemporary(const std::wstring& source, const std::wstring& target);

// Copies `from` onto a new file `to` in one step, through its temporary file (false when `to`
// exists). A copy that failed (a full disk) or was killed leaves nothing at `to`.
bool CopyToNewFile(const std::wstring& from, const std::wstring& to);

// Replaces the file at `path` by `bytes` in one step: they are written whole into its temporary
// file, which then replaces it (ReplaceWithTemporary). A file that cannot be written so (a full disk,
// held elsewhere) stays as it was. For the program's small files (settings, rain history, saves) and
// a record file made anew.
bool ReplaceFileWith(const std::wstring& path, std::string_view bytes);

// Appends bytes to an existing file that nobody else writes or holds against writing; readers that
// let others write (a viewer, a copy in progress) do not stop it. False when it cannot be opened that
// way or not every byte was written (the file may then end in part of them).
bool AppendToExistingFile(const std::wstring& path, std::string_view bytes);

// True when both files exist and hold the same bytes (a copy damaged in its middle is not its file).
bool SameBytes(const std::wstring& a, const std::wstring& b);
// True when `path` is at least as long as `prefix` and holds prefix's first and last 64 KB at their
// places: what a file looks like that only had lines appended since `prefix` was copied from it.
bool BeginsWithFile(const std::wstring& path, const std::wstring& prefix);

// Cuts a file to its first `size` bytes.
bool TruncateFileTo(const std::wstring& path, long long size);

// Reads a file line by line. A line is what comes before "\n"; a "\r" before the "\n" is removed (a
// last line without "\n" keeps all its bytes).
class CLineReader {
public:
    explicit CLineReader(std::FILE* file) : m_file(file), m_buffer(1 << 16) {}

    // Next line without its line end. Returns false at the end of the file (or on a read error,
    // see Failed). *complete is false for a last line that has no line end.
    bool Next(std::string& line, bool* complete);

    bool Failed() const { return m_failed; }

private:
    bool Fill();

    std::FILE* m_file;
    std::vector<char> m_buffer;
    size_t m_pos = 0;
    size_t m_len = 0;
    bool m_eof = false;
    bool m_failed = false;
};

// Whether a last line that CLineReader gave without its line end is taken as a line of record lines
// closed by `separator`: when it ends with a CR alone (its LF was broken off; the CR is removed) or
// reads as a whole record line (IsWholeRecordLine). Anything else is part of a line broken off.
bool TakeLastLine(std::string& line, char separator);

// Collects output and writes it in large pieces. Write errors are remembered.
class CBufferedWriter {
public:
    explicit CBufferedWriter(std::FILE* file) : m_file(file) { m_out.reserve(1 << 16); }
    ~CBufferedWriter() { Flush(); }

    void Write(std::string_view text)
    {
        m_out.append(text.data(), text.size());
        if (m_out.size() >= (1 << 16))
            Flush();
    }
    void WriteLine(std::string_view text)
    {
        Write(text);
        Write("\r\n");
    }
    bool Flush();
    bool Failed() const { return m_failed; }

private:
    std::FILE* m_file;
    std::string m_out;
    bool m_failed = false;
};

// Writes the file at `path` anew with what fill(CBufferedWriter&) writes; fill returns false when
// what it copies could not be read. True when every byte went in, the C runtime's last ones too; a
// file that could not be written whole is removed (the error kept for ErrorOfLastFailure).
bool WriteWholeFile(const std::wstring& path, const std::function<bool(CBufferedWriter&)>& fill);

// Offset just after the last LF of the (open, binary) file: the bytes beyond it are a last line
// cut short. -1 when the file cannot be read.
long long CompleteLinesEnd(std::FILE* file);

// Mends the end of a file of record lines (fields closed by `separator`) whose last line lacks its
// line end, given where its complete lines end and its size: a last line that ends in CR alone gets
// its LF, and one that reads as a whole record line (IsWholeRecordLine: edited by hand, restored)
// gets CR LF; anything else after the last LF is part of a line that an append broke off and is cut
// away, so that a line is never glued onto part of another. The file's new size, or -1 when it could
// not be mended.
long long MendBrokenLastLine(const std::wstring& path, long long completeBytes, long long size, char separator);

// Appends to a file of record lines (made when missing) what writeLines(CBufferedWriter&) writes,
// after mending a last line that lacks its line end (MendBrokenLastLine). All or nothing: False when
// the file cannot be opened for appending or a write fails (a full disk), and then the part that
// went in is cut away again, so that the file is as it was (the error kept for ErrorOfLastFailure).
template <class WriteLines>
bool AppendLines(const std::wstring& path, char separator, WriteLines writeLines)
{
    long long before = 0;
    if (UniqueFile existing = OpenFile(path, L"rb")) {
        const long long end = CompleteLinesEnd(existing.get());
        _fseeki64(existing.get(), 0, SEEK_END);
        before = _ftelli64(existing.get());
        existing.reset();
        if (end >= 0 && end < before && (before = MendBrokenLastLine(path, end, before, separator)) < 0)
            return false;
    }
    UniqueFile file = OpenFile(path, L"ab");
    if (!file)
        return false;
    CBufferedWriter out(file.get());
    writeLines(out);
    // The bytes the C runtime still holds go in here, where a failure (a full disk) is seen.
    if (out.Flush() && FlushFile(file.get()))
        return true;
    const unsigned long error = ErrorOfLastFailure();
    file.reset();
    if (before > 0)
        TruncateFileTo(path, before);
    else
        _wremove(path.c_str());
    KeepFileError(error);
    return false;
}
