// Helpers of the USB.dll tests: opening the emulator through the environment and speaking frames.
#pragma once

#include "platform/usb/StationImage.h"
#include "platform/usb/USB.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace usbtest {

inline void SetEnv(const wchar_t* name, const std::wstring& value) { SetEnvironmentVariableW(name, value.c_str()); }
inline void ClearEnv(const wchar_t* name) { SetEnvironmentVariableW(name, nullptr); }

inline std::wstring TempFile(const std::wstring& name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + L"orvelle_usb_" + name;
}

inline std::vector<unsigned char> ReadFrame(uint32_t address) {
    std::vector<unsigned char> f = {0xAF, static_cast<unsigned char>(address & 0xFF),
                                    static_cast<unsigned char>(address >> 8 & 0xFF),
                                    static_cast<unsigned char>(address >> 16 & 0xFF), 0};
    f[4] = f[0] ^ f[1] ^ f[2] ^ f[3];
    return f;
}

// A write frame with the first data.size() bytes of data and zero padding, as the link builds it.
inline std::vector<unsigned char> WriteFrame(uint32_t address, const std::vector<unsigned char>& data) {
    std::vector<unsigned char> f(37, 0);
    f[0] = 0xAE;
    f[1] = address & 0xFF;
    f[2] = address >> 8 & 0xFF;
    f[3] = address >> 16 & 0xFF;
    for (size_t i = 0; i < data.size() && i < 32; ++i) f[4 + i] = data[i];
    unsigned char x = 0;
    for (int i = 0; i < 36; ++i) x ^= f[i];
    f[36] = x;
    return f;
}

// Waits until at least `want` answer bytes wait (or timeoutMs passes) and takes what is there.
inline std::vector<unsigned char> Collect(int handle, int want, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    int waiting = 0, other = 0;
    while (GetTickCount64() < end) {
        if (!USBGetStatus(handle, &waiting, &other)) break;
        if (waiting >= want) break;
        Sleep(1);
    }
    std::vector<unsigned char> out(64);
    const int n = USBRead(handle, out.data(), static_cast<int>(out.size()));
    out.resize(n > 0 ? n : 0);
    return out;
}

inline std::vector<unsigned char> Send(int handle, const std::vector<unsigned char>& frame, int want, int timeoutMs = 2000) {
    EXPECT_EQ(static_cast<int>(frame.size()), USBWrite(handle, frame.data(), static_cast<int>(frame.size()), 0));
    return Collect(handle, want, timeoutMs);
}

// The 32 data bytes of a correct read answer (fails the test when the answer is not correct).
inline std::vector<unsigned char> ReadBlock(int handle, uint32_t address) {
    std::vector<unsigned char> r = Send(handle, ReadFrame(address), 34);
    if (r.size() != 34 || r[0] != 0x5A) {
        ADD_FAILURE() << "no correct answer for address " << address << " (" << r.size() << " bytes)";
        return std::vector<unsigned char>(32, 0);
    }
    unsigned char x = 0x5A;
    for (int i = 1; i <= 32; ++i) x ^= r[i];
    EXPECT_EQ(x, r[33]) << "checksum of the answer for address " << address;
    return std::vector<unsigned char>(r.begin() + 1, r.begin() + 33);
}

// The whole memory read through frames.
inline stationimage::Image ReadWholeMemory(int handle) {
    stationimage::Image image(stationimage::IMAGE_BYTES);
    for (uint32_t a = 0; a < stationimage::IMAGE_BYTES; a += 32) {
        const std::vector<unsigned char> b = ReadBlock(handle, a);
        std::copy(b.begin(), b.end(), image.begin() + a);
    }
    return image;
}

inline int OpenStation() { return USBOpen(0, 0x1130, 0x6801, 0x2000, 0x2000, 0); }

inline std::vector<unsigned char> ReadWholeFile(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return bytes;
    unsigned char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    fclose(f);
    return bytes;
}

}  // namespace usbtest
