#include "console_program.h"
#include "memory_device_source.h"
#include "program_run.h"
#include "windowless_program.h"

#include <string>
#include <vector>

namespace {

class WindowlessTest : public MemoryMachineTest {};

TEST_F(WindowlessTest, SilentWithTheConsoleProgramsExitStatus) {
    AddClass("Ports", {DeviceWithIds({"ACPI\\PNP0501"}), DeviceWithIds({"USB\\Vid_1"}), DeviceWithIds({"usb\\2"})});
    AddClass("Empty");
    AddClass("Broken", {DeviceWithIds({"USB\\X"})}).openFails = true;
    const std::vector<std::vector<std::string>> vectors = {
        {},
        {"ZorvaneW.exe"},
        {"ZorvaneW.exe", "Ports"},
        {"ZorvaneW.exe", "ports", "USB"},
        {"ZorvaneW.exe", "Ports", "nothing"},
        {"ZorvaneW.exe", "Ports", ""},
        {"ZorvaneW.exe", "Ports", "usb", "extra"},
        {"ZorvaneW.exe", "Empty", "usb"},
        {"ZorvaneW.exe", "Nope"},
        {"ZorvaneW.exe", "Broken"},
        {"ZorvaneW.exe", "%s%n", "%s%n"},
        {"ZorvaneW.exe", std::string(100000, 'P'), std::string(100000, 'u')},
    };
    const std::vector<int> expectedStatus = {0, 0, 0, 2, 0, 3, 0, 0, -1, -1, -1, -1};
    ASSERT_EQ(vectors.size(), expectedStatus.size());
    for (size_t i = 0; i < vectors.size(); ++i) {
        SCOPED_TRACE("argument vector " + std::to_string(i));
        const ProgramRun windowless = RunProgram(RunWindowlessProgram, vectors[i]);
        EXPECT_EQ(windowless.output, "");
        EXPECT_EQ(windowless.exitStatus, expectedStatus[i]);
        EXPECT_EQ(windowless.exitStatus, RunProgram(RunConsoleProgram, vectors[i]).exitStatus);
    }
}

}  // namespace
