#include "records/RecordFileIo.h"

#include <cstring>

UniqueFile OpenFile(const std::wstring& path, const wchar_t* mode)
{
    if (path.empty())
        return UniqueFile();
    return UniqueFile(_wfopen(path.c_str(), mode));
}

long long FileSizeOf(const std::wstring& path)
{
    UniqueFile f = OpenFile(path, L"rb");
    if (!f)
        return -1;
    if (_fseeki64(f.get(), 0, SEEK_END) != 0)
        return -1;
    return _ftelli64(f.get());
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

bool CBufferedWriter::Flush()
{
    if (!m_out.empty()) {
        if (!m_file || std::fwrite(m_out.data(), 1, m_out.size(), m_file) != m_out.size())
            m_failed = true;
        m_out.clear();
    }
    return !m_failed;
}

bool LastLineLacksLineEnd(std::FILE* file)
{
    if (_fseeki64(file, 0, SEEK_END) != 0)
        return false;
    long long size = _ftelli64(file);
    if (size <= 0)
        return false;
    if (_fseeki64(file, -1, SEEK_END) != 0)
        return false;
    int c = std::fgetc(file);
    _fseeki64(file, 0, SEEK_END);
    return c != '\n';
}
