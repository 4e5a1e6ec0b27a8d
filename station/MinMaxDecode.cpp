// The min/max area (36..88) and the extra-value area (170..179): extremes per sensor, flag fields,
// three-digit values, two wind values and three counters.
#include <cstdint>

#include "station/DataDecode.h"
#include "station/DecodeText.h"

namespace {

inline int Hi(uint8_t b) { return b >> 4; }
inline int Lo(uint8_t b) { return b & 0x0F; }

// Extreme temperature over bytes t, u: units hi(t), tenths lo(t), tens lo(u), positive bit 7 of u;
// only the tenths digit is checked. The indoor extremes add 0.05 for bit 5 of u.
std::wstring ExtremeTemperature(uint8_t t, uint8_t u, bool indoor)
{
    if (Lo(t) > 9)
        return NibbleMarker(Lo(t));
    double value = Lo(u) * 10.0 + Hi(t) + Lo(t) * 0.1;
    if (indoor)
        value += ((u >> 5) & 1) * 0.05;
    if (!(u & 0x80))
        value = -value;
    return TextF2(value);
}

std::wstring ExtremeHumidity(uint8_t h, bool indoor)
{
    if (!indoor && (Hi(h) > 9 || Lo(h) > 9))
        return NibbleMarker(Lo(h));
    return TextD(Hi(h) * 10 + Lo(h));
}

// Per sensor: first and second temperature (first byte, second byte), first and second humidity.
struct SensorExtremeAddresses { int t1, t1b, t2, t2b, h1, h2; };
const SensorExtremeAddresses kSensors[6] = {
    {36, 37, 38, 39, 40, 41},   // indoor
    {42, 43, 44, 45, 46, 47},   // channel 1
    {48, 49, 50, 51, 52, 53},
    {54, 55, 56, 57, 58, 59},
    {60, 61, 62, 64, 65, 66},   // channel 4: the group checksum at 63 lies inside the second temperature
    {67, 68, 69, 70, 71, 72},   // channel 5
};

} // namespace

void CDataDecode::DecodeMinMaxArea()
{
    if (m_addressTable.size() < static_cast<size_t>(SETTINGS_AREA_SIZE))
        return;
    auto b = [this](int a) { return m_addressTable[a].rawByte; };
    auto put = [this](int a, int field, std::wstring text) { SetValueText(m_addressTable[a], field, std::move(text)); };

    for (int s = 0; s < 6; ++s) {
        const SensorExtremeAddresses& x = kSensors[s];
        const bool indoor = s == 0;
        put(x.t1, 0, ExtremeTemperature(b(x.t1), b(x.t1b), indoor));
        put(x.t2, 0, ExtremeTemperature(b(x.t2), b(x.t2b), indoor));
        put(x.h1, 0, ExtremeHumidity(b(x.h1), indoor));
        put(x.h2, 0, ExtremeHumidity(b(x.h2), indoor));
    }

    // 73..75: four 2-bit fields each, bits 6-7 first; 0 reads "U".
    for (int a = 73; a <= 75; ++a) {
        for (int k = 0; k < 4; ++k) {
            const int value = (b(a) >> (6 - 2 * k)) & 3;
            put(a, k, value == 0 ? std::wstring(L"U") : TextD(value));
        }
    }
    // 76: eight 1-bit fields, bit 7 first.
    for (int k = 0; k < 8; ++k)
        put(76, k, TextD((b(76) >> (7 - k)) & 1));

    // 77..88: four groups of three bytes, two values of one decimal each.
    for (int g = 77; g <= 86; g += 3) {
        const uint8_t p = b(g), q = b(g + 1), r = b(g + 2);
        if (Lo(p) > 9 || Hi(p) > 9 || Lo(q) > 9)
            put(g, 0, NibbleMarker(Lo(p)));
        else
            put(g, 0, TextF2(Lo(q) * 10.0 + Hi(p) + Lo(p) * 0.1));
        if (Lo(r) > 9 || Hi(q) > 9 || Hi(r) > 9)
            put(g + 1, 0, NibbleMarker(Hi(q)));
        else
            put(g + 1, 0, TextF2(Hi(r) * 10.0 + Lo(r) + Hi(q) * 0.1));
    }

    // 170-171, 172-173: hundreds bit 4, tens lo of the second byte; units hi, tenths lo of the first.
    for (int a = 170; a <= 172; a += 2) {
        const uint8_t v = b(a), w = b(a + 1);
        float value = static_cast<float>(((w >> 4) & 1) * 100.0 + Lo(w) * 10.0 + Hi(v) + Lo(v) * 0.1);
        if (value > 199.9f)
            value = 199.9f;
        put(a, 0, TextF2(value));
    }
    // 174, 176, 178: 16-bit counters, low byte first; 0xFFFF reads "MISS".
    for (int a = 174; a <= 178; a += 2) {
        const int counter = b(a) + 256 * b(a + 1);
        put(a, 0, counter == 0xFFFF ? std::wstring(L"MISS") : TextD(counter));
    }
}
