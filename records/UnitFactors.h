// Display-unit factors of the record files and the automatic saving (display value = base value x
// factor; degrees Fahrenheit then add 32).
#pragma once

constexpr double FACTOR_C_TO_F = 1.8;
constexpr double FACTOR_UVI_TO_MEDH = 3.0 / 7.0;
constexpr double FACTOR_HPA_TO_INHG = 0.02954;
constexpr double FACTOR_HPA_TO_MMHG = 0.75025;
constexpr double FACTOR_MPH_TO_KMH = 1.61;
constexpr double FACTOR_MPH_TO_KNOTS = 0.87;
constexpr double FACTOR_MPH_TO_MS = 0.45;
constexpr double FACTOR_MM_TO_INCH = 0.03937;
