#include "windowless_program.h"

#include "device_scan.h"

int RunWindowlessProgram(int argumentCount, char** arguments) {
    if (argumentCount < 2) {
        return 0;
    }
    char* filter = argumentCount == 3 ? arguments[2] : nullptr;
    const ScanOutcome outcome = ScanPresentDevices(ScanRequest{arguments[1], filter, nullptr});
    if (!outcome.classFound || outcome.deviceSetFailed) {
        return -1;
    }
    return outcome.matchCount;
}
