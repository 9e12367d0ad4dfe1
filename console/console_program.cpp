#include "console_program.h"

#include "device_scan.h"

#include <cstdio>

namespace {

void PrintListing(const DeviceListing& listing) {
    std::printf("%i: %s\n", static_cast<int>(listing.memberIndex), listing.hardwareId);
}

}  // namespace

int RunConsoleProgram(int argumentCount, char** arguments) {
    std::printf("ZorvaneC " ZORVANE_VERSION ", built " __DATE__ " " __TIME__ " GMT+01:00\n\n");
    if (argumentCount < 2) {
        std::printf(
            "ZorvaneC.exe ClassName [FilterString]\n\n"
            "  ClassName must be written correctly and is case insensitive.\n"
            "  If FilterString is omitted then all present devices will be displayed.\n"
            "  This returns the number of devices that matched FilterString or -1 on error.\n");
        return 0;
    }
    const ScanRequest request = RequestFromArguments(argumentCount, arguments, PrintListing);
    const ScanOutcome outcome = ScanPresentDevices(request);
    if (!outcome.classFound) {
        std::printf("No ClassGUID found for %s\n", request.className);
    } else if (outcome.deviceSetFailed) {
        std::printf("Cannot list the devices of class %s\n", request.className);
    } else if (request.filter != nullptr && outcome.matchCount == 0) {
        std::printf("No devices found that match:%s\n", request.filter);
    }
    return ExitStatusOf(outcome);
}
