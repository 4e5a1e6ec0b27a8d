// Current-value texts: UV level, rain decimals by unit, wind chill in the display unit, wind
// direction texts, and the station's location bytes (built by the station image encoder).
#include "app/ValueTexts.h"

#include "platform/usb/StationImage.h"
#include "records/MissingValue.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueTexts, UvLevelBoundariesBelongToTheHigherLevel)
{
    EXPECT_EQ(values::UvLevel(0.0), 0);
    EXPECT_EQ(values::UvLevel(2.99), 0);
    EXPECT_EQ(values::UvLevel(3.0), 1);
    EXPECT_EQ(values::UvLevel(5.99), 1);
    EXPECT_EQ(values::UvLevel(6.0), 2);
    EXPECT_EQ(values::UvLevel(8.0), 3);
    EXPECT_EQ(values::UvLevel(10.99), 3);
    EXPECT_EQ(values::UvLevel(11.0), 4);
    EXPECT_EQ(values::UvLevel(15.0), 4);
}

TEST(ValueTexts, RainTotalsHaveTheDecimalsOfTheUnitAndBlankWhenMissing)
{
    EXPECT_EQ(values::RainText(12.3, 1.0), L"12.3");
    EXPECT_EQ(values::RainTotalText(12.3, 500.0, 1.0, L" "), L"12.3");
    EXPECT_EQ(values::RainTotalText(12.3, 500.0, 0.03937, L" "), L"0.48");
    // A negative total, a missing total and a missing current counter all show the placeholder.
    EXPECT_EQ(values::RainTotalText(-1.0, 500.0, 1.0, L" "), L" ");
    EXPECT_EQ(values::RainTotalText(DISPLAY_MISSING, 500.0, 0.03937, L" "), L" ");
    EXPECT_EQ(values::RainTotalText(12.3, DISPLAY_MISSING, 1.0, L" "), L" ");
    EXPECT_EQ(values::RainTotalText(0.0, 0.0, 1.0, L" "), L"0.0");
}

TEST(ValueTexts, WindChillFollowsTheTemperatureUnitAndMissingStaysMissing)
{
    EXPECT_DOUBLE_EQ(values::DisplayTemperature(10.0, 1.8), 50.0);
    EXPECT_DOUBLE_EQ(values::DisplayTemperature(-40.0, 1.8), -40.0);
    EXPECT_DOUBLE_EQ(values::DisplayTemperature(10.0, 1.0), 10.0);
    // -999.9 x 1.8 + 32 would read as a (very cold) number.
    EXPECT_DOUBLE_EQ(values::DisplayTemperature(DISPLAY_MISSING, 1.8), DISPLAY_MISSING);
}

TEST(ValueTexts, WindDirectionTextsStayInsideTheTable)
{
    const wchar_t* const* english = WindDirectionTextsFor(LANGUAGE_ENGLISH);
    values::WindDirectionTexts east = values::WindDirectionTextsOf(4.0, english);
    EXPECT_EQ(east.degrees, L"90");
    EXPECT_EQ(east.compass, L"E");
    values::WindDirectionTexts last = values::WindDirectionTextsOf(15.7, english);
    EXPECT_EQ(last.degrees, L"337.5");
    EXPECT_EQ(last.compass, L"NNW");
    for (double outside : {-999.0, -0.5, 16.0, 40.0}) {
        values::WindDirectionTexts none = values::WindDirectionTextsOf(outside, english);
        EXPECT_TRUE(none.degrees.empty()) << outside;
        EXPECT_TRUE(none.compass.empty()) << outside;
    }
}

// The station image encoder writes a city; the decoder must read the same values back.
CityLocation DecodedCity(const stationimage::LocationSetting& setting)
{
    stationimage::Image image = stationimage::MakeEmptyImage();
    stationimage::SetLocation(image, 0, setting);
    CityLocation city;
    city.name = L"kept";
    values::DecodeStationUserCity(image.data(), &city);
    return city;
}

TEST(ValueTexts, UserDefinedCityOfTheStationDecodesAsEncoded)
{
    stationimage::LocationSetting south;
    south.latDegrees = 33; south.latMinutes = 52; south.south = true;
    south.lonDegrees = 151; south.lonMinutes = 12; south.west = false;
    south.dstRule = 3; south.zonePlus = true; south.zoneHours = 9; south.zoneMinutes = 30;
    south.cityCode = 123;
    CityLocation city = DecodedCity(south);
    EXPECT_EQ(city.latitudeDegrees, 33);
    EXPECT_EQ(city.latitudeMinutes, 52);
    EXPECT_EQ(city.latitudeHemisphere, 1);
    EXPECT_EQ(city.longitudeDegrees, 151);
    EXPECT_EQ(city.longitudeMinutes, 12);
    EXPECT_EQ(city.longitudeHemisphere, 0);
    EXPECT_EQ(city.dstRule, 3);
    EXPECT_EQ(city.zoneEast, 1);
    EXPECT_EQ(city.zoneHours, 9);
    EXPECT_NE(city.zoneHalfHour, 0);
    EXPECT_EQ(city.cityIndex, USER_DEFINED_CITY);
    EXPECT_EQ(city.region, REGION_USER_DEFINED);
    EXPECT_EQ(city.name, L"kept");  // the station holds no name

    stationimage::LocationSetting west;
    west.latDegrees = 47; west.latMinutes = 36; west.south = false;
    west.lonDegrees = 122; west.lonMinutes = 20; west.west = true;
    west.dstRule = 1; west.zonePlus = false; west.zoneHours = 8; west.zoneMinutes = 0;
    west.cityCode = 123;
    city = DecodedCity(west);
    EXPECT_EQ(city.latitudeHemisphere, 0);
    EXPECT_EQ(city.longitudeDegrees, 122);
    EXPECT_EQ(city.longitudeHemisphere, 1);
    EXPECT_EQ(city.dstRule, 1);
    EXPECT_EQ(city.zoneEast, 0);
    EXPECT_EQ(city.zoneHours, 8);
    EXPECT_EQ(city.zoneHalfHour, 0);
}

int EncodedCityIndex(int code)
{
    stationimage::Image image = stationimage::MakeEmptyImage();
    stationimage::LocationSetting setting;
    setting.cityCode = code;
    stationimage::SetLocation(image, 0, setting);
    return values::StationCityIndex(image.data());
}

TEST(ValueTexts, StationCityIndexTakesBothNibblesAndMayLieOutsideTheTable)
{
    EXPECT_EQ(EncodedCityIndex(45), 45);
    EXPECT_EQ(EncodedCityIndex(132), 132);
    EXPECT_EQ(EncodedCityIndex(200), 200);  // no city: the caller keeps its texts
    EXPECT_FALSE(IsValidCityIndex(EncodedCityIndex(200)));
}

}  // namespace
