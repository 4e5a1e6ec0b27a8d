// Files the station side writes for the rest of the program to read back ("all_weather.csv",
// "record_2min.csv"), and the system's reason when a write fails.
#pragma once
#include <cstdio>
#include <functional>
#include <string>

// The system's error code (a Win32 error) of a file call of this thread that has just failed: the
// thread's last error, or, when the C runtime failed without one, its errno as the matching code.
// Clear the thread's last error (SetLastError(0)) before the calls, so that an older one is not
// taken for theirs.
unsigned long ErrorOfFailedFileCall();

// The same for a write into an open stream that has just failed. The C runtime under Wine reports a
// write that the disk cut short (it filled up on the way) without a reason: one byte more is then
// written to learn it (the stream had failed already; its file is not to be trusted any more).
unsigned long ErrorOfFailedWrite(std::FILE* file);

// Writes the file in place (the old one's room is used again: a full disk still takes a file of
// the same size). `write` fills the open file (opened with the C runtime's mode, "wt" or "wb"). A
// file that cannot be written whole is removed, so that no part of it is ever read for the whole;
// *error (when given) is then the system's error code, and the result false.
bool WriteWholeFileOrNone(const std::wstring& path, const wchar_t* mode, const std::function<void(std::FILE*)>& write,
                          unsigned long* error = nullptr);
