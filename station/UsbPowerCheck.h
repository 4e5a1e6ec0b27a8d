// Check of the station's USB power-management values in the registry.
//
// Every device instance of vendor 0x1130, product 0x6801 has a "Device Parameters" key with up to four
// power-management values. When any of them is non-zero in any instance, every present value of every
// instance is set to 0; the station then has to be reconnected before the program can use it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Result codes of every step and of the check as a whole.
enum UsbPowerResult : int {
    USB_POWER_VALID = 0,          // no power value present, or none set
    USB_POWER_FOUND = 1,          // found / a value is set / the values were cleared
    USB_POWER_NO_DEVICE_KEY = 2,  // the device key does not exist
    USB_POWER_ACCESS_DENIED = 5,  // access to a key was denied
    USB_POWER_ERROR = -1,         // any other registry error
};

// The registry root the check works under. The shipped program uses HKEY_LOCAL_MACHINE; tests point it at
// a scratch key so the device key path is looked up beneath that key instead. Returns the previous root.
HKEY SetUsbPowerRegistryRoot(HKEY root);

class CUsbPowerSettings {
public:
    CUsbPowerSettings();
    virtual ~CUsbPowerSettings() = default;

    // Opens the device key and lists its instance subkeys into m_instanceKeyPaths.
    // USB_POWER_FOUND, USB_POWER_NO_DEVICE_KEY, USB_POWER_ACCESS_DENIED or USB_POWER_ERROR.
    int FindDeviceInstances();
    // 1 when any instance key holds at least one of the four values, 0 when none does (also for no instance).
    int HasPowerValues();
    // 1 as soon as a present value of any instance is non-zero, 0 when none is.
    int FindEnabledPowerValues();
    // Writes 0 into every present value of every instance; 1 on success.
    int ClearPowerValues();

    // False only when the registry answers that the value does not exist.
    static bool ValueExists(HKEY key, const wchar_t* valueName);

    // Everything the check printed to the standard output, in order.
    const std::string& ConsoleText() const { return m_consoleText; }
    const std::vector<std::wstring>& InstanceKeyPaths() const { return m_instanceKeyPaths; }

    std::wstring m_deviceKeyPath;
    std::wstring m_parametersKeyName;
    std::vector<std::wstring> m_instanceKeyPaths;

private:
    void EnumerateSubkeys(HKEY key);
    void Print(const char* format, ...);
    int OpenFailed(LONG error);
    // Reads one present power value. Returns ERROR_SUCCESS with *size 1 or 4 and *value set, a skip
    // (*size 0) for an "AllowIdleIrpInD3" of another size, or the registry error.
    LONG ReadPowerValue(HKEY key, int index, DWORD* value, DWORD* size);

    std::string m_consoleText;
};

// The four power values, in the order they are tested and cleared.
extern const wchar_t* const USB_POWER_VALUE_NAMES[4];

// Runs the whole check; sets the two flags as the outcome says and returns the check's code.
int CheckUsbPowerSettings(CUsbPowerSettings& settings, bool& deviceKeyFound, bool& settingsValid);

// What the connection watch does after the check.
enum class UsbPowerAction {
    Continue,           // start the history download
    CloseSilently,      // close the program without a message (no access right)
    AskReconnectAndClose  // tell the user to reconnect the station, then close
};

// Prints to the standard output the text the connection watch shows for an outcome ("no access right.\n", "VID PID path not exist.\n",
// "Unexpected error\n", "Registry valid", "Registry invalid and should be modified"; "" when nothing is
// printed), stores it in *consoleText when given, and returns the action that follows.
UsbPowerAction UsbPowerOutcome(int result, bool deviceKeyFound, bool settingsValid, std::string* consoleText);
