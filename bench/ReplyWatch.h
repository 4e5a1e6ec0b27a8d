// The window's answers as a user feels them: WM_NULL sent to a window again and again from a thread
// of its own, each reply's wait kept with its start.
#pragma once
#include "bench/BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

class ReplyWatch {
public:
    explicit ReplyWatch(HWND window) : m_window(window), m_thread([this] { Run(); }) {}
    ~ReplyWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    // The longest wait for a reply among the sends that were waiting at some moment from `from` on.
    double LongestWaitSince(double from)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        double longest = 0;
        for (const Span& s : m_spans)
            if (s.end >= from)
                longest = std::max(longest, s.end - std::max(s.start, from));
        return longest;
    }

private:
    struct Span {
        double start, end;
    };
    void Run()
    {
        while (!m_stop) {
            const double start = NowMs();
            DWORD_PTR result = 0;
            ::SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
            const double end = NowMs();
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_spans.push_back({start, end});
            }
            ::Sleep(1);
        }
    }
    HWND m_window;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<Span> m_spans;
    std::thread m_thread;
};

