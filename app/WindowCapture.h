// A capture of a window's client area saved as an image file (the automatic saving's JPEG copy).
#pragma once
#include <windows.h>

#include <string>

// Saves a bitmap as an image file whose format follows the path's extension (".jpg"/".jpeg",
// ".bmp", ".png", ".gif", ".tif"/".tiff"), replacing the file in one step (ReplaceFileWith); false
// when the file cannot be written whole (ErrorOfLastFailure tells why) or the extension names no
// known format.
bool SaveBitmapImage(HBITMAP bitmap, const std::wstring& path);
// The window's client area captured from its window DC (memory DC and bitmap of the client size,
// BitBlt SRCCOPY) and saved by SaveBitmapImage.
bool SaveWindowCapture(HWND window, const std::wstring& path);
