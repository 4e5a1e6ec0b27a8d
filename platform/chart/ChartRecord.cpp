#include "platform/chart/ChartRecord.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

std::atomic<bool> g_recording{false};
std::mutex g_logLock;
std::string g_log;

}  // namespace

bool RecordingOn() { return g_recording.load(); }

void AppendRecord(const std::string& line)
{
    std::lock_guard<std::mutex> lock(g_logLock);
    g_log += line;
    g_log += '\n';
}

extern "C" CHARTDIR_API void CChart_setRecording(int on)
{
    std::lock_guard<std::mutex> lock(g_logLock);
    if (on)
        g_log.clear();
    g_recording = on != 0;
}

extern "C" CHARTDIR_API int CChart_recordedCalls(char* buffer, int size)
{
    std::lock_guard<std::mutex> lock(g_logLock);
    if (buffer && size > 0) {
        const size_t copied = std::min(g_log.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, g_log.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<int>(g_log.size());
}

void FormatArg(std::string& out, int value) { out += std::to_string(value); }

void FormatArg(std::string& out, bool value) { out += value ? "true" : "false"; }

void FormatArg(std::string& out, double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", value);
    out += text;
}

void FormatArg(std::string& out, ColourArg value)
{
    if (value.value == -1) {
        out += "-1";
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(value.value));
    out += text;
}

void FormatArg(std::string& out, const char* value)
{
    if (!value) {
        out += "null";
        return;
    }
    out += '"';
    out += value;
    out += '"';
}

namespace {

template <class T, class F>
void FormatArray(std::string& out, const T* data, int len, F each)
{
    const int count = data ? std::max(len, 0) : 0;
    out += '[';
    out += std::to_string(count);
    out += '|';
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ',';
        each(data[i]);
    }
    out += ']';
}

}  // namespace

void FormatArg(std::string& out, DoubleArray value)
{
    FormatArray(out, value.data, value.len, [&out](double v) { FormatArg(out, v); });
}

void FormatArg(std::string& out, IntArray value)
{
    FormatArray(out, value.data, value.len, [&out](int v) { FormatArg(out, v); });
}

void FormatArg(std::string& out, PaletteArg value)
{
    FormatArray(out, value.colours.data, value.colours.len, [&out](int v) { FormatArg(out, ColourArg{v}); });
}

void FormatArg(std::string& out, StringArray value)
{
    FormatArray(out, value.data, value.len, [&out](const char* v) { FormatArg(out, v); });
}
