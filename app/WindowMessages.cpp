#include "app/WindowMessages.h"

#include <utility>

void CWindowMessages::Add(const std::wstring& text, UINT type, std::function<void()> told)
{
    m_waiting.push_back(Message{text, type, false, WriteTask::StationData, WriteReason::Other, std::move(told)});
}

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
        if (!message.hasCause || lasts(message.task, message.reason)) {
            show(message);
            if (message.told)
                message.told();
        }
    }
    m_telling = false;
}
