// HidDevice: the real station through the Windows HID driver.
//
// It finds the first present HID device with the given vendor and product id (SetupAPI device
// interfaces of the HID class), sends every frame as output reports (report id 0, the frame's bytes
// cut into pieces of the device's output report length, zero-filled), and a reader thread collects the
// input reports' bytes (after the report id) into a buffer that Waiting() counts and Read() drains.
//
// No station was at hand when this was written: it is kept small, compiles against the platform's
// HID headers and is exercised only for the "no device" path (Open returns null). How the station
// pads or splits its answers into reports could not be checked.
#pragma once

#include "platform/usb/UsbBackend.h"

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class HidDevice : public UsbBackend {
public:
    // Null when no such device is present or it cannot be opened.
    static std::unique_ptr<HidDevice> Open(int vendor, int product);
    ~HidDevice() override;

    bool Present() override;
    int Write(const unsigned char* data, int length) override;
    int Read(unsigned char* buffer, int count) override;
    int Waiting() override;

private:
    HidDevice() = default;
    void ReaderLoop();

    void* handle_ = nullptr;          // device file handle (HANDLE)
    void* stopEvent_ = nullptr;       // set to end the reader thread
    int inputReportBytes_ = 0;
    int outputReportBytes_ = 0;
    std::atomic<bool> gone_{false};
    std::mutex bufferMutex_;
    std::deque<unsigned char> buffer_;
    std::thread reader_;
};
