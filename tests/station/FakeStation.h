// An in-process station behind the link's USB seam: answers read and write frames from a memory
// array at once, with scripted faults, and logs every frame. Installed for one test at a time.
#pragma once
#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "station/UsbApi.h"

class FakeStation {
public:
    enum class Reply {
        Normal,
        None,          // no answer at all
        WrongMarker,   // 0x5B instead of 0x5A, checksum as usual
        BadChecksum,   // checksum byte off by one bit
    };

    static constexpr int HANDLE = 77;

    FakeStation();
    ~FakeStation();   // uninstalls

    // Routes the link's USB calls here and gives g_usbDevice this station's handle.
    void Install();
    void Uninstall();

    // Memory (0x20000 bytes) and the two live blocks.
    std::vector<uint8_t> memory;
    uint8_t stamp[32] = {};
    uint8_t readings[32] = {};

    // Replies of the next read frames, in order; later ones are Normal. `repeatFault` applies to
    // every read frame once the queue is empty (Normal unless set).
    std::deque<Reply> faults;
    Reply repeatFault = Reply::Normal;
    std::atomic<bool> present{true};
    std::atomic<bool> acknowledgeWrites{true};

    // Bytes waiting to be read before any frame (left-overs of an earlier answer).
    void QueueStrayBytes(const std::vector<uint8_t>& bytes);

    // Every frame received, in order.
    std::vector<std::vector<uint8_t>> Frames();
    // Addresses of the read frames received, in order.
    std::vector<int> ReadAddresses();
    // Number of frames received.
    size_t FrameCount();

    // Memory size code and history index as the station keeps them.
    void SetMemoryInfo(int sizeCode, int historyIndex);

private:
    static FakeStation* s_current;
    static int Open(int, int, int, int, int, int);
    static int Check(int);
    static int Write(int, const unsigned char*, int, int);
    static int Read(int, unsigned char*, int);
    static int GetStatus(int, int*, int*);

    void Answer(const std::vector<uint8_t>& frame);

    std::mutex m_mutex;
    std::vector<std::vector<uint8_t>> m_frames;
    std::deque<uint8_t> m_pending;
    const UsbFunctions* m_previous = nullptr;
    int m_previousHandle = 0;
    bool m_installed = false;
};
