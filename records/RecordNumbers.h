// The numbers of the record files, read and written without the C library's general routines where
// a short exact way exists: a rebuild of ten years of records converts some twenty million values.
// Both give the same results as the general routines (strtod, "%0.2f"), which they fall back on.
#pragma once
#include <string>
#include <string_view>

// A reading of a record field, as TryParseReading reads it (blanks around it allowed; marker texts
// and anything that is not a plain decimal number are missing). False when the field is missing.
bool ParseRecordNumber(std::string_view field, double* value);

// Appends the value as "%0.2f" writes it.
void AppendFixed2(std::string& out, double value);
