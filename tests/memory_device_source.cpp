#include "memory_device_source.h"

#include <cstring>

namespace {

MemoryMachine& MachineOf(void* context) { return *static_cast<MemoryMachine*>(context); }

bool SameName(const std::string& registered, const char* asked) {
    const size_t length = std::strlen(asked);
    if (length != registered.size()) {
        return false;
    }
    for (size_t i = 0; i < length; ++i) {
        const auto fold = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; };
        if (fold(static_cast<unsigned char>(registered[i])) != fold(static_cast<unsigned char>(asked[i]))) {
            return false;
        }
    }
    return true;
}

SourceCall Call(SourceCallKind kind) {
    SourceCall call{};
    call.kind = kind;
    return call;
}

uint32_t FindClasses(void* context, const char* className, GUID* guids, uint32_t capacity) {
    MemoryMachine& machine = MachineOf(context);
    SourceCall call = Call(SourceCallKind::FindClasses);
    call.className = className;
    call.capacity = capacity;
    machine.calls.push_back(call);
    uint32_t found = 0;
    for (const MemoryClass& deviceClass : machine.classes) {
        if (SameName(deviceClass.name, className)) {
            if (found < capacity) {
                guids[found] = deviceClass.guid;
            }
            ++found;
        }
    }
    return found;
}

void* OpenDevices(void* context, const GUID& classGuid, uint32_t flags) {
    MemoryMachine& machine = MachineOf(context);
    SourceCall call = Call(SourceCallKind::OpenDevices);
    call.classGuid = classGuid;
    call.flags = flags;
    machine.calls.push_back(call);
    for (const MemoryClass& deviceClass : machine.classes) {
        if (std::memcmp(&deviceClass.guid, &classGuid, sizeof classGuid) != 0) {
            continue;
        }
        if (deviceClass.openFails || machine.openedSetCount == machine.sets.size()) {
            return nullptr;
        }
        OpenDeviceSet& set = machine.sets[machine.openedSetCount++];
        set = OpenDeviceSet{&deviceClass, (flags & DIGCF_PRESENT) != 0, 0};
        return &set;
    }
    return nullptr;
}

bool DeviceAt(void* context, void* devices, uint32_t position, uint32_t* deviceNumber) {
    MemoryMachine& machine = MachineOf(context);
    SourceCall call = Call(SourceCallKind::DeviceAt);
    call.devices = devices;
    call.number = position;
    machine.calls.push_back(call);
    const OpenDeviceSet& set = *static_cast<OpenDeviceSet*>(devices);
    EXPECT_EQ(set.closeCount, 0) << "device set used after its release";
    uint32_t seen = 0;
    const std::vector<MemoryDevice>& all = set.deviceClass->devices;
    for (uint32_t number = 0; number < all.size(); ++number) {
        if (set.presentOnly && !all[number].present) {
            continue;
        }
        if (seen++ == position) {
            *deviceNumber = number;
            return true;
        }
    }
    return false;
}

bool ReadHardwareId(void* context, void* devices, uint32_t deviceNumber, BYTE* buffer, uint32_t bufferSize,
                    uint32_t* size) {
    MemoryMachine& machine = MachineOf(context);
    SourceCall call = Call(SourceCallKind::ReadHardwareId);
    call.devices = devices;
    call.number = deviceNumber;
    call.withBuffer = buffer != nullptr;
    call.bufferSize = bufferSize;
    machine.calls.push_back(call);
    const OpenDeviceSet& set = *static_cast<OpenDeviceSet*>(devices);
    // The record is the machine's; the stand-in only reads it, but a probe may change it.
    MemoryDevice& device = const_cast<MemoryDevice&>(set.deviceClass->devices.at(deviceNumber));
    const std::optional<std::string>& property =
        device.probed && device.hardwareIdAfterProbe ? device.hardwareIdAfterProbe : device.hardwareId;
    if (buffer == nullptr) {
        device.probed = true;
    }
    if (!property || (buffer != nullptr && device.readFails)) {
        return false;
    }
    *size = static_cast<uint32_t>(property->size());
    if (property->size() <= bufferSize) {
        std::memcpy(buffer, property->data(), property->size());
    }
    return true;
}

void CloseDevices(void* context, void* devices) {
    MemoryMachine& machine = MachineOf(context);
    SourceCall call = Call(SourceCallKind::CloseDevices);
    call.devices = devices;
    machine.calls.push_back(call);
    ++static_cast<OpenDeviceSet*>(devices)->closeCount;
}

}  // namespace

DeviceSource MemoryDeviceSource(MemoryMachine& machine) {
    return DeviceSource{&machine, FindClasses, OpenDevices, DeviceAt, ReadHardwareId, CloseDevices};
}

std::string MultiString(std::initializer_list<std::string> ids) {
    std::string property;
    for (const std::string& id : ids) {
        property += id;
        property += '\0';
    }
    property += '\0';
    return property;
}

MemoryDevice DeviceWithIds(std::initializer_list<std::string> ids) {
    MemoryDevice device;
    device.hardwareId = MultiString(ids);
    return device;
}

GUID TestGuid(uint32_t number) { return GUID{0x5a0b0000u + number, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}}; }

std::vector<SourceCall> CallsOfKind(const MemoryMachine& machine, SourceCallKind kind) {
    std::vector<SourceCall> matching;
    for (const SourceCall& call : machine.calls) {
        if (call.kind == kind) {
            matching.push_back(call);
        }
    }
    return matching;
}
