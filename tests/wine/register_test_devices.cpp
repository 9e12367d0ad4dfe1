// Registers the device setup classes and devices that the Wine tests scan,
// through the platform's own calls, in the current Wine prefix.
//
// Class "ZorvaneTest" {5A0B0001-...}: the devices below, in instance-ID order.
// Class "zorvanetest" {5A0B0002-...}: the same name again, with one device.
// Class "ZorvaneEmpty" {5A0B0003-...}: no device.
#include <windows.h>
#include <setupapi.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

GUID ClassGuid(unsigned long number) {
    return GUID{0x5A0B0000ul + number, 0x7A0E, 0x4E57, {0x9D, 0x11, 0x2C, 0x4F, 0x60, 0x8A, 0x13, 0x55}};
}

bool RegisterClass(const GUID& guid, const char* name) {
    char key[128];
    std::snprintf(key, sizeof key,
                  "System\\CurrentControlSet\\Control\\Class\\{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  guid.Data1, guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3],
                  guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    HKEY classKey;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &classKey, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG status = RegSetValueExA(classKey, "Class", 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                                       static_cast<DWORD>(std::strlen(name) + 1));
    RegCloseKey(classKey);
    return status == ERROR_SUCCESS;
}

// The whole multi-string, both terminators included.
std::string MultiString(std::initializer_list<std::string> ids) {
    std::string property;
    for (const std::string& id : ids) {
        property += id;
        property += '\0';
    }
    return property + '\0';
}

struct TestDevice {
    const char* instanceId;
    bool hasHardwareId;
    std::string hardwareId;
    bool registered;
};

bool AddDevice(HDEVINFO set, const GUID& guid, const TestDevice& device) {
    SP_DEVINFO_DATA data;
    data.cbSize = sizeof data;
    if (!SetupDiCreateDeviceInfoA(set, device.instanceId, &guid, nullptr, nullptr, 0, &data)) {
        std::printf("cannot create %s: error %lu\n", device.instanceId, GetLastError());
        return false;
    }
    if (device.hasHardwareId &&
        !SetupDiSetDeviceRegistryPropertyA(set, &data, SPDRP_HARDWAREID,
                                           reinterpret_cast<const BYTE*>(device.hardwareId.data()),
                                           static_cast<DWORD>(device.hardwareId.size()))) {
        std::printf("cannot set the hardware ID of %s: error %lu\n", device.instanceId, GetLastError());
        return false;
    }
    if (device.registered && !SetupDiRegisterDeviceInfo(set, &data, 0, nullptr, nullptr, nullptr)) {
        std::printf("cannot register %s: error %lu\n", device.instanceId, GetLastError());
        return false;
    }
    return true;
}

// Counts the devices of a class, present ones only or all.
int CountDevices(const GUID& guid, DWORD flags) {
    HDEVINFO set = SetupDiGetClassDevsA(&guid, nullptr, nullptr, flags);
    if (set == INVALID_HANDLE_VALUE) {
        return -1;
    }
    SP_DEVINFO_DATA data;
    data.cbSize = sizeof data;
    int count = 0;
    while (SetupDiEnumDeviceInfo(set, static_cast<DWORD>(count), &data)) {
        ++count;
    }
    SetupDiDestroyDeviceInfoList(set);
    return count;
}

}  // namespace

int main() {
    const GUID testClass = ClassGuid(1);
    const GUID twinClass = ClassGuid(2);
    if (!RegisterClass(testClass, "ZorvaneTest") || !RegisterClass(twinClass, "zorvanetest") ||
        !RegisterClass(ClassGuid(3), "ZorvaneEmpty")) {
        std::printf("cannot register the test classes\n");
        return 1;
    }
    const TestDevice devices[] = {
        {"ROOT\\ZORVANE\\0000", true, MultiString({"USB\\Vid_046d&Pid_c52b", "USB\\Class_03"}), true},
        {"ROOT\\ZORVANE\\0001", false, "", true},
        {"ROOT\\ZORVANE\\0002", true, MultiString({"ACPI\\PNP0501", "usb\\second"}), true},
        {"ROOT\\ZORVANE\\0003", true, MultiString({"usb\\" + std::string(505, 'l')}), true},  // 511 bytes
        {"ROOT\\ZORVANE\\0004", true, MultiString({"usb\\" + std::string(506, 'l')}), true},  // 512 bytes
        {"ROOT\\ZORVANE\\0005", true, MultiString({"PCI\\Caf\xE9_\xC9t\xE9"}), true},
        {"ROOT\\ZORVANE\\0006", true, MultiString({"USB\\NOT_REGISTERED"}), false},
        {"ROOT\\ZORVANE\\0007", true, MultiString({"root\\hub_UsB"}), true},
    };
    HDEVINFO set = SetupDiCreateDeviceInfoList(&testClass, nullptr);
    HDEVINFO twinSet = SetupDiCreateDeviceInfoList(&twinClass, nullptr);
    if (set == INVALID_HANDLE_VALUE || twinSet == INVALID_HANDLE_VALUE) {
        std::printf("cannot create device sets\n");
        return 1;
    }
    for (const TestDevice& device : devices) {
        if (!AddDevice(set, testClass, device)) {
            return 1;
        }
    }
    if (!AddDevice(twinSet, twinClass, {"ROOT\\ZORVANE_TWIN\\0000", true, MultiString({"USB\\TWIN"}), true})) {
        return 1;
    }
    // Destroying the set removes the device that was created but never registered.
    SetupDiDestroyDeviceInfoList(set);
    SetupDiDestroyDeviceInfoList(twinSet);
    std::printf("ZorvaneTest: %d devices, %d present\n", CountDevices(testClass, 0),
                CountDevices(testClass, DIGCF_PRESENT));
    return 0;
}
