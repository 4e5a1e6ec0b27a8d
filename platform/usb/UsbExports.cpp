// The exports of USB.dll: one open device at a time, chosen when USBOpen runs (see USB.h).
#include "platform/usb/USB.h"

#include "platform/usb/HidDevice.h"
#include "platform/usb/StationEmulator.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <string>

namespace {

constexpr int STATION_VENDOR = 0x1130;
constexpr int STATION_PRODUCT = 0x6801;

std::mutex g_deviceMutex;
// The device opened last. Never destroyed: the device stays open until the process ends, and a HID
// reader thread must not be joined while the loader unloads the library.
std::shared_ptr<UsbBackend>& g_device = *new std::shared_ptr<UsbBackend>();
int g_deviceHandle = 0;                 // its handle; 0 while none is open
int g_lastHandle = 0;

bool GetEnv(const wchar_t* name, std::wstring* value) {
    const DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
    if (n == 0) return false;
    std::wstring text(n, L'\0');
    const DWORD got = GetEnvironmentVariableW(name, &text[0], n);
    if (got == 0 || got >= n) return false;
    text.resize(got);
    *value = text;
    return true;
}

std::string Narrow(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    return out;
}

std::shared_ptr<UsbBackend> DeviceOf(int handle) {
    std::lock_guard<std::mutex> lock(g_deviceMutex);
    if (handle == 0 || handle != g_deviceHandle) return nullptr;
    return g_device;
}

std::shared_ptr<UsbBackend> OpenBackend(int vendor, int product) {
    std::wstring source;
    if (!GetEnv(L"USB_EMULATOR", &source)) return HidDevice::Open(vendor, product);
    if (vendor != STATION_VENDOR || product != STATION_PRODUCT) return nullptr;
    std::unique_ptr<StationEmulator> emulator = StationEmulator::Create(source);
    if (!emulator) return nullptr;
    std::wstring logPath;
    if (GetEnv(L"USB_EMULATOR_LOG", &logPath)) emulator->StartLog(logPath);
    std::wstring faults;
    if (GetEnv(L"USB_EMULATOR_FAULTS", &faults)) emulator->ApplyCommands(Narrow(faults));
    std::wstring controlPath;
    if (GetEnv(L"USB_EMULATOR_CONTROL", &controlPath)) emulator->WatchControlFile(controlPath);
    return std::shared_ptr<UsbBackend>(std::move(emulator));
}

}  // namespace

extern "C" {

int USBOpen(int handle, int vendor, int product, int a, int b, int c) {
    (void)handle; (void)a; (void)b; (void)c;
    std::shared_ptr<UsbBackend> device = OpenBackend(vendor, product);
    std::lock_guard<std::mutex> lock(g_deviceMutex);
    if (!device) return 0;
    g_device = std::move(device);
    g_lastHandle = g_lastHandle >= 0x7FFF ? 1 : g_lastHandle + 1;
    g_deviceHandle = g_lastHandle;
    return g_deviceHandle;
}

int USBCheck(int handle) {
    std::shared_ptr<UsbBackend> d = DeviceOf(handle);
    return d && d->Present() ? 1 : 0;
}

int USBWrite(int handle, const unsigned char* data, int length, int flags) {
    (void)flags;
    std::shared_ptr<UsbBackend> d = DeviceOf(handle);
    return d ? d->Write(data, length) : 0;
}

int USBRead(int handle, unsigned char* buffer, int count) {
    std::shared_ptr<UsbBackend> d = DeviceOf(handle);
    return d ? d->Read(buffer, count) : -1;
}

int USBGetStatus(int handle, int* waiting, int* other) {
    std::shared_ptr<UsbBackend> d = DeviceOf(handle);
    const int n = d ? d->Waiting() : -1;
    if (waiting) *waiting = n > 0 ? n : 0;
    if (other) *other = 0;
    return n >= 0 ? 1 : 0;
}

int USBEmulatorControl(const char* command) {
    std::shared_ptr<UsbBackend> d;
    {
        std::lock_guard<std::mutex> lock(g_deviceMutex);
        d = g_device;
    }
    return d && command ? d->Control(command) : -1;
}

}  // extern "C"
