// An in-memory machine for the stand-in SetupAPI: setup classes, their
// devices, faults to inject, and a log of every call the stand-in makes.
#pragma once

#include "device_source.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

struct MemoryDevice {
    // Exact bytes of the hardware-ID multi-string, terminators included.
    std::optional<std::string> hardwareId;
    bool present = true;
    // The read fails although the buffer is large enough.
    bool readFails = false;
    // What the property holds once its size has been probed: it changed in between.
    std::optional<std::string> hardwareIdAfterProbe;
    bool probed = false;
};

struct MemoryClass {
    std::string name;
    GUID guid;
    std::vector<MemoryDevice> devices;
    bool openFails = false;
};

enum class SourceCallKind { FindClasses, OpenDevices, DeviceAt, ReadHardwareId, CloseDevices };

struct SourceCall {
    SourceCallKind kind;
    const char* className;  // FindClasses
    uint32_t capacity;      // FindClasses
    GUID classGuid;         // OpenDevices
    uint32_t flags;         // OpenDevices
    void* devices;          // DeviceAt, ReadHardwareId, CloseDevices
    uint32_t number;        // DeviceAt: position; ReadHardwareId: device number
    bool withBuffer;        // ReadHardwareId
    uint32_t bufferSize;    // ReadHardwareId
};

struct OpenDeviceSet {
    const MemoryClass* deviceClass;
    bool presentOnly;
    int closeCount;
};

struct MemoryMachine {
    std::vector<MemoryClass> classes;
    // Filled without allocating once reserved, so that allocations made by
    // the code under test can be counted.
    std::vector<SourceCall> calls;
    std::array<OpenDeviceSet, 16> sets{};
    size_t openedSetCount = 0;

    MemoryMachine() { calls.reserve(4096); }
};

DeviceSource MemoryDeviceSource(MemoryMachine& machine);

// The hardware-ID property for a list of IDs: each ends with a NUL, and one more ends the list.
std::string MultiString(std::initializer_list<std::string> ids);
GUID TestGuid(uint32_t number);

std::vector<SourceCall> CallsOfKind(const MemoryMachine& machine, SourceCallKind kind);

// Each test runs against its own machine, installed as the stand-in's source.
class MemoryMachineTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = MemoryDeviceSource(machine);
        InstallDeviceSource(&source);
    }
    void TearDown() override { InstallDeviceSource(nullptr); }

    MemoryClass& AddClass(const std::string& name, std::vector<MemoryDevice> devices = {}) {
        machine.classes.push_back(
            MemoryClass{name, TestGuid(static_cast<uint32_t>(machine.classes.size() + 1)), std::move(devices)});
        return machine.classes.back();
    }

    MemoryMachine machine;
    DeviceSource source{};
};

MemoryDevice DeviceWithIds(std::initializer_list<std::string> ids);
