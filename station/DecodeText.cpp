#include "station/DecodeText.h"

#include <windows.h>

#include <cwchar>

namespace {

std::wstring Format(const wchar_t* format, int value)
{
    wchar_t buffer[32];
    std::swprintf(buffer, 32, format, value);
    return buffer;
}

} // namespace

std::wstring TextD(int value) { return Format(L"%d", value); }

std::wstring TextP2(int value) { return Format(value < 10 ? L"0%d" : L"%d", value); }

std::wstring TextP3(int value)
{
    if (value < 10)
        return Format(L"00%d", value);
    return Format(value < 100 ? L"0%d" : L"%d", value);
}

std::wstring TextYear2(int twoDigitYear)
{
    return Format(twoDigitYear < 10 ? L"200%d" : L"20%d", twoDigitYear);
}

std::wstring TextF2(double value)
{
    const float held = static_cast<float>(value);
    wchar_t buffer[64];
    std::swprintf(buffer, 64, L"%.2f", static_cast<double>(held));
    return buffer;
}

std::wstring TextHexByte(int value) { return Format(L"%X", value); }

std::wstring NibbleMarker(int nibble)
{
    if (nibble == 0x0B)
        return L"HH";
    if (nibble == 0x0C)
        return L"LL";
    return L"UU";
}

std::wstring CompassWord(int index)
{
    static const wchar_t* const words[16] = {L"N", L"NNE", L"NE", L"ENE", L"E", L"ESE", L"SE", L"SSE",
                                             L"S", L"SSW", L"SW", L"WSW", L"W", L"WNW", L"NW", L"NNW"};
    if (index < 0 || index > 15)
        return L"UU";
    return words[index];
}

std::wstring WindStatusText(int status)
{
    switch (status) {
    case 0: return L"DEFAULT";
    case 10: return L"RESTART";
    case 13: return L"CLEAR";
    case 14: return L"MISS";
    default: return L"UU";
    }
}

std::string NarrowText(std::wstring_view text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text)
        narrow.push_back(c >= 0 && c < 0x80 ? static_cast<char>(c) : '?');
    return narrow;
}

std::string NarrowAnsiText(std::wstring_view text)
{
    if (text.empty())
        return std::string();
    const int length = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, &out[0], n, nullptr, nullptr);
    return out;
}
