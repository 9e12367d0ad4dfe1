// The device scan: counts and lists the present devices of one device setup
// class, optionally only those whose first hardware ID contains a filter text.
#pragma once

#include <cstdint>

// One listed device, handed to ScanRequest::onListing while the scan runs.
struct DeviceListing {
    // Index under which the platform enumerated the device; devices that were
    // skipped use up their index too, so listed indices can have gaps.
    uint32_t memberIndex;
    // First string of the hardware-ID property, folded to upper case in filter
    // mode. Lives in the scan's own buffer: valid only during the callback.
    const char* hardwareId;
};

using ListingCallback = void (*)(const DeviceListing& listing);

struct ScanRequest {
    // 8-bit text passed to the platform's class lookup exactly as given.
    const char* className;
    // Null for no filter. Otherwise folded to upper case in place by the scan,
    // once a device's hardware ID has been compared with it.
    char* filter;
    // Null when nothing is to be listed; counting does not depend on it.
    ListingCallback onListing;
};

struct ScanOutcome {
    // False when the platform knows no class of that name; nothing else was done.
    bool classFound;
    // True when the class is known but the platform could not open the set of
    // its present devices; no device was enumerated.
    bool deviceSetFailed;
    // Devices whose hardware ID contains the filter; stays 0 without a filter.
    int32_t matchCount;
};

ScanOutcome ScanPresentDevices(const ScanRequest& request);

// The request both programs make of their command line, `ClassName
// [FilterString]`, from an argument vector of at least two elements: the
// filter counts only as the last of exactly two arguments.
ScanRequest RequestFromArguments(int argumentCount, char** arguments, ListingCallback onListing);

// The exit status both programs end with after a scan: -1 when the class is
// unknown or its devices could not be listed, otherwise the match count.
int ExitStatusOf(const ScanOutcome& outcome);
