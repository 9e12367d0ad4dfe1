#include "console_program.h"
#include "memory_device_source.h"
#include "program_run.h"

#include <regex>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "ZorvaneC.exe ClassName [FilterString]\n\n"
    "  ClassName must be written correctly and is case insensitive.\n"
    "  If FilterString is omitted then all present devices will be displayed.\n"
    "  This returns the number of devices that matched FilterString or -1 on error.\n";

class ConsoleTest : public MemoryMachineTest {
protected:
    void SetUp() override {
        MemoryMachineTest::SetUp();
        MemoryDevice withoutId;
        AddClass("Ports", {DeviceWithIds({"ACPI\\PNP0501"}), withoutId, DeviceWithIds({"USB\\Vid_1", "x"}),
                           DeviceWithIds({"usb\\vid_2"}), DeviceWithIds({"Root\\USBHub"})});
        AddClass("Empty");
        AddClass("Broken", {DeviceWithIds({"ACPI\\X"})}).openFails = true;
    }

    // Runs the console program and returns what follows its banner, which is
    // checked on the way.
    ProgramRun Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "ZorvaneC.exe");
        ProgramRun run = RunProgram(RunConsoleProgram, arguments);
        const std::regex banner(
            "ZorvaneC " ZORVANE_VERSION ", built [A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} [0-2][0-9]:[0-5][0-9]:[0-6][0-9] "
            "GMT\\+01:00\n\n");
        std::smatch found;
        if (!std::regex_search(run.output, found, banner, std::regex_constants::match_continuous)) {
            ADD_FAILURE() << "no banner at the start of:\n" << run.output;
            return run;
        }
        run.output.erase(0, static_cast<size_t>(found.length(0)));
        return run;
    }
};

struct ConsoleCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string output;
    int exitStatus;
};

TEST_F(ConsoleTest, OutputAndExitStatus) {
    const std::string longName(100000, 'N');
    const std::string longFilter(100000, 'f');
    const std::vector<ConsoleCase> cases = {
        {"usage", {}, kUsage, 0},
        {"unknown class", {"Nope"}, "No ClassGUID found for Nope\n", -1},
        {"class only", {"ports"}, "0: ACPI\\PNP0501\n2: USB\\Vid_1\n3: usb\\vid_2\n4: Root\\USBHub\n", 0},
        {"filter matches three", {"Ports", "usb"}, "2: USB\\VID_1\n3: USB\\VID_2\n4: ROOT\\USBHUB\n", 3},
        {"no match shows the folded filter", {"Ports", "NoSuch"}, "No devices found that match:NOSUCH\n", 0},
        {"no device compared leaves the filter as typed", {"Empty", "NoSuch"}, "No devices found that match:NoSuch\n", 0},
        {"class without devices", {"Empty"}, "", 0},
        {"a third argument cancels the filter", {"Ports", "usb", "more"},
         "0: ACPI\\PNP0501\n2: USB\\Vid_1\n3: usb\\vid_2\n4: Root\\USBHub\n", 0},
        {"empty filter counts all", {"Ports", ""}, "0: ACPI\\PNP0501\n2: USB\\VID_1\n3: USB\\VID_2\n4: ROOT\\USBHUB\n", 4},
        {"device set fails to open", {"Broken"}, "Cannot list the devices of class Broken\n", -1},
        {"device set fails to open, filtered", {"Broken", "x"}, "Cannot list the devices of class Broken\n", -1},
        {"format text in the class name", {"%s%n%i"}, "No ClassGUID found for %s%n%i\n", -1},
        {"format text in the filter", {"Ports", "%s%n"}, "No devices found that match:%S%N\n", 0},
        {"high bytes", {"\x80\xE9\xFF"}, "No ClassGUID found for \x80\xE9\xFF\n", -1},
        {"high bytes in the filter", {"Ports", "\xE9z\xFF"}, "No devices found that match:\xE9Z\xFF\n", 0},
        {"empty class name", {""}, "No ClassGUID found for \n", -1},
        {"long class name", {longName}, "No ClassGUID found for " + longName + "\n", -1},
        {"long filter", {"Ports", longFilter}, "No devices found that match:" + std::string(100000, 'F') + "\n", 0},
    };
    for (const ConsoleCase& example : cases) {
        SCOPED_TRACE(example.name);
        const ProgramRun run = Run(example.arguments);
        EXPECT_EQ(run.output, example.output);
        EXPECT_EQ(run.exitStatus, example.exitStatus);
    }
}

TEST_F(ConsoleTest, EmptyArgumentVectorShowsUsage) {
    const ProgramRun run = RunProgram(RunConsoleProgram, {});
    EXPECT_NE(run.output.find(kUsage), std::string::npos);
    EXPECT_EQ(run.exitStatus, 0);
}

}  // namespace
