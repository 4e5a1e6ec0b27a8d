// The real station through the HID driver; see HidDevice.h (written without a station at hand).
#include "platform/usb/HidDevice.h"

#include <windows.h>
// The HID headers need windows.h first and declare their functions without C linkage.
extern "C" {
#include <hidsdi.h>
}
#include <setupapi.h>

#include <algorithm>
#include <system_error>
#include <vector>

namespace {

HANDLE OpenMatchingDevice(int vendor, int product) {
    GUID hidGuid;
    HidD_GetHidGuid(&hidGuid);
    HDEVINFO set = SetupDiGetClassDevsW(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return INVALID_HANDLE_VALUE;
    HANDLE found = INVALID_HANDLE_VALUE;
    SP_DEVICE_INTERFACE_DATA iface{};
    iface.cbSize = sizeof(iface);
    for (DWORD i = 0; found == INVALID_HANDLE_VALUE && SetupDiEnumDeviceInterfaces(set, nullptr, &hidGuid, i, &iface); ++i) {
        DWORD needed = 0;
        SetupDiGetDeviceInterfaceDetailW(set, &iface, nullptr, 0, &needed, nullptr);
        if (needed == 0) continue;
        std::vector<unsigned char> storage(needed);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(set, &iface, detail, needed, nullptr, nullptr)) continue;
        HANDLE h = CreateFileW(detail->DevicePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
        if (h == INVALID_HANDLE_VALUE) continue;
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof(attributes);
        if (HidD_GetAttributes(h, &attributes) && attributes.VendorID == vendor && attributes.ProductID == product)
            found = h;
        else
            CloseHandle(h);
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

}  // namespace

std::unique_ptr<HidDevice> HidDevice::Open(int vendor, int product) {
    HANDLE h = OpenMatchingDevice(vendor, product);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    std::unique_ptr<HidDevice> d(new HidDevice());
    d->handle_ = h;
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (HidD_GetPreparsedData(h, &preparsed)) {
        HIDP_CAPS caps{};
        if (HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS) {
            d->inputReportBytes_ = caps.InputReportByteLength;
            d->outputReportBytes_ = caps.OutputReportByteLength;
        }
        HidD_FreePreparsedData(preparsed);
    }
    if (d->inputReportBytes_ < 2) d->inputReportBytes_ = 9;     // report id + 8 bytes
    if (d->outputReportBytes_ < 2) d->outputReportBytes_ = 9;
    d->stopEvent_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    // Without a reader thread nothing would ever be read: a system that cannot make one more thread
    // leaves the device unopened (the caller is told there is none) instead of ending the program.
    try {
        d->reader_ = std::thread(&HidDevice::ReaderLoop, d.get());
    } catch (const std::system_error&) {
        return nullptr;
    }
    return d;
}

HidDevice::~HidDevice() {
    if (stopEvent_) SetEvent(static_cast<HANDLE>(stopEvent_));
    if (reader_.joinable()) reader_.join();
    if (stopEvent_) CloseHandle(static_cast<HANDLE>(stopEvent_));
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

void HidDevice::ReaderLoop() {
    HANDLE device = static_cast<HANDLE>(handle_);
    HANDLE readDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<unsigned char> report(inputReportBytes_);
    while (!gone_) {
        OVERLAPPED ov{};
        ov.hEvent = readDone;
        ResetEvent(readDone);
        DWORD got = 0;
        if (!ReadFile(device, report.data(), static_cast<DWORD>(report.size()), nullptr, &ov) &&
            GetLastError() != ERROR_IO_PENDING) {
            gone_ = true;
            break;
        }
        HANDLE waits[2] = {readDone, static_cast<HANDLE>(stopEvent_)};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
            CancelIo(device);
            GetOverlappedResult(device, &ov, &got, TRUE);
            break;
        }
        if (!GetOverlappedResult(device, &ov, &got, FALSE)) {
            gone_ = true;
            break;
        }
        if (got > 1) {
            std::lock_guard<std::mutex> lock(bufferMutex_);
            buffer_.insert(buffer_.end(), report.begin() + 1, report.begin() + got);
        }
    }
    CloseHandle(readDone);
}

bool HidDevice::Present() { return !gone_; }

int HidDevice::Write(const unsigned char* data, int length) {
    if (gone_ || !data || length <= 0) return 0;
    HANDLE device = static_cast<HANDLE>(handle_);
    const int payload = outputReportBytes_ - 1;
    for (int offset = 0; offset < length; offset += payload) {
        std::vector<unsigned char> report(outputReportBytes_, 0);
        std::copy(data + offset, data + std::min(length, offset + payload), report.begin() + 1);
        OVERLAPPED ov{};
        ov.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        DWORD written = 0;
        BOOL ok = WriteFile(device, report.data(), static_cast<DWORD>(report.size()), nullptr, &ov);
        if (!ok && GetLastError() == ERROR_IO_PENDING) {
            if (WaitForSingleObject(ov.hEvent, 1000) != WAIT_OBJECT_0) CancelIo(device);
            ok = GetOverlappedResult(device, &ov, &written, TRUE);
        }
        CloseHandle(ov.hEvent);
        if (!ok) {
            if (GetLastError() == ERROR_DEVICE_NOT_CONNECTED) gone_ = true;
            return 0;
        }
    }
    return length;
}

int HidDevice::Read(unsigned char* buffer, int count) {
    if (gone_) return -1;
    std::lock_guard<std::mutex> lock(bufferMutex_);
    int n = 0;
    while (n < count && !buffer_.empty()) {
        buffer[n++] = buffer_.front();
        buffer_.pop_front();
    }
    return n;
}

int HidDevice::Waiting() {
    if (gone_) return -1;
    std::lock_guard<std::mutex> lock(bufferMutex_);
    return static_cast<int>(buffer_.size());
}
