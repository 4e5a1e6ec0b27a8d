#include "station/UsbPowerCheck.h"

#include "station/DecodeText.h"

#include <cstdarg>
#include <cstdio>

const wchar_t* const USB_POWER_VALUE_NAMES[4] = {
    L"AllowIdleIrpInD3",
    L"DeviceSelectiveSuspended",
    L"EnhancedPowerManagementEnabled",
    L"SelectiveSuspendEnabled",
};

namespace {

HKEY g_registryRoot = HKEY_LOCAL_MACHINE;

const char* const kValueErrorLines[4] = {
    "Cannot query for key value AllowIdleIrpInD3; Error is: %d\n",
    "Cannot query for key value DeviceSelectiveSuspended; Error is: %d\n",
    "Cannot query for key value EnhancedPowerManagementEnabled; Error is: %d\n",
    "Cannot query for key value SelectiveSuspendEnabled; Error is: %d\n",
};

// Closes a key on every path out of a step.
class KeyHolder {
public:
    KeyHolder() = default;
    ~KeyHolder() { if (m_key) RegCloseKey(m_key); }
    KeyHolder(const KeyHolder&) = delete;
    KeyHolder& operator=(const KeyHolder&) = delete;
    HKEY* Out() { return &m_key; }
    HKEY Get() const { return m_key; }
private:
    HKEY m_key = nullptr;
};

}  // namespace

HKEY SetUsbPowerRegistryRoot(HKEY root) {
    HKEY previous = g_registryRoot;
    g_registryRoot = root;
    return previous;
}

CUsbPowerSettings::CUsbPowerSettings() = default;

void CUsbPowerSettings::Print(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    m_consoleText += buffer;
    fputs(buffer, stdout);
}

int CUsbPowerSettings::OpenFailed(LONG error) {
    Print("Cannot query for key value; Error is: %d\n", (int)error);
    return error == ERROR_ACCESS_DENIED ? USB_POWER_ACCESS_DENIED : USB_POWER_ERROR;
}

bool CUsbPowerSettings::ValueExists(HKEY key, const wchar_t* valueName) {
    LONG rc = RegQueryValueExW(key, valueName, nullptr, nullptr, nullptr, nullptr);
    return rc != ERROR_FILE_NOT_FOUND;
}

void CUsbPowerSettings::EnumerateSubkeys(HKEY key) {
    DWORD subkeyCount = 0, valueCount = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeyCount, nullptr, nullptr, &valueCount, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return;
    }
    wchar_t name[256];
    if (subkeyCount) {
        Print("\nNumber of subkeys: %d\n", (int)subkeyCount);
        for (DWORD i = 0; i < subkeyCount; ++i) {
            DWORD length = 256;
            if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
                std::wstring subkey(name, length);
                Print("(%d) %s\n", (int)(i + 1), NarrowAnsiText(subkey).c_str());
                m_instanceKeyPaths.push_back(subkey);
            }
        }
    }
    if (valueCount) {
        Print("\nNumber of values: %d\n", (int)valueCount);
        for (DWORD i = 0; i < valueCount; ++i) {
            DWORD length = 256;
            if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
                Print("(%d) %s\n", (int)(i + 1), NarrowAnsiText(std::wstring_view(name, length)).c_str());
            }
        }
    }
}

int CUsbPowerSettings::FindDeviceInstances() {
    m_deviceKeyPath = L"SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1130&PID_6801";
    m_parametersKeyName = L"Device Parameters";
    m_instanceKeyPaths.clear();

    KeyHolder key;
    LONG rc = RegOpenKeyExW(g_registryRoot, m_deviceKeyPath.c_str(), 0, KEY_READ, key.Out());
    if (rc != ERROR_SUCCESS) {
        Print("Cannot query for key value; Error is: %d\n", (int)rc);
        if (rc == ERROR_ACCESS_DENIED) return USB_POWER_ACCESS_DENIED;
        if (rc == ERROR_FILE_NOT_FOUND) return USB_POWER_NO_DEVICE_KEY;
        return USB_POWER_ERROR;
    }
    EnumerateSubkeys(key.Get());
    for (std::wstring& path : m_instanceKeyPaths) {
        path = m_deviceKeyPath + L"\\" + path + L"\\" + m_parametersKeyName;
    }
    return USB_POWER_FOUND;
}

int CUsbPowerSettings::HasPowerValues() {
    // Every instance counts: a value present in any of them is enough.
    for (const std::wstring& path : m_instanceKeyPaths) {
        KeyHolder key;
        LONG rc = RegOpenKeyExW(g_registryRoot, path.c_str(), 0, KEY_READ, key.Out());
        if (rc != ERROR_SUCCESS) return OpenFailed(rc);
        for (const wchar_t* name : USB_POWER_VALUE_NAMES) {
            if (ValueExists(key.Get(), name)) return USB_POWER_FOUND;
        }
    }
    return USB_POWER_VALID;
}

