#include "tests/e2e/PrintedPage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>
#include <unordered_map>

namespace printed {
namespace {

std::string ReadAll(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

// The files of a folder that match the pattern, with their last write times, by name.
FileTimes FilesMatching(const std::wstring& folder, const wchar_t* pattern)
{
    FileTimes files;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\" + pattern).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return files;
    do
        files[found.cFileName] = uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32 | found.ftLastWriteTime.dwLowDateTime;
    while (FindNextFileW(find, &found));
    FindClose(find);
    return files;
}

// The Unix path Wine maps a Windows path to ("" outside Wine).
std::string UnixPath(const std::wstring& path)
{
    using ToUnix = char*(CDECL*)(const wchar_t*);
    const auto toUnix =
        reinterpret_cast<ToUnix>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    char* unix = toUnix ? toUnix(path.c_str()) : nullptr;
    if (!unix)
        return std::string();
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

std::wstring FromUtf8(const std::string& text)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), &wide[0], n);
    return wide;
}

// A PDF is complete once it ends with its end-of-file marker.
bool EndsLikeAPdf(const std::wstring& path)
{
    const std::string bytes = ReadAll(path);
    return bytes.size() > 16 && bytes.compare(0, 5, "%PDF-") == 0 &&
           bytes.find("%%EOF", bytes.size() > 64 ? bytes.size() - 64 : 0) != std::string::npos;
}

// A binary PPM (P6, 8 bits a channel) as pixels; an empty page when it is not one.
Page ReadPpm(const std::wstring& path)
{
    const std::string bytes = ReadAll(path);
    std::istringstream header(bytes);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    header >> magic >> width >> height >> maximum;
    Page page;
    if (!header || magic != "P6" || maximum != 255 || width <= 0 || height <= 0)
        return page;
    const size_t start = static_cast<size_t>(header.tellg()) + 1;  // one white-space byte ends the header
    if (bytes.size() < start + size_t(width) * height * 3)
        return page;
    page.width = width;
    page.height = height;
    page.pixels.resize(size_t(width) * height);
    const auto* rgb = reinterpret_cast<const unsigned char*>(bytes.data() + start);
    for (size_t k = 0; k < page.pixels.size(); ++k)
        page.pixels[k] = uint32_t(rgb[3 * k]) << 16 | uint32_t(rgb[3 * k + 1]) << 8 | rgb[3 * k + 2];
    return page;
}

int Channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

// Paper white, give or take what the PDF's compression and the rendering's smoothing leave.
bool IsWhite(uint32_t pixel) { return Channel(pixel, 16) >= 245 && Channel(pixel, 8) >= 245 && Channel(pixel, 0) >= 245; }

}  // namespace

std::wstring PdfPrinterFolder()
{
    // Wine names the Unix home folder in WINEHOMEDIR as "\??\Z:\home\user".
    wchar_t home[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"WINEHOMEDIR", home, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return std::wstring();
    std::wstring folder = home;
    if (folder.compare(0, 4, L"\\??\\") == 0)
        folder.erase(0, 4);
    return folder + L"\\PDF";
}

bool HasPrinter(const wchar_t* name)
{
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0, count = 0;
    EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0)
        return false;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count))
        return false;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    return std::any_of(printers, printers + count,
                       [&](const PRINTER_INFO_4W& p) { return p.pPrinterName && _wcsicmp(p.pPrinterName, name) == 0; });
}

FileTimes PdfFilesIn(const std::wstring& folder) { return FilesMatching(folder, L"*.pdf"); }

bool TakeNewPdf(const std::wstring& folder, const std::wstring& namePrefix, const FileTimes& before,
                const std::wstring& destination, int seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    do {
        for (const auto& [name, time] : PdfFilesIn(folder)) {
            const auto old = before.find(name);
            if (name.compare(0, namePrefix.size(), namePrefix) != 0 || (old != before.end() && old->second == time))
                continue;
            // A file that another test run took first is gone by now: look on.
            const std::wstring path = folder + L"\\" + name;
            if (EndsLikeAPdf(path) &&
                MoveFileExW(path.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    } while (std::chrono::steady_clock::now() < end);
    return false;
}

std::vector<Page> RenderPages(const std::wstring& pdf, int dpi)
{
    std::vector<Page> pages;
    const std::wstring folder = FolderOf(pdf);
    for (const auto& old : FilesMatching(folder, L"page-*.ppm"))
        DeleteFileW((folder + L"\\" + old.first).c_str());
    const std::wstring status = folder + L"\\pdftoppm-status";
    DeleteFileW(status.c_str());
    const std::string source = UnixPath(pdf), pagePrefix = UnixPath(folder + L"\\page"),
                      statusPath = UnixPath(status);
    if (source.empty() || pagePrefix.empty() || statusPath.empty() ||
        (source + pagePrefix + statusPath).find('\'') != std::string::npos)
        return pages;
    // Wine starts a Unix program without a process to wait for: a shell runs it and leaves its exit
    // code in a file, which appears (by a rename) only when pdftoppm has ended.
    const std::string script = "/usr/bin/pdftoppm -r " + std::to_string(dpi) + " '" + source + "' '" + pagePrefix +
                               "'; echo $? > '" + statusPath + ".tmp' && mv '" + statusPath + ".tmp' '" + statusPath + "'";
    std::wstring command = L"Z:\\bin\\sh -c \"" + FromUtf8(script) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return pages;
    if (process.hThread)
        CloseHandle(process.hThread);
    if (process.hProcess)
        CloseHandle(process.hProcess);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (GetFileAttributesW(status.c_str()) == INVALID_FILE_ATTRIBUTES && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::string exitCode = ReadAll(status);
    if (exitCode.empty() || std::atoi(exitCode.c_str()) != 0)
        return pages;
    for (const auto& file : FilesMatching(folder, L"page-*.ppm"))
        pages.push_back(ReadPpm(folder + L"\\" + file.first));
    return pages;
}

RECT InkBox(const Page& page)
{
    RECT box{page.width, page.height, 0, 0};
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x)
            if (!IsWhite(page.pixels[size_t(y) * page.width + x])) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.right > 0 ? box : RECT{0, 0, 0, 0};
}

double ShareNear(const Page& page, const RECT& box, uint32_t colour, int tolerance)
{
    long close = 0, all = 0;
    for (int y = std::max<LONG>(box.top, 0); y < std::min<LONG>(box.bottom, page.height); ++y)
        for (int x = std::max<LONG>(box.left, 0); x < std::min<LONG>(box.right, page.width); ++x) {
            const uint32_t pixel = page.pixels[size_t(y) * page.width + x];
            ++all;
            close += std::abs(Channel(pixel, 16) - Channel(colour, 16)) <= tolerance &&
                    std::abs(Channel(pixel, 8) - Channel(colour, 8)) <= tolerance &&
                    std::abs(Channel(pixel, 0) - Channel(colour, 0)) <= tolerance;
        }
    return all > 0 ? double(close) / all : 0.0;
}

uint32_t CommonestColour(const std::vector<uint32_t>& pixels)
{
    std::unordered_map<uint32_t, int> counts;
    for (uint32_t pixel : pixels)
        ++counts[pixel & 0xFFFFFF];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? 0 : most->first;
}

}  // namespace printed
