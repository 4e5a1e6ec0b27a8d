#include "records/StationMinMax.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Stands in for the station decoder: each getter names its own field.
struct FakeDecoder {
    std::wstring GetIndoorTempAText() const { return L"-3.5"; }
    std::wstring GetIndoorTempBText() const { return L"HH"; }
    std::wstring GetIndoorHumidityAText() const { return L"20"; }
    std::wstring GetIndoorHumidityBText() const { return L"80"; }
    std::wstring GetChannelTempAText(int ch) const { return std::to_wstring(ch) + L".5"; }
    std::wstring GetChannelTempBText(int ch) const { return ch == 2 ? L"MISS" : std::to_wstring(10 + ch); }
    std::wstring GetChannelHumidityAText(int ch) const { return std::to_wstring(30 + ch); }
    std::wstring GetChannelHumidityBText(int ch) const { return std::to_wstring(60 + ch); }
    std::wstring GetTwoBitFieldTextA(int type) const { return type == 0 ? L"U" : L"1"; }
    std::wstring GetTwoBitFieldTextB(int type) const { return type == 5 ? L"Err" : L"2"; }
    std::wstring GetBcdValueText(int type) const { return type == 7 ? L"UU" : std::to_wstring(type); }
    std::wstring GetValue170Text() const { return L"21.5"; }
    std::wstring GetValue172Text() const { return L"30.0"; }
    std::wstring GetValue174Text() const { return L"100"; }
    std::wstring GetValue176Text() const { return L"65535"; }
    std::wstring GetValue178Text() const { return L"ChkErr"; }
};

} // namespace

TEST(StationMinMax, DecoderTextsReachTheExtremes)
{
    auto m = std::make_unique<CMainRecords>();
    m->m_liveValue[1] = 33;
    m->m_channelTempMax[1] = 44;
    m->m_humidityTrend[0] = 3;
    m->m_temperatureTrend[5] = 1;
    m->m_uvDailyMax[7] = 9;
    m->LoadStationMinMax(MinMaxTextsFromDecoder(FakeDecoder()));
    EXPECT_EQ(m->m_liveValue[0], -3.5);
    EXPECT_EQ(m->m_liveValue[1], 33.0);
    EXPECT_EQ(m->m_liveValue[3], 20.0);
    EXPECT_EQ(m->m_liveValue[2], 80.0);
    EXPECT_EQ(m->m_channelTempMin[0], 1.5);
    EXPECT_EQ(m->m_channelTempMin[4], 5.5);
    EXPECT_EQ(m->m_channelTempMax[0], 11.0);
    EXPECT_EQ(m->m_channelTempMax[1], 44.0); // "MISS" keeps the last value
    EXPECT_EQ(m->m_channelHumidityMin[2], 33.0);
    EXPECT_EQ(m->m_channelHumidityMax[4], 65.0);
    EXPECT_EQ(m->m_humidityTrend[0], 3);
    EXPECT_EQ(m->m_humidityTrend[1], 1);
    EXPECT_EQ(m->m_temperatureTrend[0], 2);
    EXPECT_EQ(m->m_temperatureTrend[5], 1);
    EXPECT_EQ(m->m_uvDailyMax[3], 3.0);
    EXPECT_EQ(m->m_uvDailyMax[7], 9.0);
    EXPECT_EQ(m->m_windNow[0], 21.5);
    EXPECT_EQ(m->m_windNow[1], 30.0);
    EXPECT_DOUBLE_EQ(m->m_rainNow[0], 70.5375);
    EXPECT_EQ(m->m_rainNow[1], DISPLAY_MISSING);
    EXPECT_EQ(m->m_rainNow[2], DISPLAY_MISSING);
}

TEST(StationMinMax, ADefaultRecordWithoutStationChangesNothing)
{
    auto m = std::make_unique<CMainRecords>();
    m->m_liveValue[0] = 7;
    m->LoadStationMinMax();
    EXPECT_EQ(m->m_liveValue[0], 7.0);
    EXPECT_EQ(NarrowStationText(L"12\u00b0"), "12?");
}
