// The five calls of USB.dll that the station link uses, and the seam through which tests replace
// them. The shipped program always calls the DLL.
#pragma once

#if __has_include("platform/usb/USB.h")
#include "platform/usb/USB.h"
#else
extern "C" {
int USBOpen(int handle, int vendor, int product, int a, int b, int c);
int USBCheck(int handle);
int USBWrite(int handle, const unsigned char* data, int length, int flags);
int USBRead(int handle, unsigned char* buffer, int count);
int USBGetStatus(int handle, int* waiting, int* other);
}
#endif

struct UsbFunctions {
    int (*open)(int handle, int vendor, int product, int a, int b, int c);
    int (*check)(int handle);
    int (*write)(int handle, const unsigned char* data, int length, int flags);
    int (*read)(int handle, unsigned char* buffer, int count);
    int (*getStatus)(int handle, int* waiting, int* other);
};

// Tests: route the link's USB calls to `functions` (nullptr: back to USB.dll). Returns the
// previous override. Not to be called while a command runs.
const UsbFunctions* SetUsbFunctionsForTesting(const UsbFunctions* functions);

// The calls the link makes (USB.dll unless a test override is set).
int UsbOpen(int handle, int vendor, int product, int a, int b, int c);
int UsbCheck(int handle);
int UsbWrite(int handle, const unsigned char* data, int length, int flags);
int UsbRead(int handle, unsigned char* buffer, int count);
int UsbGetStatus(int handle, int* waiting, int* other);
