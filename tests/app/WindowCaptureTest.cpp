// Window captures saved as image files.
#include "app/WindowCapture.h"

#include <gtest/gtest.h>

#include <direct.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(WindowCapture, BitmapIsSavedInTheFormatOfItsExtension)
{
    _mkdir("capture_test");
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 30);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(bitmap, nullptr);
    DeleteFileW(L"capture_test\\cap.jpg");
    ASSERT_TRUE(SaveBitmapImage(bitmap, L"capture_test\\cap.jpg"));
    const std::string jpg = ReadBytes(L"capture_test\\cap.jpg");
    ASSERT_GE(jpg.size(), 3u);
    EXPECT_EQ(jpg.substr(0, 3), "\xFF\xD8\xFF");
    ASSERT_TRUE(SaveBitmapImage(bitmap, L"capture_test\\cap.BMP"));
    EXPECT_EQ(ReadBytes(L"capture_test\\cap.BMP").substr(0, 2), "BM");
    EXPECT_FALSE(SaveBitmapImage(bitmap, L"capture_test\\cap.xyz"));
    EXPECT_FALSE(SaveBitmapImage(bitmap, L"capture_test.d\\cap"));
    EXPECT_FALSE(SaveBitmapImage(nullptr, L"capture_test\\none.jpg"));
    DeleteObject(bitmap);
}

}  // namespace
