// The recording mode: every call of the interface, with its arguments, as one line of text.
// Internal to the library.
#pragma once
#include "platform/chart/Chart.h"

#include <string>

// A colour argument (printed as hex, -1 as -1).
struct ColourArg {
    int value;
};
// A palette argument (an array of colours).
struct PaletteArg {
    IntArray colours;
};

bool RecordingOn();
void AppendRecord(const std::string& line);

void FormatArg(std::string& out, int value);
void FormatArg(std::string& out, bool value);
void FormatArg(std::string& out, double value);
void FormatArg(std::string& out, ColourArg value);
void FormatArg(std::string& out, const char* value);
void FormatArg(std::string& out, DoubleArray value);
void FormatArg(std::string& out, IntArray value);
void FormatArg(std::string& out, PaletteArg value);
void FormatArg(std::string& out, StringArray value);

// Logs name(arg,arg,...) when recording is on.
template <class... Args>
void Record(const char* name, const Args&... args)
{
    if (!RecordingOn())
        return;
    std::string line = name;
    line += '(';
    bool first = true;
    ((line += first ? "" : ",", first = false, FormatArg(line, args)), ...);
    line += ')';
    AppendRecord(line);
}
