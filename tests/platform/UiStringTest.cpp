// CString: formatting with the platform's wide meaning of %s, and the text operations.
#include "platform/ui/UiString.h"

#include <gtest/gtest.h>

TEST(UiString, FormatGivesPercentSTheWideMeaning)
{
    CString s;
    s.Format(L"%s|%5s|%-4s|%c", L"wide", L"ab", L"x", L'Z');
    EXPECT_EQ(s, L"wide|   ab|x   |Z");
    s.Format(L"%hs and %S", "narrow", "also narrow");
    EXPECT_EQ(s, L"narrow and also narrow");
    s.Format(L"%ls %ws %lc", L"already", L"ms-wide", L'q');
    EXPECT_EQ(s, L"already ms-wide q");
    s.Format(L"%d%% %.1f %02d%02d %I64d %x", 42, 12.34, 7, 5, static_cast<long long>(1) << 40, 255);
    EXPECT_EQ(s, L"42% 12.3 0705 1099511627776 ff");
    s.Format(L"%*d|%.*s", 4, 7, 2, L"abcdef");
    EXPECT_EQ(s, L"   7|ab");
}

TEST(UiString, FormatGrowsBeyondAnyFixedBuffer)
{
    std::wstring longText(5000, L'x');
    CString s;
    s.Format(L"[%s]", longText.c_str());
    EXPECT_EQ(s.GetLength(), 5002);
    EXPECT_EQ(s.Right(2), L"x]");
}

TEST(UiString, TranslatedFormatsKeepExplicitLengths)
{
    EXPECT_EQ(ui::TranslateWideFormat(L"%s %hs %ls %S %c %hc %C %%s %5.2s"), L"%ls %hs %ls %hs %lc %hc %hc %%s %5.2ls");
}

TEST(UiString, PiecesClampToTheText)
{
    CString s(L"Channel 1");
    EXPECT_EQ(s.Left(7), L"Channel");
    EXPECT_EQ(s.Left(50), L"Channel 1");
    EXPECT_EQ(s.Right(1), L"1");
    EXPECT_EQ(s.Mid(8), L"1");
    EXPECT_EQ(s.Mid(20), L"");
    EXPECT_EQ(s.Mid(-3, 2), L"Ch");
    EXPECT_EQ(s.Find(L'n'), 3);
    EXPECT_EQ(s.Find(L'n', 4), 4);
    EXPECT_EQ(s.Find(L"nel"), 4);
    EXPECT_EQ(s.Find(L'z'), -1);
    EXPECT_EQ(s.ReverseFind(L'n'), 4);
    CString path(L"Z:\\tmp\\run\\Orvelle.exe");
    EXPECT_EQ(path.Left(path.ReverseFind(L'\\') + 1), L"Z:\\tmp\\run\\");
}

TEST(UiString, Edits)
{
    CString s(L"  a-b-c  ");
    s.Trim();
    EXPECT_EQ(s, L"a-b-c");
    EXPECT_EQ(s.Replace(L"-", L"--"), 2);
    EXPECT_EQ(s, L"a--b--c");
    s.Insert(1, L"XY");
    EXPECT_EQ(s, L"aXY--b--c");
}

TEST(UiString, BufferAndNarrowText)
{
    CString s;
    wchar_t* buffer = s.GetBufferSetLength(16);
    wcscpy(buffer, L"abc");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 3);
    CString narrow("plain ascii");
    EXPECT_EQ(narrow, L"plain ascii");
    EXPECT_EQ(ui::NarrowAcp(L"Indoor"), "Indoor");
}

TEST(UiString, LoadStringReadsTheModulesStringTable)
{
    CString s;
    EXPECT_TRUE(s.LoadString(501));
    EXPECT_EQ(s, L"Loaded text");
    EXPECT_FALSE(s.LoadString(4999));
    EXPECT_TRUE(s.IsEmpty());
}