LONG CUsbPowerSettings::ReadPowerValue(HKEY key, int index, DWORD* value, DWORD* size) {
    *value = 0;
    DWORD wanted = 4;
    if (index == 0) {
        DWORD reported = 0;
        LONG rc = RegQueryValueExW(key, USB_POWER_VALUE_NAMES[0], nullptr, nullptr, nullptr, &reported);
        if (rc != ERROR_SUCCESS) return rc;
        if (reported != 1 && reported != 4) {
            *size = 0;  // neither a byte nor a number: left alone
            return ERROR_SUCCESS;
        }
        wanted = reported;
    }
    BYTE bytes[4] = {0, 0, 0, 0};
    DWORD length = wanted;
    LONG rc = RegQueryValueExW(key, USB_POWER_VALUE_NAMES[index], nullptr, nullptr, bytes, &length);
    if (rc != ERROR_SUCCESS) return rc;
    *value = (DWORD)bytes[0] | ((DWORD)bytes[1] << 8) | ((DWORD)bytes[2] << 16) | ((DWORD)bytes[3] << 24);
    *size = wanted;
    return ERROR_SUCCESS;
}

int CUsbPowerSettings::FindEnabledPowerValues() {
    for (const std::wstring& path : m_instanceKeyPaths) {
        KeyHolder key;
        LONG rc = RegOpenKeyExW(g_registryRoot, path.c_str(), 0, KEY_READ, key.Out());
        if (rc != ERROR_SUCCESS) return OpenFailed(rc);
        for (int i = 0; i < 4; ++i) {
            if (!ValueExists(key.Get(), USB_POWER_VALUE_NAMES[i])) continue;
            DWORD value = 0, size = 0;
            rc = ReadPowerValue(key.Get(), i, &value, &size);
            if (rc != ERROR_SUCCESS) {
                Print(kValueErrorLines[i], (int)rc);
                return USB_POWER_ERROR;
            }
            if (size != 0 && value != 0) return USB_POWER_FOUND;
        }
    }
    return USB_POWER_VALID;
}

int CUsbPowerSettings::ClearPowerValues() {
    for (const std::wstring& path : m_instanceKeyPaths) {
        KeyHolder key;
        LONG rc = RegOpenKeyExW(g_registryRoot, path.c_str(), 0, KEY_ALL_ACCESS, key.Out());
        if (rc != ERROR_SUCCESS) return OpenFailed(rc);
        for (int i = 0; i < 4; ++i) {
            if (!ValueExists(key.Get(), USB_POWER_VALUE_NAMES[i])) continue;
            DWORD value = 0, size = 0;
            rc = ReadPowerValue(key.Get(), i, &value, &size);
            if (rc == ERROR_SUCCESS && size != 0) {
                const BYTE zero[4] = {0, 0, 0, 0};
                DWORD type = (i == 0 && size == 1) ? REG_BINARY : REG_DWORD;
                rc = RegSetValueExW(key.Get(), USB_POWER_VALUE_NAMES[i], 0, type, zero, size);
            }
            if (rc != ERROR_SUCCESS) {
                Print(kValueErrorLines[i], (int)rc);
                return USB_POWER_ERROR;
            }
        }
    }
    return USB_POWER_FOUND;
}

int CheckUsbPowerSettings(CUsbPowerSettings& settings, bool& deviceKeyFound, bool& settingsValid) {
    deviceKeyFound = false;
    settingsValid = false;
    int rc = settings.FindDeviceInstances();
    if (rc == USB_POWER_NO_DEVICE_KEY || rc == USB_POWER_ACCESS_DENIED) return rc;
    deviceKeyFound = true;
    if (rc != USB_POWER_FOUND) return rc;

    rc = settings.HasPowerValues();
    if (rc == USB_POWER_VALID) {
        settingsValid = true;
        return rc;
    }
    if (rc != USB_POWER_FOUND) return rc;

    rc = settings.FindEnabledPowerValues();
    if (rc == USB_POWER_VALID) {
        settingsValid = true;
        return rc;
    }
    if (rc != USB_POWER_FOUND) return rc;

    return settings.ClearPowerValues();
}

UsbPowerAction UsbPowerOutcome(int result, bool deviceKeyFound, bool settingsValid, std::string* consoleText) {
    std::string text;
    UsbPowerAction action = UsbPowerAction::Continue;
    if (result == USB_POWER_ACCESS_DENIED) {
        text = "no access right.\n";
        action = UsbPowerAction::CloseSilently;
    } else if (result == USB_POWER_NO_DEVICE_KEY) {
        text = "VID PID path not exist.\n";
    } else if (result == USB_POWER_ERROR) {
        text = "Unexpected error\n";
    } else if (deviceKeyFound) {
        if (settingsValid) {
            text = "Registry valid";
        } else {
            text = "Registry invalid and should be modified";
            action = UsbPowerAction::AskReconnectAndClose;
        }
    }
    fputs(text.c_str(), stdout);
    if (consoleText) *consoleText = text;
    return action;
}
