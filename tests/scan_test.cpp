#include "allocation_counter.h"
#include "device_scan.h"
#include "memory_device_source.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using Listed = std::vector<std::pair<uint32_t, std::string>>;

Listed listed;
void CollectListing(const DeviceListing& listing) { listed.emplace_back(listing.memberIndex, listing.hardwareId); }

class ScanTest : public MemoryMachineTest {
protected:
    void SetUp() override {
        MemoryMachineTest::SetUp();
        listed.clear();
    }

    // Scans with a filter held in writable storage, as an argument vector holds it.
    ScanOutcome Scan(const char* className, std::string* filter = nullptr) {
        char* filterText = filter != nullptr ? &(*filter)[0] : nullptr;
        return ScanPresentDevices(ScanRequest{className, filterText, CollectListing});
    }

    MemoryDevice NotPresent(std::initializer_list<std::string> ids) {
        MemoryDevice device = DeviceWithIds(ids);
        device.present = false;
        return device;
    }
};

TEST_F(ScanTest, UnknownClassOpensNothing) {
    AddClass("Ports", {DeviceWithIds({"ACPI\\PNP0501"})});
    const char* className = "Nonexistent";
    std::string filter = "acpi";

    const ScanOutcome outcome = Scan(className, &filter);

    EXPECT_FALSE(outcome.classFound);
    EXPECT_EQ(outcome.matchCount, 0);
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(filter, "acpi");
    ASSERT_EQ(machine.calls.size(), 1u);
    EXPECT_EQ(machine.calls[0].kind, SourceCallKind::FindClasses);
    EXPECT_EQ(machine.calls[0].className, className) << "the name is passed on as given";
    EXPECT_EQ(machine.calls[0].capacity, 1u);
}

TEST_F(ScanTest, ClassNameCaseIsLeftToTheLookup) {
    AddClass("Ports", {DeviceWithIds({"ACPI\\PNP0501"})});
    EXPECT_TRUE(Scan("pORTS").classFound);
    EXPECT_EQ(listed, (Listed{{0, "ACPI\\PNP0501"}}));
}

TEST_F(ScanTest, ClassWithoutPresentDevices) {
    AddClass("Ports", {NotPresent({"ACPI\\PNP0501"})});
    std::string filter = "acpi";

    const ScanOutcome outcome = Scan("Ports", &filter);

    EXPECT_TRUE(outcome.classFound);
    EXPECT_FALSE(outcome.deviceSetFailed);
    EXPECT_EQ(outcome.matchCount, 0);
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(filter, "acpi") << "no device was compared, so the filter is as given";
    EXPECT_EQ(machine.sets[0].closeCount, 1);
}

// One class holding every kind of device the scan must list or skip.
class MixedClassTest : public ScanTest {
protected:
    void SetUp() override {
        ScanTest::SetUp();
        MemoryDevice withoutId;
        MemoryDevice failingRead = DeviceWithIds({"USB\\FAILS"});
        failingRead.readFails = true;
        AddClass("Ports", {
                              DeviceWithIds({"USB\\Vid_046d&Pid_c52b", "USB\\Class_03"}),  // 0
                              NotPresent({"USB\\GONE"}),                                   // not enumerated
                              withoutId,                                                   // 1
                              DeviceWithIds({"ACPI\\PNP0501", "usb\\second"}),             // 2
                              DeviceWithIds({"usb" + std::string(506, 'u')}),              // 3: 511 bytes
                              DeviceWithIds({std::string(510, 'u')}),                      // 4: 512 bytes
                              DeviceWithIds({"ROOT\\x", std::string(600, 'u')}),           // 5: long second ID
                              failingRead,                                                 // 6
                              DeviceWithIds({"root\\hub_UsB"}),                            // 7
                          });
    }
};

TEST_F(MixedClassTest, WithoutFilterListsReadableDevicesUnchanged) {
    const ScanOutcome outcome = Scan("Ports");

    EXPECT_TRUE(outcome.classFound);
    EXPECT_EQ(outcome.matchCount, 0) << "nothing is counted without a filter";
    EXPECT_EQ(listed, (Listed{{0, "USB\\Vid_046d&Pid_c52b"},
                              {2, "ACPI\\PNP0501"},
                              {3, "usb" + std::string(506, 'u')},
                              {7, "root\\hub_UsB"}}));
}

