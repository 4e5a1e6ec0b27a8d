// CString: the wide string of the window code, a thin value type over std::wstring.
//
// Format gives the conversions the meaning of the platform's wide printf family: %s and %c
// take wide arguments, %hs / %hc narrow ones, %S / %C narrow ones, %ls / %lc / %ws wide ones.
// The format is rewritten into the C library's conventions before formatting, so the result
// does not depend on how the run-time library reads %s in wide formats.
#pragma once
#include <windows.h>

#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_str(text ? text : L"") {}
    CString(const wchar_t* text, int length) : m_str(text ? std::wstring(text, length) : std::wstring()) {}
    CString(const std::wstring& text) : m_str(text) {}
    CString(std::wstring&& text) : m_str(std::move(text)) {}
    explicit CString(wchar_t ch, int repeat = 1) : m_str(repeat > 0 ? repeat : 0, ch) {}
    // Narrow text in the current code page.
    CString(const char* text);

    // ---- access -------------------------------------------------------------------------
    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }
    std::wstring& str() { return m_str; }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int index) const { return m_str.at(static_cast<size_t>(index)); }
    wchar_t operator[](int index) const { return GetAt(index); }

    // ---- assignment and concatenation ----------------------------------------------------
    CString& operator=(const wchar_t* text) { m_str = text ? text : L""; return *this; }
    CString& operator=(const std::wstring& text) { m_str = text; return *this; }
    CString& operator=(wchar_t ch) { m_str.assign(1, ch); return *this; }
    CString& operator+=(const CString& text) { m_str += text.m_str; return *this; }
    CString& operator+=(const wchar_t* text) { if (text) m_str += text; return *this; }
    CString& operator+=(const std::wstring& text) { m_str += text; return *this; }
    CString& operator+=(wchar_t ch) { m_str += ch; return *this; }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
    friend CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }
    friend CString operator+(wchar_t a, const CString& b) { CString r(a); r += b; return r; }

    // ---- comparison ------------------------------------------------------------------------
    int Compare(const wchar_t* text) const { return m_str.compare(text ? text : L""); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
    friend bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
    friend bool operator!=(const wchar_t* a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

    // ---- pieces (indexes are clamped to the text, as the platform class does) --------------
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* text, int start = 0) const;
    int ReverseFind(wchar_t ch) const;

    // ---- changes -------------------------------------------------------------------------
    int Replace(const wchar_t* oldText, const wchar_t* newText);  // number of replacements
    int Replace(wchar_t oldChar, wchar_t newChar);
    int Insert(int index, const wchar_t* text);
    int Insert(int index, wchar_t ch);
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight(const wchar_t* chars);

    // ---- formatting ------------------------------------------------------------------------
    void Format(const wchar_t* format, ...);
    void FormatV(const wchar_t* format, va_list args);
    // String resource of the program's module; false (text emptied) when it does not exist.
    BOOL LoadString(UINT id);

    // ---- direct buffer -------------------------------------------------------------------
    // A writable buffer of `length` characters (plus the terminator); call
    // ReleaseBuffer afterwards, with the new length or -1 to take the text up to its first zero.
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    std::wstring m_str;
};

namespace ui {
// The format rewritten for the C library: %s -> %ls, %c -> %lc, %S -> %hs, %C -> %hc,
// %ws -> %ls; conversions that already say h or l are kept. Exposed for tests.
std::wstring TranslateWideFormat(const wchar_t* format);
// Narrow text in the current code page (truncating nothing) and back.
std::wstring WidenAcp(const char* text);
std::string NarrowAcp(const wchar_t* text);
}  // namespace ui
