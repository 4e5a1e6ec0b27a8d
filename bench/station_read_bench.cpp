// Whole-memory read of the station through USB.dll's emulator (USB_EMULATOR=demo unless the
// environment names another image): time per 32-byte block and in total.
#include <windows.h>

#include <cstdio>

#include "station/DataDecode.h"
#include "station/SystemKV318.h"
#include "station/UsbApi.h"
#include "station/UsbLink.h"

int main()
{
    wchar_t emulator[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"USB_EMULATOR", emulator, MAX_PATH) == 0) {
        SetEnvironmentVariableW(L"USB_EMULATOR", L"demo");
        // The station object opened the device before main ran; open the emulator now.
        g_usbDevice.m_handle = UsbOpen(g_usbDevice.m_handle, STATION_VENDOR_ID, STATION_PRODUCT_ID, 0x2000, 0x2000, 0);
    }
    if (g_usbDevice.m_handle == 0) {
        std::printf("no station: USBOpen failed\n");
        return 1;
    }

    LARGE_INTEGER frequency, t0, t1, t2;
    QueryPerformanceFrequency(&frequency);
    auto ms = [&](LARGE_INTEGER a, LARGE_INTEGER b) {
        return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(frequency.QuadPart);
    };

    // Block requests alone (no decoding), for the link's own cost.
    const int sampleBlocks = 256;
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < sampleBlocks; ++i) {
        uint8_t block[32];
        if (RequestBlock(i * 32, ReadKind::Block, block) != BlockResult::Accepted) {
            std::printf("block %d failed: %s\n", i * 32, g_lastErrorText);
            return 1;
        }
    }
    QueryPerformanceCounter(&t1);
    std::printf("block requests: %d blocks in %.1f ms, %.3f ms per block\n", sampleBlocks, ms(t0, t1),
                ms(t0, t1) / sampleBlocks);

    // The whole memory, as the history download reads it (with splitting and the final decoding).
    QueryPerformanceCounter(&t1);
    const bool ok = g_systemKV318.ReadWholeMemory();
    QueryPerformanceCounter(&t2);
    const int size = g_systemKV318.m_memorySize;
    const int blocks = size > 0 ? size / 32 : 0;
    if (!ok) {
        std::printf("whole-memory read failed: %s\n", g_lastErrorText);
        return 1;
    }
    std::printf("whole memory: %d bytes, %d blocks, total %.1f ms, %.3f ms per block\n", size, blocks, ms(t1, t2),
                ms(t1, t2) / blocks);
    return 0;
}
