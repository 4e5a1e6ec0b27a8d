// USB.dll: access to the weather station (vendor 0x1130, product 0x6801) in 32-byte memory blocks.
//
// Frames the caller writes (bytes in hexadecimal):
//   read request   AF a0 a1 a2 x            a0..a2 = address, low byte first; x = XOR of the 4 bytes
//   write request  AE a0 a1 a2 d0..d31 x    x = XOR of the 36 bytes
// The station answers a read request with 34 bytes: 5A d0..d31 c, where c = 5A XOR d0..d31 (the 32
// bytes of memory from the address; addresses 0x20000 and 0x20001 give the live time stamp and the
// live readings), and a write request with one acknowledgement byte. A frame with a wrong XOR byte or
// an unknown first byte gets no answer.
//
// The exports, with C linkage and these exact names:
//   USBOpen(handle, vendor, product, a, b, c)   opens the station; returns a non-zero handle, 0 when
//                                               there is no device (handle, a, b, c are not used).
//   USBCheck(handle)                            non-zero while the device is present.
//   USBWrite(handle, data, length, flags)       sends one frame; returns length, 0 on failure.
//   USBRead(handle, buffer, count)              takes up to count answer bytes that have arrived,
//                                               without waiting; returns how many it took (0 when
//                                               none, -1 for a bad handle or a gone device).
//   USBGetStatus(handle, &waiting, &other)      stores how many answer bytes wait to be read (and 0 in
//                                               other); returns 1, or 0 for a bad handle or a gone
//                                               device (then waiting is 0).
//
// Backends, chosen when USBOpen runs:
//   - USB_EMULATOR=demo: a built-in station of 128 KB whose clock follows the PC's local time. Its
//     live blocks change with the clock and it writes a new history record at every record interval.
//   - USB_EMULATOR=<path>: the memory comes from that file of 0x20000 bytes (byte n = address n),
//     optionally followed by the 32-byte live stamp block and the 32-byte live readings block. The
//     image is served as it is (no clock); settings written to the station are stored back into the
//     file. Addresses at or above 0x20000 other than the two live blocks answer zeros; a block that
//     runs past the end of the memory continues at address 0.
//   - USB_EMULATOR unset: the real device through the Windows HID driver.
//   In both emulated stations a write changes only the bytes of the setting its address holds
//   (record interval 254, altitude 90, alarms 16 (times 16..20, temperature limits 31..34) and 160,
//   local city 0, second city 22) and the checksums of the groups it touched; writes to other
//   addresses are acknowledged and change nothing.
//   USB_EMULATOR_LOG=<path>: every frame the emulator receives is written to that file (created anew at
//   USBOpen) as one line of upper-case hex bytes separated by blanks.
//   USB_EMULATOR_FAULTS=<commands>: control commands (below) separated by ';', applied at USBOpen.
//   USB_EMULATOR_CONTROL=<path>: while the device is in use, the emulator looks for this file at most
//   every 100 ms (when a frame arrives or USBCheck runs); when it is there, it reads it, deletes it and
//   applies its commands (separated by ';' or line ends) in their order. This lets a test steer the
//   emulator inside a running program; write the file elsewhere and rename it into place, and take
//   its disappearance as the sign that the commands were applied.
//
// Test seam (not used by the program): USBEmulatorControl(command) steers the emulator opened last.
// It returns -1 for an unknown command or when no emulator is open, else the value given below.
//   "fault no-reply [n]"      the next n frames (every frame when n is left out) get no answer
//   "fault wrong-marker [n]"  read answers start with 0x5B instead of 0x5A (checksum as usual)
//   "fault short-reply [n]"   read answers carry only 20 data bytes and no checksum byte
//   "fault bad-checksum [n]"  read answers carry a checksum byte that is off by one bit
//   "fault none"              clears the faults above; returns 0
//   "slow <ms> [n]"           answers to the next n frames (all when n is left out) arrive <ms> later
//   "unplug-after <n>"        the device is gone once n more frames have been received
//   "after <n> <command>"     applies the command once n more frames have been received (before
//                             the next one is answered): "after 2 fault bad-checksum 10"
//   "unplug" / "plug"         the device is gone / back at once
//   "reset"                   clears every fault, delay and unplugging
//   "advance <minutes>"       moves the demo station's clock on by 0..527040 minutes (a leap year);
//                             returns the number of records that fell due and were written
//   "history-index"           returns the station's history index (the slot written next)
//   "frames"                  returns how many frames were received since USBOpen
//   "log <path>" / "log"      starts a new frame log in <path> / stops logging
// The fault commands return 0.
#pragma once

#ifdef USB_BUILDING_DLL
#define USB_API __declspec(dllexport)
#else
#define USB_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

USB_API int USBOpen(int handle, int vendor, int product, int a, int b, int c);
USB_API int USBCheck(int handle);
USB_API int USBWrite(int handle, const unsigned char* data, int length, int flags);
USB_API int USBRead(int handle, unsigned char* buffer, int count);
USB_API int USBGetStatus(int handle, int* waiting, int* other);

// Test seam; see above.
USB_API int USBEmulatorControl(const char* command);

#ifdef __cplusplus
}
#endif
