// The station's min/max and extra-value texts gathered from the decoder's getters, for
// CMainRecords::LoadStationMinMax. Header-only so that the records library does not depend on
// the station link: the main dialog calls it with the global decoder after ReadMinMaxAreas.
#pragma once
#include "records/MainRecords.h"

#include <string>

// The getters' texts are ASCII (digits, signs, markers); anything else cannot be a number.
inline std::string NarrowStationText(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out.push_back(c > 0 && c < 0x80 ? static_cast<char>(c) : '?');
    return out.size() > 127 ? out.substr(0, 127) : out;
}

// Decoder: CDataDecode (station/DataDecode.h) or a stand-in with the same getters.
template <class Decoder>
StationMinMaxTexts MinMaxTextsFromDecoder(const Decoder& decoder)
{
    StationMinMaxTexts t;
    t.indoorTempA = NarrowStationText(decoder.GetIndoorTempAText());
    t.indoorTempB = NarrowStationText(decoder.GetIndoorTempBText());
    t.indoorHumidityA = NarrowStationText(decoder.GetIndoorHumidityAText());
    t.indoorHumidityB = NarrowStationText(decoder.GetIndoorHumidityBText());
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        t.channelTempA[s] = NarrowStationText(decoder.GetChannelTempAText(s));
        t.channelTempB[s] = NarrowStationText(decoder.GetChannelTempBText(s));
        t.channelHumidityA[s] = NarrowStationText(decoder.GetChannelHumidityAText(s));
        t.channelHumidityB[s] = NarrowStationText(decoder.GetChannelHumidityBText(s));
        t.twoBitA[s] = NarrowStationText(decoder.GetTwoBitFieldTextA(s));
        t.twoBitB[s] = NarrowStationText(decoder.GetTwoBitFieldTextB(s));
    }
    for (int k = 0; k < 8; ++k)
        t.bcd[k] = NarrowStationText(decoder.GetBcdValueText(k));
    t.value170 = NarrowStationText(decoder.GetValue170Text());
    t.value172 = NarrowStationText(decoder.GetValue172Text());
    t.value174 = NarrowStationText(decoder.GetValue174Text());
    t.value176 = NarrowStationText(decoder.GetValue176Text());
    t.value178 = NarrowStationText(decoder.GetValue178Text());
    return t;
}
