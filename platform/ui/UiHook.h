// A replaceable hook that tests install in place of a person at a dialog (message boxes, modal
// dialogs, the colour, file, folder and print setup dialogs): set and read from any thread. The
// program holds only the hooks; the test kit that answers through them (tests/support) is linked
// by the tests alone.
#pragma once
#include <mutex>
#include <utility>

namespace ui {

template <class Hook>
class HookSlot {
public:
    // Installs the hook (an empty one restores the system dialog); returns the previous one.
    Hook Set(Hook hook)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Hook previous = std::move(m_hook);
        m_hook = std::move(hook);
        return previous;
    }
    Hook Get() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_hook;
    }

private:
    mutable std::mutex m_mutex;
    Hook m_hook;
};

}  // namespace ui
