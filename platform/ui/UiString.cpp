#include "platform/ui/UiString.h"

#include <cwchar>
#include <vector>

namespace ui {

std::wstring WidenAcp(const char* text)
{
    if (!text || !*text)
        return std::wstring();
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &result[0], length);
    result.resize(static_cast<size_t>(length - 1));
    return result;
}

std::string NarrowAcp(const wchar_t* text)
{
    if (!text || !*text)
        return std::string();
    int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &result[0], length, nullptr, nullptr);
    result.resize(static_cast<size_t>(length - 1));
    return result;
}

std::wstring TranslateWideFormat(const wchar_t* format)
{
    std::wstring out;
    if (!format)
        return out;
    const wchar_t* p = format;
    while (*p) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        out += *p++;                       // '%'
        if (*p == L'%') {                  // "%%"
            out += *p++;
            continue;
        }
        // flags, width, precision
        while (*p && wcschr(L"-+ #0123456789.*", *p))
            out += *p++;
        // length modifier: I, I32, I64, or a run of h l L q j z t w
        std::wstring length;
        if (*p == L'I') {
            length += *p++;
            if ((p[0] == L'3' && p[1] == L'2') || (p[0] == L'6' && p[1] == L'4')) {
                length += *p++;
                length += *p++;
            }
        } else {
            while (*p && wcschr(L"hlLqjztw", *p))
                length += *p++;
        }
        wchar_t conversion = *p;
        if (!conversion)
            break;
        ++p;
        switch (conversion) {
        case L's':
        case L'c':
            if (length.empty() || length == L"w" || length == L"l")
                length = L"l";
            out += length;
            out += conversion;
            break;
        case L'S':
        case L'C':
            if (length.empty())
                length = L"h";
            else if (length == L"w")
                length = L"l";
            out += length;
            out += static_cast<wchar_t>(conversion == L'S' ? L's' : L'c');
            break;
        default:
            out += length;
            out += conversion;
            break;
        }
    }
    return out;
}

}  // namespace ui

CString::CString(const char* text) : m_str(ui::WidenAcp(text)) {}

CString CString::Left(int count) const
{
    if (count <= 0)
        return CString();
    return CString(m_str.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (first >= GetLength() || count <= 0)
        return CString();
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* text, int start) const
{
    if (!text || start < 0 || start > GetLength())
        return -1;
    size_t at = m_str.find(text, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t at = m_str.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    if (!oldText || !*oldText)
        return 0;
    std::wstring from(oldText), to(newText ? newText : L"");
    int count = 0;
    size_t at = 0;
    while ((at = m_str.find(from, at)) != std::wstring::npos) {
        m_str.replace(at, from.size(), to);
        at += to.size();
        ++count;
    }
    return count;
}

int CString::Replace(wchar_t oldChar, wchar_t newChar)
{
    int count = 0;
    for (wchar_t& c : m_str)
        if (c == oldChar) {
            c = newChar;
            ++count;
        }
    return count;
}

int CString::Insert(int index, const wchar_t* text)
{
    if (index < 0)
        index = 0;
    if (index > GetLength())
        index = GetLength();
    m_str.insert(static_cast<size_t>(index), text ? text : L"");
    return GetLength();
}

int CString::Insert(int index, wchar_t ch)
{
    wchar_t text[2] = {ch, 0};
    return Insert(index, text);
}

static const wchar_t kWhiteSpace[] = L" \t\r\n\v\f";

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::TrimLeft() { return TrimLeft(kWhiteSpace); }
CString& CString::TrimRight() { return TrimRight(kWhiteSpace); }
CString& CString::Trim(const wchar_t* chars) { return TrimRight(chars).TrimLeft(chars); }

CString& CString::TrimLeft(const wchar_t* chars)
{
    size_t at = m_str.find_first_not_of(chars ? chars : L"");
    m_str.erase(0, at == std::wstring::npos ? m_str.size() : at);
    return *this;
}

CString& CString::TrimRight(const wchar_t* chars)
{
    size_t at = m_str.find_last_not_of(chars ? chars : L"");
    m_str.erase(at == std::wstring::npos ? 0 : at + 1);
    return *this;
}

void CString::FormatV(const wchar_t* format, va_list args)
{
    std::wstring translated = ui::TranslateWideFormat(format);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int written = vswprintf(buffer.data(), buffer.size(), translated.c_str(), copy);
        va_end(copy);
        if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
            m_str.assign(buffer.data(), static_cast<size_t>(written));
            return;
        }
        if (buffer.size() >= (1u << 24)) {  // a format that cannot be formatted at all
            m_str.clear();
            return;
        }
        buffer.resize(buffer.size() * 4);
    }
}

void CString::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

BOOL CString::LoadString(UINT id)
{
    const wchar_t* resource = nullptr;
    HINSTANCE module = GetModuleHandleW(nullptr);
    int length = ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource) {
        m_str.clear();
        return FALSE;
    }
    m_str.assign(resource, static_cast<size_t>(length));
    return TRUE;
}

wchar_t* CString::GetBufferSetLength(int length)
{
    m_str.resize(static_cast<size_t>(length < 0 ? 0 : length));
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0) {
        size_t zero = m_str.find(L'\0');
        if (zero != std::wstring::npos)
            m_str.resize(zero);
    } else if (static_cast<size_t>(newLength) <= m_str.size()) {
        m_str.resize(static_cast<size_t>(newLength));
    }
}
