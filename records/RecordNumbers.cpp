#include "records/RecordNumbers.h"

#include "records/MissingValue.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

bool IsTrimmed(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Powers of ten that a double holds exactly.
const double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int MAX_EXACT_POWER = 22;
constexpr std::uint64_t MAX_EXACT_INTEGER = 1ULL << 53;

// A plain decimal number "[+-]digits[.digits]" whose digits make an integer that a double holds
// exactly, divided by a power of ten that a double holds exactly: one correctly rounded division,
// the same double that a correctly rounding strtod gives. False when the text is of another shape.
bool ParseShortDecimal(std::string_view t, double* value)
{
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    std::uint64_t mantissa = 0;
    int digits = 0;        // digits that count (leading zeros do not)
    int anyDigits = 0;
    int fractionDigits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '.') {
            if (point)
                return false;
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return false;
        ++anyDigits;
        if (point)
            ++fractionDigits;
        if (mantissa == 0 && c == '0')
            continue;
        if (++digits > 16)
            return false;
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (anyDigits == 0 || mantissa > MAX_EXACT_INTEGER || fractionDigits > MAX_EXACT_POWER)
        return false;
    double v = static_cast<double>(mantissa) / kExactPowersOfTen[fractionDigits];
    *value = negative ? -v : v;
    return true;
}

}  // namespace

bool ParseRecordNumber(std::string_view field, double* value)
{
    while (!field.empty() && IsTrimmed(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && IsTrimmed(field.back()))
        field.remove_suffix(1);
    if (IsMarkerText(field))
        return false;
    if (ParseShortDecimal(field, value))
        return true;
    return TryParseReading(field, value);
}

void AppendFixed2(std::string& out, double value)
{
    // Hundredths of the value, rounded halves to even as "%0.2f" rounds them, in integers: the
    // value is m x 2^e with a 53-bit m, so m x 100 fits 64 bits. (A long double product would
    // depend on the precision the x87 unit is set to, which differs between threads.)
    if (std::isfinite(value) && std::fabs(value) < 1e15) {
        int exponent = 0;
        const double fraction = std::frexp(std::fabs(value), &exponent);
        const std::uint64_t product = static_cast<std::uint64_t>(std::ldexp(fraction, 53)) * 100u;
        const int shift = 53 - exponent;  // value x 100 = product / 2^shift
        std::uint64_t n = 0;
        if (shift <= 0) {
            n = product << -shift;
        } else if (shift < 63) {
            n = product >> shift;
            const std::uint64_t rest = product - (n << shift);
            const std::uint64_t half = 1ULL << (shift - 1);
            if (rest > half || (rest == half && (n & 1) != 0))
                ++n;
        }  // else below a half: 0
        char text[32];
        char* p = text + sizeof text;
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
        *--p = '.';
        do {
            *--p = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n != 0);
        if (std::signbit(value))
            *--p = '-';
        out.append(p, static_cast<size_t>(text + sizeof text - p));
        return;
    }
    char text[512];
    std::snprintf(text, sizeof text, "%0.2f", value);
    out += text;
}
