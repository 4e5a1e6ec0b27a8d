// Fonts named by file or face, mapped to installed faces through a fallback chain.
#include "platform/chart/ChartCanvas.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>

using namespace Gdiplus;

namespace {

struct FontFile {
    const char* stem;
    const wchar_t* face;
    int style;
};

// Font files of the usual Windows faces.
const FontFile kFontFiles[] = {
    {"arial", L"Arial", FontStyleRegular},
    {"arialbd", L"Arial", FontStyleBold},
    {"ariali", L"Arial", FontStyleItalic},
    {"arialbi", L"Arial", FontStyleBoldItalic},
    {"times", L"Times New Roman", FontStyleRegular},
    {"timesbd", L"Times New Roman", FontStyleBold},
    {"timesi", L"Times New Roman", FontStyleItalic},
    {"timesbi", L"Times New Roman", FontStyleBoldItalic},
    {"cour", L"Courier New", FontStyleRegular},
    {"courbd", L"Courier New", FontStyleBold},
    {"tahoma", L"Tahoma", FontStyleRegular},
    {"tahomabd", L"Tahoma", FontStyleBold},
    {"verdana", L"Verdana", FontStyleRegular},
    {"verdanab", L"Verdana", FontStyleBold},
    {"mingliu", L"MingLiU", FontStyleRegular},
    {"simsun", L"SimSun", FontStyleRegular},
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

struct FontRequest {
    std::wstring face;
    int style = FontStyleRegular;
    bool serif = false;
};

FontRequest ParseFontName(const std::string& name)
{
    FontRequest request;
    request.face = L"Arial";
    const std::string lower = Lower(name);
    if (lower.empty())
        return request;
    if (lower == "bold" || lower == "italic" || lower == "bold italic" || lower == "bolditalic") {
        request.style = (lower.find("bold") != std::string::npos ? FontStyleBold : 0) |
                        (lower.find("italic") != std::string::npos ? FontStyleItalic : 0);
        return request;
    }
    const size_t dot = lower.rfind('.');
    if (dot != std::string::npos) {
        const std::string stem = lower.substr(0, dot);
        for (const FontFile& file : kFontFiles)
            if (stem == file.stem) {
                request.face = file.face;
                request.style = file.style;
                request.serif = stem.compare(0, 5, "times") == 0;
                return request;
            }
        request.face = WideText(name.substr(0, dot));
        return request;
    }
    request.face = WideText(name);
    request.serif = lower.find("times") != std::string::npos || lower.find("serif") != std::string::npos;
    return request;
}

std::mutex g_fontLock;
std::map<std::wstring, FontFamily*> g_families;  // installed faces by name; null when missing
std::map<std::string, ResolvedFont> g_resolved;

const FontFamily* Family(const std::wstring& face)
{
    auto found = g_families.find(face);
    if (found != g_families.end())
        return found->second;
    auto* family = new FontFamily(face.c_str());
    if (family->GetLastStatus() != Gdiplus::Ok || !family->IsAvailable()) {
        delete family;
        family = nullptr;
    }
    g_families[face] = family;
    return family;
}

// The first face of the installed fonts, or "".
std::wstring FirstInstalledFace()
{
    InstalledFontCollection installed;
    const int count = installed.GetFamilyCount();
    if (count <= 0)
        return std::wstring();
    std::vector<FontFamily> families(static_cast<size_t>(count));
    int found = 0;
    installed.GetFamilies(count, families.data(), &found);
    for (int i = 0; i < found; ++i) {
        wchar_t name[LF_FACESIZE] = {};
        if (families[i].GetFamilyName(name) == Gdiplus::Ok && name[0])
            return name;
    }
    return std::wstring();
}

}  // namespace

std::wstring WideText(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    UINT codePage = CP_UTF8;
    DWORD flags = MB_ERR_INVALID_CHARS;
    if (length <= 0) {
        codePage = CP_ACP;
        flags = 0;
        length = ::MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    }
    std::wstring wide(static_cast<size_t>(std::max(length, 0)), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(codePage, flags, text.data(), size, &wide[0], length);
    return wide;
}

ResolvedFont ResolveFont(const std::string& name)
{
    if (!StartGdiplus())
        return ResolvedFont();
    std::lock_guard<std::mutex> lock(g_fontLock);
    const std::string key = Lower(name);
    auto known = g_resolved.find(key);
    if (known != g_resolved.end())
        return known->second;

    const FontRequest request = ParseFontName(name);
    std::vector<std::wstring> chain = {request.face};
    if (request.serif) {
        chain.push_back(L"Times New Roman");
        chain.push_back(L"Liberation Serif");
        chain.push_back(L"DejaVu Serif");
    }
    for (const wchar_t* face : {L"Arial", L"Liberation Sans", L"DejaVu Sans", L"Tahoma", L"Verdana"})
        chain.push_back(face);
    chain.push_back(FirstInstalledFace());

    ResolvedFont resolved;
    for (const std::wstring& face : chain) {
        if (face.empty())
            continue;
        if (const FontFamily* family = Family(face)) {
            resolved.family = family;
            resolved.face = face;
            break;
        }
    }
    if (!resolved.family) {
        const FontFamily* generic = FontFamily::GenericSansSerif();
        if (generic && generic->GetLastStatus() == Gdiplus::Ok && generic->IsAvailable())
            resolved.family = generic;
    }
    if (resolved.family) {
        resolved.style = request.style;
        for (int style : {request.style, request.style & FontStyleBold, static_cast<int>(FontStyleRegular)})
            if (resolved.family->IsStyleAvailable(style)) {
                resolved.style = style;
                break;
            }
    }
    g_resolved[key] = resolved;
    return resolved;
}
