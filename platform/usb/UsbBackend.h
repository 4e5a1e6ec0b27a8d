// The device behind USB.dll's exports: the station emulator or the HID device.
#pragma once

#include <string>

class UsbBackend {
public:
    virtual ~UsbBackend() = default;
    // True while the device is there.
    virtual bool Present() = 0;
    // Sends one frame; returns its length, 0 when it could not be sent.
    virtual int Write(const unsigned char* data, int length) = 0;
    // Takes up to count answer bytes that have arrived; -1 when the device is gone.
    virtual int Read(unsigned char* buffer, int count) = 0;
    // Number of answer bytes waiting; -1 when the device is gone.
    virtual int Waiting() = 0;
    // Test seam of the emulator (see USB.h); -1 for anything else.
    virtual int Control(const std::string& command) { (void)command; return -1; }
};