TEST_F(MixedClassTest, FilterMatchesFirstIdInAnyCase) {
    std::string filter = "uSb";

    const ScanOutcome outcome = Scan("Ports", &filter);

    EXPECT_EQ(outcome.matchCount, 3);
    EXPECT_EQ(listed, (Listed{{0, "USB\\VID_046D&PID_C52B"}, {3, "USB" + std::string(506, 'U')}, {7, "ROOT\\HUB_USB"}}))
        << "a match only in the second ID does not count";
    EXPECT_EQ(filter, "USB") << "the caller's filter is folded in place";
}

TEST_F(MixedClassTest, EmptyFilterCountsEveryReadableDevice) {
    std::string filter;
    const ScanOutcome outcome = Scan("Ports", &filter);
    EXPECT_EQ(outcome.matchCount, 4);
    EXPECT_EQ(listed.size(), 4u);
}

TEST_F(MixedClassTest, CallPattern) {
    Scan("Ports");

    const std::vector<SourceCall> opens = CallsOfKind(machine, SourceCallKind::OpenDevices);
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].flags, static_cast<uint32_t>(DIGCF_PRESENT));
    EXPECT_EQ(std::memcmp(&opens[0].classGuid, &machine.classes[0].guid, sizeof(GUID)), 0);

    // Per enumerated device: the probe, then the read with one byte more than
    // reported, unless the size rules the device out.
    std::vector<std::pair<bool, uint32_t>> reads;
    for (const SourceCall& call : CallsOfKind(machine, SourceCallKind::ReadHardwareId)) {
        reads.emplace_back(call.withBuffer, call.bufferSize);
    }
    const std::vector<std::pair<bool, uint32_t>> expected = {
        {false, 0}, {true, 37},                   // 0: 36 bytes
        {false, 0},                               // 1: no hardware ID
        {false, 0}, {true, 26},                   // 2: 25 bytes
        {false, 0}, {true, 512},                  // 3: 511 bytes
        {false, 0},                               // 4: 512 bytes
        {false, 0},                               // 5: 609 bytes
        {false, 0}, {true, 12},                   // 6: 11 bytes, read fails
        {false, 0}, {true, 15},                   // 7: 14 bytes
    };
    EXPECT_EQ(reads, expected);

    const std::vector<SourceCall> enumerations = CallsOfKind(machine, SourceCallKind::DeviceAt);
    ASSERT_EQ(enumerations.size(), 9u) << "enumeration ends at the first index past the set";
    for (uint32_t index = 0; index < enumerations.size(); ++index) {
        EXPECT_EQ(enumerations[index].number, index);
    }
    ASSERT_EQ(machine.openedSetCount, 1u);
    EXPECT_EQ(machine.sets[0].closeCount, 1);
    EXPECT_EQ(machine.calls.back().kind, SourceCallKind::CloseDevices);
}

TEST_F(MixedClassTest, ScanAllocatesNothing) {
    std::string filter = "usb";
    const size_t before = AllocationCount();
    const ScanOutcome outcome = ScanPresentDevices(ScanRequest{"Ports", &filter[0], nullptr});
    EXPECT_EQ(AllocationCount(), before);
    EXPECT_EQ(outcome.matchCount, 3);
}

TEST_F(ScanTest, BytesOutsideAToZAreComparedExactly) {
    AddClass("Ports", {DeviceWithIds({"DEV\xC9\x80\xFF"}), DeviceWithIds({"dev\xE9\x80\xFF"})});
    std::string filter = "\xE9\x80\xFF";

    const ScanOutcome outcome = Scan("Ports", &filter);

    EXPECT_EQ(outcome.matchCount, 1);
    EXPECT_EQ(listed, (Listed{{1, "DEV\xE9\x80\xFF"}}));
}

