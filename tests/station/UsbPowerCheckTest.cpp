// The USB power-management check, run against a scratch key under HKEY_CURRENT_USER.
#include "station/UsbPowerCheck.h"

#include <aclapi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

const wchar_t kDevicePath[] = L"SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1130&PID_6801";

class UsbPowerCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_scratchPath = L"Software\\OrvelleTests\\UsbPower" + std::to_wstring(GetCurrentProcessId());
        RegDeleteTreeW(HKEY_CURRENT_USER, m_scratchPath.c_str());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, m_scratchPath.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &m_scratch, nullptr));
        m_previousRoot = SetUsbPowerRegistryRoot(m_scratch);
    }
    void TearDown() override {
        SetUsbPowerRegistryRoot(m_previousRoot);
        RegCloseKey(m_scratch);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_scratchPath.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\OrvelleTests");
    }

    std::wstring ParametersPath(const wchar_t* instance) {
        return std::wstring(kDevicePath) + L"\\" + instance + L"\\Device Parameters";
    }
    HKEY CreateInstance(const wchar_t* instance) {
        HKEY key = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExW(m_scratch, ParametersPath(instance).c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        m_open.push_back(key);
        return key;
    }
    static void SetDword(HKEY key, const wchar_t* name, DWORD value) {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name, 0, REG_DWORD, (const BYTE*)&value, 4));
    }
    // Type, size and the little-endian number of a value; size 0 when it does not exist.
    static DWORD Query(HKEY key, const wchar_t* name, DWORD* type, DWORD* size) {
        BYTE data[16] = {};
        *size = sizeof data;
        if (RegQueryValueExW(key, name, nullptr, type, data, size) != ERROR_SUCCESS) {
            *size = 0;
            return 0;
        }
        DWORD v = 0;
        for (DWORD i = 0; i < *size && i < 4; ++i) v |= (DWORD)data[i] << (8 * i);
        return v;
    }
    static DWORD Number(HKEY key, const wchar_t* name) {
        DWORD type = 0, size = 0;
        return Query(key, name, &type, &size);
    }

    int Run(CUsbPowerSettings& settings, bool* found, bool* valid) {
        return CheckUsbPowerSettings(settings, *found, *valid);
    }

    std::wstring m_scratchPath;
    HKEY m_scratch = nullptr;
    HKEY m_previousRoot = nullptr;
    std::vector<HKEY> m_open;

public:
    ~UsbPowerCheckTest() override {
        for (HKEY k : m_open) RegCloseKey(k);
    }
};

TEST_F(UsbPowerCheckTest, MissingDeviceKeyGivesTwoAndBothFlagsFalse) {
    CUsbPowerSettings settings;
    bool found = true, valid = true;
    EXPECT_EQ(2, Run(settings, &found, &valid));
    EXPECT_FALSE(found);
    EXPECT_FALSE(valid);
    EXPECT_EQ("Cannot query for key value; Error is: 2\n", settings.ConsoleText());
}

TEST_F(UsbPowerCheckTest, ListsInstancesAndValuesOfTheDeviceKey) {
    CreateInstance(L"5&aaa&0&1");
    CreateInstance(L"5&bbb&0&2");
    HKEY device = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(m_scratch, kDevicePath, 0, KEY_ALL_ACCESS, &device));
    SetDword(device, L"Extra", 7);
    RegCloseKey(device);

    CUsbPowerSettings settings;
    EXPECT_EQ(1, settings.FindDeviceInstances());
    EXPECT_EQ("\nNumber of subkeys: 2\n(1) 5&aaa&0&1\n(2) 5&bbb&0&2\n\nNumber of values: 1\n(1) Extra\n",
              settings.ConsoleText());
    ASSERT_EQ(2u, settings.InstanceKeyPaths().size());
    EXPECT_EQ(ParametersPath(L"5&aaa&0&1"), settings.InstanceKeyPaths()[0]);
    EXPECT_EQ(ParametersPath(L"5&bbb&0&2"), settings.InstanceKeyPaths()[1]);
}

