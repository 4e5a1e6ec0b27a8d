// The messages the main window tells by itself - files that could not be written, what was done to
// the record files, data errors, the closing prompts - in one queue: one box at a time, in the order
// they came, while the window's timers go on (a box left open stops no recording). A message of a
// failed write whose cause has ended before its turn is dropped.
#pragma once
#include "app/WriteFailures.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

class CWindowMessages {
public:
    struct Message {
        std::wstring text;
        UINT type = MB_OK;          // the message box's buttons and icon
        bool hasCause = false;      // told only while its cause lasts:
        WriteTask task = WriteTask::StationData;
        WriteReason reason = WriteReason::Other;
        std::function<void()> told;  // called once the user has answered it
    };

    // A message told whatever happens meanwhile; `told`, when given, is called once the user has
    // answered it.
    void Add(const std::wstring& text, UINT type = MB_OK, std::function<void()> told = nullptr);
    // A message of failed writes, told only while some file of its task still fails for its reason.
    void Add(const std::wstring& text, UINT type, WriteTask task, WriteReason reason);

    // Tells the waiting messages one after the other through `show`, which returns once the user has
    // answered; a message added meanwhile (the timers go on) waits its turn in this loop. Nothing
    // when a message is being told already. `lasts` answers whether a cause still lasts.
    void TellWaiting(const std::function<bool(WriteTask, WriteReason)>& lasts,
                     const std::function<void(const Message&)>& show);

    // A message is being told now (its box is open).
    bool Telling() const { return m_telling; }
    bool Empty() const { return m_waiting.empty(); }

private:
    std::deque<Message> m_waiting;
    bool m_telling = false;
};
