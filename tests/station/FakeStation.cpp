#include "tests/station/FakeStation.h"

#include <algorithm>

#include "station/StationMemoryMap.h"
#include "station/UsbLink.h"

FakeStation* FakeStation::s_current = nullptr;

FakeStation::FakeStation() : memory(STATION_IMAGE_SIZE, 0) {}

FakeStation::~FakeStation() { Uninstall(); }

void FakeStation::Install()
{
    static const UsbFunctions functions = {&FakeStation::Open, &FakeStation::Check, &FakeStation::Write,
                                           &FakeStation::Read, &FakeStation::GetStatus};
    s_current = this;
    m_previous = SetUsbFunctionsForTesting(&functions);
    m_previousHandle = g_usbDevice.m_handle;
    g_usbDevice.m_handle = HANDLE;
    m_installed = true;
}

void FakeStation::Uninstall()
{
    if (!m_installed)
        return;
    SetUsbFunctionsForTesting(m_previous);
    g_usbDevice.m_handle = m_previousHandle;
    s_current = nullptr;
    m_installed = false;
}

void FakeStation::QueueStrayBytes(const std::vector<uint8_t>& bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending.insert(m_pending.end(), bytes.begin(), bytes.end());
}

std::vector<std::vector<uint8_t>> FakeStation::Frames()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_frames;
}

std::vector<int> FakeStation::ReadAddresses()
{
    std::vector<int> addresses;
    for (const auto& frame : Frames())
        if (frame.size() == 5 && frame[0] == 0xAF)
            addresses.push_back(frame[1] | (frame[2] << 8) | (frame[3] << 16));
    return addresses;
}

size_t FakeStation::FrameCount()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_frames.size();
}

void FakeStation::SetMemoryInfo(int sizeCode, int historyIndex)
{
    memory[0xFC] = static_cast<uint8_t>(sizeCode);
    memory[0xFD] = static_cast<uint8_t>((historyIndex >> 8) & 0x0F);
    memory[0xFF] = static_cast<uint8_t>(historyIndex & 0xFF);
}

int FakeStation::Open(int, int, int, int, int, int) { return HANDLE; }

int FakeStation::Check(int handle) { return handle == HANDLE && s_current && s_current->present ? 1 : 0; }

int FakeStation::Write(int handle, const unsigned char* data, int length, int)
{
    if (handle != HANDLE || !s_current || !s_current->present)
        return 0;
    s_current->Answer(std::vector<uint8_t>(data, data + length));
    return length;
}

int FakeStation::Read(int handle, unsigned char* buffer, int count)
{
    if (handle != HANDLE || !s_current)
        return -1;
    std::lock_guard<std::mutex> lock(s_current->m_mutex);
    int n = 0;
    while (n < count && !s_current->m_pending.empty()) {
        buffer[n++] = s_current->m_pending.front();
        s_current->m_pending.pop_front();
    }
    return n;
}

int FakeStation::GetStatus(int handle, int* waiting, int* other)
{
    if (handle != HANDLE || !s_current) {
        *waiting = 0;
        return 0;
    }
    std::lock_guard<std::mutex> lock(s_current->m_mutex);
    *waiting = static_cast<int>(s_current->m_pending.size());
    if (other)
        *other = 0;
    return 1;
}

void FakeStation::Answer(const std::vector<uint8_t>& frame)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_frames.push_back(frame);
    if (frame.size() == 37 && frame[0] == 0xAE) {
        const int address = frame[1] | (frame[2] << 8) | (frame[3] << 16);
        for (int j = 0; j < 32 && address + j < STATION_IMAGE_SIZE; ++j)
            memory[address + j] = frame[4 + j];
        if (acknowledgeWrites)
            m_pending.push_back(0x01);
        return;
    }
    if (frame.size() != 5 || frame[0] != 0xAF)
        return;
    Reply reply = repeatFault;
    if (!faults.empty()) {
        reply = faults.front();
        faults.pop_front();
    }
    if (reply == Reply::None)
        return;
    const int address = frame[1] | (frame[2] << 8) | (frame[3] << 16);
    uint8_t data[32] = {};
    if (address == LIVE_STAMP_ADDRESS) {
        std::copy(stamp, stamp + 32, data);
    } else if (address == LIVE_READINGS_ADDRESS) {
        std::copy(readings, readings + 32, data);
    } else {
        for (int j = 0; j < 32 && address + j < STATION_IMAGE_SIZE; ++j)
            data[j] = memory[address + j];
    }
    uint8_t checksum = 0x5A;
    for (uint8_t b : data)
        checksum ^= b;
    if (reply == Reply::BadChecksum)
        checksum ^= 0x01;
    m_pending.push_back(reply == Reply::WrongMarker ? 0x5B : 0x5A);
    m_pending.insert(m_pending.end(), data, data + 32);
    m_pending.push_back(checksum);
}
