#include "app/WindowMessages.h"

void CWindowMessages::Add(const std::wstring& text, UINT type) { m_waiting.push_back(Message{text, type}); }

void CWindowMessages::Add(const std::wstring& text, UINT type, WriteTask task, WriteReason reason)
{
    m_waiting.push_back(Message{text, type, true, task, reason});
}

void CWindowMessages::TellWaiting(const std::function<bool(WriteTask, WriteReason)>& lasts,
                                  const std::function<void(const Message&)>& show)
{
    if (m_telling)
        return;
    m_telling = true;
    while (!m_waiting.empty()) {
        const Message message = m_waiting.front();
        m_waiting.pop_front();
        if (!message.hasCause || lasts(message.task, message.reason))
            show(message);
    }
    m_telling = false;
}
