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

// Writes the file through "<path>.new", which then replaces it in one step: a reader finds the old
// file or the whole new one, never a part. `write` fills the open temporary file (opened with the
// C runtime's mode, "wt" or "wb"). On any failure the file is as it was, the temporary file is
// gone, and *error (when given) is the system's error code; false then.
bool WriteFileThroughTemporary(const std::wstring& path, const wchar_t* mode,
                               const std::function<void(std::FILE*)>& write, unsigned long* error = nullptr);
