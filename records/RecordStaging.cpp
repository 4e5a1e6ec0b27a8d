// The staged lines of the downloaded history in "tmpLastRec.txt".
#include "records/MissingValue.h"
#include "records/ReadingsRecord.h"
#include "records/RecordFileIo.h"
#include "records/RecordMerge.h"

#include <cstdio>

namespace {

void AppendInt(std::string& line, int value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d,", value);
    line += text;
}

// "%.2f," (or the given format) of a value above -999; the missing text ", " otherwise.
void AppendValue(std::string& line, double value, const char* format = "%.2f,")
{
    if (!(value > MISSING_VALUE)) {
        line += ", ";
        return;
    }
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    line += text;
}

} // namespace

std::string ReadingsRecord::BuildStagedLine(int r, double rainBase) const
{
    std::string line;
    if (r < 0 || r >= m_rowCount || r >= HISTORY_ROWS)
        return line;
    line.reserve(200);
    AppendInt(line, m_yearColumn[r]);
    AppendInt(line, m_weekdayColumn[r]);
    AppendInt(line, m_monthColumn[r]);
    AppendInt(line, m_dayColumn[r]);
    AppendInt(line, m_hourColumn[r]);
    AppendInt(line, m_minuteColumn[r]);
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        AppendValue(line, m_temperatureColumns[s][r]);
        AppendValue(line, m_humidityColumns[s][r]);
    }
    AppendValue(line, m_uvColumn[r]);
    AppendValue(line, m_pressureColumn[r]);
    if (m_forecastColumn[r] > MISSING_VALUE)
        AppendInt(line, m_forecastColumn[r]);
    else
        line += ", ";
    AppendValue(line, m_windChillColumn[r]);
    AppendValue(line, m_windGustColumn[r]);
    AppendValue(line, m_windSpeedColumn[r]);
    AppendValue(line, m_windDirectionColumn[r], "%.0f,");

    // Rain since the last reset; a row without a counter takes the previous row's. A counter below
    // the base has wrapped: the wrap is added in millimetres.
    double counter = m_rainColumn[r];
    if (!(counter > 0) && r > 0 && m_rainColumn[r - 1] > 0)
        counter = m_rainColumn[r - 1];
    if (counter > 0) {
        double d = counter - rainBase;
        if (d < 0)
            d += RAIN_WRAP_MM;
        AppendValue(line, d, "%.1f,");
    } else {
        line += ", ";
    }
    return line;
}

bool ReadingsRecord::AppendLastRecords(double rainBase) const { return AppendLastRecords(rainBase, STAGING_FILE_NAME); }

bool ReadingsRecord::AppendLastRecords(double rainBase, const std::wstring& stagingPath) const
{
    if (m_rowCount < 1)
        return false;
    return AppendLines(stagingPath, ',', [this, rainBase](CBufferedWriter& out) {
        const int rows = m_rowCount < HISTORY_ROWS ? m_rowCount : HISTORY_ROWS;
        for (int r = 0; r < rows; ++r)
            out.WriteLine(BuildStagedLine(r, rainBase));
    });
}

std::vector<std::string> ReadingsRecord::LastRecordLines(double rainBase) const
{
    std::vector<std::string> lines;
    const int rows = m_rowCount < HISTORY_ROWS ? m_rowCount : HISTORY_ROWS;
    for (int r = 0; r < rows; ++r)
        lines.push_back(BuildStagedLine(r, rainBase));
    return lines;
}
