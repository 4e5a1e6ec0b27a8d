#include "display/AllChartSettings.h"

#include "records/RecordFileIo.h"

#include <cstdint>
#include <cstdio>

const wchar_t* const ALL_CHART_SETTINGS_FILE = L"rShowAllChartSetting.dat";

namespace {

constexpr int FIELD_COUNT = ALL_CHART_SETTINGS_BYTES / 4;
constexpr int FIELD_LINE_VIEW = SERIES_COUNT;
constexpr int FIELD_TIME_RANGE = SERIES_COUNT + 1;

std::int32_t FromLittleEndian(const unsigned char* bytes)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                                     static_cast<std::uint32_t>(bytes[2]) << 16 |
                                     static_cast<std::uint32_t>(bytes[3]) << 24);
}

void ToLittleEndian(std::int32_t value, unsigned char* bytes)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int k = 0; k < 4; ++k)
        bytes[k] = static_cast<unsigned char>(bits >> (8 * k));
}

}  // namespace

bool LoadAllChartSettings(const std::wstring& path, AllChartSettings* settings)
{
    *settings = AllChartSettings();
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return false;
    unsigned char bytes[ALL_CHART_SETTINGS_BYTES] = {};
    const int fields = static_cast<int>(std::fread(bytes, 1, sizeof bytes, file) / 4);
    std::fclose(file);

    int shown = 0;
    for (int i = 0; i < SERIES_COUNT && i < fields; ++i) {
        const bool marked = FromLittleEndian(bytes + 4 * i) != 0;
        settings->checks[i] = marked && shown < MAX_SHOWN_SERIES ? 1 : 0;
        shown += settings->checks[i];
    }
    if (fields > FIELD_LINE_VIEW)
        settings->lineView = FromLittleEndian(bytes + 4 * FIELD_LINE_VIEW) != 0 ? 1 : 0;
    if (fields > FIELD_TIME_RANGE) {
        const std::int32_t entry = FromLittleEndian(bytes + 4 * FIELD_TIME_RANGE);
        settings->timeRange = entry >= 0 && entry < TIME_RANGE_COUNT ? entry : TIME_RANGE_LAST_HOUR;
    }
    return true;
}

std::string AllChartSettingsBytes(const AllChartSettings& settings)
{
    unsigned char bytes[ALL_CHART_SETTINGS_BYTES];
    for (int i = 0; i < SERIES_COUNT; ++i)
        ToLittleEndian(settings.checks[i], bytes + 4 * i);
    ToLittleEndian(settings.lineView, bytes + 4 * FIELD_LINE_VIEW);
    ToLittleEndian(settings.timeRange, bytes + 4 * FIELD_TIME_RANGE);
    static_assert(FIELD_COUNT == FIELD_TIME_RANGE + 1, "27 integers");
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

bool SaveAllChartSettings(const std::wstring& path, const AllChartSettings& settings)
{
    return ReplaceFileWith(path, AllChartSettingsBytes(settings));
}
