// Handling the test thread's window messages while a test waits for what the windows do.
#pragma once
#include <functional>

// Handles this thread's messages until the condition holds (checked after every message and every
// few milliseconds), at most `milliseconds`; the condition's last answer once the time is up.
bool PumpUntil(const std::function<bool()>& condition, int milliseconds);
