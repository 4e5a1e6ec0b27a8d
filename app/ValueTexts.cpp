#include "app/ValueTexts.h"

#include "records/MissingValue.h"

#include <cmath>
#include <cwchar>

namespace values {

namespace {

// A two-digit number of the station's settings bytes: units in the high nibble, tens in the low.
int SwappedDigits(uint8_t byte) { return (byte >> 4) + (byte & 0x0F) * 10; }

}  // namespace

int UvLevel(double uvIndex)
{
    if (uvIndex < 3)
        return 0;
    if (uvIndex < 6)
        return 1;
    if (uvIndex < 8)
        return 2;
    if (uvIndex < 11)
        return 3;
    return 4;
}

std::wstring RainText(double amount, double rainFactor)
{
    wchar_t text[64];
    std::swprintf(text, 64, rainFactor == 1.0 ? L"%.1f" : L"%.2f", amount);
    return text;
}

std::wstring RainTotalText(double totalMm, double currentRainMm, double rainFactor, const std::wstring& placeholder)
{
    if (IsMissing(totalMm) || IsMissing(currentRainMm) || totalMm < 0)
        return placeholder;
    return RainText(totalMm * rainFactor, rainFactor);
}

double DisplayTemperature(double celsius, double temperatureFactor)
{
    if (IsMissing(celsius))
        return celsius;
    double value = celsius * temperatureFactor;
    if (temperatureFactor != 1.0)
        value += 32;
    return value;
}

WindDirectionTexts WindDirectionTextsOf(double directionIndex, const wchar_t* const* texts)
{
    WindDirectionTexts out;
    if (texts == nullptr || !(directionIndex >= 0 && directionIndex < 16))
        return out;
    const int i = static_cast<int>(directionIndex);
    out.degrees = texts[16 + i] ? texts[16 + i] : L"";
    out.compass = texts[i] ? texts[i] : L"";
    return out;
}

int StationCityIndex(const uint8_t* image) { return (image[12] & 0xF0) | (image[13] & 0x0F); }

void DecodeStationUserCity(const uint8_t* image, CityLocation* city)
{
    const uint8_t b6 = image[6], b7 = image[7], b8 = image[8], b9 = image[9];
    const uint8_t b10 = image[10], b11 = image[11], b13 = image[13];
    city->latitudeDegrees = SwappedDigits(b6);
    city->latitudeMinutes = SwappedDigits(b7);
    city->latitudeHemisphere = (b10 >> 7) & 1;
    city->longitudeDegrees = (b8 >> 4) + ((b8 & 0x0F) + ((b11 >> 4) & 1) * 10) * 10;
    city->longitudeMinutes = SwappedDigits(b9);
    city->longitudeHemisphere = (b10 & 0x40) ? 0 : 1;
    if (b10 & 0x10)
        city->dstRule = 1;
    else
        city->dstRule = (b11 & 0x0F) != 0 ? (b11 & 0x0F) + 1 : 0;
    city->zoneEast = (b10 & 0x08) ? 0 : 1;
    city->zoneHours = b13 >> 4;
    city->zoneHalfHour = (b10 & 0x03) == 0x03 ? 30 : 0;
    city->cityIndex = StationCityIndex(image);
    city->region = RegionOfCity(city->cityIndex);
}

}  // namespace values
