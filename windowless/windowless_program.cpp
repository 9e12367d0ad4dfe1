#include "windowless_program.h"

#include "device_scan.h"

int RunWindowlessProgram(int argumentCount, char** arguments) {
    if (argumentCount < 2) {
        return 0;
    }
    return ExitStatusOf(ScanPresentDevices(RequestFromArguments(argumentCount, arguments, nullptr)));
}
