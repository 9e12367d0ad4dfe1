#include "device_scan.h"

ScanRequest RequestFromArguments(int argumentCount, char** arguments, ListingCallback onListing) {
    return ScanRequest{arguments[1], argumentCount == 3 ? arguments[2] : nullptr, onListing};
}

int ExitStatusOf(const ScanOutcome& outcome) {
    return outcome.classFound && !outcome.deviceSetFailed ? outcome.matchCount : -1;
}
