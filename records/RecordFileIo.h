// Small file helpers shared by the record-file writers: wide-path opening, a buffered line reader
// that tells complete lines from a last line without line end, and a buffered writer.
// Record files are 8-bit text whose lines end with CR LF; they are read and written in binary mode
// so that the bytes on disk are exactly the ones built here.
#pragma once
#include <cstdio>
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

// Size of an existing file in bytes, or -1 when it cannot be opened.
long long FileSizeOf(const std::wstring& path);

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

// True when the last byte of the (open, binary) file is not "\n" and the file is not empty.
bool LastLineLacksLineEnd(std::FILE* file);

// Appends to a file (made when missing) what writeLines(CBufferedWriter&) writes, on a line of its
// own: when the file's last line lacks its line end, one is written first. False when the file
// cannot be opened for appending or a write fails.
template <class WriteLines>
bool AppendLines(const std::wstring& path, WriteLines writeLines)
{
    bool endFirst = false;
    if (UniqueFile existing = OpenFile(path, L"rb"))
        endFirst = LastLineLacksLineEnd(existing.get());
    UniqueFile file = OpenFile(path, L"ab");
    if (!file)
        return false;
    CBufferedWriter out(file.get());
    if (endFirst)
        out.Write("\r\n");
    writeLines(out);
    return out.Flush();
}
