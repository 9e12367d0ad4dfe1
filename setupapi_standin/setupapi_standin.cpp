// The five SetupAPI functions the scan calls, for builds away from Windows.
#include "device_source.h"

namespace {

uint32_t FindNoClass(void*, const char*, GUID*, uint32_t) { return 0; }
void* OpenNoDevices(void*, const GUID&, uint32_t) { return nullptr; }
bool NoDeviceAt(void*, void*, uint32_t, uint32_t*) { return false; }
bool ReadNoHardwareId(void*, void*, uint32_t, BYTE*, uint32_t, uint32_t*) { return false; }
void CloseNoDevices(void*, void*) {}

const DeviceSource emptySource = {nullptr, FindNoClass, OpenNoDevices, NoDeviceAt, ReadNoHardwareId,
                                  CloseNoDevices};
const DeviceSource* installedSource = &emptySource;

bool IsUsableSet(HDEVINFO set) { return set != nullptr && set != INVALID_HANDLE_VALUE; }

bool IsUsableRecord(const SP_DEVINFO_DATA* record) {
    return record != nullptr && record->cbSize == sizeof(SP_DEVINFO_DATA);
}

const DWORD kRegMultiSz = 7;

}  // namespace

void InstallDeviceSource(const DeviceSource* source) {
    installedSource = source != nullptr ? source : &emptySource;
}

BOOL SetupDiClassGuidsFromNameA(PCSTR ClassName, LPGUID ClassGuidList, DWORD ClassGuidListSize,
                                PDWORD RequiredSize) {
    if (ClassName == nullptr || RequiredSize == nullptr || (ClassGuidList == nullptr && ClassGuidListSize != 0)) {
        return 0;
    }
    const uint32_t classCount =
        installedSource->findClasses(installedSource->context, ClassName, ClassGuidList, ClassGuidListSize);
    *RequiredSize = classCount;
    return classCount <= ClassGuidListSize;
}

HDEVINFO SetupDiGetClassDevsA(const GUID* ClassGuid, PCSTR Enumerator, HWND hwndParent, DWORD Flags) {
    // Only what a class scan needs: one class, no enumerator filter.
    if (ClassGuid == nullptr || Enumerator != nullptr || hwndParent != nullptr) {
        return INVALID_HANDLE_VALUE;
    }
    void* devices = installedSource->openDevices(installedSource->context, *ClassGuid, Flags);
    return devices != nullptr ? devices : INVALID_HANDLE_VALUE;
}

BOOL SetupDiEnumDeviceInfo(HDEVINFO DeviceInfoSet, DWORD MemberIndex, PSP_DEVINFO_DATA DeviceInfoData) {
    if (!IsUsableSet(DeviceInfoSet) || !IsUsableRecord(DeviceInfoData)) {
        return 0;
    }
    uint32_t deviceNumber = 0;
    if (!installedSource->deviceAt(installedSource->context, DeviceInfoSet, MemberIndex, &deviceNumber)) {
        return 0;
    }
    DeviceInfoData->DevInst = deviceNumber;
    DeviceInfoData->Reserved = 0;
    return 1;
}

BOOL SetupDiGetDeviceRegistryPropertyA(HDEVINFO DeviceInfoSet, PSP_DEVINFO_DATA DeviceInfoData,
                                       DWORD Property, PDWORD PropertyRegDataType, PBYTE PropertyBuffer,
                                       DWORD PropertyBufferSize, PDWORD RequiredSize) {
    if (!IsUsableSet(DeviceInfoSet) || !IsUsableRecord(DeviceInfoData) || Property != SPDRP_HARDWAREID ||
        (PropertyBuffer == nullptr && PropertyBufferSize != 0)) {
        return 0;
    }
    uint32_t propertySize = 0;
    if (!installedSource->readHardwareId(installedSource->context, DeviceInfoSet, DeviceInfoData->DevInst,
                                         PropertyBuffer, PropertyBufferSize, &propertySize)) {
        return 0;
    }
    if (PropertyRegDataType != nullptr) {
        *PropertyRegDataType = kRegMultiSz;
    }
    if (RequiredSize != nullptr) {
        *RequiredSize = propertySize;
    }
    return propertySize <= PropertyBufferSize;
}

BOOL SetupDiDestroyDeviceInfoList(HDEVINFO DeviceInfoSet) {
    if (!IsUsableSet(DeviceInfoSet)) {
        return 0;
    }
    installedSource->closeDevices(installedSource->context, DeviceInfoSet);
    return 1;
}
