// Window captures saved as image files through GDI+.
#include "app/WindowCapture.h"

#include "records/RecordFileIo.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

namespace {

const wchar_t* MimeTypeOfPath(const std::wstring& path)
{
    const size_t dot = path.find_last_of(L'.');
    const size_t slash = path.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        return nullptr;
    std::wstring ext = path.substr(dot + 1);
    for (wchar_t& c : ext)
        c = static_cast<wchar_t>(towlower(c));
    if (ext == L"jpg" || ext == L"jpeg" || ext == L"jpe")
        return L"image/jpeg";
    if (ext == L"bmp")
        return L"image/bmp";
    if (ext == L"png")
        return L"image/png";
    if (ext == L"gif")
        return L"image/gif";
    if (ext == L"tif" || ext == L"tiff")
        return L"image/tiff";
    return nullptr;
}

bool EncoderOf(const wchar_t* mimeType, CLSID* clsid)
{
    UINT count = 0, bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<unsigned char> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (encoders[i].MimeType && wcscmp(encoders[i].MimeType, mimeType) == 0) {
            *clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

bool SaveBitmapImage(HBITMAP bitmap, const std::wstring& path)
{
    const wchar_t* mime = MimeTypeOfPath(path);
    if (bitmap == nullptr || mime == nullptr)
        return false;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return false;
    // Encoded in memory, then the file replaced in one step: a full disk leaves no part of a picture.
    std::string bytes;
    {
        CLSID clsid;
        Gdiplus::Bitmap image(bitmap, nullptr);
        IStream* stream = nullptr;
        if (image.GetLastStatus() == Gdiplus::Ok && EncoderOf(mime, &clsid) &&
            CreateStreamOnHGlobal(nullptr, TRUE, &stream) == S_OK) {
            HGLOBAL memory = nullptr;
            if (image.Save(stream, &clsid, nullptr) == Gdiplus::Ok && GetHGlobalFromStream(stream, &memory) == S_OK) {
                STATSTG stat{};
                stream->Stat(&stat, STATFLAG_NONAME);
                if (const void* data = GlobalLock(memory)) {
                    bytes.assign(static_cast<const char*>(data), static_cast<size_t>(stat.cbSize.QuadPart));
                    GlobalUnlock(memory);
                }
            }
            stream->Release();
        }
    }
    Gdiplus::GdiplusShutdown(token);
    return !bytes.empty() && ReplaceFileWith(path, bytes);
}

bool SaveWindowCapture(HWND window, const std::wstring& path)
{
    RECT client{};
    if (window == nullptr || !GetClientRect(window, &client))
        return false;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC windowDc = GetDC(window);
    if (windowDc == nullptr)
        return false;
    bool ok = false;
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = memoryDc ? CreateCompatibleBitmap(windowDc, width, height) : nullptr;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memoryDc, bitmap);
        BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
        SelectObject(memoryDc, old);
        ok = SaveBitmapImage(bitmap, path);
        DeleteObject(bitmap);
    }
    if (memoryDc != nullptr)
        DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return ok;
}