TEST_F(UsbPowerCheckTest, NoPowerValuesAnywhereIsValid) {
    HKEY a = CreateInstance(L"inst1");
    SetDword(a, L"SomethingElse", 1);
    CUsbPowerSettings settings;
    bool found = false, valid = false;
    EXPECT_EQ(0, Run(settings, &found, &valid));
    EXPECT_TRUE(found);
    EXPECT_TRUE(valid);
    EXPECT_EQ(1u, Number(a, L"SomethingElse"));
}

TEST_F(UsbPowerCheckTest, DeviceKeyWithoutInstancesIsValid) {
    HKEY device = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(m_scratch, kDevicePath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &device, nullptr));
    RegCloseKey(device);
    CUsbPowerSettings settings;
    bool found = false, valid = false;
    EXPECT_EQ(0, Run(settings, &found, &valid));
    EXPECT_TRUE(found);
    EXPECT_TRUE(valid);
    EXPECT_EQ("", settings.ConsoleText());
}

TEST_F(UsbPowerCheckTest, ValuesPresentButZeroEverywhereAreValidAndUntouched) {
    HKEY a = CreateInstance(L"inst1");
    HKEY b = CreateInstance(L"inst2");
    for (const wchar_t* name : USB_POWER_VALUE_NAMES) SetDword(a, name, 0);
    SetDword(b, L"SelectiveSuspendEnabled", 0);
    CUsbPowerSettings settings;
    bool found = false, valid = false;
    EXPECT_EQ(0, Run(settings, &found, &valid));
    EXPECT_TRUE(found);
    EXPECT_TRUE(valid);
    DWORD type = 0, size = 0;
    Query(b, L"DeviceSelectiveSuspended", &type, &size);
    EXPECT_EQ(0u, size) << "a value that did not exist must not be created";
}

// Every instance counts: a value set in the second instance alone is found and cleared, and values that
// do not exist in an instance are not created there.
TEST_F(UsbPowerCheckTest, SetValueInSecondInstanceIsClearedEverywhere) {
    HKEY a = CreateInstance(L"inst1");
    HKEY b = CreateInstance(L"inst2");
    SetDword(a, L"Unrelated", 3);
    SetDword(b, L"SelectiveSuspendEnabled", 1);
    SetDword(b, L"EnhancedPowerManagementEnabled", 0);

    CUsbPowerSettings settings;
    EXPECT_EQ(1, settings.FindDeviceInstances());
    EXPECT_EQ(1, settings.HasPowerValues());
    EXPECT_EQ(1, settings.FindEnabledPowerValues());

    CUsbPowerSettings check;
    bool found = false, valid = true;
    EXPECT_EQ(1, Run(check, &found, &valid));
    EXPECT_TRUE(found);
    EXPECT_FALSE(valid);
    EXPECT_EQ(0u, Number(b, L"SelectiveSuspendEnabled"));
    DWORD type = 0, size = 0;
    Query(a, L"SelectiveSuspendEnabled", &type, &size);
    EXPECT_EQ(0u, size);
    Query(b, L"AllowIdleIrpInD3", &type, &size);
    EXPECT_EQ(0u, size);
    EXPECT_EQ(3u, Number(a, L"Unrelated"));

    // A second run finds everything cleared.
    CUsbPowerSettings again;
    EXPECT_EQ(0, Run(again, &found, &valid));
    EXPECT_TRUE(valid);
}

TEST_F(UsbPowerCheckTest, OneByteAllowIdleIsFoundAndClearedAsOneZeroByte) {
    HKEY a = CreateInstance(L"inst1");
    const BYTE one = 1;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(a, L"AllowIdleIrpInD3", 0, REG_BINARY, &one, 1));
    SetDword(a, L"DeviceSelectiveSuspended", 5);

    CUsbPowerSettings settings;
    bool found = false, valid = true;
    EXPECT_EQ(1, Run(settings, &found, &valid));
    EXPECT_FALSE(valid);
    DWORD type = 0, size = 0;
    EXPECT_EQ(0u, Query(a, L"AllowIdleIrpInD3", &type, &size));
    EXPECT_EQ((DWORD)REG_BINARY, type);
    EXPECT_EQ(1u, size);
    EXPECT_EQ(0u, Query(a, L"DeviceSelectiveSuspended", &type, &size));
    EXPECT_EQ((DWORD)REG_DWORD, type);
    EXPECT_EQ(4u, size);
}

