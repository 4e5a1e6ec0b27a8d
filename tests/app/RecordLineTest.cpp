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

// The station's record line of 2014-01-18 09:05: indoor 21.30 and 45, the other values empty, and
// the rain counter.
const std::wstring kValues = L"2014,6,1,18,9,5,21.30,45" + std::wstring(17, L',');

TEST(RecordLine, RainSinceResetThenTotalsAndExtraValues)
{
    // 1000 counts are 705.4 mm; 5.4 mm were counted before the reset.
    const std::wstring line = BuildRecordLine(Sources(kValues + L",1000"), 5.375);
    EXPECT_EQ(line, kValues + L",700.0,,,70.5,148.1, 211.6,7.5,1.2");
}

TEST(RecordLine, MissingValuesLeaveTheirSeparators)
{
    RecordLineSources s = Sources(kValues + L",0");
    s.value174 = "UU";
    s.value176 = "MISS";
    s.value178 = "300";  // a missing 176 followed by a valid 178
    s.bcd7 = "HH";
    s.bcd0 = "LL";
    EXPECT_EQ(BuildRecordLine(s, 0.0), kValues + L",0.0,,,, , 211.6,, ");

    s.value174 = "";
    s.value178 = "x12";  // not a number: missing as well
    s.bcd7 = "3";
    s.bcd0 = "4";
    EXPECT_EQ(BuildRecordLine(s, 0.0), kValues + L",0.0,,,, , , 3.0,4.0");
}

TEST(RecordLine, NoCommaOrNoRainCounterGivesNoLine)
{
    // Without these checks the line would be a row of bare separators in the record files.
    EXPECT_TRUE(BuildRecordLine(Sources(L"1234"), 0.0).empty());
    EXPECT_TRUE(BuildRecordLine(Sources(L""), 0.0).empty());
    EXPECT_TRUE(BuildRecordLine(Sources(L"2014,1,18,UU"), 0.0).empty());
    EXPECT_TRUE(BuildRecordLine(Sources(L"2014,1,18,"), 0.0).empty());
    EXPECT_FALSE(BuildRecordLine(Sources(kValues + L",0"), 0.0).empty());
}

TEST(RecordLine, ARecordOfNoRealDateIsNoRecord)
{
    // The empty slot of a station whose memory was just cleared reads as month 0, day 0.
    const std::wstring cleared = L"2000,0,0,0,0,0,-0.00,0" + std::wstring(17, L',') + L",0";
    EXPECT_TRUE(BuildRecordLine(Sources(cleared), 0.0).empty());
    EXPECT_TRUE(BuildHistoryRecordLine(cleared, 0.0).empty());
    EXPECT_FALSE(LineHasRealTime(L"2014,6,2,30,9,5" + std::wstring(21, L',')));  // 30 February
    RecordTime time;
    ASSERT_TRUE(LineHasRealTime(kValues + L",700.0,", &time));
    EXPECT_EQ(time.day, 18);
    EXPECT_EQ(time.minute, 5);
}

TEST(RecordLine, AnOlderRecordReadBackEndsWithTheRainSinceTheReset)
{
    EXPECT_EQ(BuildHistoryRecordLine(kValues + L",1000", 5.375), kValues + L",700.0,");
    EXPECT_TRUE(BuildHistoryRecordLine(kValues + L",UU", 5.375).empty());
    EXPECT_EQ(RecordIntervalMinutes(0), 5);
    EXPECT_EQ(RecordIntervalMinutes(5), 90);
    EXPECT_EQ(RecordIntervalMinutes(10), 1440);
    EXPECT_EQ(RecordIntervalMinutes(11), 0);
    EXPECT_EQ(RecordIntervalMinutes(-1), 0);  // a damaged image gives no interval
}

}  // namespace
