// The scan's platform away from Windows: the part of SetupAPI the scan uses,
// with the same names, values and record layout, implemented by the stand-in
// over a replaceable device source (see device_source.h).
#pragma once

#include <cstdint>

using BOOL = int;
using BYTE = unsigned char;
using DWORD = uint32_t;
using PBYTE = BYTE*;
using PDWORD = DWORD*;
using PCSTR = const char*;
using HWND = void*;
using HDEVINFO = void*;

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
using LPGUID = GUID*;

struct SP_DEVINFO_DATA {
    DWORD cbSize;
    GUID ClassGuid;
    DWORD DevInst;
    uintptr_t Reserved;
};
using PSP_DEVINFO_DATA = SP_DEVINFO_DATA*;

#define INVALID_HANDLE_VALUE (reinterpret_cast<HDEVINFO>(static_cast<intptr_t>(-1)))
#define DIGCF_PRESENT 0x00000002
#define SPDRP_HARDWAREID 0x00000001

BOOL SetupDiClassGuidsFromNameA(PCSTR ClassName, LPGUID ClassGuidList, DWORD ClassGuidListSize,
                                PDWORD RequiredSize);
HDEVINFO SetupDiGetClassDevsA(const GUID* ClassGuid, PCSTR Enumerator, HWND hwndParent, DWORD Flags);
BOOL SetupDiEnumDeviceInfo(HDEVINFO DeviceInfoSet, DWORD MemberIndex, PSP_DEVINFO_DATA DeviceInfoData);
BOOL SetupDiGetDeviceRegistryPropertyA(HDEVINFO DeviceInfoSet, PSP_DEVINFO_DATA DeviceInfoData,
                                       DWORD Property, PDWORD PropertyRegDataType, PBYTE PropertyBuffer,
                                       DWORD PropertyBufferSize, PDWORD RequiredSize);
BOOL SetupDiDestroyDeviceInfoList(HDEVINFO DeviceInfoSet);
