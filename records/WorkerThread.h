// Threads that the record files' work starts beside the caller. A system that cannot make one more
// thread makes std::thread throw; the work must then be done in place instead of ending the program.
#pragma once
#include <functional>
#include <thread>

// A thread running `work`, or, when the system cannot make one more thread, a thread object that is
// not joinable (the work not started): the caller then does the work itself.
std::thread ThreadOrNone(std::function<void()> work);

// Test seam: while set, ThreadOrNone finds the system out of threads, as std::thread reports it.
// Nothing in the program sets it.
void RefuseWorkerThreadsForTesting(bool refuse);
