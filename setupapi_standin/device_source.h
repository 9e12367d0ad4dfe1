// What the stand-in SetupAPI asks of whatever knows this machine's setup
// classes and devices. The stand-in checks arguments and applies the
// platform's rules for handles and sizes; a source only answers for the facts.
#pragma once

#include "device_install_api.h"

struct DeviceSource {
    void* context;
    // Stores the GUIDs of up to `capacity` classes registered under
    // `className` (compared without regard to case) and returns how many
    // classes carry that name in all.
    uint32_t (*findClasses)(void* context, const char* className, GUID* guids, uint32_t capacity);
    // Opens a device set of one class (`flags` as given to SetupDiGetClassDevsA);
    // returns a handle of the source's choosing, or null when it cannot.
    void* (*openDevices)(void* context, const GUID& classGuid, uint32_t flags);
    // Names the device at `position` of an open set by a number of the
    // source's choosing; false past the end of the set.
    bool (*deviceAt)(void* context, void* devices, uint32_t position, uint32_t* deviceNumber);
    // False when the device has no hardware ID. Otherwise stores the size of
    // the whole multi-string, terminators included, in *size, and copies it
    // into `buffer` when it fits in `bufferSize` bytes.
    bool (*readHardwareId)(void* context, void* devices, uint32_t deviceNumber, BYTE* buffer,
                           uint32_t bufferSize, uint32_t* size);
    void (*closeDevices)(void* context, void* devices);
};

// Makes `source` the one the stand-in asks from now on; the record must
// outlive its use. Null puts back the empty source, which knows no class.
void InstallDeviceSource(const DeviceSource* source);
