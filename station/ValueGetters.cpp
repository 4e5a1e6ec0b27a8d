// Single decoded values of the min/max and extra-value areas and the newest record line.
#include "station/DataDecode.h"

namespace {

constexpr int kSensorCount = 6;   // 0 indoor, 1..5 channels
// Addresses per sensor: first and second temperature, first and second humidity. The group checksum
// at 63 moves channel 4's humidities and all of channel 5 one address up.
const int kTemperatureA[kSensorCount] = {36, 42, 48, 54, 60, 67};
const int kTemperatureB[kSensorCount] = {38, 44, 50, 56, 62, 69};
const int kHumidityA[kSensorCount] = {40, 46, 52, 58, 65, 71};
const int kHumidityB[kSensorCount] = {41, 47, 53, 59, 66, 72};
const int kBcdAddresses[8] = {77, 78, 80, 81, 83, 84, 86, 87};

bool SensorInRange(int ch) { return ch >= 0 && ch < kSensorCount; }

} // namespace

std::wstring CDataDecode::GetIndoorTempAText() const { return ValueTextAt(36, 0); }
std::wstring CDataDecode::GetIndoorTempBText() const { return ValueTextAt(38, 0); }
std::wstring CDataDecode::GetIndoorHumidityAText() const { return ValueTextAt(40, 0); }
std::wstring CDataDecode::GetIndoorHumidityBText() const { return ValueTextAt(41, 0); }

std::wstring CDataDecode::GetChannelTempAText(int ch) const
{
    return SensorInRange(ch) ? ValueTextAt(kTemperatureA[ch], 0) : std::wstring();
}

std::wstring CDataDecode::GetChannelTempBText(int ch) const
{
    return SensorInRange(ch) ? ValueTextAt(kTemperatureB[ch], 0) : std::wstring();
}

std::wstring CDataDecode::GetChannelHumidityAText(int ch) const
{
    return SensorInRange(ch) ? ValueTextAt(kHumidityA[ch], 0) : std::wstring();
}

std::wstring CDataDecode::GetChannelHumidityBText(int ch) const
{
    return SensorInRange(ch) ? ValueTextAt(kHumidityB[ch], 0) : std::wstring();
}

// Types 0..5 share the three flag bytes 73..75, two types a byte.
std::wstring CDataDecode::GetTwoBitFieldTextA(int type) const
{
    if (type < 0 || type > 5)
        return std::wstring();
    return ValueTextAt(73 + type / 2, type % 2 == 0 ? 2 : 0);
}

std::wstring CDataDecode::GetTwoBitFieldTextB(int type) const
{
    if (type < 0 || type > 5)
        return std::wstring();
    return ValueTextAt(73 + type / 2, type % 2 == 0 ? 3 : 1);
}

std::wstring CDataDecode::GetBcdValueText(int type) const
{
    if (type < 0 || type > 7)
        return std::wstring();
    return ValueTextAt(kBcdAddresses[type], 0);
}

std::wstring CDataDecode::GetValue170Text() const { return ValueTextAt(170, 0); }
std::wstring CDataDecode::GetValue172Text() const { return ValueTextAt(172, 0); }
std::wstring CDataDecode::GetValue174Text() const { return ValueTextAt(174, 0); }
std::wstring CDataDecode::GetValue176Text() const { return ValueTextAt(176, 0); }
std::wstring CDataDecode::GetValue178Text() const { return ValueTextAt(178, 0); }
std::wstring CDataDecode::GetLatestRecordLine() const { return m_latestRecordLine; }