TEST_F(UsbPowerCheckTest, AllowIdleOfAnotherSizeIsLeftAlone) {
    HKEY a = CreateInstance(L"inst1");
    const BYTE two[2] = {1, 1};
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(a, L"AllowIdleIrpInD3", 0, REG_BINARY, two, 2));
    CUsbPowerSettings settings;
    bool found = false, valid = false;
    EXPECT_EQ(0, Run(settings, &found, &valid));
    EXPECT_TRUE(valid);
    EXPECT_EQ(0x0101u, Number(a, L"AllowIdleIrpInD3"));
}

TEST_F(UsbPowerCheckTest, UnreadableValueReportsItsErrorLine) {
    HKEY a = CreateInstance(L"inst1");
    const BYTE wide[8] = {1, 0, 0, 0, 0, 0, 0, 0};  // too long for a 4-byte number
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(a, L"EnhancedPowerManagementEnabled", 0, REG_BINARY, wide, 8));
    CUsbPowerSettings settings;
    bool found = false, valid = true;
    EXPECT_EQ(-1, Run(settings, &found, &valid));
    EXPECT_TRUE(found);
    EXPECT_FALSE(valid);
    const std::string& text = settings.ConsoleText();
    EXPECT_NE(std::string::npos,
              text.find("Cannot query for key value EnhancedPowerManagementEnabled; Error is: 234\n"))
        << text;
}

TEST_F(UsbPowerCheckTest, WriteDeniedAfterReadingWorkedGivesFive) {
    HKEY a = CreateInstance(L"inst1");
    SetDword(a, L"SelectiveSuspendEnabled", 1);
    // Allow reading only: the check reads, finds the value set and then fails to open for full access.
    EXPLICIT_ACCESSW access = {};
    access.grfAccessPermissions = KEY_READ;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = const_cast<wchar_t*>(L"EVERYONE");
    PACL acl = nullptr;
    ASSERT_EQ((DWORD)ERROR_SUCCESS, SetEntriesInAclW(1, &access, nullptr, &acl));
    DWORD rc = SetSecurityInfo(a, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                               nullptr, nullptr, acl, nullptr);
    LocalFree(acl);
    ASSERT_EQ((DWORD)ERROR_SUCCESS, rc);
    HKEY probe = nullptr;
    if (RegOpenKeyExW(m_scratch, ParametersPath(L"inst1").c_str(), 0, KEY_ALL_ACCESS, &probe) == ERROR_SUCCESS) {
        RegCloseKey(probe);
        GTEST_SKIP() << "this registry does not enforce key permissions";
    }

    CUsbPowerSettings settings;
    bool found = false, valid = true;
    EXPECT_EQ(5, Run(settings, &found, &valid));
    EXPECT_TRUE(found);
    EXPECT_FALSE(valid);
    EXPECT_NE(std::string::npos, settings.ConsoleText().find("Cannot query for key value; Error is: 5\n"));
    EXPECT_EQ(1u, Number(a, L"SelectiveSuspendEnabled"));
}

TEST(UsbPowerOutcomeTest, TextsAndActionsOfTheConnectionWatch) {
    std::string text;
    EXPECT_EQ(UsbPowerAction::CloseSilently, UsbPowerOutcome(5, false, false, &text));
    EXPECT_EQ("no access right.\n", text);
    EXPECT_EQ(UsbPowerAction::CloseSilently, UsbPowerOutcome(5, true, false, &text));
    EXPECT_EQ(UsbPowerAction::Continue, UsbPowerOutcome(2, false, false, &text));
    EXPECT_EQ("VID PID path not exist.\n", text);
    EXPECT_EQ(UsbPowerAction::Continue, UsbPowerOutcome(-1, true, false, &text));
    EXPECT_EQ("Unexpected error\n", text);
    EXPECT_EQ(UsbPowerAction::Continue, UsbPowerOutcome(0, true, true, &text));
    EXPECT_EQ("Registry valid", text);
    EXPECT_EQ(UsbPowerAction::AskReconnectAndClose, UsbPowerOutcome(1, true, false, &text));
    EXPECT_EQ("Registry invalid and should be modified", text);
}

}  // namespace
