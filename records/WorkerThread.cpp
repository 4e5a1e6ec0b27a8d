#include "records/WorkerThread.h"

#include <atomic>
#include <system_error>

namespace {
std::atomic<bool> g_refuseThreads{false};
}

void RefuseWorkerThreadsForTesting(bool refuse) { g_refuseThreads = refuse; }

std::thread ThreadOrNone(std::function<void()> work)
{
    try {
        if (g_refuseThreads)
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        return std::thread(std::move(work));
    } catch (const std::system_error&) {
        return std::thread();
    }
}
