#include "texts/TextEncoding.h"

#include <windows.h>

#include <algorithm>

std::string Utf8(const wchar_t* text) { return Utf8(std::wstring(text ? text : L"")); }

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(std::max(length, 0)), '\0');
    if (length > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, &out[0], length, nullptr, nullptr);
    return out;
}
