// The record line of the station's latest history record.
#include "app/RecordLine.h"

#include <gtest/gtest.h>

namespace {

RecordLineSources Sources(const std::wstring& latest)
{
    RecordLineSources s;
    s.latest = latest;
    s.value174 = "100";
    s.value176 = "210";
    s.value178 = "300";
    s.bcd7 = "7.5";
    s.bcd0 = "1.2";
    return s;
}

TEST(RecordLine, RainSinceResetThenTotalsAndExtraValues)
{
    // 1000 counts are 705.4 mm; 5.4 mm were counted before the reset.
    const std::wstring line = BuildRecordLine(Sources(L"2014,1,18,9,5,21.3,45,1000"), 5.375);
    EXPECT_EQ(line, L"2014,1,18,9,5,21.3,45,700.0,,,70.5,148.1, 211.6,7.5,1.2");
}

TEST(RecordLine, MissingValuesLeaveTheirSeparators)
{
    RecordLineSources s = Sources(L"a,b,0");
    s.value174 = "UU";
    s.value176 = "MISS";
    s.value178 = "300";  // a missing 176 followed by a valid 178
    s.bcd7 = "HH";
    s.bcd0 = "LL";
    EXPECT_EQ(BuildRecordLine(s, 0.0), L"a,b,0.0,,,, , 211.6,, ");

    s.value174 = "";
    s.value178 = "x12";  // not a number: missing as well
    s.bcd7 = "3";
    s.bcd0 = "4";
    EXPECT_EQ(BuildRecordLine(s, 0.0), L"a,b,0.0,,,, , , 3.0,4.0");
}

TEST(RecordLine, NoCommaOrNoRainCounterGivesNoLine)
{
    // Without these checks the line would be a row of bare separators in the record files.
    EXPECT_TRUE(BuildRecordLine(Sources(L"1234"), 0.0).empty());
    EXPECT_TRUE(BuildRecordLine(Sources(L""), 0.0).empty());
    EXPECT_TRUE(BuildRecordLine(Sources(L"2014,1,18,UU"), 0.0).empty());
    EXPECT_TRUE(BuildRecordLine(Sources(L"2014,1,18,"), 0.0).empty());
    EXPECT_FALSE(BuildRecordLine(Sources(L",0"), 0.0).empty());
}

}  // namespace