TEST_F(ScanTest, EmptyHardwareIdMatchesOnlyTheEmptyFilter) {
    MemoryDevice emptyId;
    emptyId.hardwareId = std::string(1, '\0');
    AddClass("Ports", {emptyId});

    std::string empty;
    EXPECT_EQ(Scan("Ports", &empty).matchCount, 1);
    EXPECT_EQ(listed, (Listed{{0, ""}}));

    std::string nonEmpty = "x";
    EXPECT_EQ(Scan("Ports", &nonEmpty).matchCount, 0);
}

TEST_F(ScanTest, ClassesSharingANameUseTheFirst) {
    AddClass("Twin", {DeviceWithIds({"FIRST\\A"})});
    AddClass("twin", {DeviceWithIds({"SECOND\\B"})});

    EXPECT_TRUE(Scan("TWIN").classFound);
    EXPECT_EQ(listed, (Listed{{0, "FIRST\\A"}}));
}

TEST_F(ScanTest, DeviceSetThatFailsToOpenIsReported) {
    AddClass("Ports", {DeviceWithIds({"ACPI\\PNP0501"})}).openFails = true;
    std::string filter = "acpi";

    const ScanOutcome outcome = Scan("Ports", &filter);

    EXPECT_TRUE(outcome.classFound);
    EXPECT_TRUE(outcome.deviceSetFailed);
    EXPECT_EQ(outcome.matchCount, 0);
    EXPECT_TRUE(CallsOfKind(machine, SourceCallKind::DeviceAt).empty());
    EXPECT_TRUE(CallsOfKind(machine, SourceCallKind::CloseDevices).empty());
}

TEST_F(ScanTest, PropertyThatGrowsPastTheBufferIsSkipped) {
    MemoryDevice growing = DeviceWithIds({"USB\\SHORT"});
    growing.hardwareIdAfterProbe = MultiString({"USB\\" + std::string(100, 'L')});
    AddClass("Ports", {growing, DeviceWithIds({"USB\\NEXT"})});
    std::string filter = "usb";

    EXPECT_EQ(Scan("Ports", &filter).matchCount, 1);
    EXPECT_EQ(listed, (Listed{{1, "USB\\NEXT"}}));
}

// The property grew to exactly the buffer's size with no terminator in it:
// the platform fills every byte it was given.
TEST_F(ScanTest, FullBufferStaysInBounds) {
    MemoryDevice filling = DeviceWithIds({std::string(509, 'a')});
    filling.hardwareIdAfterProbe = std::string(512, 'a');
    AddClass("Ports", {filling});
    machine.classes[0].devices.push_back(filling);

    const ScanOutcome outcome = Scan("Ports");
    EXPECT_EQ(outcome.matchCount, 0);
    EXPECT_EQ(listed, (Listed{{0, std::string(512, 'a')}, {1, std::string(512, 'a')}}));

    listed.clear();
    for (MemoryDevice& device : machine.classes[0].devices) {
        device.probed = false;
    }
    std::string filter = std::string(512, 'a') + "b";
    EXPECT_EQ(Scan("Ports", &filter).matchCount, 0) << "the search must not run past the buffer";

    std::string endOfBuffer = "AAAA";
    for (MemoryDevice& device : machine.classes[0].devices) {
        device.probed = false;
    }
    EXPECT_EQ(Scan("Ports", &endOfBuffer).matchCount, 2);
    EXPECT_EQ(listed.back().second, std::string(512, 'A'));
}

TEST_F(ScanTest, HostileTextIsHandledAsPlainBytes) {
    const std::string longName(100000, 'P');
    AddClass(longName, {DeviceWithIds({"%s%n\\x"})});
    std::string longFilter(100000, 'x');

    EXPECT_EQ(Scan(longName.c_str(), &longFilter).matchCount, 0);
    std::string formatFilter = "%S%N";
    EXPECT_EQ(Scan(longName.c_str(), &formatFilter).matchCount, 1);
    EXPECT_EQ(listed, (Listed{{0, "%S%N\\X"}}));
    EXPECT_FALSE(Scan("").classFound);
}

}  // namespace
