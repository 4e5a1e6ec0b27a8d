#include "records/MissingValue.h"

#include "station/DecodeText.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr std::string_view kMarkers[] = {"UU", "MISS", "HH", "LL", "OUT", "ChkErr", "65535"};

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

} // namespace

bool IsMarkerText(std::string_view text)
{
    std::string_view t = Trim(text);
    if (t.empty())
        return true;
    for (std::string_view m : kMarkers)
        if (t == m)
            return true;
    return false;
}

// Wide texts are read through their ASCII form: a non-ASCII character (which NarrowText turns into
// '?') is never part of a number or a marker.
bool IsMarkerText(std::wstring_view text) { return IsMarkerText(NarrowText(text)); }

bool TryParseReading(std::string_view text, double* value)
{
    std::string_view t = Trim(text);
    if (IsMarkerText(t))
        return false;
    std::string s(t);
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (end == s.c_str() || *end != '\0' || !std::isfinite(v))
        return false;
    // strtod also reads hex and "inf"/"nan": only plain decimal numbers count.
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    *value = v;
    return true;
}

bool TryParseReading(std::wstring_view text, double* value) { return TryParseReading(NarrowText(text), value); }

double ReadingOrMissing(std::string_view text)
{
    double v = DISPLAY_MISSING;
    return TryParseReading(text, &v) ? v : DISPLAY_MISSING;
}

double ReadingOrMissing(std::wstring_view text) { return ReadingOrMissing(NarrowText(text)); }

int IntReadingOrMissing(std::string_view text)
{
    double v = 0;
    if (!TryParseReading(text, &v) || v >= 2147483647.0 || v <= -2147483648.0)
        return MISSING_VALUE;
    return static_cast<int>(v);
}

int IntReadingOrMissing(std::wstring_view text) { return IntReadingOrMissing(NarrowText(text)); }
