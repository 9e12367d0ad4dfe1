#include "device_scan.h"

// SetupAPI itself on Windows, the stand-in elsewhere: the build picks the folder.
#include "device_install_api.h"

#include <cstring>

namespace {

// A hardware-ID multi-string must need fewer bytes than this to be read.
const DWORD kPropertyBufferBytes = 512;

// One buffer serves the class lookup and then every property read. The byte
// after the property area is never handed to the platform and stays zero, so
// the text ends inside the buffer even when the platform fills all of it.
union ScanBuffer {
    GUID classGuids[kPropertyBufferBytes / sizeof(GUID)];
    BYTE property[kPropertyBufferBytes + 1];
};

// Folds a-z to A-Z in place, byte by byte, whatever the locale.
void FoldToUpperCase(char* text) {
    for (; *text != '\0'; ++text) {
        if (*text >= 'a' && *text <= 'z') {
            *text = static_cast<char>(*text - ('a' - 'A'));
        }
    }
}

}  // namespace

ScanOutcome ScanPresentDevices(const ScanRequest& request) {
    ScanOutcome outcome = {false, false, 0};
    ScanBuffer buffer;
    DWORD classCount = 0;
    // Several classes may share a name; the lookup then reports more than one
    // and fails for the short list, and the first GUID is the one used.
    SetupDiClassGuidsFromNameA(request.className, buffer.classGuids, 1, &classCount);
    if (classCount == 0) {
        return outcome;
    }
    outcome.classFound = true;

    HDEVINFO devices = SetupDiGetClassDevsA(&buffer.classGuids[0], nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) {
        outcome.deviceSetFailed = true;
        return outcome;
    }

    SP_DEVINFO_DATA device;
    std::memset(&device, 0, sizeof device);
    device.cbSize = sizeof device;
    char* const hardwareId = reinterpret_cast<char*>(buffer.property);
    for (DWORD memberIndex = 0; SetupDiEnumDeviceInfo(devices, memberIndex, &device); ++memberIndex) {
        DWORD propertySize = 0;
        SetupDiGetDeviceRegistryPropertyA(devices, &device, SPDRP_HARDWAREID, nullptr, nullptr, 0, &propertySize);
        if (propertySize == 0 || propertySize >= kPropertyBufferBytes) {
            continue;
        }
        std::memset(buffer.property, 0, sizeof buffer.property);
        if (!SetupDiGetDeviceRegistryPropertyA(devices, &device, SPDRP_HARDWAREID, nullptr, buffer.property,
                                               propertySize + 1, nullptr)) {
            continue;
        }
        if (request.filter != nullptr) {
            FoldToUpperCase(hardwareId);
            FoldToUpperCase(request.filter);
            if (std::strstr(hardwareId, request.filter) == nullptr) {
                continue;
            }
            ++outcome.matchCount;
        }
        if (request.onListing != nullptr) {
            request.onListing(DeviceListing{memberIndex, hardwareId});
        }
    }
    SetupDiDestroyDeviceInfoList(devices);
    return outcome;
}
