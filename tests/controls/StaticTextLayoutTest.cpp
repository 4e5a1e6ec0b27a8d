// Line breaking, format and vertical position of the custom static control's text, with a font
// of ten pixels per character.
#include "controls/StaticTextLayout.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::wstring>;

int TenPerChar(const std::wstring& run) { return static_cast<int>(run.size()) * 10; }

Lines Break(const std::wstring& text, int width) { return BreakStaticText(text, width, TenPerChar); }

}  // namespace

TEST(StaticTextLayout, WideTextBreaksAtTheLastSpaceThatFitsAndLongWordsBetweenCharacters)
{
    EXPECT_EQ(Break(L"alpha beta gamma", 70), (Lines{L"alpha", L"beta", L"gamma"}));
    EXPECT_EQ(Break(L"abcdefghij", 40), (Lines{L"abcd", L"efgh", L"ij"}));
    // A line that already ends in a space keeps it and breaks after it.
    EXPECT_EQ(Break(L"abc defg", 40), (Lines{L"abc ", L"defg"}));
    // A text that fits stays whole.
    EXPECT_EQ(Break(L"short", 200), (Lines{L"short"}));
    EXPECT_TRUE(Break(L"", 200).empty());
}

TEST(StaticTextLayout, LinePairsEndLinesAndLoneBreaksStayInTheText)
{
    EXPECT_EQ(Break(L"one\r\ntwo", 500), (Lines{L"one", L"two"}));
    EXPECT_EQ(Break(L"one\n\rtwo", 500), (Lines{L"one", L"two"}));
    EXPECT_EQ(Break(L"one\ntwo", 500), (Lines{L"one\ntwo"}));
    EXPECT_EQ(Break(L"one\rtwo", 500), (Lines{L"one\rtwo"}));
    // A pair at the very end leaves an empty rest, no extra line; an empty line between pairs stays.
    EXPECT_EQ(Break(L"one\r\n", 500), (Lines{L"one"}));
    EXPECT_EQ(Break(L"a\r\n\r\nb", 500), (Lines{L"a", L"", L"b"}));
}

TEST(StaticTextLayout, ControlNarrowerThanOneGlyphStillTakesOneCharacterPerLine)
{
    EXPECT_EQ(Break(L"abc", 5), (Lines{L"a", L"b", L"c"}));
    EXPECT_EQ(Break(L"a b", 0), (Lines{L"a", L" ", L"b"}));
    EXPECT_EQ(Break(L"xy", -20), (Lines{L"x", L"y"}));
}

TEST(StaticTextLayout, FormatFollowsTheStaticTypeTheEllipsisKindAndTabs)
{
    EXPECT_EQ(StaticTextFormat(SS_LEFT, L"a"), static_cast<UINT>(DT_LEFT));
    EXPECT_EQ(StaticTextFormat(SS_RIGHT, L"a"), static_cast<UINT>(DT_RIGHT));
    EXPECT_EQ(StaticTextFormat(SS_CENTER | SS_NOPREFIX, L"a"), static_cast<UINT>(DT_CENTER | DT_NOPREFIX));
    // Types whose value shares bits with SS_RIGHT or SS_CENTER are neither.
    EXPECT_EQ(StaticTextFormat(SS_BITMAP, L"a"), static_cast<UINT>(DT_LEFT));
    EXPECT_EQ(StaticTextFormat(SS_GRAYFRAME, L"a"), static_cast<UINT>(DT_LEFT));
    EXPECT_EQ(StaticTextFormat(SS_OWNERDRAW, L"a"), static_cast<UINT>(DT_LEFT));
    // One ellipsis kind each.
    EXPECT_EQ(StaticTextFormat(SS_ENDELLIPSIS, L"a"), static_cast<UINT>(DT_END_ELLIPSIS));
    EXPECT_EQ(StaticTextFormat(SS_PATHELLIPSIS, L"a"), static_cast<UINT>(DT_PATH_ELLIPSIS));
    EXPECT_EQ(StaticTextFormat(SS_WORDELLIPSIS, L"a"), static_cast<UINT>(DT_WORD_ELLIPSIS));
    EXPECT_EQ(StaticTextFormat(SS_LEFT, L"a\tb"), static_cast<UINT>(DT_EXPANDTABS));
    // The control breaks lines itself: never word breaking or single-line drawing.
    for (DWORD style : {0x0ul, 0x1ul, 0x2ul, 0xC0C2ul, 0x4201ul})
        EXPECT_EQ(StaticTextFormat(style, L"x\ty") & (DT_WORDBREAK | DT_SINGLELINE), 0u) << style;
}

TEST(StaticTextLayout, CentredLinesStartAboveTheBoxWhenTheyDoNotFit)
{
    EXPECT_EQ(StaticTextTop(SS_CENTERIMAGE, 0, 40, 3, 16), -4);
    EXPECT_EQ(StaticTextTop(SS_CENTERIMAGE, 0, 40, 1, 16), 12);
    EXPECT_EQ(StaticTextTop(SS_CENTERIMAGE, 0, 41, 0, 16), 20);
    EXPECT_EQ(StaticTextTop(SS_LEFT, 0, 40, 3, 16), 0);
}
